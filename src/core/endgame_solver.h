// A fast exact solver for the same endgames as EndgameSearch, and for perfect-information
// positions of up to 10 cards a side (analysis only).
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "core/cards.h"
#include "core/endgame_search.h"
#include "core/round_shape.h"

namespace tarnel {

inline constexpr int kSolverSlots = 10;

// A side's cards by hand position 1..10 (index 0 unused), EmptyCard where there is none.
struct SolverHand {
  std::array<CardCode, kSolverSlots + 1> Card;
  SolverHand() {
    for (auto& c : Card)
      c = EmptyCard;
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

// Cards as bits: bit n-1 stands for the card of shuffle number n (NumberOfCard).
using CardMask = std::uint64_t;

// The value of what follows a segment (the tricks until both hands are empty), seen from S, by
// the winner of the segment's last trick.
struct SegmentTail {
  int IfSWinsLast = 0;
  int IfOWinsLast = 0;
};

inline constexpr int kNoMoveValue = -1000;

// Exact values of trick segments for the expert player. Values are S's trick values (points
// plus one a trick) minus O's from here on, plus the tail; the counters so far add a constant and
// are left out. One solver per thread: it keeps its table between calls and is not shared.
class SegmentSolver {
 public:
  SegmentSolver();
  ~SegmentSolver();
  SegmentSolver(const SegmentSolver&) = delete;
  SegmentSolver& operator=(const SegmentSolver&) = delete;

  // S = `leader` leads the next trick; both hands hold as many cards.
  int LeadValue(CardMask leader, CardMask follower, char trumpSuit, SegmentTail tail);
  // S to play: leading when `led` is -1, else answering O's card `led` (0..35). values[c] is the
  // value of S playing card c, kNoMoveValue for cards S does not hold or may not play.
  void MoveValues(CardMask s, CardMask o, char trumpSuit, int led, SegmentTail tail,
                  std::array<int, 36>& values);
  std::int64_t Nodes() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace tarnel
