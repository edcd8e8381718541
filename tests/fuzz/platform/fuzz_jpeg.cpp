#include "platform/picture_codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto picture = tarnel::DecodeJpeg({data, size});
  if (picture) (void)tarnel::Resample(*picture, 5, 3);
  return 0;
}
