#include "core/rules.h"

#include <algorithm>

#include "core/round_shape.h"

namespace tarnel {

int CheckAnswer(const TTableState& state, int p) {
  if (p < 1 || p > kMaxHandPos) return kAnswerNoCard;
  const HandCards& hand = state.HandCard[kSeatMe];
  if (!IsDeckCard(hand[p])) return kAnswerNoCard;
  int last = state.HandSize < 1 || state.HandSize > kMaxHandPos ? kMaxHandPos : state.HandSize;
  return AnswerRule(std::span<const CardCode>(hand.data() + 1, last), hand[p], state.LedSuit,
                    state.TrumpSuit);
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

int ResolveTrick(TTableState& state) {
  CardCode card1 = state.TableCard[1];
  CardCode card2 = state.TableCard[2];
  int leader = state.Leader();
  if (leader == kSeatCo && card2.Suit != card1.Suit) state.SetOppVoid(card1.Suit);

  int winner = TrickWinner(state);
  state.ToMove = winner == kSeatCo ? "co" : "me";
  state.TrickPoints[winner] += TrickValue(card1, card2, state.TrumpSuit);
  state.CardsTaken[winner] = static_cast<std::uint8_t>(state.CardsTaken[winner] + 2);
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

CollectedTrick CommitCollectTrick(TTableState& state) {
  CollectedTrick t;
  t.Winner = state.Leader();
  t.Card1 = state.TableCard[kSeatCo];
  t.Card2 = state.TableCard[kSeatMe];
  state.TurnState = t.Winner == kSeatCo ? kTurnSeat1 : kTurnSeat2;

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

  RoundShape shape = RoundShape::Of(state.HandSize);
  if (shape.Refills && state.CardCount[kSeatCo] == 0 && state.CardCount[kSeatMe] == 0 &&
      state.NextStock <= 36) {
    int other = t.Winner == kSeatCo ? kSeatMe : kSeatCo;
    for (int i = 1; i <= shape.HandSize && state.NextStock <= 36; ++i) {
      for (int seat : {t.Winner, other}) {
        if (state.NextStock > 36) break;
        int from = state.NextStock;
        state.HandCard[seat][i] = state.DeckCard[from];
        state.HandRank[seat][i] = state.DeckRank[from];
        state.HandMark[seat][i] = state.DeckMark[from];
        state.CardCount[seat] = static_cast<std::uint8_t>(state.CardCount[seat] + 1);
        ++state.NextStock;
        if (t.DrawCount < static_cast<int>(t.Draws.size()))
          t.Draws[t.DrawCount++] = {seat, i, state.DeckCard[from]};
      }
    }
    for (int seat : {kSeatCo, kSeatMe}) SortHand(state, seat);
  }

  if (state.NextStock == kStockEmpty && !state.StockEmptySaid) {
    t.StockEmptyCue = true;
    state.StockEmptySaid = true;
  }

  if (state.CardCount[kSeatCo] == 0 && state.CardCount[kSeatMe] == 0) {
    state.TurnState = kTurnRoundDone;
    t.RoundOver = true;
  }
  return t;
}

void PresentCollectedTrick(const CollectedTrick& t, TablePresenter& presenter) {
  presenter.FlyTrickToWinner(t.Winner, t.Card1, t.Card2);
  if (t.DrawCount > 0) {
    for (int k = 0; k < t.DrawCount; ++k)
      presenter.DrawFromStock(t.Draws[k].Seat, t.Draws[k].Pos, t.Draws[k].Card);
    presenter.RedrawStock();
    presenter.RepaintHand(kSeatCo);
    presenter.RepaintHand(kSeatMe);
  }
  if (t.StockEmptyCue) presenter.PlayCue(cue::kStockEmpty, true);
}

bool CollectTrick(TTableState& state, TablePresenter& presenter) {
  CollectedTrick t = CommitCollectTrick(state);
  PresentCollectedTrick(t, presenter);
  return t.RoundOver;
}

int AnswerRule(std::span<const CardCode> cards, CardCode tried, char ledSuit, char trumpSuit) {
  if (ledSuit == kNoSuit || tried.Suit == ledSuit) return kAnswerOk;
  bool holdsLed = false;
  bool holdsTrump = false;
  for (CardCode c : cards) {
    if (!IsDeckCard(c)) continue;
    holdsLed |= c.Suit == ledSuit;
    holdsTrump |= c.Suit == trumpSuit;
  }
  if (holdsLed) return kAnswerMustFollow;
  if (holdsTrump && tried.Suit != trumpSuit) return kAnswerMustTrump;
  return kAnswerOk;
}

bool IsLegal(std::span<const CardCode> cards, CardCode tried, CardCode led, char trumpSuit) {
  char ledSuit = led == EmptyCard ? kNoSuit : led.Suit;
  return AnswerRule(cards, tried, ledSuit, trumpSuit) == kAnswerOk;
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
