#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/picture_codecs.h"

namespace tarnel {
namespace {

Picture Gradient(int w, int h, bool alpha) {
  Picture p(w, h, 0, alpha ? ColourType::RgbAlpha : ColourType::Rgb);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      p.At(x, y) = Argb(alpha ? (x * 37 + y) % 256 : 255, x * 255 / w, y * 255 / h, 90);
  return p;
}

// Every prefix and a set of single-byte changes of a good file must decode or fail cleanly.
template <typename Decode>
void SurvivesDamage(const Bytes& good, Decode decode) {
  for (std::size_t n = 0; n < good.size(); n += 1 + good.size() / 97) {
    Bytes cut(good.begin(), good.begin() + n);
    (void)decode(cut);
  }
  for (std::size_t i = 0; i < good.size(); i += 1 + good.size() / 61) {
    Bytes bad = good;
    bad[i] ^= 0x5A;
    (void)decode(bad);
  }
}

TEST(Png, RoundTripKeepsPixelsAndColourType) {
  Picture rgba = Gradient(13, 7, true);
  auto back = DecodePng(EncodePng(rgba));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Type, ColourType::RgbAlpha);
  EXPECT_EQ(back->Pixels, rgba.Pixels);

  Picture rgb = Gradient(5, 9, false);
  back = DecodePng(EncodePng(rgb));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Type, ColourType::Rgb);
  EXPECT_EQ(back->Pixels, rgb.Pixels);

  Picture grey(3, 3, Rgb(77, 77, 77), ColourType::Grey);
  back = DecodePng(EncodePng(grey));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Type, ColourType::Grey);
  EXPECT_EQ(back->At(2, 2), Rgb(77, 77, 77));
}

TEST(Png, DamagedOrForeignBytesFailCleanly) {
  Bytes good = EncodePng(Gradient(20, 20, true));
  SurvivesDamage(good, [](const Bytes& b) { return DecodePng(b); });
  EXPECT_FALSE(DecodePng(Bytes{}));
  EXPECT_FALSE(DecodePng(Bytes(good.begin(), good.begin() + good.size() / 2)));
  Bytes text{'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'};
  EXPECT_FALSE(DecodePng(text));
}

TEST(Jpeg, RoundTripIsCloseAndDamageFailsCleanly) {
  Picture p(32, 24, Rgb(40, 160, 90), ColourType::Rgb);
  for (int x = 16; x < 32; ++x)
    for (int y = 0; y < 24; ++y)
      p.At(x, y) = Rgb(200, 30, 30);
  Bytes jpeg = EncodeJpeg(p, 95);
  auto back = DecodeJpeg(jpeg);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->Width, 32);
  ASSERT_EQ(back->Height, 24);
  EXPECT_EQ(back->Type, ColourType::Rgb);
  auto near = [](std::uint32_t a, std::uint32_t b) {
    return std::abs(RedOf(a) - RedOf(b)) < 8 && std::abs(GreenOf(a) - GreenOf(b)) < 8 &&
           std::abs(BlueOf(a) - BlueOf(b)) < 8 && AlphaOf(a) == 255;
  };
  EXPECT_TRUE(near(back->At(4, 4), Rgb(40, 160, 90)));
  EXPECT_TRUE(near(back->At(28, 20), Rgb(200, 30, 30)));

  SurvivesDamage(jpeg, [](const Bytes& b) { return DecodeJpeg(b); });
  EXPECT_FALSE(DecodeJpeg(EncodePng(p)));
}

TEST(Gif, FramesDelaysLoopAndTransparencyRoundTrip) {
  Animation a;
  a.Width = 6;
  a.Height = 4;
  a.LoopCount = 0;
  for (int f = 0; f < 3; ++f) {
    Picture frame(6, 4, Rgb(0, 0, 200));
    frame.At(f, 1) = Rgb(250, 250, 0);
    frame.At(5, 3) = 0;  // transparent
    a.Frames.push_back({frame, 40 + 10 * f});
  }
  auto back = DecodeGif(EncodeGif(a));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Width, 6);
  EXPECT_EQ(back->LoopCount, 0);
  ASSERT_EQ(back->Frames.size(), 3u);
  for (int f = 0; f < 3; ++f) {
    const Picture& img = back->Frames[f].Image;
    EXPECT_EQ(back->Frames[f].DelayMs, 40 + 10 * f);
    EXPECT_EQ(img.At(f, 1), Rgb(250, 250, 0));
    EXPECT_EQ(img.At((f + 1) % 5, 1), Rgb(0, 0, 200));  // the previous frame's mark is gone
    EXPECT_EQ(AlphaOf(img.At(5, 3)), 0);
  }
}

TEST(Gif, ManyColoursAreQuantisedCloseToTheSource) {
  Animation a;
  a.Width = 64;
  a.Height = 64;
  Picture frame(64, 64, 0);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      frame.At(x, y) = Rgb(x * 4, y * 4, (x + y) * 2);
  a.Frames.push_back({frame, 100});
  auto back = DecodeGif(EncodeGif(a));
  ASSERT_TRUE(back);
  ASSERT_EQ(back->Frames.size(), 1u);
  long error = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      auto p = back->Frames[0].Image.At(x, y);
      error += std::abs(RedOf(p) - x * 4) + std::abs(GreenOf(p) - y * 4);
    }
  EXPECT_LT(error / (64 * 64), 12);
}

TEST(Gif, TruncationKeepsWholeFramesAndHostileHeadersAreRefused) {
  Animation a;
  a.Width = 8;
  a.Height = 8;
  for (int f = 0; f < 2; ++f)
    a.Frames.push_back({Picture(8, 8, Rgb(f * 100, 0, 0)), 100});
  Bytes gif = EncodeGif(a);
  SurvivesDamage(gif, [](const Bytes& b) { return DecodeGif(b); });
  // Cut inside the second frame: the first still shows.
  Bytes cut(gif.begin(), gif.end() - 8);
  auto partial = DecodeGif(cut);
  ASSERT_TRUE(partial);
  EXPECT_EQ(partial->Frames.size(), 1u);

  Bytes huge{'G', 'I', 'F', '8',  '9',  'a',  0xFF, 0xFF, 0xFF, 0xFF, 0,    0,    0, ',', 0,
             0,   0,   0,   0xFF, 0xFF, 0xFF, 0xFF, 0,    2,    2,    0x4C, 0x01, 0, ';'};
  EXPECT_FALSE(DecodeGif(huge));
}

}  // namespace
}  // namespace tarnel
