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
    EXPECT_EQ(FirstTurnState(HandOverFor(c.kind).FirstMover, c.gameNo, c.roundNo), c.turn) << c.gameNo << "/" << c.roundNo;
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

ReceivedRound RoundOf(const TTableState& dealt, int handSize, std::uint8_t senderTurn) {
  ReceivedRound r;
  r.DeckCard = dealt.DeckCard;
  r.DeckRank = dealt.DeckRank;
  r.DeckMark = dealt.DeckMark;
  r.HandSize = handSize;
  r.SenderTurnState = senderTurn;
  return r;
}

TEST(StartReceivedRound, TheReceiverHoldsWhatTheSendersSeatOneHolds) {
  for (int hand : {6, 10}) {
    for (std::uint8_t senderTurn : {kTurnSeat1, kTurnSeat2}) {
      SeededRandom random(hand * 7 + senderTurn);
      TTableState server;
      RecordingPresenter quiet;
      RoundSetup setup;
      setup.Kind = GameKind::NetworkServer;
      setup.HandSize = hand;
      StartRound(server, setup, random, quiet);

      TTableState client;
      client.RoundNo = 2;
      RecordingPresenter presenter;
      RoundSetup clientSetup;
      clientSetup.Kind = GameKind::NetworkClient;
      clientSetup.Continuation = true;
      ReceivedRound round = RoundOf(server, hand, senderTurn);
      ASSERT_TRUE(StartReceivedRound(client, clientSetup, round, presenter));
      EXPECT_EQ(client.RoundNo, 3);
      EXPECT_EQ(client.HandSize, hand);
      EXPECT_EQ(client.TurnState, senderTurn == kTurnSeat1 ? kTurnSeat2 : kTurnSeat1);
      EXPECT_EQ(client.ToMove, senderTurn == kTurnSeat1 ? "me" : "co");
      EXPECT_EQ(client.TrumpSuit, server.TrumpSuit);
      for (int p = 1; p <= hand; ++p) {
        EXPECT_EQ(client.HandCard[kSeatMe][p], server.HandCard[kSeatCo][p]) << p;
        EXPECT_EQ(client.HandRank[kSeatMe][p], server.HandRank[kSeatCo][p]) << p;
        EXPECT_EQ(client.HandCard[kSeatCo][p], server.HandCard[kSeatMe][p]) << p;
      }
      EXPECT_EQ(client.DeckRank, server.DeckRank);
      EXPECT_EQ(client.NextStock, server.NextStock);
      EXPECT_EQ(CheckCardPlaces(client), "");
      EXPECT_FALSE(presenter.Button7Enabled);  // only the server begins the round
      EXPECT_EQ(presenter.LastCaption, Button7Caption::ToBeginOfRound);
    }
  }
}

TEST(StartReceivedRound, ADamagedRoundChangesNothing) {
  SeededRandom random(4);
  TTableState dealt;
  Shuffle(dealt, random);
  ReceivedRound good = RoundOf(dealt, 6, kTurnSeat1);
  ReceivedRound repeated = good;
  repeated.DeckCard[5] = repeated.DeckCard[9];
  ReceivedRound foreign = good;
  foreign.DeckCard[1] = EmptyCard;
  ReceivedRound size = good;
  size.HandSize = 8;
  ReceivedRound turn = good;
  turn.SenderTurnState = 7;
  // Rank values follow from the cards, whatever the sender wrote.
  ReceivedRound ranks = good;
  ranks.DeckRank.fill(0);

  for (const ReceivedRound* bad : {&repeated, &foreign, &size, &turn}) {
    TTableState s;
    s.RoundNo = 3;
    RecordingPresenter presenter;
    RoundSetup setup;
    setup.Kind = GameKind::NetworkClient;
    setup.Continuation = true;
    EXPECT_FALSE(StartReceivedRound(s, setup, *bad, presenter));
    EXPECT_EQ(s.RoundNo, 3);
    EXPECT_TRUE(presenter.Calls.empty());
  }
  TTableState s;
  RecordingPresenter presenter;
  RoundSetup setup;
  setup.Kind = GameKind::NetworkClient;
  ASSERT_TRUE(StartReceivedRound(s, setup, ranks, presenter));
  EXPECT_EQ(CheckCardPlaces(s), "");
  for (int i = 1; i <= 36; ++i) EXPECT_EQ(s.DeckRank[i], RankValue(s.DeckCard[i], s.TrumpSuit));
}

TEST(StartReceivedRound, ATournamentSeatTakesItsHandAndFirstMoverByItsOwnRules) {
  SeededRandom random(8);
  TTableState dealt;
  Shuffle(dealt, random);
  for (auto [kind, ownFirst] : {std::pair{GameKind::TournamentFirstSeat, true},
                                {GameKind::TournamentSecondSeat, false}}) {
    ReceivedRound round = RoundOf(dealt, 10, 0);
    round.OwnHandFirst = ownFirst;
    TTableState s;
    RecordingPresenter presenter;
    RoundSetup setup;
    setup.Kind = kind;
    ASSERT_TRUE(StartReceivedRound(s, setup, round, presenter));
    // Round 1: the first seat moves first, so its seat 2 leads; the second seat sees seat 1 lead.
    EXPECT_EQ(s.TurnState, kind == GameKind::TournamentFirstSeat ? kTurnSeat2 : kTurnSeat1);
    EXPECT_TRUE(HasCard(s.HandCard[kSeatMe], dealt.DeckCard[ownFirst ? 1 : 11]));
    EXPECT_EQ(presenter.Button7Enabled, kind == GameKind::TournamentFirstSeat);
  }
}

}  // namespace
}  // namespace tarnel
