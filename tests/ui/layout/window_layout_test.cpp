#include "ui/layout/window_layout.h"

#include <gtest/gtest.h>

#include "ui/pictures/picture_names.h"

namespace tarnel {
namespace {

TEST(WindowModes, ScreensLoseModesFromTheEndOfTheList) {
  struct Case {
    int Width, Height;
    std::vector<int> Modes;
  };
  const Case cases[] = {
      {800, 600, {1, 2}},
      {1366, 768, {1, 2, 3}},
      {1290, 869, {1, 2, 3}},  // one pixel short of mode 4's height
      {1290, 870, {1, 2, 3, 4}},
      {1920, 1080, {1, 2, 3, 4, 5}},
      // A tall narrow screen cannot hold mode 3, so 4 and 5 go too even if it is tall enough.
      {1000, 2000, {1, 2, 3}},
      {980, 2000, {1, 2}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(OfferedModes(c.Width, c.Height), c.Modes) << c.Width << " x " << c.Height;
  EXPECT_EQ(ModeHint(3), "990 x 650");
  EXPECT_EQ(ModeHint(5), "1520 x 1000");
  EXPECT_EQ(ModeHint(kFullScreenMode), "");
}

TEST(WindowScale, FullScreenOnAWideScreenStretchesColumnsAndKeepsElementsCentred) {
  const WindowScale s = WindowScale::ForMode(kFullScreenMode, 1920, 1050);
  EXPECT_NEAR(s.Kx, 2.526315, 1e-6);
  EXPECT_DOUBLE_EQ(s.Ky, 2.1);
  EXPECT_DOUBLE_EQ(s.K, 2.1);
  // round((2.526 - 2.1) * 100 / 2) + round(2.526 * 581) = 21 + 1468
  EXPECT_EQ(s.PosX(581, 100), 1489);
  EXPECT_EQ(s.Scale(100), 210);
  EXPECT_EQ(s.PosY(128, 170), 269);  // ky == k: the plain product
  EXPECT_EQ(ComputeCardSize(s.K, true), (CardSize{146, 198, kLargePictures}));
  // Re-centred elements keep their pixel size.
  EXPECT_EQ(s.ReCentred(7, 290, 160, 200), (Rect{RoundHalfToEven(1.526315789 * 80) + 18,
                                                RoundHalfToEven(1.1 * 100) + 609, 160, 200}));
}

TEST(WindowScale, FixedModesUseTheirExactFactorAndRoundHalvesToEven) {
  const WindowScale m3 = WindowScale::ForMode(3, 0, 0);
  EXPECT_EQ(m3.WindowWidth, 990);
  EXPECT_EQ(m3.WindowHeight, 650);
  EXPECT_DOUBLE_EQ(m3.K, 1.3);
  EXPECT_EQ(m3.PosX(581, 100), RoundHalfToEven(1.3 * 581));
  // 2.5 and 3.5 round to 2 and 4.
  const WindowScale half = WindowScale::ForClient(380, 250);
  EXPECT_EQ(half.Scale(5), 2);
  EXPECT_EQ(half.Scale(7), 4);
  // Narrow faces in mode 3: 61 x 96 scaled, shifted 5 base pixels in their places.
  EXPECT_EQ(ComputeCardSize(m3.K, false), (CardSize{79, 125, kScaledPictures}));
  EXPECT_EQ(NarrowShift(3, false), 5);
  EXPECT_EQ(NarrowShift(1, false), 0);
  EXPECT_EQ(NarrowShift(5, true), 0);
}

TEST(Fonts, RolesTakeTheirScaleAndTheClubListSwitchesFontOutsideTheSmallWindow) {
  FontChoice fonts;
  fonts.LargeFontScale = 150;
  fonts.SmallFontScale = 50;
  fonts.SpecialFont1Scale = 120;
  EXPECT_EQ(FontHeight(20, FontRole::Decor, fonts), 30);
  EXPECT_EQ(FontHeight(18, FontRole::Serif, fonts), 9);
  EXPECT_EQ(FontFamily(FontRole::Fixed, fonts), "FixedSys");
  EXPECT_EQ(FontFamily(FontRole::Conew, fonts), "Courier New");

  const FontChoice plain;
  const ClubListFont small = ClubListFontFor(1, WindowScale::ForMode(1, 0, 0), fonts);
  EXPECT_EQ(small.Role, FontRole::Fixed);
  EXPECT_EQ(small.Height, 13);  // 11 * 120%
  EXPECT_FALSE(small.Bold);
  const ClubListFont large = ClubListFontFor(5, WindowScale::ForMode(5, 0, 0), plain);
  EXPECT_EQ(large.Role, FontRole::Conew);
  EXPECT_EQ(large.Height, 32);
  EXPECT_TRUE(large.Bold);
  // Buttons: 20 * k, and 0.9 of it outside the small window.
  EXPECT_EQ(ButtonFontHeight(1, WindowScale::ForMode(1, 0, 0), plain), 20);
  EXPECT_EQ(ButtonFontHeight(5, WindowScale::ForMode(5, 0, 0), plain), 36);
}

TEST(MainMenuLayout, RowsStackUnderTheHeadingAndClocksShowOnlyOnLargeWindows) {
  const MainMenuLayout m = LayOutMainMenu(WindowScale::ForMode(1, 0, 0), 1, false);
  EXPECT_EQ(m.UnitHeight, 30);
  EXPECT_EQ(m.ClubListHeading, (Rect{180, 225, 400, 30}));
  EXPECT_EQ(m.MemberRows[0], (Rect{180, 265, 400, 30}));
  EXPECT_EQ(m.MemberRows[4], (Rect{180, 385, 400, 30}));
  EXPECT_EQ(m.NewPlayer, (Rect{280, 425, 200, 30}));
  EXPECT_EQ(m.TitleBanner, (Rect{230, 85, 300, 90}));
  EXPECT_EQ(m.LeftPanel.Left, 60);
  EXPECT_FALSE(m.ClocksShown);
  EXPECT_EQ(LayOutMainMenu(WindowScale::ForMode(1, 0, 0), 1, true).LeftPanel.Left, 40);

  const MainMenuLayout large = LayOutMainMenu(WindowScale::ForMode(5, 0, 0), 5, false);
  EXPECT_TRUE(large.ClocksShown);
  EXPECT_EQ(large.MemberRows[1].Top - large.MemberRows[0].Top, 60);
  EXPECT_EQ(large.LeftClock.Left, large.LeftPanel.Left - 7);
  EXPECT_GE(large.LeftClock.Top, large.LeftPanel.Bottom());
  EXPECT_LE(large.LeftClock.Bottom(), 1000);
  EXPECT_FALSE(LayOutMainMenu(WindowScale::ForMode(2, 1280, 800), 2, false).ClocksShown);
  EXPECT_TRUE(LayOutMainMenu(WindowScale::ForMode(2, 1920, 1050), 2, false).ClocksShown);
}

TEST(TableLayout, HandsAreOneCardHighAndTheActionButtonsStack) {
  const WindowScale s = WindowScale::ForMode(1, 0, 0);
  const TableLayout t = LayOutTable(s, 96);
  EXPECT_EQ(t.UpperHand, (Rect{155, 10, 455, 96}));
  EXPECT_EQ(t.LowerHand, (Rect{155, 394, 455, 96}));
  EXPECT_EQ(t.Stock, (Rect{581, 128, 100, 170}));
  EXPECT_EQ(t.Button7, (Rect{550, 310, 160, 30}));
  EXPECT_EQ(t.Button8, (Rect{550, 340, 160, 30}));
  EXPECT_EQ(t.ChatSend, (Rect{710, 464, 35, 35}));
}

TEST(HandPositions, CardsSitSideBySideWhenTheyFitAndOverlapEvenlyOtherwise) {
  // Six cards of 71 fit in 455: a centred row with 3-pixel gaps.
  const std::vector<int> six = HandPositions(455, 6, 71);
  ASSERT_EQ(six.size(), 6u);
  EXPECT_EQ(six[0], 6);  // round(228 - 6 * 74 / 2)
  EXPECT_EQ(six[1] - six[0], 74);
  // Twenty cards overlap with a step of trunc(381 / 19) = 20.
  const std::vector<int> twenty = HandPositions(455, 20, 71);
  EXPECT_EQ(twenty[1], 20);
  EXPECT_EQ(twenty[19], 380);
  EXPECT_LE(twenty[19] + 71, 455 - 3);
  EXPECT_TRUE(HandPositions(455, 0, 71).empty());
  EXPECT_EQ(HandPositions(455, 1, 71), (std::vector<int>{191}));
}

}  // namespace
}  // namespace tarnel
