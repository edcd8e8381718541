#include "records/verdict.h"

#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

constexpr std::uint32_t kPurple = 0x800080, kMaroon = 0x800000, kNavy = 0x000080,
                        kGreen = 0x008000, kBlack = 0x000000;

VerdictLine Line(int row, std::string suffix, int points, std::uint32_t colour) {
  VerdictLine line;
  line.Row = row;
  line.Suffix = std::move(suffix);
  line.Points = points;
  line.Colour = colour;
  return line;
}

}  // namespace

VerdictClass VerdictClassOf(int topTenPlace, VerdictPlay play) {
  if (topTenPlace == 1) return VerdictClass::Best;
  if (topTenPlace >= 2 && topTenPlace <= 10) return VerdictClass::Good;
  (void)play;  // rated play reports places above 10; those are bad as no place is
  return VerdictClass::Bad;
}

Verdict MakeVerdict(int topTenPlace, long long cycleResult, VerdictPlay play) {
  Verdict v;
  v.Class = VerdictClassOf(topTenPlace, play);
  const std::string result = std::to_string(cycleResult);
  switch (v.Class) {
    case VerdictClass::Best: {
      v.Sound = "WFiBest";
      const int title = play == VerdictPlay::LocalNotLoggedIn ? rows::kMasterOfTheOrder
                        : play == VerdictPlay::Network        ? rows::kBachelorOfTheOrder
                        : play == VerdictPlay::Rated          ? rows::kVicePresidentOfTheOrder
                                                              : rows::kNone;
      v.Lines = {Line(rows::kCongratulations, "", 32, kPurple),
                 Line(rows::kResultTheBest, "", 28, kBlack),
                 Line(rows::kResultLabel, result, 28, kGreen),
                 Line(title, "", 22, kPurple)};
      v.Animation = "GEndBest";
      v.StillFrame = 25;
      v.Loops = false;
      break;
    }
    case VerdictClass::Good:
      v.Sound = "WFiGood";
      v.Lines = {Line(rows::kCongratulations, "", 32, kMaroon),
                 Line(rows::kGoodResult, "", 28, kBlack),
                 Line(rows::kResultLabel, result, 28, kGreen),
                 Line(rows::kHitTopTen, "", 22, kMaroon)};
      v.Animation = "GEndGood";
      v.StillFrame = 24;
      v.Loops = false;
      break;
    case VerdictClass::Bad:
      v.Lines = {Line(rows::kOurRegrets, "", 32, kNavy),
                 Line(rows::kResultKeepsToWishBest, "", 20, kBlack),
                 Line(rows::kResultLabel, result, 28, kGreen),
                 Line(rows::kNotHitTopTen, "", 20, kNavy)};
      // The place is told only when there is one to tell (rated play beyond the ten).
      if (topTenPlace > 10) {
        v.Lines[2].Suffix = result + " ; ";
        v.Lines[2].SecondRow = rows::kPlaceLabel;
        v.Lines[2].SecondSuffix = std::to_string(topTenPlace);
      }
      break;
  }
  if (topTenPlace >= 1 && topTenPlace <= 10) v.Medal = topTenPlace;
  v.ClubEmblem = play == VerdictPlay::LocalNotLoggedIn ? "GClubF"
                 : play == VerdictPlay::Network        ? "GClubG"
                 : play == VerdictPlay::Rated          ? "GClubB"
                                                       : nullptr;
  return v;
}

}  // namespace tarnel
