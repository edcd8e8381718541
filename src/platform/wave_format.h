// The WAV images the program plays: 16-bit PCM written by our generators, and a reader of the
// header that trusts nothing (resources may come from a damaged or foreign library).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/picture_codecs.h"

namespace tarnel {

struct WaveInfo {
  int Channels = 0;
  int SampleRate = 0;
  int BitsPerSample = 0;
  std::uint32_t DataBytes = 0;  // bytes of sample data actually present
  std::size_t DataOffset = 0;
  double Seconds() const;
};

// Mono 16-bit PCM from samples in -1..1 (clipped).
Bytes EncodeWave(const std::vector<float>& samples, int sampleRate);
// The format and the data chunk of a RIFF WAVE image; nullopt when it is not one. A data chunk
// that claims more than the image holds counts only what is there.
std::optional<WaveInfo> ReadWaveInfo(ByteView image);
// The samples of a mono or multi-channel 16-bit PCM image, channels mixed, in -1..1; empty when
// the image is not 16-bit PCM.
std::vector<float> DecodeWave16(ByteView image);

}  // namespace tarnel
