#include "jpeg_size.h"

namespace tarnel::server {

std::optional<std::pair<int, int>> JpegSize(std::string_view b) {
  auto at = [&](std::size_t i) { return static_cast<unsigned char>(b[i]); };
  if (b.size() < 4 || at(0) != 0xFF || at(1) != 0xD8) return std::nullopt;
  std::size_t i = 2;
  while (i + 4 <= b.size()) {
    if (at(i) != 0xFF) return std::nullopt;
    unsigned char marker = at(i + 1);
    if (marker == 0xFF) {  // fill byte
      ++i;
      continue;
    }
    if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      i += 2;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return std::nullopt;  // no frame header before data
    std::size_t length = (at(i + 2) << 8) | at(i + 3);
    if (length < 2) return std::nullopt;
    bool frame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (length < 7 || i + 9 > b.size()) return std::nullopt;
      int height = (at(i + 5) << 8) | at(i + 6);
      int width = (at(i + 7) << 8) | at(i + 8);
      return std::make_pair(width, height);
    }
    i += 2 + length;
  }
  return std::nullopt;
}

}  // namespace tarnel::server
