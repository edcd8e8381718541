#include <gtest/gtest.h>

#include "build_folders.h"
#include "ui/pictures/picture_loader.h"

namespace tarnel {
namespace {

class BuiltinPictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    library_ = ResourceArchive::Open(build::ProgramFolder() / kBuiltinLibrary);
  }
  static void TearDownTestSuite() { library_.reset(); }
  static std::unique_ptr<ResourceArchive> library_;

  void ExpectPng(const std::string& name, int w, int h) {
    auto p = ReadPng(*library_, name);
    ASSERT_TRUE(p) << name;
    EXPECT_EQ(p->Width, w) << name;
    EXPECT_EQ(p->Height, h) << name;
  }
};
std::unique_ptr<ResourceArchive> BuiltinPictures::library_;

TEST_F(BuiltinPictures, CardsBacksAndSuitsAtTheirSizes) {
  ASSERT_TRUE(library_);
  for (int i = 0; i < 36; ++i) {
    ExpectPng(FaceName(i, 0, kSmallPictures), 69, 94);
    ExpectPng(FaceName(i, 0, kLargePictures), 146, 198);
  }
  for (int back = 1; back <= 7; ++back) {
    for (bool sideways : {false, true}) {
      auto size = [&](int w, int h) { return sideways ? std::pair{h, w} : std::pair{w, h}; };
      auto [sw, sh] = size(69, 94);
      ExpectPng(BackName(back, 0, kSmallPictures, true, sideways), sw, sh);
      auto [lw, lh] = size(146, 198);
      ExpectPng(BackName(back, 0, kLargePictures, true, sideways), lw, lh);
      auto [nw, nh] = size(126, 198);
      ExpectPng(BackName(back, 0, kLargePictures, false, sideways), nw, nh);
    }
  }
  // Large cards: transparent corners whose colour appears nowhere on the card, for readers that
  // key the top-left pixel's colour out instead of using alpha.
  for (const char* name : {"Pi5AB", "Kr10B", "Ob01MoB", "Ob07SuRB", "Ob03WeU"}) {
    auto p = ReadPng(*library_, name);
    ASSERT_TRUE(p) << name;
    std::uint32_t key = p->At(0, 0);
    EXPECT_EQ(AlphaOf(key), 0) << name;
    int opaqueKeyed = 0;
    for (auto px : p->Pixels)
      opaqueKeyed += AlphaOf(px) == 255 && (px & 0xFFFFFF) == (key & 0xFFFFFF);
    EXPECT_EQ(opaqueKeyed, 0) << name;
    EXPECT_EQ(AlphaOf(p->At(p->Width / 2, p->Height / 2)), 255) << name;
  }
  for (int suit = 0; suit < 4; ++suit) {
    ExpectPng(SuitSymbolName(suit, 0, false), 20, 20);
    ExpectPng(SuitSymbolName(suit, 0, true), 40, 40);
  }
}

TEST_F(BuiltinPictures, TableAndDialogPicturesAtTheirSizes) {
  ASSERT_TRUE(library_);
  struct Case {
    const char* Name;
    int W, H;
  };
  const Case cases[] = {
      {"GKolodaSmall", 58, 25}, {"GKolodaLarge", 60, 60},   {"TabloSm", 155, 95},
      {"TabloBg", 310, 190},    {"RamkaFBSm", 155, 60},     {"RamkaERSm", 130, 90},
      {"SPBlue", 160, 20},      {"SPFioletB", 320, 40},     {"GCap150", 150, 64},
      {"GCap610", 610, 64},     {"GLenta280x090", 280, 90}, {"GLenta590x116", 590, 116},
      {"R29_L", 8, 29},         {"R29_R", 8, 29},           {"R29_2", 2, 29},
      {"R44_L", 13, 44},        {"R44_2", 2, 44},           {"R59_R", 17, 59},
      {"Q29_L", 8, 29},         {"Q44_R", 13, 44},          {"Q59_2", 2, 59},
      {"CapEng", 400, 70},      {"CapRus", 400, 70},        {"EliteCze", 350, 40},
      {"Net__Chi", 350, 40},    {"FlagOKor", 48, 32},       {"FlagOJap", 48, 32},
  };
  for (const auto& c : cases)
    ExpectPng(c.Name, c.W, c.H);
  for (const char* name :
       {"GKolodaSmallB", "GKolodaLargeB", "RamkaFBBg", "RamkaERBg", "SPRed",    "SPGreenB",
        "SPYellow",      "Hand_Up",       "Hand_Down", "HandList",  "GFree",    "Logo",
        "GClockBG",      "GTimerR",       "GTimerY",   "GMedal",    "GPlace01", "GPlace10",
        "GMEDAL01",      "GMEDAL03",      "GTitle",    "GAClock0",  "GYClockM", "GRClockP",
        "CURARROW",      "CURHAND",       "CURWAIT",   "CUREDIT",   "GAcNoM"}) {
    EXPECT_TRUE(ReadPng(*library_, name)) << name;
  }
  // The classic button middle carries the exact face gradient.
  auto middle = ReadPng(*library_, "R29_2");
  ASSERT_TRUE(middle);
  EXPECT_EQ(middle->At(0, 3), Rgb(232, 173, 173));
  EXPECT_EQ(middle->At(1, 15), Rgb(136, 0, 0));
}

TEST_F(BuiltinPictures, AnimationsHaveTheFramesTheirWindowsStopOn) {
  ASSERT_TRUE(library_);
  struct Case {
    const char* Name;
    int W, H;
    std::size_t MinFrames;
  };
  const Case cases[] = {
      {"GifMenu1", 160, 200, 2},  {"GifMenu2", 160, 200, 2}, {"GEndBest", 100, 200, 26},
      {"GEndGood", 100, 200, 25}, {"GEndBads", 100, 200, 4}, {"GOpt", 90, 120, 36},
      {"GTopTen", 0, 0, 2},       {"GClubA", 0, 0, 2},       {"GClubF", 0, 0, 2},
      {"GClubG", 0, 0, 2},        {"GSirenaB", 40, 40, 2},   {"GSirenaR", 40, 40, 2}};
  for (const auto& c : cases) {
    auto a = ReadGif(*library_, c.Name);
    ASSERT_TRUE(a) << c.Name;
    if (c.W) {
      EXPECT_EQ(a->Width, c.W) << c.Name;
      EXPECT_EQ(a->Height, c.H) << c.Name;
    }
    EXPECT_GE(a->Frames.size(), c.MinFrames) << c.Name;
  }
}

class SilentHost : public PictureHost {
 public:
  void ShowAttention(const std::string& line1, const std::string&, const std::string&) override {
    ADD_FAILURE() << "unexpected attention: " << line1;
  }
  void SwitchOffPurpleDesigns() override { ADD_FAILURE() << "unexpected purple switch"; }
};

TEST(BuiltinLoading, EverySizeClassLoadsWithoutFallingBack) {
  const TableGeometry geometries[] = {{1.0, true, 760, 500},
                                      {1.3, false, 990, 650},
                                      {1.7, false, 1290, 850},
                                      {2.0, false, 1520, 1000}};
  for (const auto& g : geometries) {
    PictureChoice choice;
    SilentHost host;
    PictureLoader loader({build::ProgramFolder()}, choice, host);
    loader.SetGeometry(g);
    EXPECT_TRUE(loader.LoadCardFaces()) << g.K;
    EXPECT_TRUE(loader.LoadBackground(false)) << g.K;
    EXPECT_EQ(loader.Pictures().Background.Width, g.SmallWindow ? 760 : g.WindowWidth);
    EXPECT_EQ(loader.Pictures().Background.Height, g.SmallWindow ? 500 : g.WindowHeight);
    for (int i = 0; i < 36; ++i)
      EXPECT_FALSE(loader.Face(i).Empty()) << i;
    loader.ChooseCurrentBack();
    EXPECT_FALSE(loader.Back(false).Empty());
    EXPECT_FALSE(loader.Back(true).Empty());
  }
}

}  // namespace
}  // namespace tarnel
