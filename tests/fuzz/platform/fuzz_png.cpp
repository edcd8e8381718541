#include "platform/picture_codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto picture = tarnel::DecodePng({data, size});
  if (picture) {
    tarnel::RecolourPng(*picture, 2);
    (void)tarnel::ResizePng(*picture, 7, 5);
  }
  return 0;
}
