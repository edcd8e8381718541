#include <gtest/gtest.h>

#include "core/table_state.h"
#include "test_support.h"

namespace tarnel {
namespace {

using test::C;
using test::HandCodes;
using test::SetHand;
using test::Suit;

TEST(SortHand, SuitOrderDependsOnTrump) {
  struct Case {
    const char* trump;
    std::vector<std::string> order;  // one card per suit, as sorted
  } cases[] = {
      {"п", {"6ч", "6к", "6б", "6п"}},
      {"к", {"6ч", "6п", "6б", "6к"}},
      {"б", {"6к", "6ч", "6п", "6б"}},
      {"ч", {"6к", "6б", "6п", "6ч"}},
      {"#", {"6ч", "6к", "6б", "6п"}},
  };
  for (const auto& c : cases) {
    TTableState s;
    s.TrumpSuit = std::string(c.trump) == "#" ? kNoSuit : Suit(c.trump);
    SetHand(s, kSeatMe, {"6п", "6б", "6к", "6ч"});
    SortHand(s, kSeatMe);
    EXPECT_EQ(HandCodes(s, kSeatMe, 4), c.order) << c.trump;
  }
}

TEST(SortHand, DiamondsTrumpExample) {
  TTableState s;
  s.TrumpSuit = Suit("б");
  SetHand(s, kSeatMe, {"6б", "Тп", "7к"});
  SortHand(s, kSeatMe);
  EXPECT_EQ(HandCodes(s, kSeatMe, 3), (std::vector<std::string>{"7к", "Тп", "6б"}));
}

TEST(SortHand, TrumpsFollowTrumpOrderWithTheJackLast) {
  TTableState s;
  s.TrumpSuit = Suit("ч");
  SetHand(s, kSeatCo, {"Вч", "Тч", "1ч", "Дч", "6ч", "Кч", "9ч", "7ч", "8ч"});
  SortHand(s, kSeatCo);
  EXPECT_EQ(HandCodes(s, kSeatCo, 9),
            (std::vector<std::string>{"6ч", "7ч", "8ч", "9ч", "1ч", "Дч", "Кч", "Тч", "Вч"}));
  // Outside trumps the same ranks keep their natural order.
  s.TrumpSuit = Suit("п");
  SetHand(s, kSeatCo, {"Вч", "Тч", "1ч", "Дч"});
  SortHand(s, kSeatCo);
  EXPECT_EQ(HandCodes(s, kSeatCo, 4), (std::vector<std::string>{"1ч", "Вч", "Дч", "Тч"}));
}

TEST(SortHand, CompactsAfterACardLeavesAndPadsWithEmptyPlaces) {
  TTableState s;
  s.TrumpSuit = Suit("п");
  SetHand(s, kSeatMe, {"7ч", "9ч", "6к", "Тк", "8б", "Вп"});
  SortHand(s, kSeatMe);
  s.HandCard[kSeatMe][3] = EmptyCard;
  s.HandRank[kSeatMe][3] = EmptyRank;
  SortHand(s, kSeatMe);
  EXPECT_EQ(s.CardCount[kSeatMe], 5);
  EXPECT_EQ(HandCodes(s, kSeatMe, 6), (std::vector<std::string>{"7ч", "9ч", "Тк", "8б", "Вп", "##"}));
  for (int p = 6; p <= 18; ++p) {
    EXPECT_EQ(s.HandCard[kSeatMe][p], EmptyCard);
    EXPECT_EQ(s.HandRank[kSeatMe][p], EmptyRank);
    EXPECT_EQ(s.HandMark[kSeatMe][p], EmptyMark);
  }
}

TEST(CheckCardPlaces, FindsMissingAndDuplicatedCards) {
  TTableState s;
  for (int i = 1; i <= 36; ++i) s.DeckCard[i] = *CardNumber(i);
  s.NextStock = 1;
  EXPECT_EQ(CheckCardPlaces(s), "");
  s.NextStock = 2;
  EXPECT_NE(CheckCardPlaces(s), "");  // card 1 is nowhere
  s.TableCard[kSeatCo] = s.DeckCard[1];
  EXPECT_EQ(CheckCardPlaces(s), "");
  s.TableCard[kSeatMe] = s.DeckCard[2];
  EXPECT_NE(CheckCardPlaces(s), "");  // card 2 twice
}

}  // namespace
}  // namespace tarnel
