// Random endgame positions for analysis, benchmarks and the solvers' differential test.
#pragma once

#include <cstdint>

#include "core/endgame_solver.h"
#include "core/random_source.h"
#include "core/table_state.h"

namespace tarnel {

// A game state right after the stock ran out in a 6-card round played with random legal cards
// (both hands full, the last trick's winner to lead); when `answering` is set, seat 2 has led a
// random card and seat 1 is to answer. Seat 1 is the side to move either way.
TTableState RandomEndgameState(RandomSource& random, bool answering);

// The endgame numbered `seed` by the solvers' differential test and their reference file
// (tarnel-lab endgame-reference): RandomEndgameState from SeededRandom(seed), seat 1 answering
// for an even seed and leading for an odd one.
TTableState EndgameStateOfSeed(std::uint64_t seed);

// A perfect-information deal of `cards` cards a side (1..10) with a random trump, S to lead and
// nothing taken yet: a whole round of its own, so SolveEndgame takes it with threshold `cards`.
struct PerfectInfoPosition {
  SolverHand S;
  SolverHand O;
  char Trump = kNoSuit;
};
PerfectInfoPosition RandomPerfectInfoPosition(RandomSource& random, int cards);

}  // namespace tarnel
