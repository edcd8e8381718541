// The local club: up to five members and the top ten of completed cycles, kept in a 17-line
// Windows-1251 text file ("Tarnel.clb" for games against the computer, "Tarnel.net" for network
// games) guarded by three byte sums. Every operation reads the file afresh.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "records/records_message.h"

namespace tarnel {

inline constexpr char kClubFileName[] = "Tarnel.clb";
inline constexpr char kNetClubFileName[] = "Tarnel.net";

inline constexpr int kGameNumber = 33;
inline constexpr unsigned char kStampByte = kGameNumber + 100;

inline constexpr int kClubLineCount = 17;
inline constexpr int kMemberSlots = 5;
inline constexpr int kTopTenPlaces = 10;
inline constexpr std::size_t kMemberLineWidth = 59;
inline constexpr std::size_t kTopTenLineWidth = 26;
inline constexpr std::size_t kStampLineWidth = 28;
inline constexpr std::size_t kChecksumSpan = 5 * 59 + 10 * 26 + 28;  // 583 bytes

// Added to each password byte so every code is written with exactly three digits.
inline constexpr int kPasswordOffset = 317;
inline constexpr std::size_t kPasswordLength = 5;
inline constexpr std::size_t kNameLength = 20;

inline constexpr std::string_view kEmptyMember =
    "##################################### #####################";

// The 17 lines of a club file, Windows-1251 bytes without line endings.
using ClubLines = std::array<std::string, kClubLineCount>;

// The process-wide club state.
struct ClubState {
  bool ClubReadOnly = false;      // set by VerifyClubFile: while set, no club file is written
  bool CycleComplete = false;     // the game being recorded completed a cycle of 20
  int TopTenPlace = 0;            // place 1..10 of the last completed cycle, 0 outside the top ten
  int CycleResult = 0;            // score of the last completed cycle
  std::string InstallationLabel;  // positions 7..9 of line 17
};

// --- the format -----------------------------------------------------------------------------

// S1 over all of the first 583 bytes of lines 1..16, S2 over the even positions, S3 over the
// positions divisible by 3.
std::array<long, 3> ClubChecksum(const ClubLines& lines);
// Writes the checksum into line 17, positions 11..28.
void UpdateClubChecksum(ClubLines& lines);
std::string SerializeClubFile(const ClubLines& lines);

struct ClubParse {
  bool Intact = false;
  ClubLines Lines;
  std::string Reason;  // why it is not intact, for people
};
// Intact: 17 lines of the right widths, the stamp in line 16 and the checksum of line 17.
ClubParse ParseClubFile(std::string_view bytes);

// The title screen's shape test: exactly 17 lines of 59 (1..5), 26 (6..15) and 28 (16, 17).
bool ClubFileWellFormed(std::string_view bytes);

// The title screen's look at the local club file: a well-formed file whose line 17 begins with
// "1" comes from a Russian installation.
struct ClubShape {
  bool Exists = false;
  bool WellFormed = false;
  bool RussianLabel = false;
};
ClubShape CheckClubShape(FileSystem& fs, const std::filesystem::path& path);

// A fresh installation file: five empty slots, ten top-ten entries, stamp line and a label of
// three characters.
std::string NewClubFile(std::string_view label);

// --- member lines ---------------------------------------------------------------------------

std::string EncodePassword(std::string_view password);
// The 5 stored characters, or nullopt when the digits are not a password code.
std::optional<std::string> DecodePassword(std::string_view digits);

// The rating in 10 characters with six decimals and a comma: "  1,500000", "-12,500000".
std::string FormatMemberRating(double rating);

// name (20), rating (10), games (7), a space, score (6), encoded password (15).
std::string BuildMemberLine(std::string_view name, double rating, long long games, long long score,
                            std::string_view encodedPassword);

bool IsEmptySlot(std::string_view memberLine);
std::string_view MemberName(std::string_view memberLine);          // positions 1..20
std::string_view MemberRatingText(std::string_view memberLine);    // 21..30
std::string_view MemberGamesText(std::string_view memberLine);     // 31..37
std::string_view MemberScoreText(std::string_view memberLine);     // 39..44
std::string_view MemberPasswordText(std::string_view memberLine);  // 45..59
std::optional<double> MemberRating(std::string_view memberLine);
std::optional<long long> MemberScore(std::string_view memberLine);

std::string_view TopTenName(std::string_view entry);   // positions 1..20
std::string_view TopTenScore(std::string_view entry);  // positions 21..26

// --- changes in memory ----------------------------------------------------------------------

// Slots below move up one; slot 5 becomes empty. Other slot numbers change nothing.
void RemoveMemberLine(ClubLines& lines, int slot);

struct StoreOutcome {
  int TopTenPlace = 0;  // only meaningful when the cycle completed
  long long CycleResult = 0;
  bool Stored = false;  // the member line found a slot
};
// With cycleComplete the line's score enters the top ten (a tie goes above the older entry) and
// the member's score restarts from 0; then the line takes the first slot whose rating it reaches
// (or that is empty), pushing the rest down.
StoreOutcome StoreMemberLine(ClubLines& lines, std::string line, bool cycleComplete);

// --- operations on the file -----------------------------------------------------------------

// At start-up: missing file, broken stamp or checksum fail; a file this process may not write
// sets ClubReadOnly (cleared first) and succeeds with a warning.
RecordsResult VerifyClubFile(FileSystem& fs, const std::filesystem::path& path, ClubState& state);

// The whole file when it is intact.
std::optional<ClubLines> ReadClubFile(FileSystem& fs, const std::filesystem::path& path);
// The member line of slot 1..5.
std::optional<std::string> ReadMember(FileSystem& fs, const std::filesystem::path& path, int slot);
std::optional<std::string> DecodePassword(FileSystem& fs, const std::filesystem::path& path,
                                          int slot);

RecordsResult RemoveMember(FileSystem& fs, const std::filesystem::path& path, int slot,
                           const ClubState& state);
// Uses state.CycleComplete and sets TopTenPlace and CycleResult when it is set.
RecordsResult StoreMember(FileSystem& fs, std::string line, const std::filesystem::path& path,
                          ClubState& state);

// What the end of a game stores for a club member (slots 1..5) or a new player (6).
struct ClubGameResult {
  int SelectedPlayer = 6;
  std::string PlayerName;  // Windows-1251
  double Rating = 0.0;     // the new rating
  long long GameNo = 1;
  long long GeneralScore = 0;
  std::string EncodedPassword;  // 15 digits
};
// Sets CycleComplete, takes the player out of his slot and stores his new line, in one rewrite.
RecordsResult RecordClubGame(FileSystem& fs, const std::filesystem::path& path,
                             const ClubGameResult& game, ClubState& state);

// A member (slot 1..5) takes a new name and password: his last-read line is stored again with
// them, sorted by rating. A new player (slot 6) has nothing stored.
RecordsResult RenameMember(FileSystem& fs, const std::filesystem::path& path, int slot,
                           std::string lastReadLine, std::string_view newName,
                           std::string_view newEncodedPassword, const ClubState& state);

// --- the member list of the main menu -------------------------------------------------------

enum class ClubDisplay { Score = 1, Rating = 2 };
inline constexpr int kMemberCaptionWidth = 361;
// Width in pixels of a UTF-8 text in the member list's font.
using TextWidth = std::function<int(std::string_view utf8)>;

// The button caption of a member line (UTF-8): score view name, games of the cycle and score;
// rating view name, games and rating. A caption as wide as the limit loses name characters from
// position 20 backwards (down to position 5); a cut through real letters ends the name in "...".
std::string MemberCaption(std::string_view memberLine, ClubDisplay display,
                          const TextWidth& textWidth, int limit = kMemberCaptionWidth);

}  // namespace tarnel
