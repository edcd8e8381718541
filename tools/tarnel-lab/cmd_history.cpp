// history: show a history file in readable form, or add one game to a program folder's history.
#include <filesystem>
#include <iostream>

#include "command.h"
#include "ui/words/word_table.h"
#include "core/cp1251.h"
#include "platform/file_system.h"
#include "records/fixed_text.h"
#include "records/history_file.h"

namespace tarnel::lab {
namespace {

// The tool speaks English.
std::string EnglishWords(int row) { return std::string(Word(row, kEnglish)); }

int Show(const std::string& file, std::ostream& out) {
  PosixFileSystem fs;
  FileRead read = fs.ReadFile(file, 4 << 20, Oversize::kKeepStart);
  if (!read) {
    out << MessageText({RecordsMessageKind::FileMissing, file}, EnglishWords) << "\n";
    return 1;
  }
  HistoryParse parse = ParseHistoryFile(read.Bytes);
  if (!parse.Intact) {
    out << MessageText({RecordsMessageKind::IncorrectFile, file}, EnglishWords) << "\nreason: " << parse.Reason
        << "\n";
    return 1;
  }
  out << file << ": intact, " << parse.RecordCount << " records\n";
  out << "Time |   Date   | Player                                            |Gms|"
         "  Result  |  Rating  | Type\n";
  for (const std::string& line : parse.RecordLines) {
    HistoryRow row = SplitHistoryLine(line);
    out << Cp1251ToUtf8(row.Time) << "|" << Cp1251ToUtf8(row.Date) << "|"
        << Cp1251ToUtf8(row.Player) << "|" << row.Games << "|" << row.Result << "|" << row.Rating
        << "| " << HistoryKindName(row.Kind) << "\n";
  }
  return 0;
}

HistoryKind KindOf(const std::string& letter) {
  if (letter == "L") return HistoryKind::Local;
  if (letter == "A") return HistoryKind::Account;
  if (letter == "T") return HistoryKind::Tournament;
  if (letter == "N") return HistoryKind::Network;
  throw UsageError{"--kind needs L, A, T or N"};
}

std::int32_t Int32Flag(const Args& args, const std::string& flag, long long fallback) {
  long long v = FlagInt(args, flag, fallback);
  if (v < INT32_MIN || v > INT32_MAX) throw UsageError{flag + " is out of range"};
  return static_cast<std::int32_t>(v);
}

int Add(const Args& args, std::ostream& out, std::ostream& err) {
  std::filesystem::path folder = args[1];
  if (!std::filesystem::is_directory(folder)) {
    err << "tarnel-lab history add: " << folder.string() << " is not a folder\n";
    return 2;
  }
  if (!FindFlag(args, "--name") || !FindFlag(args, "--result") || !FindFlag(args, "--rating")) {
    throw UsageError{"needs --name, --result and --rating"};
  }
  HisStr record;
  record.HName = Utf8ToCp1251(FlagValue(args, "--name", ""));
  record.HRes = Int32Flag(args, "--result", 0);
  record.HKon = Int32Flag(args, "--games", 1);
  std::string ratingText = FlagValue(args, "--rating", "");
  std::optional<double> rating = fixed::ParseDecimal(ratingText);
  if (!rating) throw UsageError{"--rating needs a number, not '" + ratingText + "'"};
  record.HRei = *rating;
  record.Ac = KindOf(FlagValue(args, "--kind", "L"));
  std::string dateFormat = FlagValue(args, "--date-format", std::string(kDefaultShortDateFormat));

  PosixFileSystem fs;
  HistoryWriteResult written =
      WriteHistory(fs, folder, std::span<const HisStr>(&record, 1), LocalNow(), dateFormat);
  if (!written.Ok) {
    err << MessageText(*written.Message, EnglishWords) << "\n";
    return 1;
  }
  out << "wrote " << HistoryFilePath(folder, written.FileNumber).string() << "\n";
  return 0;
}

int RunHistory(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) throw UsageError{"needs show FILE or add FOLDER ..."};
  if (args[0] == "show") return Show(args[1], out);
  if (args[0] == "add") return Add(args, out, err);
  throw UsageError{"unknown history command '" + args[0] + "'"};
}

Registrar history("history",
                  "history show FILE | history add FOLDER --name TEXT --result N --rating X "
                  "[--kind L|A|T|N] [--games N] [--date-format F]",
                  RunHistory);

}  // namespace
}  // namespace tarnel::lab
