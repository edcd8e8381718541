// Helpers for core tests: cards from UTF-8 text, hands laid out by hand, a recording presenter.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "core/cards.h"
#include "core/null_presenter.h"
#include "core/table_state.h"

namespace tarnel::test {

inline CardCode C(const char* utf8) {
  auto card = ParseCardUtf8(utf8);
  if (!card) throw std::string("bad card in test: ") + utf8;
  return *card;
}

inline char Suit(const char* utf8Suit) { return C((std::string("6") + utf8Suit).c_str()).Suit; }

// Puts cards into a seat's hand at positions 1.. with their rank values for the state's trump.
inline void SetHand(TTableState& s, int seat, std::initializer_list<const char*> cards) {
  s.HandCard[seat].fill(EmptyCard);
  s.HandRank[seat].fill(EmptyRank);
  s.HandMark[seat].fill(EmptyMark);
  int p = 0;
  for (const char* c : cards) {
    ++p;
    s.HandCard[seat][p] = C(c);
    s.HandRank[seat][p] = RankValue(C(c), s.TrumpSuit);
    s.HandMark[seat][p] = 0;
  }
  if (seat <= 2) s.CardCount[seat] = static_cast<std::uint8_t>(p);
}

inline std::vector<std::string> HandCodes(const TTableState& s, int seat, int upTo) {
  std::vector<std::string> out;
  for (int p = 1; p <= upTo; ++p) out.push_back(CardToUtf8(s.HandCard[seat][p]));
  return out;
}

using RecordingPresenter = NullTablePresenter;

}  // namespace tarnel::test
