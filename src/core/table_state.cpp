#include "core/table_state.h"

#include <utility>

namespace tarnel {

TTableState::TTableState() {
  DeckCard.fill(EmptyCard);
  DeckRank.fill(EmptyRank);
  DeckMark.fill(0);
  for (auto& hand : HandCard) hand.fill(EmptyCard);
  for (auto& ranks : HandRank) ranks.fill(EmptyRank);
  for (auto& marks : HandMark) marks.fill(EmptyMark);
  for (auto& card : TableCard) card = EmptyCard;  // fill() trips a false GCC 12 warning here
  TableRank.fill(EmptyRank);
  TableMark.fill(EmptyMark);
  SeenCard.fill(EmptyCard);
}

std::array<char, 4> SuitOrderFor(char trumpSuit) {
  using namespace cp;
  switch (trumpSuit) {
    case kSpades: return {kHearts, kClubs, kDiamonds, kSpades};
    case kClubs: return {kHearts, kSpades, kDiamonds, kClubs};
    case kDiamonds: return {kClubs, kHearts, kSpades, kDiamonds};
    case kHearts: return {kClubs, kDiamonds, kSpades, kHearts};
    default: return {kHearts, kClubs, kDiamonds, kSpades};
  }
}

void SortHand(TTableState& state, int seat) {
  if (seat < 1 || seat > 4) return;
  HandCards& cards = state.HandCard[seat];
  HandRanks& ranks = state.HandRank[seat];
  HandRanks& marks = state.HandMark[seat];

  HandCards newCards;
  HandRanks newRanks{};
  HandRanks newMarks{};
  int n = 0;
  for (char suit : SuitOrderFor(state.TrumpSuit)) {
    for (int value = 1; value <= 9; ++value) {
      for (int p = 1; p <= kSortedSlots; ++p) {
        if (cards[p].Suit == suit && ranks[p] == value) {
          ++n;
          newCards[n] = cards[p];
          newRanks[n] = ranks[p];
          newMarks[n] = marks[p];
        }
      }
    }
  }
  for (int p = 1; p <= n; ++p) {
    cards[p] = newCards[p];
    ranks[p] = newRanks[p];
    marks[p] = newMarks[p];
  }
  for (int p = n + 1; p <= kSortedSlots; ++p) {
    cards[p] = EmptyCard;
    ranks[p] = EmptyRank;
    marks[p] = EmptyMark;
  }
  if (seat <= 2) state.CardCount[seat] = static_cast<std::uint8_t>(n);
}

}  // namespace tarnel

namespace tarnel {

TTableState SeatsSwapped(const TTableState& s) {
  TTableState m = s;
  std::swap(m.HandCard[1], m.HandCard[2]);
  std::swap(m.HandRank[1], m.HandRank[2]);
  std::swap(m.HandMark[1], m.HandMark[2]);
  std::swap(m.CardCount[1], m.CardCount[2]);
  std::swap(m.TableCard[1], m.TableCard[2]);
  std::swap(m.TableRank[1], m.TableRank[2]);
  std::swap(m.TableMark[1], m.TableMark[2]);
  std::swap(m.TrickPoints[1], m.TrickPoints[2]);
  std::swap(m.CardsTaken[1], m.CardsTaken[2]);
  std::swap(m.RoundScore[1], m.RoundScore[2]);
  std::swap(m.GameTotal[1], m.GameTotal[2]);
  m.ToMove = s.ToMove == "co" ? "me" : "co";
  if (s.TurnState == kTurnSeat1) m.TurnState = kTurnSeat2;
  if (s.TurnState == kTurnSeat2) m.TurnState = kTurnSeat1;
  return m;
}

std::string CheckCardPlaces(const TTableState& state) {
  std::array<int, 37> seen{};
  std::string problem;
  auto place = [&](CardCode card, const std::string& where) {
    int n = NumberOfCard(card);
    if (n == 0) {
      problem = "no deck card at " + where;
      return;
    }
    if (++seen[n] > 1) problem = CardToUtf8(card) + " twice (again at " + where + ")";
  };
  if (state.NextStock < 1 || state.NextStock > kStockEmpty) return "NextStock out of range";
  for (int i = state.NextStock; i <= 36; ++i) place(state.DeckCard[i], "stock " + std::to_string(i));
  for (int seat : {kSeatCo, kSeatMe}) {
    int count = state.CardCount[seat];
    if (count > kMaxHandPos) return "CardCount of seat " + std::to_string(seat) + " above 10";
    for (int p = 1; p <= kMaxHandPos; ++p) {
      bool empty = state.HandCard[seat][p] == EmptyCard;
      if (p <= count && empty) return "hand of seat " + std::to_string(seat) + " not compact";
      if (p > count && !empty) return "card beyond CardCount in seat " + std::to_string(seat);
      if (!empty) place(state.HandCard[seat][p], "seat " + std::to_string(seat) + " pos " + std::to_string(p));
    }
    if (state.TableCard[seat] != EmptyCard) place(state.TableCard[seat], "table " + std::to_string(seat));
  }
  if (state.SeenCount < 1 || state.SeenCount > kStockEmpty) return "SeenCount out of range";
  for (int i = 1; i < state.SeenCount; ++i) place(state.SeenCard[i], "seen " + std::to_string(i));
  if (!problem.empty()) return problem;
  for (int n = 1; n <= 36; ++n)
    if (seen[n] == 0)
      return CardToUtf8(*CardNumber(n)) + " is nowhere";
  return "";
}

}  // namespace tarnel
