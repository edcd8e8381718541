#include "platform/picture_codecs.h"

// Large pictures decode correctly but slowly; the fuzzer learns more from many small ones.
constexpr std::int64_t kFuzzMaxPixels = 1 << 20;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto picture = tarnel::DecodeJpeg({data, size}, kFuzzMaxPixels);
  if (picture) (void)tarnel::Resample(*picture, 5, 3);
  return 0;
}
