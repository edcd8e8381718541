#include "ui/pictures/picture_names.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

// Card indices: rank * 4 + suit, suits hearts, diamonds, clubs, spades.
constexpr int kSixOfHearts = 0, kTenOfClubs = 4 * 4 + 2, kJackOfDiamonds = 5 * 4 + 1,
              kQueenOfSpades = 6 * 4 + 3, kAceOfHearts = 8 * 4;

TEST(PictureNames, FaceNamesByDesignCodes) {
  struct Case {
    int Card, Design, SizeClass;
    const char* Name;
  };
  const Case cases[] = {
      {kQueenOfSpades, 12, kLargePictures, "Pi3QOldB"},
      {kQueenOfSpades, 12, kSmallPictures, "Pi3QOld"},
      {kSixOfHearts, 0, kSmallPictures, "Ch06"},
      {kAceOfHearts, 0, kScaledPictures, "Ch5AB"},
      // Design 6 mixes: numbers "Mod", aces and court cards its own "Cor".
      {kSixOfHearts, 6, kSmallPictures, "Ch06Mod"},
      {kTenOfClubs, 6, kSmallPictures, "Kr10Mod"},
      {kAceOfHearts, 6, kSmallPictures, "Ch5ACor"},
      {kJackOfDiamonds, 6, kSmallPictures, "Bu2JCor"},
      {kAceOfHearts, 7, kLargePictures, "Ch5AModB"},
      {kJackOfDiamonds, 7, kLargePictures, "Bu2JCroB"},
      {kTenOfClubs, 19, kSmallPictures, "Kr10Sea"},
      {kQueenOfSpades, 20, kSmallPictures, "Pi3QHea"},
      {kSixOfHearts, 25, kSmallPictures, "Ch06Rhi"},
      {kAceOfHearts, 25, kSmallPictures, "Ch5ABoy"},
      {kSixOfHearts, 27, kSmallPictures, "Ch06Big"},
      {kAceOfHearts, 27, kSmallPictures, "Ch5AUSR"},
      {kJackOfDiamonds, 27, kSmallPictures, "Bu2JUSR"},
      {kQueenOfSpades, 9, kLargePictures, "Pi3QFraB"},
      {kQueenOfSpades, 40, kLargePictures, "Pi3QFraB"},
      {kAceOfHearts, 17, kSmallPictures, "Ch5A004"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FaceName(c.Card, c.Design, c.SizeClass), c.Name) << "design " << c.Design;
  }
  EXPECT_EQ(FaceName(36, 1, kSmallPictures), "");
}

TEST(PictureNames, LibrariesAndWidthByDesign) {
  struct Case {
    int Design;
    const char* Library;
    bool FullWidth;
  };
  const Case cases[] = {{0, "", true},
                        {1, "QelCards06A.dll", true},
                        {9, "QelCards06A.dll", true},
                        {27, "QelCards06A.dll", true},
                        {28, "QelCards06A.dll", false},
                        {31, "QelCards06A.dll", false},
                        {32, "QelCards06B.dll", false},
                        {39, "QelCards06B.dll", false},
                        {40, "QelCards06C.dll", true},
                        {41, "QelCards06C.dll", false},
                        {45, "QelCards06C.dll", true},
                        {47, "QelCards06C.dll", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(FaceLibrary(c.Design), c.Library) << c.Design;
    EXPECT_EQ(FullWidthFaces(c.Design), c.FullWidth) << c.Design;
  }
}

TEST(PictureNames, SuitSymbols) {
  EXPECT_EQ(SuitSymbolName(0, 0, false), "Cher");
  EXPECT_EQ(SuitSymbolName(3, 0, true), "PikiB");
  EXPECT_EQ(SuitSymbolName(1, 6, false), "BubiMod");
  EXPECT_EQ(SuitSymbolName(2, 11, true), "KresModB");  // design 11 borrows only its symbols
  EXPECT_EQ(FaceName(kSixOfHearts, 11, kSmallPictures), "Ch06Nat");
  EXPECT_EQ(SuitSymbolName(0, 25, false), "CherRhi");
  EXPECT_EQ(SuitSymbolName(1, 26, false), "BubiEpi");
}

TEST(PictureNames, Backs) {
  struct Case {
    int Back, Set, SizeClass;
    bool FullWidth, Sideways;
    const char* Name;
  };
  const Case cases[] = {
      {1, 0, kSmallPictures, true, false, "Ob01Mo"},
      {7, 0, kSmallPictures, false, true, "Ob07SuR"},
      {6, 0, kLargePictures, true, false, "Ob06SuB"},
      {1, 0, kScaledPictures, false, false, "Ob01MoU"},
      {2, 3, kLargePictures, true, true, "Ob02TuRCarB"},
      {10, 8, kSmallPictures, true, false, "Ob10XXAni"},
      {9, 11, kLargePictures, false, true, "Ob09XXROthU"},
      {5, 12, kSmallPictures, false, false, "Ob05FrRus"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BackName(c.Back, c.Set, c.SizeClass, c.FullWidth, c.Sideways), c.Name);
  }
  for (int set = 0; set < kBackSetCount; ++set) {
    EXPECT_EQ(BacksInSet(set), set >= 8 && set <= 11 ? 10 : 7) << set;
  }
  // Narrow faces outside the small window take the narrow backs of the B library, set 0 too.
  EXPECT_EQ(BackLibrary(0, true, kLargePictures), "");
  EXPECT_EQ(BackLibrary(0, false, kSmallPictures), "");
  EXPECT_EQ(BackLibrary(0, false, kScaledPictures), "QelCards06B.dll");
  EXPECT_EQ(BackLibrary(4, true, kSmallPictures), "QelCards06B.dll");
}

TEST(PictureNames, Backgrounds) {
  EXPECT_EQ(BackgroundName(2, 0, true), "FonG");
  EXPECT_EQ(BackgroundName(2, 0, false), "FonGB");
  EXPECT_EQ(BackgroundName(2, 1, false), "Fon02ReB");
  EXPECT_EQ(BackgroundName(10, 6, true), "Fon10Fi");
  EXPECT_EQ(BackgroundName(1, 4, false), "Fon01B1B");
  EXPECT_EQ(BackgroundName(7, 5, true), "Fon07B2");
  EXPECT_EQ(BackgroundLibrary(2, 0), "");
  EXPECT_EQ(BackgroundLibrary(3, 0), "QelBackG03.dll");
  EXPECT_EQ(BackgroundLibrary(2, 3), "QelBackG03.dll");
}

TEST(CardSize, ByScaleAndFaceWidth) {
  struct Case {
    double K;
    bool FullWidth;
    CardSize Size;
  };
  const Case cases[] = {
      {1.0, true, {71, 96, kSmallPictures}},    {1.0, false, {71, 96, kSmallPictures}},
      {1.29, true, {71, 96, kSmallPictures}},   {1.3, true, {92, 125, kScaledPictures}},
      {1.3, false, {79, 125, kScaledPictures}}, {1.7, true, {121, 163, kScaledPictures}},
      {2.0, true, {146, 198, kLargePictures}},  {2.1, false, {126, 198, kLargePictures}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ComputeCardSize(c.K, c.FullWidth), c.Size) << c.K;
}

}  // namespace
}  // namespace tarnel
