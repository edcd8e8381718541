#include <gtest/gtest.h>

#include "core/rules.h"
#include "core/turn_driver.h"
#include "test_support.h"

namespace tarnel {
namespace {

using test::C;
using test::RecordingPresenter;
using test::SetHand;
using test::Suit;

TEST(CheckAnswer, FollowSuitThenTrump) {
  TTableState s;
  s.TrumpSuit = Suit("ч");
  s.LedSuit = Suit("к");
  s.ToMove = "co";
  SetHand(s, kSeatMe, {"Тб", "6ч"});
  EXPECT_EQ(CheckAnswer(s, 1), kAnswerMustTrump);
  EXPECT_EQ(CheckAnswer(s, 2), kAnswerOk);
  SetHand(s, kSeatMe, {"Тб", "6ч", "9к"});
  EXPECT_EQ(CheckAnswer(s, 1), kAnswerMustFollow);
  EXPECT_EQ(CheckAnswer(s, 2), kAnswerMustFollow);  // trumping is no excuse while holding clubs
  EXPECT_EQ(CheckAnswer(s, 3), kAnswerOk);
  SetHand(s, kSeatMe, {"Тб", "7п"});
  EXPECT_EQ(CheckAnswer(s, 1), kAnswerOk);  // neither suit nor trump: anything goes
  // Bad positions and empty places are refused, never read out of bounds.
  for (int p : {-5, 0, 3, 10, 11, 1000}) EXPECT_EQ(CheckAnswer(s, p), kAnswerNoCard) << p;
}

TEST(TrickWinner, AllSixCases) {
  char T = Suit("б");
  struct Case {
    const char* card1;  // seat 1
    const char* card2;  // seat 2
    int leader;
    int winner;
  } cases[] = {
      {"Кп", "Тп", kSeatCo, kSeatMe},  // 1. same suit: higher rank
      {"Вб", "Тб", kSeatMe, kSeatCo},  // 1. same suit in trumps: jack over ace
      {"6б", "Тп", kSeatCo, kSeatCo},  // 2. seat 1 led a trump
      {"Тп", "6б", kSeatMe, kSeatMe},  // 3. seat 2 led a trump
      {"Тп", "6б", kSeatCo, kSeatMe},  // 4. seat 2 trumps seat 1's lead
      {"6б", "Тп", kSeatMe, kSeatCo},  // 5. seat 1 trumps seat 2's lead
      {"6ч", "Тп", kSeatCo, kSeatCo},  // 6. different suits, no trump: leader
      {"Тч", "6п", kSeatMe, kSeatMe},  // 6.
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TrickWinner(C(c.card1), RankValue(C(c.card1), T), C(c.card2),
                          RankValue(C(c.card2), T), c.leader, T),
              c.winner)
        << c.card1 << " " << c.card2;
  }
}

TEST(TrickValue, OnlyTopTrumpsCount) {
  char T = Suit("п");
  EXPECT_EQ(TrickValue(C("Вп"), C("Тп"), T), 15);
  EXPECT_EQ(TrickValue(C("Вп"), C("1п"), T), 21);
  EXPECT_EQ(TrickValue(C("Тч"), C("1ч"), T), 0);
  EXPECT_EQ(TrickValue(C("9п"), C("Дп"), T), 2);
}

// Seat 1 leads the seven of clubs with hearts trump; seat 2 has no club, so it must trump.
TEST(ResolveTrick, TrumpingALeadMarksTheSuitVoidAndScores) {
  TTableState s;
  s.TrumpSuit = Suit("ч");
  s.ToMove = "co";
  s.TurnState = kTurnSeat1;
  SetHand(s, kSeatCo, {"7к", "8б"});
  SetHand(s, kSeatMe, {"Тб", "6ч"});
  RecordingPresenter presenter;
  ASSERT_TRUE(ApplyMove(s, kSeatCo, 1, HandOverFor(GameKind::Computer), presenter));
  EXPECT_EQ(s.TurnState, kTurnSeat2);
  EXPECT_EQ(s.LedSuit, Suit("к"));
  EXPECT_EQ(CheckAnswer(s, PosOfCard(s.HandCard[kSeatMe], C("Тб"))), kAnswerMustTrump);
  ASSERT_TRUE(ApplyMove(s, kSeatMe, PosOfCard(s.HandCard[kSeatMe], C("6ч")), HandOverFor(GameKind::Computer),
                        presenter));
  EXPECT_EQ(s.TurnState, kTurnTrickDone);
  EXPECT_EQ(s.ToMove, "me");
  EXPECT_TRUE(s.IsOppVoid(Suit("к")));
  EXPECT_EQ(s.CardsTaken[kSeatMe], 2);
  EXPECT_EQ(s.TrickPoints[kSeatMe], 0);
  EXPECT_TRUE(presenter.Button7Enabled);
}

TEST(ResolveTrick, SeatTwoLeadingNeverMarksAVoid) {
  TTableState s;
  s.TrumpSuit = Suit("б");
  s.ToMove = "me";
  s.TableCard = {EmptyCard, C("Кб"), C("Дп")};
  s.TableRank = {0, RankValue(C("Кб"), s.TrumpSuit), RankValue(C("Дп"), s.TrumpSuit)};
  RecordingPresenter presenter;
  EXPECT_EQ(ResolveTrick(s), kSeatCo);
  EXPECT_TRUE(s.OppVoid.none());
  EXPECT_EQ(s.TrickPoints[kSeatCo], 3);
}

// A 6-card round at its first refill: both hands empty, the trick on the table.
struct RefillFixture : ::testing::Test {
  TTableState s;
  RecordingPresenter presenter;
  void SetUp() override {
    for (int i = 1; i <= 36; ++i) s.DeckCard[i] = *CardNumber(i);
    s.TrumpSuit = s.DeckCard[36].Suit;
    for (int i = 1; i <= 36; ++i) s.DeckRank[i] = RankValue(s.DeckCard[i], s.TrumpSuit);
    s.HandSize = 6;
    s.CardCount = {0, 0, 0};
  }
  void PutTrick(int from, const std::string& winner) {
    s.TableCard[kSeatCo] = s.DeckCard[from];
    s.TableCard[kSeatMe] = s.DeckCard[from + 1];
    s.ToMove = winner;
    s.TurnState = kTurnTrickDone;
  }
};

TEST_F(RefillFixture, WinnerDrawsFirstAndTheBottomCardGoesToTheLoser) {
  // Deck cards 1..22 collected, 23 and 24 on the table, 25..36 left in the stock.
  s.SeenCount = 1;
  s.NextStock = 25;
  for (int i = 1; i <= 22; ++i) s.SeenCard[s.SeenCount++] = s.DeckCard[i];
  PutTrick(23, "me");
  ASSERT_FALSE(CollectTrick(s, presenter));
  EXPECT_EQ(s.TurnState, kTurnSeat2);
  EXPECT_EQ(s.NextStock, kStockEmpty);
  ASSERT_EQ(presenter.Draws.size(), 12u);
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(presenter.Draws[k].first, k % 2 == 0 ? kSeatMe : kSeatCo) << k;
    EXPECT_EQ(presenter.Draws[k].second, s.DeckCard[25 + k]) << k;
  }
  EXPECT_TRUE(HasCard(s.HandCard[kSeatCo], s.DeckCard[36]));  // the turned trump to the loser
  EXPECT_EQ(s.CardCount[kSeatCo], 6);
  EXPECT_EQ(s.CardCount[kSeatMe], 6);
  EXPECT_EQ(CheckCardPlaces(s), "");
  EXPECT_EQ(presenter.Cues, std::vector<std::string>{"WKoloNo"});
  EXPECT_TRUE(s.StockEmptySaid);
}

TEST_F(RefillFixture, StockEmptyCueSoundsOncePerRun) {
  s.StockEmptySaid = true;
  s.SeenCount = 1;
  s.NextStock = 25;
  for (int i = 1; i <= 22; ++i) s.SeenCard[s.SeenCount++] = s.DeckCard[i];
  PutTrick(23, "co");
  CollectTrick(s, presenter);
  EXPECT_TRUE(presenter.Cues.empty());
  EXPECT_EQ(presenter.Draws.front().first, kSeatCo);
}

TEST_F(RefillFixture, LastTrickEndsTheRoundAndRecordsSeenCardsSeatTwoFirst) {
  s.NextStock = kStockEmpty;
  s.StockEmptySaid = true;
  s.SeenCount = 1;
  for (int i = 1; i <= 34; ++i) s.SeenCard[s.SeenCount++] = s.DeckCard[i];
  PutTrick(35, "co");
  EXPECT_TRUE(CollectTrick(s, presenter));
  EXPECT_EQ(s.TurnState, kTurnRoundDone);
  EXPECT_EQ(s.SeenCard[35], s.DeckCard[36]);  // seat 2's card first
  EXPECT_EQ(s.SeenCard[36], s.DeckCard[35]);
  EXPECT_EQ(s.SeenCount, 37);
  EXPECT_EQ(s.TableCard[kSeatCo], EmptyCard);
  EXPECT_EQ(s.LedSuit, kNoSuit);
}

TEST_F(RefillFixture, ASuitFullyAccountedForBecomesVoid) {
  // Seat 1 holds eight hearts, the ninth lies in this trick.
  s.TrumpSuit = Suit("п");
  SetHand(s, kSeatCo, {"7ч", "8ч", "9ч", "1ч", "Вч", "Дч", "Кч", "Тч"});
  s.NextStock = kStockEmpty;
  s.SeenCount = 1;
  s.TableCard = {EmptyCard, C("6б"), C("6ч")};
  s.ToMove = "co";
  CollectTrick(s, presenter);
  EXPECT_TRUE(s.IsOppVoid(Suit("ч")));
  EXPECT_FALSE(s.IsOppVoid(Suit("б")));
}

TEST(IsLegal, MatchesTheAnswerRules) {
  TTableState s;
  s.TrumpSuit = Suit("ч");
  SetHand(s, kSeatCo, {"Тб", "6ч", "9к"});
  const auto& h = s.HandCard[kSeatCo];
  EXPECT_TRUE(IsLegal(h, C("Тб"), EmptyCard, s.TrumpSuit));
  EXPECT_FALSE(IsLegal(h, C("Тб"), C("7к"), s.TrumpSuit));
  EXPECT_TRUE(IsLegal(h, C("9к"), C("7к"), s.TrumpSuit));
  EXPECT_FALSE(IsLegal(h, C("Тб"), C("7п"), s.TrumpSuit));
  EXPECT_TRUE(IsLegal(h, C("6ч"), C("7п"), s.TrumpSuit));
}

TEST(ApplyMove, RejectsBadSeatsPositionsAndEmptyPlaces) {
  TTableState s;
  s.TrumpSuit = Suit("ч");
  SetHand(s, kSeatCo, {"Тб"});
  RecordingPresenter presenter;
  TTableState before = s;
  for (auto [seat, pos] : {std::pair{0, 1}, {3, 1}, {1, 0}, {1, 2}, {1, 11}, {1, -1}}) {
    EXPECT_FALSE(ApplyMove(s, seat, pos, HandOverFor(GameKind::Computer), presenter)) << seat << "," << pos;
  }
  EXPECT_EQ(s.HandCard[kSeatCo], before.HandCard[kSeatCo]);
  EXPECT_TRUE(presenter.Cues.empty());
}

TEST(ApplyMove, TrumpJackAndTenHaveTheirOwnCues) {
  RecordingPresenter presenter;
  for (auto [card, cueName] : {std::pair{"Вп", "WSays20"}, {"1п", "WSays40"}, {"Тп", "WHodsDo"},
                               {"Вч", "WHodsDo"}}) {
    TTableState s;
    s.TrumpSuit = Suit("п");
    SetHand(s, kSeatCo, {card});
    presenter.Cues.clear();
    ApplyMove(s, kSeatCo, 1, HandOverFor(GameKind::Computer), presenter);
    EXPECT_EQ(presenter.Cues, std::vector<std::string>{cueName}) << card;
  }
}

}  // namespace
}  // namespace tarnel
