// The resource libraries as the build draws them, read through the real loaders.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "build_folders.h"
#include "card_designs.h"
#include "ui/pictures/picture_loader.h"

namespace tarnel {
namespace {

class StrictHost : public PictureHost {
 public:
  void ShowAttention(const std::string& line1, const std::string&, const std::string&) override {
    ADD_FAILURE() << "fell back: " << line1;
  }
  void SwitchOffPurpleDesigns() override { ADD_FAILURE() << "purple designs switched off"; }
};

struct SizeClassCase {
  const char* Name;
  TableGeometry Geometry;
  int CardSizeClass;
};
const SizeClassCase kSizeClasses[] = {{"small", {1.0, true, 760, 500}, kSmallPictures},
                                      {"scaled", {1.7, false, 1290, 850}, kScaledPictures},
                                      {"large", {2.0, false, 1520, 1000}, kLargePictures}};

std::pair<int, int> FaceSize(int design, int cardSizeClass) {
  if (cardSizeClass == kSmallPictures) return {kSmallFaceWidth, kSmallFaceHeight};
  return {FullWidthFaces(design) ? kLargeFaceWidth : kNarrowFaceWidth, kLargeFaceHeight};
}

TEST(LibraryPictures, EveryDesignLoadsInEverySizeClass) {
  for (const auto& c : kSizeClasses) {
    for (int design = 1; design < kDesignCount; ++design) {
      SCOPED_TRACE(std::string(c.Name) + " design " + std::to_string(design));
      PictureChoice choice;
      choice.CardDesign = design;
      StrictHost host;
      PictureLoader loader({build::ProgramFolder()}, choice, host);
      loader.SetGeometry(c.Geometry);
      ASSERT_TRUE(loader.LoadCardFaces());
      EXPECT_EQ(choice.CardDesign, design);
      EXPECT_EQ(loader.Size().CardSizeClass, c.CardSizeClass);
      auto [w, h] = FaceSize(design, c.CardSizeClass);
      for (int i = 0; i < 36; ++i) {
        EXPECT_EQ(loader.Face(i).Width, w) << i;
        EXPECT_EQ(loader.Face(i).Height, h) << i;
      }
      const auto& pictures = loader.Pictures();
      for (int suit = 0; suit < 4; ++suit) {
        EXPECT_EQ(pictures.SmallSuits[suit].Width, kSmallSuitSize);
        // The symbol's surround is keyed out, its middle is not.
        EXPECT_EQ(AlphaOf(pictures.SmallSuits[suit].At(0, 0)), 0) << suit;
        EXPECT_EQ(AlphaOf(pictures.SmallSuits[suit].At(10, 10)), 255) << suit;
        EXPECT_FALSE(pictures.LargeSuits[suit].Empty());
      }
      // Narrow designs take narrow backs, from the card library even for the built-in set.
      SeededRandom random(1);
      loader.ChooseCurrentBack(3, random);
      ASSERT_FALSE(loader.Back(false).Empty());
      EXPECT_EQ(loader.Back(false).Width, w);
    }
  }
}

TEST(LibraryPictures, EveryBackSetLoadsForFullWidthAndNarrowFaces) {
  for (const auto& c : kSizeClasses) {
    for (int design : {1, 32}) {  // full width, narrow
      for (int backSet = 0; backSet < kBackSetCount; ++backSet) {
        SCOPED_TRACE(std::string(c.Name) + " design " + std::to_string(design) + " set " +
                     std::to_string(backSet));
        PictureChoice choice;
        choice.CardDesign = design;
        choice.BackSet = backSet;
        StrictHost host;
        PictureLoader loader({build::ProgramFolder()}, choice, host);
        loader.SetGeometry(c.Geometry);
        ASSERT_TRUE(loader.LoadCardFaces());
        EXPECT_EQ(choice.BackSet, backSet);
        auto [w, h] = FaceSize(design, c.CardSizeClass);
        const auto& p = loader.Pictures();
        bool small = c.CardSizeClass == kSmallPictures;
        const auto& upright = small ? p.SmallBacks : p.LargeBacks;
        const auto& sideways = small ? p.SmallBacksSideways : p.LargeBacksSideways;
        ASSERT_EQ(upright.size(), static_cast<std::size_t>(BacksInSet(backSet)));
        ASSERT_EQ(sideways.size(), upright.size());
        for (std::size_t i = 0; i < upright.size(); ++i) {
          EXPECT_EQ(upright[i].Width, w) << i;
          EXPECT_EQ(upright[i].Height, h) << i;
          EXPECT_EQ(sideways[i].Width, h) << i;
          EXPECT_EQ(sideways[i].Height, w) << i;
        }
        // Backs of one set differ from each other.
        EXPECT_TRUE(upright.front().Pixels != upright.back().Pixels);
      }
    }
  }
}

TEST(LibraryPictures, EveryClothAndColourLoadsInBothWindowForms) {
  for (bool smallWindow : {true, false}) {
    TableGeometry g =
        smallWindow ? TableGeometry{1.0, true, 760, 500} : TableGeometry{1.7, false, 1290, 850};
    for (int index = 1; index <= 10; ++index) {
      for (int colour = 0; colour < 7; ++colour) {
        SCOPED_TRACE("cloth " + std::to_string(index) + " colour " + std::to_string(colour));
        PictureChoice choice;
        choice.BackgroundIndex = index;
        choice.BackgroundColour = colour;
        StrictHost host;
        PictureLoader loader({build::ProgramFolder()}, choice, host);
        loader.SetGeometry(g);
        ASSERT_TRUE(loader.LoadBackground(false));
        EXPECT_EQ(choice.BackgroundIndex, index);
        EXPECT_EQ(choice.BackgroundColour, colour);
        EXPECT_EQ(loader.Pictures().Background.Width, g.WindowWidth);
        EXPECT_EQ(loader.Pictures().Background.Height, g.WindowHeight);
      }
    }
  }
}

class RenderedFaces : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "library_pictures_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = new QGuiApplication(argc, argv);
  }
  static void TearDownTestSuite() {
    delete app_;
    app_ = nullptr;
  }
  static QGuiApplication* app_;
};
QGuiApplication* RenderedFaces::app_ = nullptr;

TEST_F(RenderedFaces, LoadingRestoresTheInvertedEllipse) {
  // An SVG deck and a generated design, full width and narrow, number, court and ace cards.
  const struct {
    int Design, Card;
  } cases[] = {{3, 0}, {3, 33}, {12, 22}, {12, 35}, {29, 28}, {41, 5}, {46, 35}};
  for (const auto& c : kSizeClasses) {
    if (c.CardSizeClass == kScaledPictures) continue;  // same pictures as large
    for (const auto& k : cases) {
      SCOPED_TRACE(std::string(c.Name) + " design " + std::to_string(k.Design) + " card " +
                   std::to_string(k.Card));
      PictureChoice choice;
      choice.CardDesign = k.Design;
      StrictHost host;
      PictureLoader loader({build::ProgramFolder()}, choice, host);
      loader.SetGeometry(c.Geometry);
      ASSERT_TRUE(loader.LoadCardFaces());
      const Picture& loaded = loader.Face(k.Card);
      Picture source = libraries::RenderFace(k.Design, k.Card, c.CardSizeClass == kLargePictures);
      ASSERT_EQ(loaded.Width, source.Width);
      ASSERT_EQ(loaded.Height, source.Height);
      // The centre lies inside the ellipse, the corner outside, a point on the ellipse's
      // left edge just inside it.
      for (auto [x, y] : {std::pair{loaded.Width / 2, loaded.Height / 2},
                          {3, 3},
                          {11, loaded.Height / 2},
                          {loaded.Width / 3, loaded.Height / 4}}) {
        if (AlphaOf(source.At(x, y)) == 0) continue;
        EXPECT_EQ(loaded.At(x, y), source.At(x, y)) << x << "," << y;
      }
      int differing = 0;
      for (std::size_t i = 0; i < loaded.Pixels.size(); ++i)
        differing += AlphaOf(source.Pixels[i]) != 0 && loaded.Pixels[i] != source.Pixels[i];
      EXPECT_EQ(differing, 0);
    }
  }
}

TEST(LibraryPictures, SharedNumberCardsComeFromTheDesignOfTheirCode) {
  // Design 6 shows design 2's number cards and its own aces.
  auto faceOf = [](int design, int card) {
    PictureChoice choice;
    choice.CardDesign = design;
    StrictHost host;
    PictureLoader loader({build::ProgramFolder()}, choice, host);
    EXPECT_TRUE(loader.LoadCardFaces());
    return loader.Face(card);
  };
  EXPECT_TRUE(faceOf(6, 0).Pixels == faceOf(2, 0).Pixels);
  EXPECT_TRUE(faceOf(6, 32).Pixels != faceOf(2, 32).Pixels);
  // Designs 9 and 40 share a code but not their pictures.
  EXPECT_TRUE(faceOf(9, 20).Pixels != faceOf(40, 20).Pixels);
}

}  // namespace
}  // namespace tarnel

namespace tarnel {
namespace {

TEST(LibraryPictures, PurpleMenuBackgroundStretchesToTheWindow) {
  PictureChoice choice;
  StrictHost host;
  PictureLoader loader({build::ProgramFolder()}, choice, host);
  loader.SetGeometry({1.7, false, 1290, 850});
  ASSERT_TRUE(loader.LoadBackground(true));
  EXPECT_EQ(loader.Pictures().Background.Width, 1290);
  EXPECT_EQ(loader.Pictures().Background.Height, 850);
}

TEST(LibraryPictures, PurpleAndRibbonDialogsFindTheirPictures) {
  ResourceLocator locator{build::ProgramFolder()};
  const char* suffixes[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"};
  const char* forms[] = {"Opt",    "Speed",    "Pass",  "EndG",    "History", "Adv",    "Thank",
                         "Acc1",   "About",    "Chat",  "Count",   "Pw",      "Radio",  "ServerW",
                         "Stat",   "TopTen",   "Tour",  "Wait",    "ChatL",   "CountL", "PwL",
                         "RadioL", "ServerWL", "StatL", "TopTenL", "TourL"};
  for (std::string form : forms) {
    std::string name = "GForm" + form;
    Picture background;
    ASSERT_TRUE(LoadJpegResource(locator, name, kGraphicsLibrary, background)) << name;
    for (const char* suffix : suffixes) {
      // The header lies over the background at (0, 0) and leaves most of it showing.
      Picture header;
      ASSERT_TRUE(LoadPngResource(locator, name + suffix, kGraphicsLibrary, header))
          << name + suffix;
      EXPECT_EQ(header.Width, background.Width) << name + suffix;
      EXPECT_EQ(header.Height, background.Height) << name + suffix;
      int opaque = 0;
      for (auto p : header.Pixels)
        opaque += AlphaOf(p) > 0;
      EXPECT_GT(opaque, 100) << name + suffix;
      EXPECT_LT(opaque, static_cast<int>(header.Pixels.size()) / 4) << name + suffix;
    }
    if (form.back() == 'L') continue;
    Picture icons;
    ASSERT_TRUE(LoadPngResource(locator, "GIcon48" + form, kGraphicsLibrary, icons)) << form;
    EXPECT_EQ(icons.Width, 480);
    EXPECT_EQ(icons.Height, 48);
  }
  const char* strips[] = {"Pw",           "Speed",        "Passport",
                          "EndGame",      "History",      "Options",
                          "CountInfo",    "OurGames",     "SupportUs",
                          "MyAccount",    "MyAccountR",   "Radio",
                          "WorldTopTen1", "WorldTopTen2", "QelGamesChat",
                          "WorldStats",   "OnlineTopTen", "WorldOnlineTournament"};
  for (std::string strip : strips) {
    for (const char* suffix : suffixes) {
      Picture picture;
      ASSERT_TRUE(LoadPngResource(locator, strip + suffix, kGraphicsLibrary, picture))
          << strip + suffix;
      EXPECT_EQ(picture.Height, 48) << strip + suffix;
    }
  }
  Picture touch;
  ASSERT_TRUE(LoadPngResource(locator, "GTouch", kGraphicsLibrary, touch));
  EXPECT_EQ(touch.Width, 3000);
  EXPECT_EQ(touch.Height, 100);
  // Each frame shows something, and the burst changes from frame to frame.
  auto frameSum = [&](int frame) {
    long sum = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 100; ++x)
        sum += AlphaOf(touch.At(frame * 100 + x, y));
    return sum;
  };
  EXPECT_GT(frameSum(0), 0);
  EXPECT_GT(frameSum(28), 0);
  EXPECT_NE(frameSum(0), frameSum(15));
}

}  // namespace
}  // namespace tarnel
