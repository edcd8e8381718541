#include "ui/button/button_face.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tarnel {
namespace {

struct TintCase {
  std::uint32_t In;
  TColorSB Style;
  int Light;
  std::uint32_t Out;
};

TEST(TintColour, EveryStyleAndTheLighteningRoundHalvesToEven) {
  const TintCase cases[] = {
      {Rgb(232, 173, 173), TColorSB::DNavy, 0, Rgb(173, 173, 232)},
      {Rgb(128, 0, 0), TColorSB::DRed, 50, Rgb(192, 128, 128)},  // 191.5 and 127.5
      {Rgb(200, 100, 50), TColorSB::DRed, 0, Rgb(200, 100, 50)},
      {Rgb(200, 100, 50), TColorSB::DGreen, 0, Rgb(100, 200, 50)},
      {Rgb(200, 100, 50), TColorSB::DBlue, 0, Rgb(50, 200, 200)},
      {Rgb(200, 100, 50), TColorSB::DNavy, 0, Rgb(50, 100, 200)},
      {Rgb(200, 100, 50), TColorSB::DYellow, 0, Rgb(200, 200, 50)},
      {Rgb(200, 100, 50), TColorSB::DViolet, 0, Rgb(200, 100, 200)},
      {Rgb(200, 100, 50), TColorSB::DOrang, 0, Rgb(200, 101, 35)},
      // 0.7 * 15 = 10.5 goes down to 10, and the green uses that new blue.
      {Rgb(200, 100, 15), TColorSB::DOrang, 0, Rgb(200, 86, 10)},
      {Rgb(100, 150, 50), TColorSB::DOrang, 0, Rgb(100, 150, 50)},  // not reddish: unchanged
      {Rgb(200, 90, 200), TColorSB::DOrang, 0, Rgb(200, 90, 200)},
      {Rgb(200, 100, 50), TColorSB::DCards, 0, Rgb(140, 0, 200)},
      {Rgb(15, 0, 0), TColorSB::DCards, 0, Rgb(10, 0, 15)},  // 10.5 to 10
      {Rgb(200, 100, 50), TColorSB::DNavy, 20, Rgb(91, 131, 211)},
      {Argb(77, 128, 0, 0), TColorSB::DBlue, 100, Argb(77, 255, 255, 255)},  // alpha kept
      {Argb(0, 1, 2, 3), TColorSB::DRed, 0, Argb(0, 1, 2, 3)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TintColour(c.In, c.Style, c.Light), c.Out)
        << std::hex << c.In << " style " << static_cast<int>(c.Style) << " light " << std::dec
        << c.Light;
  }
}

TEST(TintPicture, ClassicLookTintsEveryPixelAndKeepsAlpha) {
  Picture p(3, 1);
  p.At(0, 0) = Argb(255, 128, 0, 0);
  p.At(1, 0) = Argb(40, 232, 173, 173);
  p.At(2, 0) = Argb(255, 20, 20, 20);  // far from red: still tinted in the classic look
  TintPicture(p, TColorSB::DNavy, ButtonLook::Classic, 50);
  EXPECT_EQ(p.At(0, 0), TintColour(Argb(255, 128, 0, 0), TColorSB::DNavy, 50));
  EXPECT_EQ(p.At(1, 0), Argb(40, 214, 214, 244));
  EXPECT_EQ(p.At(2, 0), Rgb(138, 138, 138));

  Picture untouched = p;
  TintPicture(untouched, TColorSB::DRed, ButtonLook::New, 0);
  EXPECT_EQ(untouched, p);
}

// The new look keeps its outline and shine: pixels 180 or more away from pure red are neither
// recoloured in DCards nor lightened in any style.
TEST(TintPicture, NewLookSparesPixelsFarFromRed) {
  const std::uint32_t nearRed = Rgb(255, 179, 0);  // distance 179
  const std::uint32_t farRed = Rgb(255, 180, 0);   // distance 180
  const std::uint32_t dark = Argb(128, 60, 20, 20);
  auto tint = [](std::uint32_t pixel, TColorSB style, int light) {
    Picture p(1, 1, pixel);
    TintPicture(p, style, ButtonLook::New, light);
    return p.At(0, 0);
  };
  EXPECT_EQ(tint(nearRed, TColorSB::DCards, 0), Rgb(153, 125, 255));
  EXPECT_EQ(tint(Rgb(200, 0, 0), TColorSB::DCards, 0), Rgb(120, 0, 200));
  EXPECT_EQ(tint(Rgb(200, 0, 0), TColorSB::DCards, 50), Rgb(188, 128, 228));
  EXPECT_EQ(tint(farRed, TColorSB::DCards, 50), farRed);
  EXPECT_EQ(tint(dark, TColorSB::DCards, 0), dark);

  EXPECT_EQ(tint(Rgb(200, 0, 0), TColorSB::DNavy, 50), Rgb(128, 128, 228));
  EXPECT_EQ(tint(dark, TColorSB::DNavy, 50), Argb(128, 20, 20, 60));  // recoloured, not lightened
  EXPECT_EQ(tint(farRed, TColorSB::DRed, 50), farRed);
}

TEST(GradientRows, OneRowPerPixelRowExceptTheLast) {
  for (int h : {30, 45, 60}) {
    auto rows = GradientRows(h);
    ASSERT_EQ(static_cast<int>(rows.size()), h - 1);
    EXPECT_EQ(rows.front(), Rgb(128, 0, 0));
    EXPECT_EQ(rows.back(), Rgb(128, 0, 0));
  }
  auto rows30 = GradientRows(30);
  EXPECT_EQ(rows30[3], Rgb(232, 173, 173));
  EXPECT_EQ(rows30[14], Rgb(152, 36, 36));
  EXPECT_EQ(rows30[15], Rgb(136, 0, 0));
  EXPECT_EQ(rows30[27], Rgb(238, 0, 0));
  EXPECT_EQ(GradientRows(45)[22], Rgb(153, 34, 34));
  EXPECT_EQ(GradientRows(45)[42], Rgb(244, 0, 0));
  EXPECT_EQ(GradientRows(60)[29], Rgb(150, 33, 33));
  EXPECT_EQ(GradientRows(60)[57], Rgb(246, 0, 0));
  EXPECT_TRUE(GradientRows(40).empty());
  EXPECT_TRUE(GradientRows(29).empty());
}

TEST(FaceFor, SkinSizeAndCapWidthByHeight) {
  struct Case {
    int Height, Base, SkinCap, Cap;
    bool Exact;
  };
  const Case cases[] = {
      {30, 30, 8, 8, true},    {15, 30, 8, 4, false},   {20, 30, 8, 5, false},
      {31, 45, 13, 9, false},  {40, 45, 13, 12, false}, {45, 45, 13, 13, true},
      {46, 60, 17, 13, false}, {50, 60, 17, 14, false}, {60, 60, 17, 17, true},
      {90, 60, 17, 26, false},  // 25.5 rounds to even
  };
  for (const auto& c : cases) {
    const FaceGeometry f = FaceFor(100, c.Height);
    EXPECT_EQ(f.BaseHeight, c.Base) << c.Height;
    EXPECT_EQ(f.SkinHeight, c.Base - 1) << c.Height;
    EXPECT_EQ(f.SkinCap, c.SkinCap) << c.Height;
    EXPECT_EQ(f.Cap, c.Cap) << c.Height;
    EXPECT_EQ(f.Exact, c.Exact) << c.Height;
  }
  const FaceGeometry f = FaceFor(100, 40);
  EXPECT_EQ(f.LeftCap(), (FaceRect{0, 0, 12, 39}));
  EXPECT_EQ(f.RightCap(), (FaceRect{87, 0, 99, 39}));
  EXPECT_EQ(f.Middle(), (FaceRect{12, 0, 88, 39}));
  const FaceGeometry exact = FaceFor(100, 30);
  EXPECT_EQ(exact.GradientLeft(), 8);
  EXPECT_EQ(exact.GradientRight(), 91);  // up to the right cap, which starts at 91

  EXPECT_EQ(SkinName(ButtonLook::Classic, 29, 'L'), "R29_L");
  EXPECT_EQ(SkinName(ButtonLook::New, 59, '2'), "Q59_2");
}

TEST(FaceFor, OnlyTheClassicLookAtExactHeightsUsesTheGradient) {
  EXPECT_TRUE(UsesGradient(FaceFor(100, 30), TColorSB::DNavy, ButtonLook::Classic));
  EXPECT_TRUE(UsesGradient(FaceFor(100, 60), TColorSB::DRed, ButtonLook::Classic));
  EXPECT_FALSE(UsesGradient(FaceFor(100, 40), TColorSB::DRed, ButtonLook::Classic));
  EXPECT_FALSE(UsesGradient(FaceFor(100, 30), TColorSB::DCards, ButtonLook::Classic));
  EXPECT_FALSE(UsesGradient(FaceFor(100, 30), TColorSB::DRed, ButtonLook::New));
}

TEST(GlyphPosition, SideDistancesAndVerticalCentre) {
  struct Case {
    int Height;
    GlyphLayout Layout;
    FacePoint At;
  };
  const Case cases[] = {
      {30, GlyphLayout::Left, {15, 6}},  // (30 - 16 - 1) / 2 = 6.5 rounds to 6
      {30, GlyphLayout::Right, {69, 6}},  {30, GlyphLayout::Bottom, {42, 6}},
      {45, GlyphLayout::Left, {18, 14}},  {60, GlyphLayout::Right, {64, 22}},  // 21.5 rounds to 22
      {40, GlyphLayout::Left, {19, 12}},                                       // 1.6 * 12 = 19.2
      {40, GlyphLayout::Right, {65, 12}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GlyphPosition(FaceFor(100, c.Height), c.Layout, 16, 16), c.At) << c.Height;
}

TEST(CaptionFor, PressedNewLookAndMargins) {
  const FaceGeometry f30 = FaceFor(100, 30), f40 = FaceFor(100, 40);
  auto rect = [](const FaceGeometry& f, ButtonLook look, bool pressed, bool margin,
                 GlyphLayout layout) {
    return CaptionFor(f, look, pressed, margin, layout, 16, 12);
  };
  auto plain = rect(f30, ButtonLook::Classic, false, false, GlyphLayout::Left);
  EXPECT_TRUE(plain.Centred);
  EXPECT_EQ(plain.Rect, (FaceRect{0, 0, 100, 30}));
  EXPECT_EQ(rect(f30, ButtonLook::Classic, true, false, GlyphLayout::Left).Rect,
            (FaceRect{1, 1, 101, 31}));
  EXPECT_EQ(rect(f30, ButtonLook::New, true, false, GlyphLayout::Left).Rect,
            (FaceRect{1, 0, 101, 30}));

  auto left = rect(f30, ButtonLook::Classic, false, true, GlyphLayout::Left);
  EXPECT_FALSE(left.Centred);
  EXPECT_EQ(left.Rect, (FaceRect{41, 0, 100, 30}));
  EXPECT_EQ(rect(f40, ButtonLook::Classic, false, true, GlyphLayout::Right).Rect,
            (FaceRect{0, 0, 62, 40}));  // 16 + 12 + 10
  EXPECT_EQ(rect(FaceFor(100, 60), ButtonLook::Classic, false, true, GlyphLayout::Bottom).Rect,
            (FaceRect{0, 0, 100, 18}));  // 12 + 30 from the bottom
}

TEST(FocusMarkFor, ClassicRingInsetsAndColours) {
  const FocusMark m30 = FocusMarkFor(FaceFor(100, 30), TColorSB::DRed, ButtonLook::Classic, false);
  EXPECT_FALSE(m30.Dots);
  EXPECT_EQ(m30.Ring, (FaceRect{7, 4, 93, 26}));
  EXPECT_EQ(m30.Corner, 7);
  EXPECT_EQ(m30.Colour, Rgb(255, 200, 200));
  EXPECT_EQ(FocusMarkFor(FaceFor(100, 30), TColorSB::DRed, ButtonLook::Classic, true).Ring,
            (FaceRect{8, 5, 94, 27}));
  const FocusMark m60 = FocusMarkFor(FaceFor(100, 60), TColorSB::DRed, ButtonLook::Classic, false);
  EXPECT_EQ(m60.Ring, (FaceRect{11, 6, 89, 54}));
  EXPECT_EQ(m60.Corner, 11);

  struct Odd {
    int Height, G, B, Corner;
  };
  for (const Odd& c :
       {Odd{40, 10, 5, 10}, Odd{20, 4, 3, 6}, Odd{25, 6, 4, 8}, Odd{90, 21, 6, 12}}) {
    const FocusMark m =
        FocusMarkFor(FaceFor(100, c.Height), TColorSB::DRed, ButtonLook::Classic, false);
    EXPECT_EQ(m.Ring, (FaceRect{c.G, c.B, 100 - c.G, c.Height - c.B})) << c.Height;
    EXPECT_EQ(m.Corner, c.Corner) << c.Height;
  }

  const std::uint32_t ring[] = {Rgb(255, 200, 200), Rgb(200, 200, 255), Rgb(200, 255, 200),
                                Rgb(200, 255, 200), Rgb(255, 200, 200), Rgb(255, 255, 200),
                                Rgb(255, 128, 64),  Rgb(200, 175, 50)};
  const std::uint32_t dot[] = {Rgb(255, 255, 0),   Rgb(0, 0, 255),    Rgb(0, 0, 255),
                               Rgb(0, 255, 0),     Rgb(255, 0, 0),    Rgb(255, 255, 255),
                               Rgb(255, 255, 255), Rgb(220, 180, 255)};
  for (int s = 0; s < kColorSBCount; ++s) {
    const auto style = static_cast<TColorSB>(s);
    EXPECT_EQ(FocusMarkFor(FaceFor(100, 30), style, ButtonLook::Classic, false).Colour, ring[s]);
    EXPECT_EQ(FocusMarkFor(FaceFor(100, 30), style, ButtonLook::New, false).Colour, dot[s]);
  }
}

TEST(FocusMarkFor, NewLookDotsBySizeAndPressed) {
  struct Case {
    int Height;
    bool Pressed;
    FaceRect Left, Right;
  };
  const Case cases[] = {
      {30, false, {10, 13, 14, 17}, {86, 13, 90, 17}},
      {30, true, {11, 14, 15, 18}, {87, 14, 91, 18}},
      {45, false, {13, 20, 18, 25}, {82, 20, 87, 25}},  // 22.5 - 2.5 = 20
      {60, false, {15, 27, 21, 33}, {79, 27, 85, 33}},
      {40, false, {12, 18, 17, 23}, {83, 18, 88, 23}},  // 17.5 rounds to 18; q = 12
      {20, false, {5, 8, 8, 11}, {92, 8, 95, 11}},      // 8.5 rounds to 8
      {70, false, {20, 32, 27, 39}, {73, 32, 80, 39}},  // diameter 7, q = 20 (19.83)
  };
  for (const auto& c : cases) {
    const FocusMark m =
        FocusMarkFor(FaceFor(100, c.Height), TColorSB::DRed, ButtonLook::New, c.Pressed);
    EXPECT_TRUE(m.Dots);
    EXPECT_EQ(m.LeftDot, c.Left) << c.Height << " pressed " << c.Pressed;
    EXPECT_EQ(m.RightDot, c.Right) << c.Height << " pressed " << c.Pressed;
  }
}

// Skins of one colour per half, so resampling and stretching can be told apart.
SkinSet TwoToneSkins(int cap, int height) {
  SkinSet s{Picture(cap, height, Rgb(200, 0, 0)), Picture(cap, height, Rgb(200, 0, 0)),
            Picture(2, height, Rgb(150, 0, 0))};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < cap / 2; ++x)
      s.Left.At(x, y) = Rgb(0, 0, 0);
  return s;
}

bool HasMixedRed(const Picture& p) {
  for (auto px : p.Pixels)
    if (RedOf(px) != 0 && RedOf(px) != 200) return true;
  return false;
}

TEST(PrepareFace, CapsSizedAndTintedForTheHeight) {
  const SkinSet skins44 = TwoToneSkins(13, 44);
  const FaceParts smooth =
      PrepareFace(skins44, FaceFor(100, 40), TColorSB::DRed, ButtonLook::Classic, 0, true);
  EXPECT_EQ(smooth.LeftCap.Width, 12);
  EXPECT_EQ(smooth.LeftCap.Height, 39);
  EXPECT_EQ(smooth.RightCap.Width, 12);
  EXPECT_EQ(smooth.Middle.Width, 2);
  EXPECT_EQ(smooth.Middle.Height, 39);
  EXPECT_TRUE(smooth.Rows.empty());
  EXPECT_TRUE(HasMixedRed(smooth.LeftCap));  // bilinear edge between the halves

  const FaceParts stretched =
      PrepareFace(skins44, FaceFor(100, 40), TColorSB::DRed, ButtonLook::Classic, 0, false);
  EXPECT_EQ(stretched.LeftCap.Width, 12);
  EXPECT_FALSE(HasMixedRed(stretched.LeftCap));

  const FaceParts navy = PrepareFace(TwoToneSkins(8, 29), FaceFor(100, 30), TColorSB::DNavy,
                                     ButtonLook::Classic, 0, true);
  EXPECT_EQ(navy.LeftCap.Width, 8);
  EXPECT_EQ(navy.RightCap.At(7, 28), Rgb(0, 0, 200));
  ASSERT_EQ(navy.Rows.size(), 29u);
  EXPECT_EQ(navy.Rows[3], Rgb(173, 173, 232));

  const FaceParts cards = PrepareFace(TwoToneSkins(8, 29), FaceFor(100, 30), TColorSB::DCards,
                                      ButtonLook::Classic, 50, true);
  EXPECT_TRUE(cards.Rows.empty());  // the middle skin instead
  EXPECT_EQ(cards.Middle.At(0, 0), TintColour(Rgb(150, 0, 0), TColorSB::DCards, 50));

  EXPECT_TRUE(PrepareFace(skins44, FaceFor(100, 1), TColorSB::DRed, ButtonLook::Classic, 0, true)
                  .LeftCap.Empty());
  const FaceParts missing =
      PrepareFace(SkinSet{}, FaceFor(100, 30), TColorSB::DRed, ButtonLook::Classic, 0, true);
  EXPECT_TRUE(missing.LeftCap.Empty());
  EXPECT_EQ(missing.Rows.size(), 29u);
}

TEST(StretchNearest, RepeatsAndDropsWholePixels) {
  Picture p(2, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x)
      p.At(x, y) = Rgb(x, y, 0);
  const Picture wide = StretchNearest(p, 4, 2);
  EXPECT_EQ(wide.At(0, 0), Rgb(0, 0, 0));
  EXPECT_EQ(wide.At(1, 0), Rgb(0, 0, 0));
  EXPECT_EQ(wide.At(2, 0), Rgb(1, 0, 0));
  EXPECT_EQ(wide.At(3, 1), Rgb(1, 1, 0));  // row 1 of 2 takes source row 1 of 3
  EXPECT_TRUE(StretchNearest(p, 0, 2).Empty());
}

}  // namespace
}  // namespace tarnel
