#include "ui/pictures/picture_image.h"

#include <bit>
#include <cstring>

namespace tarnel {

static_assert(std::endian::native == std::endian::little,
              "Picture words are laid out as Format_ARGB32 on little-endian machines");

QImage PictureImage(const Picture& picture) {
  if (picture.Empty()) return QImage();
  return QImage(reinterpret_cast<const uchar*>(picture.Pixels.data()), picture.Width,
                picture.Height, picture.Width * 4, QImage::Format_ARGB32);
}

Picture PictureFromImage(const QImage& image) {
  if (image.isNull()) return Picture();
  QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  Picture picture(argb.width(), argb.height(), 0,
                  image.hasAlphaChannel() ? ColourType::RgbAlpha : ColourType::Rgb);
  for (int y = 0; y < argb.height(); ++y) {
    std::memcpy(&picture.At(0, y), argb.constScanLine(y),
                static_cast<std::size_t>(argb.width()) * 4);
  }
  return picture;
}

}  // namespace tarnel
