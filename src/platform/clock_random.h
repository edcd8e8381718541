// The random source of a real game: the shuffle and the daily back are seeded from the clock.
#pragma once

#include <memory>

#include "core/random_source.h"

namespace tarnel {

std::unique_ptr<RandomSource> MakeClockRandom();

}  // namespace tarnel
