// History file reader: never crashes on any bytes; an intact file takes one more record and stays
// intact, and a record built from any values keeps the line width.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "records/history_file.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarnel;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // A record from the first bytes: numbers of any value, the name and date format from the rest.
  HisStr record;
  double rating = 0;
  if (size >= 17) {
    std::memcpy(&record.HKon, data, 4);
    std::memcpy(&record.HRes, data + 4, 4);
    std::memcpy(&rating, data + 8, 8);
    record.Ac = static_cast<HistoryKind>(data[16] % 4);
  }
  record.HRei = rating;
  record.HName = std::string(bytes.substr(std::min<std::size_t>(size, 17), 80));
  std::string format(bytes.substr(std::min<std::size_t>(size, 97), 12));
  LocalTime when{static_cast<int>(size % 10000), static_cast<int>(size % 12) + 1, 1, 23, 59, 0};
  std::string line = BuildHistoryLine(record, when, format);
  Require(line.size() == kHistoryLineWidth);

  // Any record bodies with fresh sums make an intact file, unless a body starts like the trailer.
  std::vector<std::string> bodies;
  bool trailerLike = false;
  for (std::size_t at = 0; at + kHistoryBodyWidth <= size && bodies.size() < 20;
       at += kHistoryBodyWidth) {
    std::string body(bytes.substr(at, kHistoryBodyWidth));
    std::replace(body.begin(), body.end(), '\n', ' ');
    trailerLike |= body.front() == '$';
    std::array<long, 3> sums = HistoryLineSum(body);
    char digits[16];
    std::snprintf(digits, sizeof digits, "%05ld%05ld%05ld", sums[0], sums[1], sums[2]);
    bodies.push_back(body + digits);
  }
  HistoryParse built = ParseHistoryFile(BuildHistoryFile(bodies));
  Require(built.Intact == !trailerLike);
  Require(!built.Intact || built.RecordLines == bodies);

  HistoryParse parse = ParseHistoryFile(bytes);
  if (!parse.Intact) return 0;
  Require(parse.RecordCount == static_cast<int>(parse.RecordLines.size()));
  for (const std::string& recordLine : parse.RecordLines) {
    HistoryKindName(SplitHistoryLine(recordLine).Kind);
  }
  std::vector<std::string> lines = parse.RecordLines;
  lines.push_back(line);
  HistoryParse appended = ParseHistoryFile(BuildHistoryFile(lines));
  Require(appended.Intact && appended.RecordCount == parse.RecordCount + 1);
  Require(appended.RecordLines.back() == line);
  return 0;
}
