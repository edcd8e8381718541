#include "records/history_file.h"

#include <algorithm>
#include <cmath>

#include "core/scoring.h"
#include "records/club_file.h"
#include "records/fixed_text.h"

namespace tarnel {
namespace {

// 840 records of 116 bytes are under 100 KB; a file far larger is not one of ours.
constexpr std::size_t kHistoryFileMaxBytes = 2 * 1024 * 1024;

std::string ZeroPadded(long long value, std::size_t digits) {
  std::string text = std::to_string(value);
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  return text;
}

std::string SumsText(const std::array<long, 3>& sums) {
  return ZeroPadded(sums[0], 5) + ZeroPadded(sums[1], 5) + ZeroPadded(sums[2], 5);
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

char KindLetter(HistoryKind kind) {
  switch (kind) {
    case HistoryKind::Account:
      return 'A';
    case HistoryKind::Tournament:
      return 'T';
    case HistoryKind::Network:
      return 'N';
    case HistoryKind::Local:
      break;
  }
  return 'L';
}

std::string WithLineSum(std::string body) {
  return body + SumsText(HistoryLineSum(body));
}

}  // namespace

std::string HistoryFileName(int number) {
  std::string club = kClubFileName;
  return club.substr(0, club.size() - 4) + "_I" + ZeroPadded(number, 4) + ".hst";
}

std::filesystem::path HistoryFilePath(const std::filesystem::path& programFolder, int number) {
  return programFolder / kHistoryFolder / HistoryFileName(number);
}

std::string JoinHistoryNames(std::string_view own, std::string_view opponent) {
  auto trimmed = [](std::string_view s) {
    while (!s.empty() && s.back() == ' ')
      s.remove_suffix(1);
    return std::string(s);
  };
  return (trimmed(own) + "/" + trimmed(opponent)).substr(0, kHistoryNameWidth);
}

std::array<long, 3> HistoryLineSum(std::string_view line) {
  std::array<long, 3> sums{0, 0, 0};
  std::size_t end = std::min(line.size(), kHistoryBodyWidth);
  for (std::size_t i = 0; i < end; ++i) {
    unsigned char byte = static_cast<unsigned char>(line[i]);
    std::size_t position = i + 1;
    sums[0] += byte;
    if (position % 2 == 0) sums[1] += byte;
    if (position % 3 == 0) sums[2] += byte;
  }
  return sums;
}

std::string FormatHistoryRating(double rating) {
  // Clamped so the text always fits its ten characters.
  if (std::isnan(rating)) rating = 0.0;
  return FormatRating(10, std::clamp(rating, -999999.99, 9999999.99));
}

std::string BuildHistoryLine(const HisStr& record, const LocalTime& when,
                             std::string_view shortDateFormat) {
  std::string time = fixed::Right(std::to_string(when.Hour), 2) + ":" + ZeroPadded(when.Minute, 2);
  std::string date = fixed::Printable(FormatShortDate(shortDateFormat, when));
  std::string body = fixed::Left(time, 5) + fixed::Left(fixed::Right(date, 10), 10) +
                     fixed::Left(fixed::Printable(record.HName), kHistoryNameWidth) +
                     fixed::Number(record.HKon, 3) + fixed::Number(record.HRes, 10) +
                     FormatHistoryRating(record.HRei) + KindLetter(record.Ac) + std::string(9, '#');
  return WithLineSum(std::move(body));
}

std::string BuildHistoryTrailer() {
  std::string body = "$";
  body += static_cast<char>(kStampByte);
  body += '}';
  body.resize(kHistoryBodyWidth, '#');
  return WithLineSum(std::move(body));
}

std::string BuildHistoryFile(const std::vector<std::string>& recordLines) {
  std::array<long long, 3> totals{0, 0, 0};
  std::string bytes;
  auto add = [&](const std::string& line) {
    std::array<long, 3> sums = HistoryLineSum(line);
    for (int k = 0; k < 3; ++k)
      totals[k] += sums[k];
    bytes += line + "\r\n";
  };
  for (const std::string& line : recordLines)
    add(line);
  add(BuildHistoryTrailer());
  bytes +=
      ZeroPadded(totals[0], 10) + ZeroPadded(totals[1], 10) + ZeroPadded(totals[2], 10) + "\r\n";
  return bytes;
}

HistoryParse ParseHistoryFile(std::string_view bytes) {
  HistoryParse parse;
  if (bytes.size() > kHistoryFileMaxBytes) {
    parse.Reason = "the file is far too long";
    return parse;
  }
  std::vector<std::string_view> lines = fixed::SplitLines(bytes);
  std::array<long long, 3> totals{0, 0, 0};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    std::string number = std::to_string(i + 1);
    if (line.size() != kHistoryLineWidth) {
      parse.Reason =
          "line " + number + " has " + std::to_string(line.size()) + " characters, not 114";
      return parse;
    }
    std::array<long, 3> sums = HistoryLineSum(line);
    // The stored sums are checked too, so no byte of a line goes unguarded.
    if (line.substr(kHistoryBodyWidth) != SumsText(sums)) {
      parse.Reason = "the checksum of line " + number + " does not match";
      return parse;
    }
    for (int k = 0; k < 3; ++k)
      totals[k] += sums[k];
    if (line.front() != '$') continue;

    if (i + 1 >= lines.size()) {
      parse.Reason = "the file checksum line is missing";
      return parse;
    }
    std::string_view check = lines[i + 1];
    std::string expected =
        ZeroPadded(totals[0], 10) + ZeroPadded(totals[1], 10) + ZeroPadded(totals[2], 10);
    if (check.size() != kHistoryChecksumLineWidth || !AllDigits(check) || check != expected) {
      parse.Reason = "the file checksum does not match";
      return parse;
    }
    for (std::size_t j = i + 2; j < lines.size(); ++j) {
      if (!lines[j].empty()) {
        parse.Reason = "text follows the file checksum";
        return parse;
      }
    }
    parse.Intact = true;
    parse.RecordCount = static_cast<int>(i);
    for (std::size_t j = 0; j < i; ++j)
      parse.RecordLines.emplace_back(lines[j]);
    return parse;
  }
  parse.Reason = "the file ends before its trailer";
  return parse;
}

HistoryFileCheck CheckHistoryFile(FileSystem& fs, const std::filesystem::path& programFolder,
                                  int number, std::string_view shortDateFormat) {
  HistoryFileCheck check;
  std::filesystem::path path = HistoryFilePath(programFolder, number);
  FileRead read = fs.ReadFile(path, kHistoryFileMaxBytes, Oversize::kRefuse);
  // A file far too long is there, only damaged: it keeps its date.
  if (!read && read.Error != FileError::kTooLarge) return check;
  if (std::optional<long long> changed = fs.ModificationTime(path)) {
    check.FileDate = FormatShortDate(shortDateFormat, LocalTimeOf(*changed));
  }
  if (!read) return check;
  HistoryParse parse = ParseHistoryFile(read.Bytes);
  check.Intact = parse.Intact;
  check.RecordCount = parse.RecordCount;
  return check;
}

HistoryWriteResult WriteHistory(FileSystem& fs, const std::filesystem::path& programFolder,
                                std::span<const HisStr> records, const LocalTime& now,
                                std::string_view shortDateFormat, HistoryLimits limits) {
  HistoryWriteResult result;
  std::filesystem::path folder = programFolder / kHistoryFolder;
  auto failed = [&](const std::filesystem::path& path) {
    result.Ok = false;
    result.Message = RecordsMessage{RecordsMessageKind::HistoryNotSaved, path.string()};
    return result;
  };

  std::vector<std::string> lines;
  for (int number = 1; number <= limits.MaxFiles && result.FileNumber == 0; ++number) {
    std::filesystem::path path = HistoryFilePath(programFolder, number);
    FileRead read = fs.ReadFile(path, kHistoryFileMaxBytes, Oversize::kRefuse);
    // A file that is there but cannot be read may well be intact: never overwrite it blindly.
    // One far too long is damaged and is started anew like any other damaged file.
    if (!read && read.Error != FileError::kTooLarge && fs.Exists(path)) return failed(path);
    HistoryParse parse = read ? ParseHistoryFile(read.Bytes) : HistoryParse{};
    if (parse.Intact && parse.RecordCount >= limits.RecordsPerFile) continue;
    result.FileNumber = number;
    // A missing or damaged file is started anew.
    if (parse.Intact) lines = std::move(parse.RecordLines);
  }
  // Every file is full: keep them all as they are rather than overwrite the oldest games.
  if (result.FileNumber == 0) return failed(folder);

  for (const HisStr& record : records)
    lines.push_back(BuildHistoryLine(record, now, shortDateFormat));
  std::filesystem::path path = HistoryFilePath(programFolder, result.FileNumber);
  if (!fs.MakeFolder(folder) || !fs.ReplaceFile(path, BuildHistoryFile(lines))) {
    return failed(path);
  }
  result.Ok = true;
  return result;
}

HistoryRow SplitHistoryLine(std::string_view line) {
  HistoryRow row;
  if (line.size() < kHistoryBodyWidth) return row;
  row.Time = fixed::Field(line, 1, 5);
  row.Date = fixed::Field(line, 6, 15);
  row.Player = fixed::Field(line, 16, 66);
  row.Games = fixed::Field(line, 67, 69);
  row.Result = fixed::Field(line, 70, 79);
  row.Rating = fixed::Field(line, 80, 89);
  row.Kind = line[89];
  return row;
}

std::string_view HistoryKindName(char kind) {
  switch (kind) {
    case 'L':
      return "Local";
    case 'N':
      return "Net";
    case 'A':
      return "Account";
    case 'T':
      return "Tourney";
    default:
      return {};
  }
}

std::vector<HistoryListEntry> ListHistoryFiles(FileSystem& fs,
                                               const std::filesystem::path& programFolder,
                                               std::string_view shortDateFormat, int maxFiles) {
  std::vector<HistoryListEntry> entries;
  for (int number = 1; number <= maxFiles; ++number) {
    HistoryFileCheck check = CheckHistoryFile(fs, programFolder, number, shortDateFormat);
    if (!check.Intact) break;
    entries.push_back({number, "File I" + ZeroPadded(number, 4) + " " + check.FileDate});
  }
  return entries;
}

}  // namespace tarnel
