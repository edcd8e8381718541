#include "core/cards.h"

#include "core/cp1251.h"

namespace tarnel {
namespace {

// Trump rank values by rank index: six..ten keep their place, then queen, king, ace, jack.
constexpr std::array<std::uint8_t, 9> kTrumpValue = {1, 2, 3, 4, 5, 9, 6, 7, 8};
// Points inside the trump suit by rank index.
constexpr std::array<int, 9> kTrumpPoints = {0, 0, 0, 0, 10, 11, 2, 3, 4};

}  // namespace

int RankIndex(char rank) {
  for (int i = 0; i < 9; ++i)
    if (kRanks[i] == rank) return i;
  return -1;
}

int SuitIndex(char suit) {
  for (int i = 0; i < 4; ++i)
    if (kSuits[i] == suit) return i;
  return -1;
}

bool IsSuit(char c) { return SuitIndex(c) >= 0; }
bool IsRank(char c) { return RankIndex(c) >= 0; }
bool IsDeckCard(CardCode card) { return IsRank(card.Rank) && IsSuit(card.Suit); }

std::uint8_t PlainRankValue(char rank) {
  int i = RankIndex(rank);
  return i < 0 ? EmptyRank : static_cast<std::uint8_t>(i + 1);
}

std::uint8_t TrumpRankValue(char rank) {
  int i = RankIndex(rank);
  return i < 0 ? EmptyRank : kTrumpValue[i];
}

std::uint8_t RankValue(CardCode card, char trumpSuit) {
  if (!IsDeckCard(card)) return EmptyRank;
  return card.Suit == trumpSuit ? TrumpRankValue(card.Rank) : PlainRankValue(card.Rank);
}

int CardPoints(CardCode card, char trumpSuit) {
  if (!IsDeckCard(card) || card.Suit != trumpSuit) return 0;
  return kTrumpPoints[RankIndex(card.Rank)];
}

std::optional<CardCode> CardNumber(int n) {
  if (n < 1 || n > 36) return std::nullopt;
  return CardCode{kRanks[(n - 1) / 4], kSuits[(n - 1) % 4]};
}

int NumberOfCard(CardCode card) {
  if (!IsDeckCard(card)) return 0;
  return RankIndex(card.Rank) * 4 + SuitIndex(card.Suit) + 1;
}

std::optional<CardCode> ParseCardUtf8(std::string_view text) {
  std::string bytes = Utf8ToCp1251(text, '\x01');
  if (bytes.size() != 2) return std::nullopt;
  CardCode card{bytes[0], bytes[1]};
  if (card == EmptyCard || IsDeckCard(card)) return card;
  return std::nullopt;
}

std::string CardToUtf8(CardCode card) { return Cp1251ToUtf8(card.Bytes()); }

bool HasCard(const HandCards& hand, CardCode card) { return PosOfCard(hand, card) != 0; }

int PosOfCard(const HandCards& hand, CardCode card) {
  int found = 0;
  for (int p = 1; p <= kMaxHandPos; ++p)
    if (hand[p] == card) found = p;
  return found;
}

int CountSuit(const HandCards& hand, char suit) {
  if (!IsSuit(suit)) return 0;
  int n = 0;
  for (int p = 1; p <= kMaxHandPos; ++p)
    if (hand[p].Suit == suit) ++n;
  return n;
}

bool HasSuit(const HandCards& hand, char suit) { return CountSuit(hand, suit) > 0; }

namespace {

template <typename RankOrder>
int FirstByRankOrder(const HandCards& hand, char suit, const RankOrder& order) {
  // "##" is a place, not a suit: asking for suit '#' must not find empty places.
  if (!IsSuit(suit)) return 0;
  for (char rank : order)
    for (int p = 1; p <= kMaxHandPos; ++p)
      if (hand[p].Rank == rank && hand[p].Suit == suit) return p;
  return 0;
}

template <typename Better>
int ExtremeRank(const HandCards& hand, const HandRanks& ranks, char suit, Better better) {
  if (!IsSuit(suit)) return 0;
  int best = 0;
  for (int p = 1; p <= kMaxHandPos; ++p) {
    if (hand[p].Suit != suit || ranks[p] < 1 || ranks[p] > 9) continue;
    if (best == 0 || better(ranks[p], best)) best = ranks[p];
  }
  return best;
}

}  // namespace

int LowestOfSuit(const HandCards& hand, char suit) {
  return FirstByRankOrder(hand, suit, kRanks);
}

int HighestOfSuit(const HandCards& hand, char suit) {
  constexpr std::array<char, 9> kDown = {cp::kAce, cp::kKing, cp::kQueen, cp::kJack, '1',
                                         '9', '8', '7', '6'};
  return FirstByRankOrder(hand, suit, kDown);
}

int MaxRankOfSuit(const HandCards& hand, const HandRanks& ranks, char suit) {
  return ExtremeRank(hand, ranks, suit, [](int a, int b) { return a > b; });
}

int MinRankOfSuit(const HandCards& hand, const HandRanks& ranks, char suit) {
  return ExtremeRank(hand, ranks, suit, [](int a, int b) { return a < b; });
}

}  // namespace tarnel
