#include <zlib.h>

#include <vector>

#include "platform/picture_codecs.h"

namespace {

// Mutations almost always break a chunk checksum, which stops libpng at once; mending the
// checksums lets the fuzzer reach the decoder proper. Every other input is tried as it is too.
std::vector<std::uint8_t> MendChecksums(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> out(data, data + size);
  std::size_t at = 8;
  while (at + 12 <= out.size()) {
    std::uint32_t length =
        (std::uint32_t(out[at]) << 24) | (out[at + 1] << 16) | (out[at + 2] << 8) | out[at + 3];
    if (length > out.size() - at - 12) break;
    uLong crc = crc32(0L, out.data() + at + 4, static_cast<uInt>(length + 4));
    std::size_t c = at + 8 + length;
    out[c] = static_cast<std::uint8_t>(crc >> 24);
    out[c + 1] = static_cast<std::uint8_t>(crc >> 16);
    out[c + 2] = static_cast<std::uint8_t>(crc >> 8);
    out[c + 3] = static_cast<std::uint8_t>(crc);
    at = c + 4;
  }
  return out;
}

void Decode(tarnel::ByteView bytes) {
  auto picture = tarnel::DecodePng(bytes);
  if (picture) {
    tarnel::RecolourPng(*picture, 2);
    (void)tarnel::ResizePng(*picture, 7, 5);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Decode({data, size});
  auto mended = MendChecksums(data, size);
  Decode(mended);
  return 0;
}
