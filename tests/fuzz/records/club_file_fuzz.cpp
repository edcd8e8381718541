// Club file reader: never crashes on any bytes; whatever it accepts stays intact through every
// change the program makes to a club.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "records/club_file.h"

namespace {

int ByteWidth(std::string_view utf8) {
  return 7 * static_cast<int>(utf8.size());
}

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarnel;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // Any bytes laid into the fixed-width lines, stamped and summed, make an intact file.
  ClubLines laid;
  std::size_t at = 0;
  for (int i = 0; i < kClubLineCount; ++i) {
    std::size_t width = i < kMemberSlots                   ? kMemberLineWidth
                        : i < kMemberSlots + kTopTenPlaces ? kTopTenLineWidth
                                                           : kStampLineWidth;
    laid[i] = std::string(bytes.substr(std::min(at, size), width));
    laid[i].resize(width, '#');
    std::replace(laid[i].begin(), laid[i].end(), '\n', ' ');
    at += width;
  }
  laid[15][0] = static_cast<char>(kStampByte);
  laid[15][1] = '}';
  UpdateClubChecksum(laid);
  ClubParse laidParse = ParseClubFile(SerializeClubFile(laid));
  Require(laidParse.Intact && laidParse.Lines == laid);

  bool wellFormed = ClubFileWellFormed(bytes);
  ClubParse parse = ParseClubFile(bytes);
  if (!parse.Intact) return 0;
  Require(wellFormed);

  ClubLines lines = parse.Lines;
  for (int slot = 0; slot < kMemberSlots; ++slot) {
    const std::string& line = lines[slot];
    MemberCaption(line, ClubDisplay::Score, ByteWidth);
    MemberCaption(line, ClubDisplay::Rating, ByteWidth);
    DecodePassword(MemberPasswordText(line));
    MemberRating(line);
  }
  // The end of a game that completes a cycle, a rename and a removal, as the program does them.
  std::string player = lines[size % kMemberSlots];
  int slot = static_cast<int>(size % 7);
  RemoveMemberLine(lines, slot);
  StoreOutcome outcome = StoreMemberLine(lines, player, true);
  Require(outcome.TopTenPlace >= 0 && outcome.TopTenPlace <= kTopTenPlaces);
  StoreMemberLine(lines, BuildMemberLine("x", -1e300, -1, 1LL << 40, EncodePassword("p")), false);
  UpdateClubChecksum(lines);
  ClubParse again = ParseClubFile(SerializeClubFile(lines));
  Require(again.Intact);
  Require(again.Lines[kClubLineCount - 1].substr(0, 10) ==
          parse.Lines[kClubLineCount - 1].substr(0, 10));
  return 0;
}
