#include "core/endgame_positions.h"

#include <algorithm>

#include "core/dealing.h"
#include "core/rules.h"
#include "core/turn_driver.h"

namespace tarnel {

TTableState RandomEndgameState(RandomSource& random, bool answering) {
  TablePresenter quiet;
  for (;;) {
    TTableState s;
    RoundSetup setup;
    setup.HandSize = 6;
    StartRound(s, setup, random, quiet);
    s.RoundPhase = kPhasePlaying;
    s.StockEmptySaid = true;
    while (s.NextStock != kStockEmpty || s.TurnState == kTurnTrickDone) {
      if (s.TurnState == kTurnTrickDone) {
        CollectTrick(s, quiet);
        continue;
      }
      std::vector<int> legal = LegalPositions(s, s.TurnState);
      ApplyMove(s, s.TurnState, legal[random.Uniform(0, static_cast<int>(legal.size()) - 1)],
                GameKind::Computer, quiet);
    }
    // Seat 1 must be the side to move: it leads, or seat 2 leads and seat 1 answers.
    if (answering != (s.Leader() == kSeatMe)) continue;
    if (answering) {
      std::vector<int> legal = LegalPositions(s, kSeatMe);
      ApplyMove(s, kSeatMe, legal[random.Uniform(0, static_cast<int>(legal.size()) - 1)],
                GameKind::Computer, quiet);
    }
    return s;
  }
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
