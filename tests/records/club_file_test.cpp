#include "records/club_file.h"

#include <gtest/gtest.h>

#include "ui/words/word_rows.h"
#include "ui/words/word_table.h"

#include <cstdlib>

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

ClubLines FreshLines() {
  ClubParse parse = ParseClubFile(NewClubFile("LOC"));
  EXPECT_TRUE(parse.Intact) << parse.Reason;
  return parse.Lines;
}

std::string Member(std::string_view name, double rating, long long games = 5,
                   long long score = 40) {
  return BuildMemberLine(name, rating, games, score, EncodePassword("pw"));
}

// A club whose slots hold members of the given ratings (named M1, M2, ... from the top).
ClubLines ClubWith(std::initializer_list<double> ratings) {
  ClubLines lines = FreshLines();
  int slot = 0;
  for (double r : ratings) {
    lines[slot] = Member("M" + std::to_string(slot + 1), r);
    ++slot;
  }
  UpdateClubChecksum(lines);
  return lines;
}

std::string Name(const std::string& line) {
  std::string name(MemberName(line));
  return name.substr(0, name.find_last_not_of(' ') + 1);
}

TEST(ClubFormat, FreshFileIsIntactWithEmptySlotsAndNumericTopTen) {
  std::string bytes = NewClubFile("NET");
  EXPECT_TRUE(ClubFileWellFormed(bytes));
  ClubParse parse = ParseClubFile(bytes);
  ASSERT_TRUE(parse.Intact) << parse.Reason;
  for (int i = 0; i < kMemberSlots; ++i)
    EXPECT_EQ(parse.Lines[i], kEmptyMember);
  for (int p = 0; p < kTopTenPlaces; ++p) {
    EXPECT_TRUE(fixed::ParseNumber(TopTenScore(parse.Lines[5 + p])).has_value());
  }
  EXPECT_EQ(static_cast<unsigned char>(parse.Lines[15][0]), 133);
  EXPECT_EQ(parse.Lines[16].substr(6, 3), "NET");
  EXPECT_NE(parse.Lines[16][0], '1');  // "1" would switch a fresh installation to Russian
}

TEST(ClubFormat, MemberLineFields) {
  struct Case {
    double Rating;
    const char* Text;
  };
  for (Case c : {Case{0, "  0,000000"}, Case{1.5, "  1,500000"}, Case{-12.5, "-12,500000"},
                 Case{50.25, " 50,250000"}, Case{-0.5, " -0,500000"}, Case{99.99, " 99,990000"},
                 Case{-99.99, "-99,990000"}, Case{0.1234565, "  0,123457"}}) {
    EXPECT_EQ(FormatMemberRating(c.Rating), c.Text) << c.Rating;
  }
  std::string line = BuildMemberLine("Ivan", 1.5, 21, -130, EncodePassword("ab"));
  ASSERT_EQ(line.size(), kMemberLineWidth);
  EXPECT_EQ(line.substr(0, 44), "Ivan                  1,500000     21   -130");
  EXPECT_FALSE(IsEmptySlot(line));
  EXPECT_TRUE(IsEmptySlot(kEmptyMember));
  EXPECT_DOUBLE_EQ(*MemberRating(line), 1.5);
  EXPECT_EQ(*MemberScore(line), -130);
  // Values too wide for their fields are clamped rather than shifting the fields after them.
  EXPECT_EQ(BuildMemberLine(std::string(30, 'x'), 1e9, 123456789, -1234567, "").size(),
            kMemberLineWidth);
  // A control character in a name would split the line.
  EXPECT_EQ(BuildMemberLine("a\r\nb", 0, 1, 0, "").substr(0, 4), "a  b");
}

TEST(ClubFormat, PasswordsRoundTripAndBadCodesAreRefused) {
  for (std::string password : {std::string(""), std::string("ab"), std::string("12345"),
                               Utf8ToCp1251("пароль"), std::string("\xFF\x01zz ")}) {
    std::string digits = EncodePassword(password);
    ASSERT_EQ(digits.size(), 15u);
    std::string expected = fixed::Left(password, 5);
    EXPECT_EQ(DecodePassword(digits), expected);
  }
  EXPECT_FALSE(DecodePassword("31731731731731").has_value());   // 14 digits
  EXPECT_FALSE(DecodePassword("31731731731731x").has_value());  // not a digit
  EXPECT_FALSE(DecodePassword("999317317317317").has_value());  // code above 255
  EXPECT_FALSE(DecodePassword("000317317317317").has_value());  // code below 0
}

TEST(ClubFormat, EverySingleByteChangeIsDetected) {
  ClubLines lines = ClubWith({3.25, 1.0, -0.5});
  std::string bytes = SerializeClubFile(lines);
  ASSERT_TRUE(ParseClubFile(bytes).Intact);
  std::size_t labelStart = bytes.size() - 2 - kStampLineWidth;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' || bytes[i] == '\n') continue;
    // Positions 1..10 of line 17 (label and carried characters) lie outside the sums.
    if (i >= labelStart && i < labelStart + 10) continue;
    for (char replacement : {'0', '#', '\x85'}) {
      if (bytes[i] == replacement) continue;
      std::string changed = bytes;
      changed[i] = replacement;
      EXPECT_FALSE(ParseClubFile(changed).Intact) << "byte " << i;
    }
  }
}

TEST(ClubFormat, StampIsRequiredEvenWithAMatchingChecksum) {
  for (std::string stamp : {std::string("x}"), std::string("\x86}"), std::string("\x85{")}) {
    ClubLines lines = FreshLines();
    lines[15].replace(0, 2, stamp);
    UpdateClubChecksum(lines);
    ClubParse parse = ParseClubFile(SerializeClubFile(lines));
    EXPECT_FALSE(parse.Intact);
    EXPECT_EQ(parse.Reason, "line 16 does not carry the stamp");
  }
}

TEST(ClubFormat, DamagedShapesAreRefused) {
  std::string bytes = NewClubFile("LOC");
  // Every truncation but the one that only drops the final line ending.
  for (std::size_t n = 0; n + 2 < bytes.size(); ++n) {
    EXPECT_FALSE(ParseClubFile(bytes.substr(0, n)).Intact) << n;
  }
  EXPECT_TRUE(ParseClubFile(bytes.substr(0, bytes.size() - 2)).Intact);
  EXPECT_FALSE(ParseClubFile(bytes.substr(0, bytes.size() - 1)).Intact);  // a CR ends line 17
  EXPECT_FALSE(ParseClubFile(bytes + "\r\n").Intact);                     // an 18th line
  EXPECT_FALSE(ParseClubFile(bytes + bytes).Intact);
  std::string shifted = bytes;
  shifted.erase(3, 1);
  shifted.insert(70, "#");  // lines 1 and 2 one byte off, sums unchanged
  EXPECT_FALSE(ClubFileWellFormed(shifted));
  EXPECT_FALSE(ParseClubFile(shifted).Intact);
  std::string letters = bytes;
  letters.replace(bytes.size() - 20, 6, "12x456");  // checksum not a number
  EXPECT_FALSE(ParseClubFile(letters).Intact);
}

// --- top ten and members --------------------------------------------------------------------

struct TopTenCase {
  long long Score;
  int Place;
};

TEST(ClubTopTen, CycleScoreEntersAboveTiesOrStaysOut) {
  // The fresh top ten runs 900, 800, ... 0.
  for (TopTenCase c : {TopTenCase{900, 1}, TopTenCase{901, 1}, TopTenCase{0, 10},
                       TopTenCase{450, 6}, TopTenCase{-5, 0}}) {
    ClubLines lines = FreshLines();
    ClubLines before = lines;
    StoreOutcome outcome =
        StoreMemberLine(lines, BuildMemberLine("Neo", 1.0, 20, c.Score, ""), true);
    EXPECT_EQ(outcome.TopTenPlace, c.Place) << c.Score;
    EXPECT_EQ(outcome.CycleResult, c.Score);
    if (c.Place == 0) {
      for (int i = 5; i < 15; ++i)
        EXPECT_EQ(lines[i], before[i]);
    } else {
      int at = 4 + c.Place;
      EXPECT_EQ(lines[at], fixed::Left("Neo", 20) + fixed::Number(c.Score, 6));
      for (int i = 5; i < at; ++i)
        EXPECT_EQ(lines[i], before[i]);
      for (int i = at + 1; i < 15; ++i)
        EXPECT_EQ(lines[i], before[i - 1]);  // old tenth dropped
    }
    // Whatever the place, the member starts a new cycle.
    ASSERT_TRUE(outcome.Stored);
    EXPECT_EQ(MemberScoreText(lines[0]), "     0");
  }
}

TEST(ClubTopTen, WithoutACompletedCycleTheTopTenStays) {
  ClubLines lines = FreshLines();
  ClubLines before = lines;
  StoreOutcome outcome = StoreMemberLine(lines, BuildMemberLine("Neo", 1, 19, 5000, ""), false);
  EXPECT_EQ(outcome.TopTenPlace, 0);
  for (int i = 5; i < 15; ++i)
    EXPECT_EQ(lines[i], before[i]);
  EXPECT_EQ(*MemberScore(lines[0]), 5000);
}

TEST(ClubMembers, InsertionByRatingWithTiesAbove) {
  struct Case {
    std::initializer_list<double> Club;
    double Rating;
    int Slot;  // 0: not stored
  };
  for (Case c :
       {Case{{}, -3, 1}, Case{{2, 1}, 1, 2}, Case{{2, 1}, 2, 1}, Case{{2, 1}, 0.5, 3},
        Case{{5, 4, 3, 2, 1}, 1, 5}, Case{{5, 4, 3, 2, 1}, 0.99, 0}, Case{{5, 4, 3, 2, 1}, 6, 1}}) {
    ClubLines lines = ClubWith(c.Club);
    ClubLines before = lines;
    StoreOutcome outcome = StoreMemberLine(lines, Member("New", c.Rating), false);
    EXPECT_EQ(outcome.Stored, c.Slot != 0) << c.Rating;
    if (c.Slot == 0) {
      EXPECT_EQ(lines, before);
      continue;
    }
    EXPECT_EQ(Name(lines[c.Slot - 1]), "New") << c.Rating;
    for (int i = 0; i < c.Slot - 1; ++i)
      EXPECT_EQ(lines[i], before[i]);
    for (int i = c.Slot; i < kMemberSlots; ++i)
      EXPECT_EQ(lines[i], before[i - 1]);
  }
}

TEST(ClubMembers, RemovalMovesTheRestUp) {
  ClubLines lines = ClubWith({5, 4, 3, 2, 1});
  ClubLines before = lines;
  RemoveMemberLine(lines, 5);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(lines[i], before[i]);
  EXPECT_EQ(lines[4], kEmptyMember);
  for (int i = 5; i < 17; ++i)
    EXPECT_EQ(lines[i], before[i]);

  lines = before;
  RemoveMemberLine(lines, 2);
  EXPECT_EQ(Name(lines[1]), "M3");
  EXPECT_EQ(Name(lines[3]), "M5");
  EXPECT_EQ(lines[4], kEmptyMember);

  for (int slot : {0, 6, 7, -1}) {
    lines = before;
    RemoveMemberLine(lines, slot);
    EXPECT_EQ(lines, before);
  }
}

// --- the file on disk -----------------------------------------------------------------------

class ClubFileOnDisk : public ::testing::Test {
 protected:
  void Put(const ClubLines& lines) { WriteBytes(path, SerializeClubFile(lines)); }
  ClubLines Lines() {
    ClubParse parse = ParseClubFile(ReadBytes(path));
    EXPECT_TRUE(parse.Intact) << parse.Reason;
    return parse.Lines;
  }

  TempFolder folder;
  std::filesystem::path path = folder / kClubFileName;
  std::filesystem::path netPath = folder / kNetClubFileName;
  FaultyFileSystem fs;
  ClubState state;
};

TEST_F(ClubFileOnDisk, VerifyReportsMissingAndIncorrectFiles) {
  RecordsResult missing = VerifyClubFile(fs, path, state);
  EXPECT_FALSE(missing.Ok);
  EXPECT_EQ(MessageText(*missing.Message, English), "Can`t find the file \"" + path.string() + "\"!");

  std::string bytes = NewClubFile("LOC");
  bytes[bytes.find("Barbara")] = 'b';  // edited by hand
  WriteBytes(path, bytes);
  RecordsResult edited = VerifyClubFile(fs, path, state);
  EXPECT_FALSE(edited.Ok);
  EXPECT_EQ(MessageText(*edited.Message, English), "The incorrect file \"" + path.string() + "\"!");

  // Far too long to be a club file: refused unread, and reported like any damaged file.
  WriteBytes(path, NewClubFile("LOC") + std::string(8000, ' '));
  EXPECT_EQ(MessageText(*VerifyClubFile(fs, path, state).Message, English),
            "The incorrect file \"" + path.string() + "\"!");
  ClubShape oversized = CheckClubShape(fs, path);
  EXPECT_TRUE(oversized.Exists && !oversized.WellFormed);
  EXPECT_EQ(RemoveMember(fs, path, 1, state).Message->Kind, RecordsMessageKind::IncorrectFile);

  WriteBytes(path, NewClubFile("ABC"));
  RecordsResult ok = VerifyClubFile(fs, path, state);
  EXPECT_TRUE(ok.Ok);
  EXPECT_FALSE(ok.Message.has_value());
  EXPECT_EQ(state.InstallationLabel, "ABC");
  EXPECT_FALSE(state.ClubReadOnly);
}

TEST_F(ClubFileOnDisk, TitleScreenShapeCheck) {
  EXPECT_FALSE(CheckClubShape(fs, path).Exists);
  ClubLines lines = FreshLines();
  Put(lines);
  ClubShape fresh = CheckClubShape(fs, path);
  EXPECT_TRUE(fresh.Exists && fresh.WellFormed && !fresh.RussianLabel);
  lines[16][0] = '1';
  Put(lines);  // the checksum does not cover the label: still well formed
  EXPECT_TRUE(CheckClubShape(fs, path).RussianLabel);
  lines[3] += "#";
  Put(lines);
  ClubShape wide = CheckClubShape(fs, path);
  EXPECT_TRUE(wide.Exists && !wide.WellFormed && !wide.RussianLabel);
}

TEST_F(ClubFileOnDisk, ReadOnlyClubWarnsAtStartAndLaterWritesFail) {
  Put(ClubWith({2, 1}));
  WriteBytes(netPath, NewClubFile("NET"));
  fs.ReadOnly.insert(path);

  RecordsResult clb = VerifyClubFile(fs, path, state);
  EXPECT_TRUE(clb.Ok);
  ASSERT_TRUE(clb.Message.has_value());
  EXPECT_EQ(MessageText(*clb.Message, English),
            "The file \"" + path.string() +
                "\" has incorrect attributes!\nThe work of the program will be incorrect!");
  EXPECT_TRUE(state.ClubReadOnly);

  // The flag follows the last file checked.
  EXPECT_TRUE(VerifyClubFile(fs, netPath, state).Ok);
  EXPECT_FALSE(state.ClubReadOnly);

  std::string before = ReadBytes(path);
  RecordsResult write = RemoveMember(fs, path, 1, state);
  EXPECT_FALSE(write.Ok);
  EXPECT_EQ(MessageText(*write.Message, English), "Error of disk writing!");
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(ClubFileOnDisk, WhileReadOnlyNothingIsWrittenButTheCycleIsJudged) {
  Put(ClubWith({2}));
  std::string before = ReadBytes(path);
  state.ClubReadOnly = true;
  ClubGameResult game{1, "M1", 3.0, 40, 950, EncodePassword("pw")};
  RecordsResult result = RecordClubGame(fs, path, game, state);
  EXPECT_TRUE(result.Ok);
  EXPECT_FALSE(result.Written);
  EXPECT_EQ(fs.Writes, 0);
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_TRUE(state.CycleComplete);
  EXPECT_EQ(state.TopTenPlace, 1);
  EXPECT_EQ(state.CycleResult, 950);
}

TEST_F(ClubFileOnDisk, FailedWriteKeepsTheOldFile) {
  Put(ClubWith({2, 1}));
  std::string before = ReadBytes(path);
  fs.FailWrites = true;
  RecordsResult result = StoreMember(fs, Member("X", 9), path, state);
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Message->Kind, RecordsMessageKind::DiskWriteError);
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(ClubFileOnDisk, WritersRefuseAFileDamagedSinceStartUp) {
  std::string bytes = NewClubFile("LOC");
  bytes[bytes.find("Daria")] = 'M';
  WriteBytes(path, bytes);
  RecordsResult result = StoreMember(fs, Member("X", 9), path, state);
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Message->Kind, RecordsMessageKind::IncorrectFile);
  EXPECT_EQ(ReadBytes(path), bytes);  // the hand edit gets no fresh checksum
}

TEST_F(ClubFileOnDisk, RemovingSlotFiveOrANewPlayer) {
  Put(ClubWith({5, 4, 3, 2, 1}));
  ClubLines before = Lines();
  EXPECT_TRUE(RemoveMember(fs, path, 6, state).Ok);
  EXPECT_EQ(fs.Writes, 0);
  ASSERT_TRUE(RemoveMember(fs, path, 5, state).Written);
  ClubLines after = Lines();
  for (int i = 0; i < 15; ++i) {
    if (i != 4) {
      EXPECT_EQ(after[i], before[i]);
    }
  }
  EXPECT_EQ(after[4], kEmptyMember);
}

TEST_F(ClubFileOnDisk, EndOfGameStoresMembersAndNewPlayers) {
  Put(ClubWith({5, 4, 3, 2, 1}));
  // A new player rated below five members does not enter a full club.
  ClubGameResult newcomer{6, "Neo", 0.5, 1, 50, EncodePassword("n")};
  EXPECT_TRUE(RecordClubGame(fs, path, newcomer, state).Ok);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(Name(Lines()[i]), "M" + std::to_string(i + 1));

  // A member who plays is always stored again; here he climbs from slot 4 to slot 2.
  ClubGameResult member{4, "M4", 4.5, 7, 120, EncodePassword("pw")};
  ASSERT_TRUE(RecordClubGame(fs, path, member, state).Written);
  EXPECT_FALSE(state.CycleComplete);
  ClubLines lines = Lines();
  EXPECT_EQ(Name(lines[1]), "M4");
  EXPECT_EQ(lines[1], BuildMemberLine("M4", 4.5, 7, 120, EncodePassword("pw")));
  EXPECT_EQ(Name(lines[3]), "M3");

  // The last member of a full club falls to slot 5 again, even with a lower rating.
  ClubGameResult last{5, "M5", -50, 8, -900, EncodePassword("pw")};
  ASSERT_TRUE(RecordClubGame(fs, path, last, state).Written);
  EXPECT_EQ(Name(Lines()[4]), "M5");

  // Game 40 completes a cycle: the score goes to the top ten and restarts from 0.
  ClubGameResult cycle{1, "M1", 5.0, 40, 850, EncodePassword("pw")};
  ASSERT_TRUE(RecordClubGame(fs, path, cycle, state).Written);
  EXPECT_TRUE(state.CycleComplete);
  EXPECT_EQ(state.TopTenPlace, 2);
  EXPECT_EQ(state.CycleResult, 850);
  lines = Lines();
  EXPECT_EQ(lines[6], fixed::Left("M1", 20) + "   850");
  EXPECT_EQ(lines[0], BuildMemberLine("M1", 5.0, 40, 0, EncodePassword("pw")));
  EXPECT_EQ(ReadMember(fs, path, 1), lines[0]);
  EXPECT_EQ(DecodePassword(fs, path, 1), "pw   ");
  EXPECT_FALSE(ReadMember(fs, path, 6).has_value());
}

TEST_F(ClubFileOnDisk, RenamedMemberKeepsHisStanding) {
  Put(ClubWith({5, 4, 3}));
  std::string line = *ReadMember(fs, path, 2);
  std::string newName = Utf8ToCp1251("Пётр");
  ASSERT_TRUE(RenameMember(fs, path, 2, line, newName, EncodePassword("new"), state).Written);
  ClubLines lines = Lines();
  EXPECT_EQ(MemberName(lines[1]), fixed::Left(newName, 20));
  EXPECT_EQ(lines[1].substr(20, 24), line.substr(20, 24));
  EXPECT_EQ(DecodePassword(MemberPasswordText(lines[1])), "new  ");
  EXPECT_EQ(Name(lines[2]), "M3");
  // A new player has no line to rename.
  EXPECT_TRUE(RenameMember(fs, path, 6, line, "x", "", state).Ok);
  EXPECT_EQ(fs.Writes, 1);
}

#ifdef TARNEL_MAKE_CLUB_FILES
TEST(ClubGenerator, WritesIntactInstallationFilesAndKeepsExistingOnes) {
  TempFolder folder;
  std::string command = std::string(TARNEL_MAKE_CLUB_FILES) + " '" + folder.path().string() +
                        "' '" + (folder / "stamp").string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  PosixFileSystem fs;
  ClubState state;
  for (const char* name : {kClubFileName, kNetClubFileName}) {
    EXPECT_TRUE(VerifyClubFile(fs, folder / name, state).Ok) << name;
    EXPECT_TRUE(ClubFileWellFormed(ReadBytes(folder / name)));
  }
  EXPECT_EQ(state.InstallationLabel, "NET");

  ASSERT_TRUE(StoreMember(fs, Member("Kept", 1), folder / kClubFileName, state).Written);
  std::string played = ReadBytes(folder / kClubFileName);
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(ReadBytes(folder / kClubFileName), played);
}
#endif

// --- the member list ------------------------------------------------------------------------

// Every character 10 pixels wide.
int TenPerChar(std::string_view utf8) {
  return 10 * static_cast<int>(Utf8ToCp1251(utf8).size());
}

TEST(ClubMemberList, CaptionsOfBothViews) {
  std::string line = BuildMemberLine("Ivan", 1.5, 47, -130, "");
  std::string ivan = fixed::Left("Ivan", 20);
  EXPECT_EQ(MemberCaption(line, ClubDisplay::Score, TenPerChar, 1000),
            ivan + "    " + "  7" + "    " + "  -130");
  EXPECT_EQ(MemberCaption(line, ClubDisplay::Rating, TenPerChar, 1000),
            ivan + "  " + "     47" + "  " + "  1,50");
  std::string hashes(20, '#');
  EXPECT_EQ(MemberCaption(kEmptyMember, ClubDisplay::Score, TenPerChar, 1000),
            hashes + "    ###    ######");
  EXPECT_EQ(MemberCaption(kEmptyMember, ClubDisplay::Rating, TenPerChar, 1000),
            hashes + "  #######  ######");
  EXPECT_EQ(MemberCaption(BuildMemberLine(Utf8ToCp1251("Ёжик"), 0, 1, 0, ""), ClubDisplay::Score,
                          TenPerChar, 1000)
                .substr(0, 8),
            "Ёжик");
}

TEST(ClubMemberList, WideCaptionsLoseNameCharactersFromTheEnd) {
  std::string rest = std::string("    ") + "  7" + "    " + "  -130";
  std::string shortName = BuildMemberLine("Ivan", 1.5, 47, -130, "");
  // The caption is 37 characters, 370 pixels. Cutting only padding adds no "...".
  EXPECT_EQ(MemberCaption(shortName, ClubDisplay::Score, TenPerChar, 371),
            fixed::Left("Ivan", 20) + rest);
  EXPECT_EQ(MemberCaption(shortName, ClubDisplay::Score, TenPerChar, 361),
            fixed::Left("Ivan", 19) + rest);
  EXPECT_EQ(MemberCaption(shortName, ClubDisplay::Score, TenPerChar, 360),
            fixed::Left("Ivan", 18) + rest);

  std::string longName = BuildMemberLine("Alexander Konstantin", 1.5, 47, -130, "");
  EXPECT_EQ(MemberCaption(longName, ClubDisplay::Score, TenPerChar, 361),
            "Alexander Konsta..." + rest);
  // Never below four name characters.
  EXPECT_EQ(MemberCaption(longName, ClubDisplay::Score, TenPerChar, 10), "A..." + rest);
}

TEST(RecordsMessages, WordsComeFromTheCallersTableInItsLanguage) {
  const RecordsMessage message{RecordsMessageKind::IncorrectAttributes, "/x/Tarnel.clb"};
  EXPECT_EQ(MessageText(message, English),
            "The file \"/x/Tarnel.clb\" has incorrect attributes!\nThe work of the program will be "
            "incorrect!");
  const WordLookup russian = [](int row) { return std::string(Word(row, kRussian)); };
  const std::string missing = MessageText({RecordsMessageKind::FileMissing, "a"}, russian);
  EXPECT_EQ(missing, std::string(Word(rows::kCantFindFile, kRussian)) + " \"a\"!");
  EXPECT_NE(missing.find("\xD0"), std::string::npos);  // Cyrillic letters, not the English text
  EXPECT_EQ(MessageText({RecordsMessageKind::HistoryNotSaved, ""}, English), "Cann`t save history!");
  EXPECT_EQ(MessageText({RecordsMessageKind::DiskWriteError, ""}, English), "Error of disk writing!");

  // Every message asks for its row by name.
  const std::pair<RecordsMessageKind, int> kinds[] = {
      {RecordsMessageKind::FileMissing, rows::kCantFindFile},
      {RecordsMessageKind::IncorrectFile, rows::kIncorrectFile},
      {RecordsMessageKind::DiskWriteError, rows::kDiskWriteError},
      {RecordsMessageKind::HistoryNotSaved, rows::kCantSaveHistory},
  };
  for (auto [kind, row] : kinds) {
    std::vector<int> asked;
    MessageText({kind, "a"}, [&](int r) {
      asked.push_back(r);
      return std::string();
    });
    EXPECT_EQ(asked, std::vector<int>{row});
  }
}

}  // namespace
}  // namespace tarnel
