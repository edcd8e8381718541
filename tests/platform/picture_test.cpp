#include "platform/picture.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

TEST(ResizePng, CornersStayAndInnerPixelsMixTheirFourNeighbours) {
  Picture p(2, 2, 0, ColourType::RgbAlpha);
  p.At(0, 0) = Argb(255, 0, 0, 0);
  p.At(1, 0) = Argb(255, 200, 0, 0);
  p.At(0, 1) = Argb(0, 0, 100, 0);
  p.At(1, 1) = Argb(100, 0, 0, 40);
  ASSERT_FALSE(ResizePng(p, 3, 3).has_value());
  ASSERT_EQ(p.Width, 3);
  ASSERT_EQ(p.Height, 3);
  EXPECT_EQ(p.At(0, 0), Argb(255, 0, 0, 0));
  EXPECT_EQ(p.At(2, 0), Argb(255, 200, 0, 0));
  EXPECT_EQ(p.At(0, 2), Argb(0, 0, 100, 0));
  EXPECT_EQ(p.At(2, 2), Argb(100, 0, 0, 40));
  EXPECT_EQ(p.At(1, 0), Argb(255, 100, 0, 0));
  // The centre mixes all four, alpha included.
  EXPECT_EQ(p.At(1, 1), Argb(153, 50, 25, 10));
}

TEST(ResizePng, SizesOfOneOrLessLeaveThePictureAlone) {
  Picture wide(5, 1, Rgb(1, 2, 3), ColourType::Rgb);
  Picture square(4, 4, Rgb(1, 2, 3), ColourType::Rgb);
  for (auto [w, h] : {std::pair{1, 8}, {8, 1}, {0, 0}}) {
    Picture copy = square;
    EXPECT_FALSE(ResizePng(copy, w, h).has_value());
    EXPECT_EQ(copy, square);
  }
  Picture copy = wide;
  EXPECT_FALSE(ResizePng(copy, 10, 10).has_value());
  EXPECT_EQ(copy, wide);
}

TEST(ResizePng, OnlyTrueColourPicturesAreAccepted) {
  for (auto type : {ColourType::Grey, ColourType::GreyAlpha, ColourType::Palette}) {
    Picture p(4, 4, Rgb(9, 9, 9), type);
    Picture before = p;
    auto error = ResizePng(p, 8, 8);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "Only COLOR_RGBALPHA and COLOR_RGB formats are supported");
    EXPECT_EQ(p, before);
  }
  Picture rgb(4, 4, Rgb(9, 9, 9), ColourType::Rgb);
  EXPECT_FALSE(ResizePng(rgb, 8, 8).has_value());
  EXPECT_EQ(rgb.Width, 8);
  EXPECT_EQ(rgb.At(7, 7), Rgb(9, 9, 9));
}

TEST(RecolourPng, EverySchemeOnKnownPixels) {
  struct Case {
    int Scheme;
    std::uint32_t In, Out;
  };
  const Case cases[] = {
      {1, Argb(7, 200, 100, 50), Argb(7, 200, 100, 50)},
      {2, Argb(7, 200, 100, 50), Argb(7, 200, 101, 35)},
      {2, Rgb(100, 150, 50), Rgb(100, 150, 50)},  // green not below red: untouched
      {2, Rgb(100, 50, 120), Rgb(100, 50, 120)},  // blue not below red: untouched
      {3, Rgb(200, 100, 50), Rgb(200, 200, 50)},
      {4, Rgb(200, 100, 50), Rgb(100, 200, 50)},
      {5, Rgb(200, 100, 50), Rgb(50, 200, 200)},
      {6, Rgb(200, 100, 50), Rgb(50, 100, 200)},
      {7, Rgb(200, 100, 50), Rgb(200, 100, 200)},
      {8, Argb(9, 10, 20, 30), Argb(9, 18, 18, 18)},
      {9, Rgb(200, 100, 50), Rgb(200, 100, 50)},
  };
  for (const auto& c : cases) {
    Picture p(2, 1, c.In);
    RecolourPng(p, c.Scheme);
    EXPECT_EQ(p.At(1, 0), c.Out) << "scheme " << c.Scheme;
  }
}

TEST(Resample, ReducesAndEnlargesWithoutLeavingTheSourceColours) {
  Picture p(146, 198, Rgb(10, 120, 30));
  for (auto [w, h] : {std::pair{92, 125}, {30, 40}, {292, 396}}) {
    Picture out = Resample(p, w, h);
    ASSERT_EQ(out.Width, w);
    ASSERT_EQ(out.Height, h);
    EXPECT_EQ(out.At(w - 1, h - 1), Rgb(10, 120, 30));
  }
  EXPECT_TRUE(Resample(Picture(), 10, 10).Empty());
}

}  // namespace
}  // namespace tarnel
