// Uniform random numbers for the shuffle and the computer's last resort, injectable so that
// tests, self-play and analysis can replay exact deals.
#pragma once

#include <cstdint>

namespace tarnel {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform integer in lo..hi (inclusive); lo when hi < lo.
  virtual int Uniform(int lo, int hi) = 0;
};

// A fixed, portable generator (xoshiro256** seeded by splitmix64) with unbiased rejection
// sampling: the same seed gives the same numbers on every platform and standard library.
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed);
  int Uniform(int lo, int hi) override;
  std::uint64_t Next();

 private:
  std::uint64_t s_[4];
};

}  // namespace tarnel
