// A fast exact solver for the same endgames as EndgameSearch, and for perfect-information
// positions of up to 10 cards a side (analysis only).
#pragma once

#include <array>
#include <cstdint>

#include "core/cards.h"
#include "core/endgame_search.h"
#include "core/round_shape.h"

namespace tarnel {

inline constexpr int kSolverSlots = 10;

// A side's cards by hand position 1..10 (index 0 unused), EmptyCard where there is none.
struct SolverHand {
  std::array<CardCode, kSolverSlots + 1> Card;
  SolverHand() {
    for (auto& c : Card) c = EmptyCard;
  }
};

struct SolverResult {
  // 1..10 in S's hand; 0 when S has no card; -1 when the position is not one the solver takes
  // (counters that do not add up to a whole round, a foreign or repeated card).
  int Position = -1;
  int Value = 0;  // S's round score minus O's at the end of the best line
  std::int64_t Nodes = 0;
};

// `threshold` is the surplus threshold of the round (18 with 6 cards a seat, 10 with 10): the
// counters plus the cards still in play must add up to twice it, as in every real round.
SolverResult SolveEndgame(const SolverHand& s, const SolverHand& o, const EndgameCounters& c,
                          char trumpSuit, CardCode led,
                          int threshold = kEndgameShape.SurplusThreshold);

SolverHand ToSolverHand(const EndgameHand& hand);

}  // namespace tarnel
