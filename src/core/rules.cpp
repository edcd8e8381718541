#include "core/rules.h"

#include <algorithm>

namespace tarnel {

int CheckAnswer(const TTableState& state, int p) {
  if (p < 1 || p > kMaxHandPos) return kAnswerNoCard;
  const HandCards& hand = state.HandCard[kSeatMe];
  CardCode card = hand[p];
  if (!IsDeckCard(card)) return kAnswerNoCard;
  if (card.Suit == state.LedSuit) return kAnswerOk;

  int last = state.HandSize < 1 || state.HandSize > kMaxHandPos ? kMaxHandPos : state.HandSize;
  bool holdsLed = false;
  bool holdsTrump = false;
  for (int i = 1; i <= last; ++i) {
    if (!IsDeckCard(hand[i])) continue;
    holdsLed |= hand[i].Suit == state.LedSuit;
    holdsTrump |= hand[i].Suit == state.TrumpSuit;
  }
  if (holdsLed) return kAnswerMustFollow;
  if (holdsTrump && card.Suit != state.TrumpSuit) return kAnswerMustTrump;
  return kAnswerOk;
}

int TrickWinner(CardCode card1, std::uint8_t rank1, CardCode card2, std::uint8_t rank2,
                int leader, char trumpSuit) {
  if (card1.Suit == card2.Suit) return rank1 > rank2 ? kSeatCo : kSeatMe;
  bool trump1 = card1.Suit == trumpSuit;
  bool trump2 = card2.Suit == trumpSuit;
  if (leader == kSeatCo) {
    if (trump1) return kSeatCo;
    if (trump2) return kSeatMe;
  } else {
    if (trump2) return kSeatMe;
    if (trump1) return kSeatCo;
  }
  return leader == kSeatCo ? kSeatCo : kSeatMe;
}

int TrickWinner(const TTableState& state) {
  return TrickWinner(state.TableCard[1], state.TableRank[1], state.TableCard[2],
                     state.TableRank[2], state.Leader(), state.TrumpSuit);
}

int TrickValue(CardCode card1, CardCode card2, char trumpSuit) {
  return CardPoints(card1, trumpSuit) + CardPoints(card2, trumpSuit);
}

int ResolveTrick(TTableState& state, TablePresenter& presenter) {
  CardCode card1 = state.TableCard[1];
  CardCode card2 = state.TableCard[2];
  int leader = state.Leader();
  if (leader == kSeatCo && card2.Suit != card1.Suit) state.SetOppVoid(card1.Suit);

  int winner = TrickWinner(state);
  state.ToMove = winner == kSeatCo ? "co" : "me";
  state.TrickPoints[winner] += TrickValue(card1, card2, state.TrumpSuit);
  state.CardsTaken[winner] = static_cast<std::uint8_t>(state.CardsTaken[winner] + 2);
  presenter.RedrawScorePanels(ScorePanelView::TrickCounts, winner);
  return winner;
}

void MarkAccountedSuitsVoid(TTableState& state) {
  for (char suit : kSuits) {
    int count = CountSuit(state.HandCard[kSeatCo], suit);
    for (int i = 1; i <= 36; ++i)
      if (state.SeenCard[i].Suit == suit) ++count;
    if (count == 9) state.SetOppVoid(suit);
  }
}

bool CollectTrick(TTableState& state, TablePresenter& presenter) {
  int winner = state.Leader();
  presenter.FlyTrickToWinner(winner);
  state.TurnState = winner == kSeatCo ? kTurnSeat1 : kTurnSeat2;

  // Seat 2's card first, then seat 1's; a damaged state must not write past the record.
  for (int seat : {kSeatMe, kSeatCo}) {
    if (state.SeenCount >= 1 && state.SeenCount <= 36) {
      state.SeenCard[state.SeenCount] = state.TableCard[seat];
      ++state.SeenCount;
    }
  }
  for (int seat : {kSeatCo, kSeatMe}) {
    state.TableCard[seat] = EmptyCard;
    state.TableRank[seat] = EmptyRank;
    state.TableMark[seat] = EmptyMark;
  }
  state.LedSuit = kNoSuit;

  MarkAccountedSuitsVoid(state);

  if (state.HandSize == 6 && state.CardCount[kSeatCo] == 0 && state.CardCount[kSeatMe] == 0 &&
      state.NextStock <= 36) {
    int other = winner == kSeatCo ? kSeatMe : kSeatCo;
    for (int i = 1; i <= 6 && state.NextStock <= 36; ++i) {
      for (int seat : {winner, other}) {
        if (state.NextStock > 36) break;
        int from = state.NextStock;
        state.HandCard[seat][i] = state.DeckCard[from];
        state.HandRank[seat][i] = state.DeckRank[from];
        state.HandMark[seat][i] = state.DeckMark[from];
        state.CardCount[seat] = static_cast<std::uint8_t>(state.CardCount[seat] + 1);
        ++state.NextStock;
        presenter.DrawFromStock(seat, i, state.DeckCard[from]);
      }
    }
    presenter.RedrawStock();
    for (int seat : {kSeatCo, kSeatMe}) {
      SortHand(state, seat);
      presenter.RepaintHand(seat);
    }
  }

  if (state.NextStock == kStockEmpty && !state.StockEmptySaid) {
    presenter.PlayCue(cue::kStockEmpty, true);
    state.StockEmptySaid = true;
  }

  if (state.CardCount[kSeatCo] == 0 && state.CardCount[kSeatMe] == 0) {
    state.TurnState = kTurnRoundDone;
    return true;
  }
  return false;
}

bool IsLegal(std::span<const CardCode> cards, CardCode tried, CardCode led, char trumpSuit) {
  if (led == EmptyCard || tried.Suit == led.Suit) return true;
  bool holdsLed = false;
  bool holdsTrump = false;
  for (CardCode c : cards) {
    if (!IsDeckCard(c)) continue;
    holdsLed |= c.Suit == led.Suit;
    holdsTrump |= c.Suit == trumpSuit;
  }
  if (holdsLed) return false;
  if (holdsTrump && tried.Suit != trumpSuit) return false;
  return true;
}

bool IsLegal(const HandCards& hand, CardCode tried, CardCode led, char trumpSuit) {
  return IsLegal(std::span<const CardCode>(hand.data() + 1, kMaxHandPos), tried, led, trumpSuit);
}

CardCode CardToAnswer(const TTableState& state, int seat) {
  if (seat != kSeatCo && seat != kSeatMe) return EmptyCard;
  int leader = state.Leader();
  if (seat == leader) return EmptyCard;
  return state.TableCard[leader];
}

std::vector<int> LegalPositions(const TTableState& state, int seat) {
  std::vector<int> legal;
  if (seat != kSeatCo && seat != kSeatMe) return legal;
  CardCode led = CardToAnswer(state, seat);
  const HandCards& hand = state.HandCard[seat];
  int count = std::min<int>(state.CardCount[seat], kMaxHandPos);
  for (int p = 1; p <= count; ++p)
    if (IsDeckCard(hand[p]) && IsLegal(hand, hand[p], led, state.TrumpSuit)) legal.push_back(p);
  return legal;
}

}  // namespace tarnel
