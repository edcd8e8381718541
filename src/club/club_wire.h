// The club web dialect: how request bodies are built and how the plain-text replies are read.
// The server answers with short texts scanned for two-character markers, "$"-numbers and
// "$"-opened records; nothing here knows HTML or HTTP headers. Standard library only, shared by
// the client and the club server (which builds its replies for exactly these readers).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnel {

inline constexpr char kClubUserAgent[] = "KabroMintuvel";
inline constexpr char kGameKey[] = "crdtarnel";
inline constexpr int kGameNumber = 33;
// Records a list reply may fill.
inline constexpr int kClubListLimit = 10;

using ClubField = std::pair<std::string, std::string>;  // name, value (Windows-1251 bytes)

// PostText: name=value pairs joined by "&", values sent as typed (raw Windows-1251).
std::string PostTextBody(const std::vector<ClubField>& fields);
// The "\n\r"-separated entry text the PostFields requests are written as.
std::string PostFieldsLines(const std::vector<ClubField>& fields);
// PostFields on the wire: the entry text split at every line break, so "\n\r" leaves an empty
// entry between two fields; each entry percent-encoded as UTF-8 and joined by "&" (hence the
// doubled ampersands).
std::string PostFieldsBody(std::string_view lines);

// Whether the two-character marker occurs anywhere in the reply (case-sensitive).
bool FindMarker(std::string_view reply, std::string_view marker);

// The number after the last "$" that is not the reply's last character; -1 when there is no such
// "$", its digit run is empty, or the number does not fit. An earlier "$" is never tried.
int ReadTailNumber(std::string_view reply);

// One record's tokens; Token(1) is the text between the "$" and the first separator.
struct ClubRecord {
  std::vector<std::string> Tokens;
  // Empty for a token the record does not have.
  const std::string& Token(std::size_t number) const;
};

// Each "$" that is not the reply's last character opens a record running to the next terminator
// or the end; the scan resumes after that "$", so a "$" inside a record opens another. At most
// `limit` records.
std::vector<ClubRecord> ReadRecords(std::string_view reply, char terminator, char separator,
                                    int limit);

// A record number as the platform's string-to-integer conversion reads it: optional sign and
// decimal digits filling a 32-bit integer; anything else fails (and fails the whole read).
std::optional<std::int32_t> ParseClubInt(std::string_view token);

// Ratings on the wire: general format with up to 15 significant digits, a point as separator,
// magnitudes below 0.00001 sent as "0".
std::string FormatClubDecimal(double value);
// A rating token: the first character that is not a digit, space or minus is the decimal
// separator; an empty token is 0; anything else that does not read as a number fails.
std::optional<double> ReadClubDecimal(std::string_view token);

// The reply rule of the statistics reports: after the last "$" that is not the last character,
// the text up to the next "#" must have "ok" as its second and third characters.
bool ReadReportReply(std::string_view reply);

// A service directory value: the first occurrence of `key`, one separator character, then
// everything up to the next "#". Nothing when the key is missing or the value is not closed.
std::optional<std::string> DirectoryValue(std::string_view directory, std::string_view key);

}  // namespace tarnel
