// The expert level: a stronger player than the rule lists, and the hint for the user.
//
// At each decision it deals the cards it has not seen at random, consistent with what its seat
// may know (its hand, the collected tricks, the card on the table, the face-up trump under the
// stock, the suits the other seat has shown it lacks), stock order included while the stock
// lasts, solves each deal exactly and plays the card with the best total over the deals. It
// never reads the other seat's hand.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "core/endgame_solver.h"
#include "core/random_source.h"
#include "core/table_state.h"

namespace tarnel {

inline constexpr int kExpertDefaultSamples = 500;

struct ExpertOptions {
  int Samples = kExpertDefaultSamples;
  // 0: two when the machine has two cores, else one. The answer never depends on it.
  int Threads = 0;
  std::uint64_t Seed = 1;
};

// What seat 1 knows at a decision, as card masks.
struct SeatKnowledge {
  CardMask Own = 0;
  // Cards that are in the other hand or in the stock and not the face-up bottom card.
  CardMask Unseen = 0;
  int HiddenCount = 0;     // cards in the other hand
  std::uint8_t Voids = 0;  // suit indexes 0..3 (bits) the other hand cannot hold
  int StockCount = 0;      // cards still to be drawn, bottom card included (0 with 10 cards)
  int Bottom = -1;         // the face-up bottom card while it is to be drawn
  char Trump = kNoSuit;
  int Led = -1;  // the other seat's card on the table when seat 1 answers
};

// `voids` are the suits the other seat cannot hold, in the state's OppVoid form.
SeatKnowledge KnowledgeOf(const TTableState& state, const std::bitset<256>& voids);

// The suits of OppVoid that still hold: after a refill seat 2 may have drawn a suit it lacked.
std::bitset<256> CurrentVoids(const TTableState& state);

// One deal of the unseen cards.
struct SampledWorld {
  CardMask Hidden = 0;
  // Drawing order of the stock, the bottom card last.
  std::vector<int> Stock;
};

SampledWorld SampleWorld(const SeatKnowledge& k, RandomSource& random);

struct ExpertDecision {
  int Position = 0;  // seat 1's hand position
  int Samples = 0;
  std::array<long long, kMaxHandPos + 1> Total{};  // summed values by position
  std::int64_t Nodes = 0;
};

// Seat 1's card by sampling, whatever the stock. `ruleChoice` is the rule lists' position,
// which wins ties of the best total; `voids` as for KnowledgeOf.
ExpertDecision SampledDecision(const TTableState& state, const std::bitset<256>& voids,
                               int ruleChoice, const ExpertOptions& options);

// The expert's card for seat 1: the exact endgame once the stock is empty with 6 cards a seat,
// else SampledDecision seeded from options.Seed and what seat 1 sees, so a position always
// gets the same card.
ExpertDecision ExpertMove(const TTableState& state, const ExpertOptions& options);

// The card the expert would play for the user (seat 2) now, from what seat 2 may know; its
// position in seat 2's hand, or 0 when seat 2 is not to play.
int HintFor(const TTableState& state, const ExpertOptions& options = {});

}  // namespace tarnel
