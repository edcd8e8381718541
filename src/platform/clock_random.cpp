#include "platform/clock_random.h"

#include <chrono>

namespace tarnel {

std::unique_ptr<RandomSource> MakeClockRandom() {
  auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  return std::make_unique<SeededRandom>(static_cast<std::uint64_t>(now));
}

}  // namespace tarnel
