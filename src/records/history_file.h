// The game history: one 114-character line per finished game in numbered files
// History/Tarnel_I0001.hst .. Tarnel_I9999.hst of at most 840 records. Each line and each file
// carries byte sums, so a damaged file is recognised and replaced by the next write.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "records/local_time.h"
#include "records/records_message.h"

namespace tarnel {

enum class HistoryKind : std::uint8_t { Local = 0, Account = 1, Tournament = 2, Network = 3 };

// One finished game, as the end of a game hands it over.
struct HisStr {
  std::string HName;  // Windows-1251: the player, or "own/opponent"
  std::int32_t HKon = 1;
  std::int32_t HRes = 0;
  double HRei = 0.0;
  HistoryKind Ac = HistoryKind::Local;
};

inline constexpr char kHistoryFolder[] = "History";
inline constexpr std::size_t kHistoryLineWidth = 114;
inline constexpr std::size_t kHistoryBodyWidth = 99;
inline constexpr std::size_t kHistoryNameWidth = 51;
inline constexpr std::size_t kHistoryChecksumLineWidth = 30;

struct HistoryLimits {
  int RecordsPerFile = 840;
  int MaxFiles = 9999;
};

// "Tarnel_I0001.hst" and its place in the program folder.
std::string HistoryFileName(int number);
std::filesystem::path HistoryFilePath(const std::filesystem::path& programFolder, int number);

// "own/opponent", each without trailing spaces, cut to 51.
std::string JoinHistoryNames(std::string_view own, std::string_view opponent);

// Sums over positions 1..99: all bytes, even positions, positions divisible by 3.
std::array<long, 3> HistoryLineSum(std::string_view line);

// The rating field: two decimals with a comma, right-aligned in 10.
std::string FormatHistoryRating(double rating);

// A record line of 114 characters; time and date as the writer took them.
std::string BuildHistoryLine(const HisStr& record, const LocalTime& when,
                             std::string_view shortDateFormat);
std::string BuildHistoryTrailer();
// The record lines, the trailer and the file checksum line, each ended by CR LF.
std::string BuildHistoryFile(const std::vector<std::string>& recordLines);

struct HistoryParse {
  bool Intact = false;
  int RecordCount = 0;
  std::vector<std::string> RecordLines;
  std::string Reason;  // why it is not intact, for people
};
HistoryParse ParseHistoryFile(std::string_view bytes);

struct HistoryFileCheck {
  bool Intact = false;
  int RecordCount = 0;
  std::string FileDate;  // the modification date in the short date format
};
HistoryFileCheck CheckHistoryFile(FileSystem& fs, const std::filesystem::path& programFolder,
                                  int number, std::string_view shortDateFormat);

struct HistoryWriteResult {
  bool Ok = false;
  int FileNumber = 0;  // the file written
  std::optional<RecordsMessage> Message;
};
// Appends the records to the first file that is intact and not full; a missing or damaged file
// on the way is started anew. When every file is full, or a file on the way exists but cannot be
// read, nothing is written and the caller gets "Cann`t save history!".
HistoryWriteResult WriteHistory(FileSystem& fs, const std::filesystem::path& programFolder,
                                std::span<const HisStr> records, const LocalTime& now,
                                std::string_view shortDateFormat, HistoryLimits limits = {});

// The fields of a record line, Windows-1251, for the history grid.
struct HistoryRow {
  std::string Time, Date, Player, Games, Result, Rating;
  char Kind = ' ';  // L, A, T or N
};
HistoryRow SplitHistoryLine(std::string_view recordLine);
// "Local", "Net", "Account", "Tourney"; empty for an unknown letter.
std::string_view HistoryKindName(char kind);

// The viewer's file list: "File I0001 " + file date for 1, 2, ... up to the first file that is
// missing or damaged.
struct HistoryListEntry {
  int Number = 0;
  std::string Caption;
};
std::vector<HistoryListEntry> ListHistoryFiles(FileSystem& fs,
                                               const std::filesystem::path& programFolder,
                                               std::string_view shortDateFormat,
                                               int maxFiles = HistoryLimits{}.MaxFiles);

}  // namespace tarnel
