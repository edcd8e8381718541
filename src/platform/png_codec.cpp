// PNG through libpng's simplified API, which reports errors by return value (no longjmp).
#include <png.h>

#include <cstring>

#include "platform/picture_codecs.h"

namespace tarnel {

std::optional<Picture> DecodePng(ByteView data) {
  if (data.size() < 8 || png_sig_cmp(data.data(), 0, 8) != 0) return std::nullopt;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) return std::nullopt;
  std::int64_t pixels = std::int64_t(image.width) * image.height;
  if (image.width == 0 || image.height == 0 || pixels > kMaxPicturePixels) {
    png_image_free(&image);
    return std::nullopt;
  }
  ColourType type;
  bool colour = image.format & PNG_FORMAT_FLAG_COLOR;
  bool alpha = image.format & PNG_FORMAT_FLAG_ALPHA;
  if (image.format & PNG_FORMAT_FLAG_COLORMAP) {
    type = ColourType::Palette;
  } else if (colour) {
    type = alpha ? ColourType::RgbAlpha : ColourType::Rgb;
  } else {
    type = alpha ? ColourType::GreyAlpha : ColourType::Grey;
  }
  image.format = PNG_FORMAT_BGRA;  // little-endian words 0xAARRGGBB
  Picture picture(static_cast<int>(image.width), static_cast<int>(image.height), 0, type);
  if (!png_image_finish_read(&image, nullptr, picture.Pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  return picture;
}

Bytes EncodePng(const Picture& picture) {
  if (picture.Empty()) return {};
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.Width);
  image.height = static_cast<png_uint_32>(picture.Height);
  bool opaque = true;
  for (auto p : picture.Pixels)
    opaque = opaque && AlphaOf(p) == 255;
  std::vector<std::uint8_t> rows;
  const void* buffer = picture.Pixels.data();
  if (picture.Type == ColourType::Grey || picture.Type == ColourType::GreyAlpha) {
    bool withAlpha = picture.Type == ColourType::GreyAlpha;
    image.format = withAlpha ? PNG_FORMAT_GA : PNG_FORMAT_GRAY;
    rows.reserve(picture.Pixels.size() * (withAlpha ? 2 : 1));
    for (auto p : picture.Pixels) {
      rows.push_back(static_cast<std::uint8_t>(GreenOf(p)));
      if (withAlpha) rows.push_back(static_cast<std::uint8_t>(AlphaOf(p)));
    }
    buffer = rows.data();
  } else if (opaque) {
    image.format = PNG_FORMAT_BGR;
    rows.reserve(picture.Pixels.size() * 3);
    for (auto p : picture.Pixels) {
      rows.push_back(static_cast<std::uint8_t>(BlueOf(p)));
      rows.push_back(static_cast<std::uint8_t>(GreenOf(p)));
      rows.push_back(static_cast<std::uint8_t>(RedOf(p)));
    }
    buffer = rows.data();
  } else {
    image.format = PNG_FORMAT_BGRA;
  }
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, buffer, 0, nullptr)) return {};
  Bytes out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, buffer, 0, nullptr)) return {};
  out.resize(size);
  return out;
}

}  // namespace tarnel
