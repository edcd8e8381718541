#include <gtest/gtest.h>

#include "core/cards.h"
#include "core/cp1251.h"
#include "test_support.h"

namespace tarnel {
namespace {

using test::C;
using test::Suit;

TEST(Cards, CodesAreTwoWindows1251Bytes) {
  EXPECT_EQ(C("1п").Bytes(), std::string("1\xEF"));
  EXPECT_EQ(C("Вч").Bytes(), std::string("\xC2\xF7"));
  for (int n = 1; n <= 36; ++n) EXPECT_EQ(CardNumber(n)->Bytes().size(), 2u);
  EXPECT_EQ(CardToUtf8(C("Тб")), "Тб");
  EXPECT_FALSE(ParseCardUtf8("10п"));
  EXPECT_FALSE(ParseCardUtf8("Xп"));
  EXPECT_FALSE(ParseCardUtf8("1"));
  EXPECT_EQ(*ParseCardUtf8("##"), EmptyCard);
}

TEST(Cards, CardNumberGoesRankByRankInSuitOrder) {
  struct Case {
    int n;
    const char* card;
  } cases[] = {{1, "6ч"}, {2, "6б"}, {3, "6к"}, {4, "6п"}, {5, "7ч"}, {17, "1ч"}, {21, "Вч"}, {36, "Тп"}};
  for (auto c : cases) {
    EXPECT_EQ(*CardNumber(c.n), C(c.card)) << c.n;
    EXPECT_EQ(NumberOfCard(C(c.card)), c.n);
  }
  EXPECT_FALSE(CardNumber(0));
  EXPECT_FALSE(CardNumber(37));
  EXPECT_EQ(NumberOfCard(EmptyCard), 0);
}

TEST(Cards, RankValuesAndPointsInsideAndOutsideTrumps) {
  struct Case {
    const char* card;
    int plain, trump, points;
  } cases[] = {{"6ч", 1, 1, 0},  {"9ч", 4, 4, 0},  {"1ч", 5, 5, 10}, {"Вч", 6, 9, 11},
               {"Дч", 7, 6, 2},  {"Кч", 8, 7, 3},  {"Тч", 9, 8, 4}};
  char hearts = Suit("ч");
  char spades = Suit("п");
  for (auto c : cases) {
    EXPECT_EQ(RankValue(C(c.card), spades), c.plain) << c.card;
    EXPECT_EQ(RankValue(C(c.card), hearts), c.trump) << c.card;
    EXPECT_EQ(CardPoints(C(c.card), hearts), c.points) << c.card;
    EXPECT_EQ(CardPoints(C(c.card), spades), 0) << c.card;
  }
  int total = 0;
  for (int n = 1; n <= 36; ++n) total += CardPoints(*CardNumber(n), hearts);
  EXPECT_EQ(total, 30);
  // The jack outranks the ace only in trumps.
  EXPECT_GT(RankValue(C("Вп"), spades), RankValue(C("Тп"), spades));
  EXPECT_LT(RankValue(C("Вп"), hearts), RankValue(C("Тп"), hearts));
  EXPECT_EQ(RankValue(EmptyCard, hearts), EmptyRank);
  EXPECT_EQ(CardPoints(CardCode{'X', hearts}, hearts), 0);
}

struct HandFixture : ::testing::Test {
  TTableState s;
  void Hand(std::initializer_list<const char*> cards) { test::SetHand(s, kSeatCo, cards); }
  const HandCards& H() { return s.HandCard[kSeatCo]; }
  const HandRanks& R() { return s.HandRank[kSeatCo]; }
};

TEST_F(HandFixture, NaturalAndStoredRankQueriesDifferInTrumps) {
  s.TrumpSuit = Suit("ч");
  Hand({"Тч", "7к", "Вч", "6ч"});
  EXPECT_EQ(MaxRankOfSuit(H(), R(), Suit("ч")), 9);   // the jack
  EXPECT_EQ(H()[HighestOfSuit(H(), Suit("ч"))], C("Тч"));
  EXPECT_EQ(MinRankOfSuit(H(), R(), Suit("ч")), 1);
  EXPECT_EQ(H()[LowestOfSuit(H(), Suit("ч"))], C("6ч"));
  EXPECT_EQ(CountSuit(H(), Suit("ч")), 3);
  EXPECT_TRUE(HasSuit(H(), Suit("к")));
  EXPECT_FALSE(HasSuit(H(), Suit("п")));
  EXPECT_EQ(MaxRankOfSuit(H(), R(), Suit("п")), 0);
  EXPECT_EQ(LowestOfSuit(H(), Suit("п")), 0);
}

TEST_F(HandFixture, PosOfCardFindsTheLastPlace) {
  Hand({"7к", "7к", "Тп"});
  EXPECT_EQ(PosOfCard(H(), C("7к")), 2);
  EXPECT_EQ(PosOfCard(H(), C("Тб")), 0);
  EXPECT_FALSE(HasCard(H(), C("Тб")));
  EXPECT_EQ(PosOfCard(H(), EmptyCard), 10);  // the last empty place among 1..10
}

TEST_F(HandFixture, QueriesNeverLookBeyondPositionTen) {
  Hand({"7к"});
  s.HandCard[kSeatCo][11] = C("Тп");
  s.HandRank[kSeatCo][11] = 9;
  EXPECT_FALSE(HasCard(H(), C("Тп")));
  EXPECT_EQ(CountSuit(H(), Suit("п")), 0);
  EXPECT_EQ(MaxRankOfSuit(H(), R(), Suit("п")), 0);
  // "#" and unknown bytes are no suit.
  EXPECT_EQ(CountSuit(H(), '#'), 0);
  EXPECT_EQ(LowestOfSuit(H(), '#'), 0);
  EXPECT_EQ(MaxRankOfSuit(H(), R(), 'x'), 0);
}

TEST(Cp1251, RoundTripsEveryByteAndReplacesTheRest) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
  EXPECT_EQ(Cp1251ToUtf8("\xCA\xEE\xEB\xFF \xB9"), "Коля №");
  EXPECT_EQ(Utf8ToCp1251("Ёж €"), "\xA8\xE6 \x88");
  EXPECT_EQ(Utf8ToCp1251("漢"), "?");
  // Truncated, stray continuation and overlong sequences are replaced, not trusted.
  EXPECT_EQ(Utf8ToCp1251("\xD0"), "?");
  EXPECT_EQ(Utf8ToCp1251("\x80z"), "?z");
  EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??");
}

}  // namespace
}  // namespace tarnel
