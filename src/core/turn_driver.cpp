#include "core/turn_driver.h"

#include "core/rules.h"

namespace tarnel {

bool ApplyMove(TTableState& state, int seat, int p, GameKind kind, TablePresenter& presenter) {
  if ((seat != kSeatCo && seat != kSeatMe) || p < 1 || p > kMaxHandPos) return false;
  CardCode card = state.HandCard[seat][p];
  if (!IsDeckCard(card)) return false;

  int leader = state.Leader();
  state.TableCard[seat] = card;
  state.TableRank[seat] = state.HandRank[seat][p];
  state.TableMark[seat] = state.HandMark[seat][p];
  if (seat == leader) state.LedSuit = card.Suit;
  if (state.CardCount[seat] > 0) --state.CardCount[seat];

  state.HandCard[seat][p] = EmptyCard;
  state.HandRank[seat][p] = EmptyRank;
  state.HandMark[seat][p] = EmptyMark;
  SortHand(state, seat);
  presenter.RepaintHand(seat);
  presenter.ShowTableCard(seat, p, card);

  bool trump = card.Suit == state.TrumpSuit;
  if (trump && card.Rank == cp::kJack)
    presenter.PlayCue(cue::kTrumpJack, true);
  else if (trump && card.Rank == '1')
    presenter.PlayCue(cue::kTrumpTen, true);
  else
    presenter.PlayCue(cue::kCardPlayed, true);

  if (seat != leader)
    state.TurnState = kTurnTrickDone;
  else
    state.TurnState = seat == kSeatCo ? kTurnSeat2 : kTurnSeat1;

  if (state.TurnState == kTurnTrickDone) {
    int winner = ResolveTrick(state, presenter);
    // Over the network only the machine whose seat 1 won acknowledges second: it waits for "o".
    bool enable = kind == GameKind::Computer || winner == kSeatCo;
    presenter.EnableButton7(enable);
  }
  return true;
}

}  // namespace tarnel
