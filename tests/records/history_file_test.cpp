#include "records/history_file.h"

#include <gtest/gtest.h>

#include "ui/words/word_rows.h"
#include "ui/words/word_table.h"

#include "core/cp1251.h"
#include "platform/file_system_test_support.h"
#include "records/fixed_text.h"

namespace tarnel {
namespace {

std::string English(int row) { return std::string(Word(row, kEnglish)); }

using testing::FaultyFileSystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const LocalTime kMorning{2026, 3, 7, 9, 5, 0};

HisStr Record(std::string name, std::int32_t result = 70, double rating = 0.7,
              HistoryKind kind = HistoryKind::Local) {
  return HisStr{std::move(name), 1, result, rating, kind};
}

std::string Line(const HisStr& record, std::string_view format = "dd.mm.yyyy") {
  return BuildHistoryLine(record, kMorning, format);
}

// A history file with n records, as the writer would leave it.
std::string FileWith(int n, const std::string& name = "P") {
  std::vector<std::string> lines(n, Line(Record(name)));
  return BuildHistoryFile(lines);
}

TEST(HistoryFormat, RecordLineFields) {
  std::string line = Line(Record("Ivan", -10, -0.05, HistoryKind::Network));
  ASSERT_EQ(line.size(), kHistoryLineWidth);
  EXPECT_EQ(line.substr(0, 5), " 9:05");
  EXPECT_EQ(line.substr(5, 10), "07.03.2026");
  EXPECT_EQ(line.substr(15, 51), fixed::Left("Ivan", 51));
  EXPECT_EQ(line.substr(66, 3), "  1");
  EXPECT_EQ(line.substr(69, 10), std::string(7, ' ') + "-10");
  EXPECT_EQ(line.substr(79, 10), std::string(5, ' ') + "-0,05");
  EXPECT_EQ(line.substr(89, 10), "N#########");
  std::array<long, 3> sums = HistoryLineSum(line);
  char expected[16];
  std::snprintf(expected, sizeof expected, "%05ld%05ld%05ld", sums[0], sums[1], sums[2]);
  EXPECT_EQ(line.substr(99), expected);

  struct Case {
    double Rating;
    const char* Text;
  };
  for (Case c : {Case{0, "      0,00"}, Case{0.001, "      0,00"}, Case{-0.001, "      0,00"},
                 Case{0.07, "      0,07"}, Case{1.5, "      1,50"}, Case{-12.345678, "    -12,35"},
                 Case{99.99, "     99,99"}}) {
    EXPECT_EQ(FormatHistoryRating(c.Rating), c.Text) << c.Rating;
  }
  for (auto [kind, letter] : {std::pair{HistoryKind::Local, 'L'},
                              {HistoryKind::Account, 'A'},
                              {HistoryKind::Tournament, 'T'},
                              {HistoryKind::Network, 'N'}}) {
    EXPECT_EQ(Line(Record("x", 0, 0, kind))[89], letter);
  }
}

TEST(HistoryFormat, FieldsKeepTheirWidths) {
  std::string longName(60, 'n');
  EXPECT_EQ(Line(Record(longName)).substr(15, 51), std::string(51, 'n'));
  EXPECT_EQ(Line(Record(JoinHistoryNames("Ivan      ", "PC   "))).substr(15, 51),
            fixed::Left("Ivan/PC", 51));
  EXPECT_EQ(JoinHistoryNames(std::string(40, 'a'), std::string(40, 'b')).size(), 51u);
  // A date format longer than ten characters is cut; "yyyy mm dd" as round recording sets it.
  EXPECT_EQ(Line(Record("x"), "dd.mm.yyyy 'y.'").substr(5, 10), "07.03.2026");
  EXPECT_EQ(Line(Record("x"), "yyyy mm dd").substr(5, 10), "2026 03 07");
  EXPECT_EQ(Line(Record("x"), "d.m.yy").substr(5, 10), "    7.3.26");
  EXPECT_EQ(BuildHistoryLine(Record("x"), {2026, 1, 1, 23, 59, 0}, "dd").substr(0, 5), "23:59");
  // Extreme numbers are clamped, never widening the line.
  HisStr extreme{"a\r\nb", INT32_MAX, INT32_MIN, -1e300, HistoryKind::Local};
  std::string line = Line(extreme);
  EXPECT_EQ(line.size(), kHistoryLineWidth);
  EXPECT_EQ(line.substr(15, 4), "a  b");
  EXPECT_EQ(line.substr(66, 3), "999");
  EXPECT_EQ(line.substr(69, 10), "-999999999");
}

TEST(HistoryFormat, WrittenFilesReadBack) {
  for (int n : {0, 1, 3}) {
    HistoryParse parse = ParseHistoryFile(FileWith(n));
    EXPECT_TRUE(parse.Intact) << n << ": " << parse.Reason;
    EXPECT_EQ(parse.RecordCount, n);
  }
  std::string file = FileWith(2);
  EXPECT_TRUE(ParseHistoryFile(file + "\r\n").Intact);  // an empty line after the checksum
  EXPECT_FALSE(ParseHistoryFile(file + "x\r\n").Intact);
  HistoryRow row =
      SplitHistoryLine(Line(Record(Utf8ToCp1251("Пётр/PC"), 5, 2, HistoryKind::Tournament)));
  EXPECT_EQ(row.Player, fixed::Left(Utf8ToCp1251("Пётр/PC"), 51));
  EXPECT_EQ(row.Result, "         5");
  EXPECT_EQ(HistoryKindName(row.Kind), "Tourney");
}

TEST(HistoryFormat, EveryOneCharacterEditDamagesTheFile) {
  std::string file = FileWith(3, "Bob");
  for (std::size_t i = 0; i < file.size(); ++i) {
    if (file[i] == '\r' || file[i] == '\n') continue;
    std::string edited = file;
    edited[i] = file[i] == '7' ? '8' : '7';
    EXPECT_FALSE(ParseHistoryFile(edited).Intact) << "byte " << i;
  }
  for (std::size_t n = 0; n + 2 < file.size(); ++n) {
    EXPECT_FALSE(ParseHistoryFile(file.substr(0, n)).Intact) << "first " << n << " bytes";
  }
}

class HistoryOnDisk : public ::testing::Test {
 protected:
  std::filesystem::path File(int number) { return HistoryFilePath(folder.path(), number); }
  void Put(int number, const std::string& bytes) {
    std::filesystem::create_directories(folder / kHistoryFolder);
    WriteBytes(File(number), bytes);
  }
  HistoryWriteResult Write(const HisStr& record, HistoryLimits limits = {}) {
    return WriteHistory(fs, folder.path(), std::span<const HisStr>(&record, 1), kMorning,
                        "dd.mm.yyyy", limits);
  }
  int Count(int number) {
    return CheckHistoryFile(fs, folder.path(), number, "dd.mm.yyyy").RecordCount;
  }

  TempFolder folder;
  FaultyFileSystem fs;
};

TEST_F(HistoryOnDisk, FirstWriteCreatesTheFolderAndLaterWritesAppend) {
  HistoryWriteResult first = Write(Record("Ann"));
  ASSERT_TRUE(first.Ok);
  EXPECT_EQ(first.FileNumber, 1);
  EXPECT_EQ(File(1).filename(), "Tarnel_I0001.hst");
  ASSERT_TRUE(Write(Record("Bob", -30, 0.2)).Ok);
  HistoryParse parse = ParseHistoryFile(ReadBytes(File(1)));
  ASSERT_TRUE(parse.Intact);
  ASSERT_EQ(parse.RecordCount, 2);
  EXPECT_EQ(parse.RecordLines[0], Line(Record("Ann")));
  EXPECT_EQ(parse.RecordLines[1], Line(Record("Bob", -30, 0.2)));
  HistoryFileCheck check = CheckHistoryFile(fs, folder.path(), 1, "yyyy mm dd");
  EXPECT_TRUE(check.Intact);
  EXPECT_EQ(check.FileDate.size(), 10u);
  EXPECT_EQ(check.FileDate[4], ' ');
}

TEST_F(HistoryOnDisk, The840thRecordFillsAFileAndThe841stStartsTheNext) {
  Put(1, FileWith(839));
  EXPECT_EQ(Write(Record("A")).FileNumber, 1);
  EXPECT_EQ(Count(1), 840);
  EXPECT_EQ(Write(Record("B")).FileNumber, 2);
  EXPECT_EQ(Count(1), 840);
  EXPECT_EQ(Count(2), 1);
}

TEST_F(HistoryOnDisk, AMissingMiddleFileEndsTheListAndIsRecreated) {
  Put(1, FileWith(840));
  Put(2, FileWith(840));
  Put(3, FileWith(5));
  EXPECT_EQ(ListHistoryFiles(fs, folder.path(), "dd.mm.yyyy").size(), 3u);
  std::string third = ReadBytes(File(3));
  std::filesystem::remove(File(2));

  std::vector<HistoryListEntry> list = ListHistoryFiles(fs, folder.path(), "dd.mm.yyyy");
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].Caption.substr(0, 11), "File I0001 ");
  EXPECT_EQ(Write(Record("C")).FileNumber, 2);
  EXPECT_EQ(Count(2), 1);
  EXPECT_EQ(ReadBytes(File(3)), third);
}

TEST_F(HistoryOnDisk, ADamagedFileIsOverwritten) {
  std::string damaged = FileWith(10);
  damaged[20] = 'X';
  Put(1, damaged);
  EXPECT_TRUE(ListHistoryFiles(fs, folder.path(), "dd.mm.yyyy").empty());
  EXPECT_EQ(Write(Record("D")).FileNumber, 1);
  EXPECT_EQ(Count(1), 1);
}

TEST_F(HistoryOnDisk, AFileFarTooLongIsDamagedButThere) {
  Put(1, std::string(3 * 1024 * 1024, '0'));
  HistoryFileCheck check = CheckHistoryFile(fs, folder.path(), 1, "dd.mm.yyyy");
  EXPECT_FALSE(check.Intact);
  EXPECT_EQ(check.FileDate.size(), 10u);  // listed with its date like any damaged file
  EXPECT_EQ(Write(Record("D")).FileNumber, 1);
  EXPECT_EQ(Count(1), 1);
}

TEST_F(HistoryOnDisk, WhenEveryFileIsFullNothingIsLost) {
  HistoryLimits small{2, 3};
  for (int i = 0; i < 6; ++i)
    ASSERT_TRUE(Write(Record("E"), small).Ok) << i;
  std::string files[3] = {ReadBytes(File(1)), ReadBytes(File(2)), ReadBytes(File(3))};
  HistoryWriteResult full = Write(Record("F"), small);
  EXPECT_FALSE(full.Ok);
  EXPECT_EQ(MessageText(*full.Message, English), "Cann`t save history!");
  for (int n = 1; n <= 3; ++n)
    EXPECT_EQ(ReadBytes(File(n)), files[n - 1]);
  EXPECT_FALSE(std::filesystem::exists(File(4)));
}

TEST_F(HistoryOnDisk, FailedSavesAreReportedAndKeepTheOldFile) {
  ASSERT_TRUE(Write(Record("G")).Ok);
  std::string before = ReadBytes(File(1));
  fs.FailWrites = true;
  HistoryWriteResult failed = Write(Record("H"));
  EXPECT_FALSE(failed.Ok);
  EXPECT_EQ(failed.Message->Kind, RecordsMessageKind::HistoryNotSaved);
  EXPECT_EQ(ReadBytes(File(1)), before);

  // A file that is there but cannot be read is not taken for a damaged one and overwritten.
  fs.FailWrites = false;
  fs.Unreadable.insert(File(1));
  EXPECT_FALSE(Write(Record("H")).Ok);
  EXPECT_EQ(fs.Writes, 1);
  fs.Unreadable.clear();
  EXPECT_EQ(ReadBytes(File(1)), before);

  // A folder "History" that cannot be created: a plain file stands in its way.
  TempFolder other;
  WriteBytes(other / kHistoryFolder, "not a folder");
  HisStr record = Record("I");
  HistoryWriteResult blocked =
      WriteHistory(fs, other.path(), std::span<const HisStr>(&record, 1), kMorning, "dd.mm.yyyy");
  EXPECT_FALSE(blocked.Ok);
  EXPECT_EQ(blocked.Message->Kind, RecordsMessageKind::HistoryNotSaved);
}

TEST(ShortDateFormat, Tokens) {
  LocalTime t{2026, 3, 7, 9, 5, 0};
  EXPECT_EQ(FormatShortDate("dd.mm.yyyy", t), "07.03.2026");
  EXPECT_EQ(FormatShortDate("d/m/yy", t), "7/3/26");
  EXPECT_EQ(FormatShortDate("YYYY MM DD", t), "2026 03 07");
  EXPECT_EQ(FormatShortDate("'day' d", t), "day 7");
}

}  // namespace
}  // namespace tarnel
