#include "platform/wave_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tarnel::ByteView image{data, size};
  auto info = tarnel::ReadWaveInfo(image);
  if (info && info->DataOffset + info->DataBytes > size) __builtin_trap();
  const auto samples = tarnel::DecodeWave16(image);
  for (float s : samples)
    if (!(s >= -1.0f && s <= 1.0f)) __builtin_trap();
  return 0;
}
