#include "platform/picture.h"

#include <algorithm>
#include <cmath>

namespace tarnel {

Picture::Picture(int width, int height, std::uint32_t fill, ColourType type)
    : Width(std::max(width, 0)),
      Height(std::max(height, 0)),
      Type(type),
      Pixels(static_cast<std::size_t>(Width) * Height, fill) {}

int RoundHalfEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}

namespace {

// Mixes four pixels channel by channel with weights fx, fy in 0..1.
std::uint32_t Mix(std::uint32_t p00, std::uint32_t p10, std::uint32_t p01, std::uint32_t p11,
                  double fx, double fy) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    double c00 = (p00 >> shift) & 0xFF, c10 = (p10 >> shift) & 0xFF;
    double c01 = (p01 >> shift) & 0xFF, c11 = (p11 >> shift) & 0xFF;
    double top = c00 + (c10 - c00) * fx;
    double bottom = c01 + (c11 - c01) * fx;
    int v = static_cast<int>(top + (bottom - top) * fy + 0.5);
    out |= static_cast<std::uint32_t>(std::clamp(v, 0, 255)) << shift;
  }
  return out;
}

// Source coordinate of every target column (or row): index and fraction.
struct Tap {
  int Index;
  double Fraction;
};

std::vector<Tap> Taps(int sourceSize, int targetSize, bool cornerAligned) {
  std::vector<Tap> taps(static_cast<std::size_t>(targetSize));
  for (int i = 0; i < targetSize; ++i) {
    double s = cornerAligned
                   ? (targetSize > 1 ? double(i) * (sourceSize - 1) / (targetSize - 1) : 0)
                   : (i + 0.5) * sourceSize / targetSize - 0.5;
    s = std::clamp(s, 0.0, double(sourceSize - 1));
    int index = std::min(static_cast<int>(s), sourceSize - 1);
    taps[i] = {index, s - index};
  }
  return taps;
}

Picture Bilinear(const Picture& source, int width, int height, bool cornerAligned) {
  Picture out(width, height, 0, source.Type);
  auto xs = Taps(source.Width, width, cornerAligned);
  auto ys = Taps(source.Height, height, cornerAligned);
  for (int y = 0; y < height; ++y) {
    int y0 = ys[y].Index, y1 = std::min(y0 + 1, source.Height - 1);
    for (int x = 0; x < width; ++x) {
      int x0 = xs[x].Index, x1 = std::min(x0 + 1, source.Width - 1);
      out.At(x, y) = Mix(source.At(x0, y0), source.At(x1, y0), source.At(x0, y1), source.At(x1, y1),
                         xs[x].Fraction, ys[y].Fraction);
    }
  }
  return out;
}

// Averages whole blocks so that a strong reduction does not skip source pixels.
Picture Halve(const Picture& source) {
  int w = std::max(1, source.Width / 2), h = std::max(1, source.Height / 2);
  Picture out(w, h, 0, source.Type);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      int x0 = std::min(2 * x, source.Width - 1), x1 = std::min(2 * x + 1, source.Width - 1);
      int y0 = std::min(2 * y, source.Height - 1), y1 = std::min(2 * y + 1, source.Height - 1);
      out.At(x, y) =
          Mix(source.At(x0, y0), source.At(x1, y0), source.At(x0, y1), source.At(x1, y1), 0.5, 0.5);
    }
  }
  return out;
}

}  // namespace

Picture Resample(const Picture& source, int width, int height) {
  if (source.Empty() || width <= 0 || height <= 0) return Picture();
  if (width == source.Width && height == source.Height) return source;
  const Picture* from = &source;
  Picture reduced;
  while (from->Width >= 2 * width && from->Height >= 2 * height) {
    reduced = Halve(*from);
    from = &reduced;
  }
  return Bilinear(*from, width, height, false);
}

std::optional<std::string> ResizePng(Picture& picture, int width, int height) {
  if (picture.Type != ColourType::Rgb && picture.Type != ColourType::RgbAlpha) {
    return std::string(kResizeFormatError);
  }
  if (picture.Width <= 1 || picture.Height <= 1 || width <= 1 || height <= 1) return std::nullopt;
  Picture out = Bilinear(picture, width, height, true);
  out.Type = ColourType::RgbAlpha;
  picture = std::move(out);
  return std::nullopt;
}

std::uint32_t RecolourPixel(std::uint32_t pixel, int scheme) {
  int r = RedOf(pixel), g = GreenOf(pixel), b = BlueOf(pixel);
  switch (scheme) {
    case 2:
      if (g < r && b < r) {
        b = RoundHalfEven(0.7 * std::min(b, g));
        g = b + RoundHalfEven(0.4 * std::abs(r - b));
      }
      break;
    case 3:
      g = r;
      break;
    case 4:
      std::swap(r, g);
      break;
    case 5: {
      int oldR = r;
      r = b;
      g = oldR;
      b = oldR;
      break;
    }
    case 6:
      std::swap(r, b);
      break;
    case 7:
      b = r;
      break;
    case 8:
      r = g = b = RoundHalfEven(0.3 * r + 0.59 * g + 0.11 * b);
      break;
    default:
      return pixel;
  }
  return Argb(AlphaOf(pixel), std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

void RecolourPng(Picture& picture, int scheme) {
  if (scheme < 2 || scheme > 8) return;
  for (auto& p : picture.Pixels)
    p = RecolourPixel(p, scheme);
}

}  // namespace tarnel
