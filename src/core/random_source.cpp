#include "core/random_source.h"

namespace tarnel {
namespace {

std::uint64_t SplitMix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

SeededRandom::SeededRandom(std::uint64_t seed) {
  for (auto& s : s_) s = SplitMix64(seed);
}

std::uint64_t SeededRandom::Next() {
  std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
  std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Rotl(s_[3], 45);
  return result;
}

int SeededRandom::Uniform(int lo, int hi) {
  if (hi <= lo) return lo;
  std::uint64_t range = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo) + 1;
  // Reject the top sliver so every value is equally likely.
  std::uint64_t limit = UINT64_MAX - (UINT64_MAX % range);
  std::uint64_t v;
  do {
    v = Next();
  } while (v >= limit);
  return static_cast<int>(lo + static_cast<std::int64_t>(v % range));
}

}  // namespace tarnel
