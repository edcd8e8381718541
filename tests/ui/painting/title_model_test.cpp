#include "ui/painting/title_model.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

std::vector<int> Xs(std::string_view title) {
  std::vector<int> xs;
  for (const TitleLetter& l : LayOutTitleLetters(title)) xs.push_back(l.X);
  return xs;
}

TEST(TitleLetters, LettersStand26ApartAroundTheMiddleWithWideAndNarrowCorrections) {
  EXPECT_EQ(Xs("Tarnel"), (std::vector<int>{303, 329, 355, 381, 407, 433}));
  // After a wide letter the rest move 8 right and the word 5 left.
  EXPECT_EQ(Xs("AWB"), (std::vector<int>{337, 363, 397}));
  // "I" itself 3 right; after it the rest 12 left and the word 6 right.
  EXPECT_EQ(Xs("AIB"), (std::vector<int>{348, 377, 388}));
  // Cyrillic letters count as letters, not bytes; the wide Ж moves the letters after it.
  const auto cyrillic = LayOutTitleLetters("ЖА");
  ASSERT_EQ(cyrillic.size(), 2u);
  EXPECT_EQ(cyrillic[0].Utf8, "Ж");
  EXPECT_EQ(cyrillic[1].X - cyrillic[0].X, 34);
  EXPECT_EQ(LayOutTitleLetters("ABCDEFGHIJKLM").size(), 10u);  // at most ten letters
  // Chinese characters set at their own width stay centred and apart.
  const auto wide = LayOutWideTitleLetters("塔内尔", 44);
  ASSERT_EQ(wide.size(), 3u);
  EXPECT_EQ(wide[1].X - wide[0].X, 48);
  EXPECT_EQ(wide[0].X + wide[2].X + 44, 2 * 381 - 4 + 0);
}

TEST(TitleLetters, ThePaletteTurnsOnePlaceEveryTenTicks) {
  EXPECT_EQ(TitleLetterColour(0, 0), 0x800000u);
  EXPECT_EQ(TitleLetterColour(0, 9), 0x800000u);
  EXPECT_EQ(TitleLetterColour(0, 10), 0x0000FFu);  // letter 1 takes colour 2
  EXPECT_EQ(TitleLetterColour(9, 10), 0x800000u);  // the last takes the first
  EXPECT_EQ(TitleLetterColour(3, 100), TitleLetterColour(3, 0));
}

TEST(TitleRunners, FourRunnersStartAtTheCornersAndGoRoundTheSameWay) {
  const auto start = TitleRunners(0);
  EXPECT_EQ(start[0], (Point{155, 68}));
  EXPECT_EQ(start[1], (Point{550, 68}));
  EXPECT_EQ(start[2], (Point{550, 362}));
  EXPECT_EQ(start[3], (Point{155, 362}));
  const auto next = TitleRunners(1);
  EXPECT_EQ(next[0], (Point{156, 68}));   // along the top to the right
  EXPECT_EQ(next[1], (Point{550, 69}));   // down the right side
  EXPECT_EQ(next[2], (Point{549, 362}));  // along the bottom to the left
  EXPECT_EQ(next[3], (Point{155, 361}));  // up the left side
  EXPECT_EQ(TitleRunners(2 * (395 + 294))[0], start[0]);
}

TEST(MenuLamps, OneLampIsLitAtATimeAndTheLightRuns) {
  for (long long phase : {0LL, 10LL, 20LL}) {
    int lit = 0;
    for (int lamp = 0; lamp < 3; ++lamp) lit += MenuLampImage(lamp, phase) != 0;
    EXPECT_EQ(lit, 1);
  }
  EXPECT_EQ(MenuLampImage(0, 0), 1);
  EXPECT_EQ(MenuLampImage(1, 10), 2);
  EXPECT_EQ(MenuLampImage(2, 20), 3);
  EXPECT_EQ(MenuLampImage(0, 30), 1);
}

}  // namespace
}  // namespace tarnel
