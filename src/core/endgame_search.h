// The computer's exhaustive search of the last tricks once every card is known (6 cards a seat,
// stock empty). This is the reference: it tries every legal line to the end of the round, exactly
// as the rule book of the computer player describes, and defines the answer the fast solver
// (endgame_solver.h) must reproduce.
#pragma once

#include <array>
#include <cstdint>

#include "core/cards.h"

namespace tarnel {

inline constexpr int kEndgameSlots = 6;

// One side's hand in positions 1..6 (index 0 unused), EmptyCard where a card has gone.
struct EndgameHand {
  std::array<CardCode, kEndgameSlots + 1> Card;
  std::array<std::uint8_t, kEndgameSlots + 1> Rank{};
  EndgameHand() { Card.fill(EmptyCard); Rank.fill(EmptyRank); }
  int Count() const;
};

// TrickPoints and CardsTaken of the side to move (S) and of the other side (O).
struct EndgameCounters {
  int PointsS = 0;
  int TakenS = 0;
  int PointsO = 0;
  int TakenO = 0;
};

struct EndgameOutcome {
  int Position = 0;           // 1..6 in S's hand; 0 when S holds no card it may play
  int Value = -100;           // S's round score minus O's, 6-card threshold, after the best line
  EndgameCounters Counters;   // the counters at the end of the best line
  std::int64_t Nodes = 0;     // cards tried, for the benchmarks
};

// S's round score minus O's with the 6-card threshold of 18 cards.
int EndgameValue(const EndgameCounters& c);

// Best card for S: `led` is O's card on the table (EmptyCard when S leads) with its rank value.
// Ties go to the lowest position.
EndgameOutcome EndgameSearch(const EndgameHand& s, const EndgameHand& o, const EndgameCounters& c,
                             char trumpSuit, CardCode led, std::uint8_t ledRank);

}  // namespace tarnel
