#include "core/endgame_positions.h"

#include <algorithm>

#include "core/dealing.h"
#include "core/round_shape.h"
#include "core/rules.h"
#include "core/turn_driver.h"

namespace tarnel {

TTableState RandomEndgameState(RandomSource& random, bool answering) {
  for (;;) {
    TTableState s;
    RoundSetup setup;
    setup.HandSize = kEndgameShape.HandSize;
    DealRound(s, setup, random);
    s.RoundPhase = kPhasePlaying;
    s.StockEmptySaid = true;
    while (s.NextStock != kStockEmpty || s.TurnState == kTurnTrickDone) {
      if (s.TurnState == kTurnTrickDone) {
        CommitCollectTrick(s);
        continue;
      }
      std::vector<int> legal = LegalPositions(s, s.TurnState);
      CommitMove(s, s.TurnState, legal[random.Uniform(0, static_cast<int>(legal.size()) - 1)]);
    }
    // Seat 1 must be the side to move: it leads, or seat 2 leads and seat 1 answers.
    if (answering != (s.Leader() == kSeatMe)) continue;
    if (answering) {
      std::vector<int> legal = LegalPositions(s, kSeatMe);
      CommitMove(s, kSeatMe, legal[random.Uniform(0, static_cast<int>(legal.size()) - 1)]);
    }
    return s;
  }
}

TTableState EndgameStateOfSeed(std::uint64_t seed) {
  SeededRandom random(seed);
  return RandomEndgameState(random, seed % 2 == 0);
}

PerfectInfoPosition RandomPerfectInfoPosition(RandomSource& random, int cards) {
  cards = std::clamp(cards, 1, kSolverSlots);
  TTableState deck;
  Shuffle(deck, random);
  PerfectInfoPosition pos;
  pos.Trump = kSuits[random.Uniform(0, 3)];
  for (int p = 1; p <= cards; ++p) {
    pos.S.Card[p] = deck.DeckCard[p];
    pos.O.Card[p] = deck.DeckCard[cards + p];
  }
  return pos;
}

}  // namespace tarnel
