#include <gtest/gtest.h>

#include <set>

#include "core/dealing.h"
#include "test_support.h"

namespace tarnel {
namespace {

using test::RecordingPresenter;

TEST(Shuffle, IsAPermutationWithPlainRanks) {
  SeededRandom random(7);
  for (int round = 0; round < 200; ++round) {
    TTableState s;
    Shuffle(s, random);
    std::set<int> numbers;
    for (int i = 1; i <= 36; ++i) {
      numbers.insert(NumberOfCard(s.DeckCard[i]));
      EXPECT_EQ(s.DeckRank[i], PlainRankValue(s.DeckCard[i].Rank));
      EXPECT_EQ(s.DeckMark[i], 0);
    }
    EXPECT_EQ(numbers.size(), 36u);
    EXPECT_EQ(*numbers.begin(), 1);
  }
}

// Pins the seeded deals: a changed generator or shuffle must not silently change every
// recorded self-play run and benchmark.
TEST(Shuffle, SeededDealsArePinned) {
  auto firstCards = [](std::uint64_t seed) {
    SeededRandom random(seed);
    TTableState s;
    Shuffle(s, random);
    std::string text;
    for (int i = 1; i <= 8; ++i) text += CardToUtf8(s.DeckCard[i]) + " ";
    return text + "| " + CardToUtf8(s.DeckCard[36]);
  };
  EXPECT_EQ(firstCards(1), "9б 8к Тч Тп 8п Тк 9к Вб | 1ч");
  EXPECT_EQ(firstCards(2026), "7б 1ч Кк 1к Кч Тч Тп 9п | Кб");
}

TEST(FirstTurnState, AlternatesByGameAndRoundParity) {
  struct Case {
    GameKind kind;
    int gameNo, roundNo, turn;
  } cases[] = {
      {GameKind::Computer, 1, 1, kTurnSeat1},  // new player's first round: the computer leads
      {GameKind::Computer, 1, 2, kTurnSeat2},
      {GameKind::Computer, 8, 1, kTurnSeat2},  // member with 7 games starts game 8
      {GameKind::Computer, 8, 2, kTurnSeat1},
      {GameKind::NetworkServer, 3, 3, kTurnSeat1},
      {GameKind::TournamentFirstSeat, 5, 2, kTurnSeat1},  // tournament: round parity only
      {GameKind::TournamentFirstSeat, 4, 1, kTurnSeat2},
      {GameKind::TournamentSecondSeat, 5, 2, kTurnSeat2},
      {GameKind::TournamentSecondSeat, 4, 1, kTurnSeat1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FirstTurnState(c.kind, c.gameNo, c.roundNo), c.turn) << c.gameNo << "/" << c.roundNo;
}

TEST(StartRound, NewGameTakesTheStandingAndDealsBothHandSizes) {
  for (int hand : {6, 10}) {
    SeededRandom random(hand);
    TTableState s;
    s.GameTotal = {0, 30, 40};
    s.RoundNo = 4;
    s.StockEmptySaid = true;
    s.SetOppVoid(test::Suit("ч"));
    RecordingPresenter presenter;
    RoundSetup setup;
    setup.HandSize = hand;
    setup.Standing = {8, "7", 120, 1.25};
    StartRound(s, setup, random, presenter);

    EXPECT_EQ(s.GameTotal[1] + s.GameTotal[2], 0);
    EXPECT_EQ(s.RoundNo, 1);
    EXPECT_EQ(s.GameNo, 8);
    EXPECT_EQ(s.PrevGames, "7");
    EXPECT_EQ(s.InitialScore, 120);
    EXPECT_DOUBLE_EQ(s.Rating, 1.25);
    EXPECT_EQ(s.TurnState, kTurnSeat2);
    EXPECT_EQ(s.ToMove, "me");
    EXPECT_EQ(s.RoundPhase, kPhaseDealt);
    EXPECT_EQ(s.CardCount[1], hand);
    EXPECT_EQ(s.CardCount[2], hand);
    EXPECT_EQ(s.NextStock, hand == 6 ? 13 : 21);
    EXPECT_EQ(s.TrumpSuit, s.DeckCard[36].Suit);
    EXPECT_TRUE(s.OppVoid.none());
    EXPECT_TRUE(s.StockEmptySaid);  // never cleared
    EXPECT_EQ(CheckCardPlaces(s), "");
    EXPECT_EQ(presenter.Cues, std::vector<std::string>{"WTasoKo"});
    EXPECT_EQ(presenter.LastCaption, Button7Caption::ToBeginOfRound);
    EXPECT_TRUE(presenter.Button7Enabled);

    // Trumps carry trump rank values everywhere: in both hands and in the deck.
    for (int i = 1; i <= 36; ++i)
      EXPECT_EQ(s.DeckRank[i], RankValue(s.DeckCard[i], s.TrumpSuit)) << i;
    for (int seat : {1, 2})
      for (int p = 1; p <= hand; ++p)
        EXPECT_EQ(s.HandRank[seat][p], RankValue(s.HandCard[seat][p], s.TrumpSuit));

    setup.Continuation = true;
    StartRound(s, setup, random, presenter);
    EXPECT_EQ(s.RoundNo, 2);
    EXPECT_EQ(s.GameNo, 8);
    EXPECT_EQ(s.TurnState, kTurnSeat1);
  }
}

TEST(StartRound, TheOtherMachineStartsOnAClientAndAtTheSecondSeat) {
  for (auto [kind, enabled] : {std::pair{GameKind::NetworkServer, true},
                               {GameKind::NetworkClient, false},
                               {GameKind::TournamentFirstSeat, true},
                               {GameKind::TournamentSecondSeat, false}}) {
    SeededRandom random(3);
    TTableState s;
    Shuffle(s, random);
    RecordingPresenter presenter;
    RoundSetup setup;
    setup.Kind = kind;
    StartRoundFromDeck(s, setup, presenter);
    EXPECT_EQ(presenter.Button7Enabled, enabled);
    EXPECT_EQ(CheckCardPlaces(s), "");
  }
}

}  // namespace
}  // namespace tarnel
