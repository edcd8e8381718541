// Pictures and animations as the program keeps them in memory, and the pixel operations the
// presentation needs (bilinear resampling, colour schemes).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnel {

// What a picture was stored as; decoders keep it because some operations accept only true-colour
// sources.
enum class ColourType { Rgb, RgbAlpha, Grey, GreyAlpha, Palette };

// Pixels are 32-bit words 0xAARRGGBB, not premultiplied, rows top to bottom without padding: the
// layout QImage::Format_ARGB32 wraps without a copy.
struct Picture {
  int Width = 0;
  int Height = 0;
  ColourType Type = ColourType::RgbAlpha;
  std::vector<std::uint32_t> Pixels;

  Picture() = default;
  Picture(int width, int height, std::uint32_t fill = 0, ColourType type = ColourType::RgbAlpha);

  bool Empty() const { return Width <= 0 || Height <= 0; }
  std::uint32_t& At(int x, int y) { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
  std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
  bool operator==(const Picture&) const = default;
};

struct AnimationFrame {
  Picture Image;    // the whole canvas as it looks while this frame shows
  int DelayMs = 0;  // how long it shows
};

struct Animation {
  int Width = 0;
  int Height = 0;
  int LoopCount = 0;  // 0 plays forever
  std::vector<AnimationFrame> Frames;
};

constexpr std::uint32_t Argb(int a, int r, int g, int b) {
  return (static_cast<std::uint32_t>(a) << 24) | (static_cast<std::uint32_t>(r) << 16) |
         (static_cast<std::uint32_t>(g) << 8) | static_cast<std::uint32_t>(b);
}
constexpr std::uint32_t Rgb(int r, int g, int b) {
  return Argb(255, r, g, b);
}
constexpr int AlphaOf(std::uint32_t p) {
  return static_cast<int>(p >> 24);
}
constexpr int RedOf(std::uint32_t p) {
  return static_cast<int>((p >> 16) & 0xFF);
}
constexpr int GreenOf(std::uint32_t p) {
  return static_cast<int>((p >> 8) & 0xFF);
}
constexpr int BlueOf(std::uint32_t p) {
  return static_cast<int>(p & 0xFF);
}

// Decoders refuse pictures larger than this many pixels, so hostile headers cannot make us
// allocate gigabytes.
inline constexpr std::int64_t kMaxPicturePixels = 32LL * 1024 * 1024;

// Bilinear resampling of any picture (each target pixel mixes the 2 x 2 nearest source pixels,
// every channel alike). An empty source or target size gives an empty picture.
Picture Resample(const Picture& source, int width, int height);

// The in-place resampling used for button skins and resized PNG resources: the corner pixels of
// source and target coincide. Only true-colour sources are accepted (else the returned text is
// the error and the picture is untouched); nothing happens when a size of the source or of the
// target is 1 or less. The result has an alpha channel.
std::optional<std::string> ResizePng(Picture& picture, int width, int height);

inline constexpr const char* kResizeFormatError =
    "Only COLOR_RGBALPHA and COLOR_RGB formats are supported";

// Rewrites every pixel by colour scheme 1..8 (alpha untouched); other schemes change nothing.
void RecolourPng(Picture& picture, int scheme);
std::uint32_t RecolourPixel(std::uint32_t pixel, int scheme);

// Rounds halves to even, as the presentation's arithmetic does everywhere.
int RoundHalfEven(double v);

}  // namespace tarnel
