// Positions from real play, for tests and benchmarks: every decision of seat 1 in whole games
// of the computer player against random legal play, driven through the turn driver.
#pragma once

#include <vector>

#include "core/random_source.h"
#include "core/table_state.h"

namespace tarnel {

// At least `count` states in which seat 1 is to play (the last game is played out), from games
// of `handSize` cards a seat.
std::vector<TTableState> Seat1Decisions(RandomSource& random, int handSize, int count);

}  // namespace tarnel
