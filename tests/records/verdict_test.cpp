#include "records/verdict.h"

#include <gtest/gtest.h>

#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

TEST(Verdict, ThePlaceChoosesTheClassTheWordsTheMedalAndTheSound) {
  struct Case {
    int Place;
    VerdictPlay Play;
    VerdictClass Class;
    const char* Sound;
    int Medal;
    int TitleRow;
  };
  const Case cases[] = {
      {1, VerdictPlay::LocalNotLoggedIn, VerdictClass::Best, "WFiBest", 1, rows::kMasterOfTheOrder},
      {1, VerdictPlay::Network, VerdictClass::Best, "WFiBest", 1, rows::kBachelorOfTheOrder},
      {1, VerdictPlay::Rated, VerdictClass::Best, "WFiBest", 1, rows::kVicePresidentOfTheOrder},
      {1, VerdictPlay::LocalLoggedIn, VerdictClass::Best, "WFiBest", 1, rows::kNone},
      {10, VerdictPlay::LocalNotLoggedIn, VerdictClass::Good, "WFiGood", 10, rows::kHitTopTen},
      {0, VerdictPlay::LocalNotLoggedIn, VerdictClass::Bad, "WFiBads", 0, rows::kNotHitTopTen},
      {11, VerdictPlay::Rated, VerdictClass::Bad, "WFiBads", 0, rows::kNotHitTopTen},
  };
  for (const Case& c : cases) {
    const Verdict v = MakeVerdict(c.Place, 1230, c.Play);
    EXPECT_EQ(v.Class, c.Class) << c.Place;
    EXPECT_STREQ(v.Sound, c.Sound) << c.Place;
    EXPECT_EQ(v.Medal, c.Medal) << c.Place;
    EXPECT_EQ(v.Lines[3].Row, c.TitleRow) << c.Place;
    EXPECT_EQ(v.Lines[2].Row, rows::kResultLabel);
  }
  // No place: the result alone; a place beyond the ten is told after it.
  const Verdict none = MakeVerdict(0, -40, VerdictPlay::LocalNotLoggedIn);
  EXPECT_EQ(none.Lines[2].Suffix, "-40");
  EXPECT_EQ(none.Lines[2].SecondRow, rows::kNone);
  const Verdict eleventh = MakeVerdict(11, 900, VerdictPlay::Rated);
  EXPECT_EQ(eleventh.Lines[2].Suffix, "900 ; ");
  EXPECT_EQ(eleventh.Lines[2].SecondRow, rows::kPlaceLabel);
  EXPECT_EQ(eleventh.Lines[2].SecondSuffix, "11");
  // Best and good stop on their frame; bad loops and stands on frame 3 when still.
  EXPECT_FALSE(MakeVerdict(1, 0, VerdictPlay::Network).Loops);
  EXPECT_EQ(MakeVerdict(2, 0, VerdictPlay::Network).StillFrame, 24);
  EXPECT_TRUE(none.Loops);
  EXPECT_EQ(none.StillFrame, 3);
  EXPECT_STREQ(MakeVerdict(5, 0, VerdictPlay::Network).ClubEmblem, "GClubG");
  EXPECT_EQ(MakeVerdict(5, 0, VerdictPlay::LocalLoggedIn).ClubEmblem, nullptr);
}

}  // namespace
}  // namespace tarnel
