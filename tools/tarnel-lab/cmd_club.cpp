// club: show a club file in readable form, or write a fresh installation club file.
#include <filesystem>
#include <iomanip>
#include <iostream>

#include "command.h"
#include "ui/words/word_table.h"
#include "core/cp1251.h"
#include "platform/file_system.h"
#include "records/club_file.h"

namespace tarnel::lab {
namespace {

// The tool speaks English.
std::string EnglishWords(int row) { return std::string(Word(row, kEnglish)); }

int Show(const std::string& file, std::ostream& out) {
  PosixFileSystem fs;
  ClubState state;
  RecordsResult verified = VerifyClubFile(fs, file, state);
  if (!verified.Ok) {
    out << MessageText(*verified.Message, EnglishWords) << "\n";
    if (FileRead read = fs.ReadFile(file, 1 << 16, Oversize::kKeepStart)) {
      out << "reason: " << ParseClubFile(read.Bytes).Reason << "\n";
    }
    return 1;
  }
  if (verified.Message) out << MessageText(*verified.Message, EnglishWords) << "\n";
  std::optional<ClubLines> lines = ReadClubFile(fs, file);
  if (!lines) {  // changed between the two reads
    out << MessageText({RecordsMessageKind::IncorrectFile, file}, EnglishWords) << "\n";
    return 1;
  }
  out << file << ": intact, label \"" << Cp1251ToUtf8(state.InstallationLabel) << "\""
      << (state.ClubReadOnly ? ", read-only" : "") << "\n\nmembers:\n";
  for (int slot = 1; slot <= kMemberSlots; ++slot) {
    const std::string& line = (*lines)[slot - 1];
    out << "  " << slot << ". ";
    if (IsEmptySlot(line)) {
      out << "(empty)\n";
      continue;
    }
    out << Cp1251ToUtf8(MemberName(line)) << "  rating " << MemberRatingText(line) << "  games "
        << MemberGamesText(line) << "  score " << MemberScoreText(line)
        << (DecodePassword(MemberPasswordText(line)) ? "" : "  (password unreadable)") << "\n";
  }
  out << "\ntop ten:\n";
  for (int place = 1; place <= kTopTenPlaces; ++place) {
    const std::string& entry = (*lines)[kMemberSlots + place - 1];
    out << std::setw(4) << place << ". " << Cp1251ToUtf8(TopTenName(entry)) << "  "
        << TopTenScore(entry) << "\n";
  }
  return 0;
}

int New(const Args& args, std::ostream& out, std::ostream& err) {
  std::string file = args[1];
  std::string label = FlagValue(args, "--label", "");
  if (label.empty()) {
    label = std::filesystem::path(file).extension() == ".net" ? "NET" : "LOC";
  }
  if (Utf8ToCp1251(label).size() != 3) throw UsageError{"--label needs three characters"};
  PosixFileSystem fs;
  if (fs.Exists(file) && !FindFlag(args, "--force")) {
    err << "tarnel-lab club new: " << file << " exists (use --force to replace it)\n";
    return 2;
  }
  if (!fs.ReplaceFile(file, NewClubFile(Utf8ToCp1251(label)))) {
    err << MessageText({RecordsMessageKind::DiskWriteError, file}, EnglishWords) << "\n";
    return 1;
  }
  out << "wrote " << file << "\n";
  return 0;
}

int RunClub(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) throw UsageError{"needs show FILE or new FILE"};
  if (args[0] == "show") return Show(args[1], out);
  if (args[0] == "new") return New(args, out, err);
  throw UsageError{"unknown club command '" + args[0] + "'"};
}

Registrar club("club", "club show FILE | club new FILE [--label ABC] [--force]", RunClub);

}  // namespace
}  // namespace tarnel::lab
