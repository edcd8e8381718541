#include "platform/wave_format.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tarnel {
namespace {

void Put32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(Bytes& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutTag(Bytes& out, const char* tag) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<std::uint8_t>(tag[i]));
}
std::uint32_t Get32(ByteView b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}
std::uint16_t Get16(ByteView b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
bool Tag(ByteView b, std::size_t at, const char* tag) {
  return std::memcmp(b.data() + at, tag, 4) == 0;
}

}  // namespace

double WaveInfo::Seconds() const {
  const int frameBytes = Channels * (BitsPerSample / 8);
  if (SampleRate <= 0 || frameBytes <= 0) return 0;
  return static_cast<double>(DataBytes / frameBytes) / SampleRate;
}

Bytes EncodeWave(const std::vector<float>& samples, int sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  Bytes out;
  out.reserve(44 + dataBytes);
  PutTag(out, "RIFF");
  Put32(out, 36 + dataBytes);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);
  Put32(out, static_cast<std::uint32_t>(sampleRate));
  Put32(out, static_cast<std::uint32_t>(sampleRate * 2));
  Put16(out, 2);
  Put16(out, 16);
  PutTag(out, "data");
  Put32(out, dataBytes);
  for (float s : samples) {
    const float c = std::clamp(s, -1.0f, 1.0f);
    Put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(c * 32767.0f))));
  }
  return out;
}

std::optional<WaveInfo> ReadWaveInfo(ByteView b) {
  if (b.size() < 12 || !Tag(b, 0, "RIFF") || !Tag(b, 8, "WAVE")) return std::nullopt;
  WaveInfo info;
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= b.size()) {  // a padded odd chunk may end one past the image
    const std::uint32_t size = Get32(b, at + 4);
    const std::size_t body = at + 8;
    const std::size_t left = b.size() - body;
    if (Tag(b, at, "fmt ")) {
      if (size < 16 || left < 16) return std::nullopt;
      if (Get16(b, body) != 1) return std::nullopt;  // PCM only
      info.Channels = Get16(b, body + 2);
      info.SampleRate = static_cast<int>(Get32(b, body + 4));
      info.BitsPerSample = Get16(b, body + 14);
      if (info.Channels < 1 || info.SampleRate < 1 || info.SampleRate > 384000 ||
          (info.BitsPerSample != 8 && info.BitsPerSample != 16 && info.BitsPerSample != 24 &&
           info.BitsPerSample != 32))
        return std::nullopt;
      haveFormat = true;
    } else if (Tag(b, at, "data")) {
      if (!haveFormat) return std::nullopt;
      info.DataOffset = body;
      info.DataBytes = static_cast<std::uint32_t>(std::min<std::size_t>(size, left));
      return info;
    }
    if (size > left) return std::nullopt;
    at = body + size + (size & 1);  // chunks are padded to even length
  }
  return std::nullopt;
}

std::vector<float> DecodeWave16(ByteView image) {
  std::vector<float> out;
  auto info = ReadWaveInfo(image);
  if (!info || info->BitsPerSample != 16) return out;
  const std::size_t frames = info->DataBytes / (2u * static_cast<unsigned>(info->Channels));
  out.reserve(frames);
  for (std::size_t f = 0; f < frames; ++f) {
    float sum = 0;
    for (int c = 0; c < info->Channels; ++c) {
      const std::size_t at = info->DataOffset + (f * info->Channels + c) * 2;
      sum += static_cast<std::int16_t>(Get16(image, at)) / 32768.0f;
    }
    out.push_back(sum / info->Channels);
  }
  return out;
}

}  // namespace tarnel
