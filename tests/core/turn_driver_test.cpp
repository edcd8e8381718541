#include <gtest/gtest.h>

#include "core/turn_driver.h"
#include "test_support.h"

namespace tarnel {
namespace {

using test::C;
using test::RecordingPeer;
using test::RecordingPresenter;
using test::SetHand;
using test::Suit;

class SpeakingPresenter : public RecordingPresenter {
 public:
  std::vector<CardCode> Spoken;
  std::vector<int> Clocks;
  void SpeakCard(CardCode card) override { Spoken.push_back(card); }
  void RestartMoveClock(int seconds) override { Clocks.push_back(seconds); }
};

// A 6-card round in play, hearts trump, stock not yet empty.
struct DriverFixture : ::testing::Test {
  TTableState s;
  SpeakingPresenter presenter;
  RecordingPeer peer;
  SeededRandom random{5};
  TurnDriver driver{s, presenter, random};

  void SetUp() override {
    SeededRandom deal(11);
    driver.StartGame(PlayerStanding{});
    s.TrumpSuit = Suit("ч");
    SetHand(s, kSeatCo, {"7к", "Тк", "8б"});
    SetHand(s, kSeatMe, {"9к", "Тб", "6ч"});
    s.NextStock = 13;
    s.RoundPhase = kPhasePlaying;
  }
  void SeatToMove(int seat) {
    s.ToMove = seat == kSeatCo ? "co" : "me";
    s.TurnState = static_cast<std::uint8_t>(seat);
  }
  int PosMe(const char* card) { return PosOfCard(s.HandCard[kSeatMe], C(card)); }
};

TEST_F(DriverFixture, BeginningARoundAndTheServersStartMessage) {
  s.RoundPhase = kPhaseDealt;
  driver.Kind = GameKind::NetworkServer;
  driver.Peer = &peer;
  driver.Button7Click();
  EXPECT_EQ(s.RoundPhase, kPhasePlaying);
  EXPECT_EQ(presenter.LastCaption, Button7Caption::Ok);
  EXPECT_FALSE(presenter.Button7Enabled);
  EXPECT_EQ(peer.Sent, std::vector<std::string>{"hsitkon2"});
}

TEST_F(DriverFixture, ClicksOutsideTheUsersTurnOnlySpeak) {
  SeatToMove(kSeatCo);
  EXPECT_EQ(driver.HandClick(1, true), HandClickResult::Spoken);
  EXPECT_EQ(presenter.Spoken.size(), 1u);
  EXPECT_EQ(driver.HandClick(1, false), HandClickResult::Ignored);
  EXPECT_EQ(s.CardCount[kSeatMe], 3);
  EXPECT_EQ(driver.HandClick(0, false), HandClickResult::Ignored);
  EXPECT_EQ(driver.HandClick(7, false), HandClickResult::Ignored);  // an empty place
  s.RoundPhase = kPhaseDealt;
  SeatToMove(kSeatMe);
  EXPECT_EQ(driver.HandClick(1, false), HandClickResult::Ignored);  // the round has not begun
}

TEST_F(DriverFixture, ARefusedAnswerStaysInTheHand) {
  SeatToMove(kSeatCo);
  driver.Timer1Timer();  // the computer leads
  ASSERT_EQ(s.TurnState, kTurnSeat2);
  int wrong = s.LedSuit == Suit("к") ? PosMe("Тб") : PosMe("9к");
  EXPECT_FALSE(driver.CanPlayAt(wrong));
  EXPECT_EQ(driver.HandClick(wrong, false), HandClickResult::Refused);
  EXPECT_EQ(presenter.Cues.back(), "WWrongs");
  EXPECT_EQ(s.CardCount[kSeatMe], 3);
}

TEST_F(DriverFixture, TheComputerLeadsAgainAfterOkWhenItWonTheTrick) {
  SetHand(s, kSeatCo, {"Тк", "7б", "8б"});
  SetHand(s, kSeatMe, {"9к", "Тб", "6п"});
  SortHand(s, kSeatCo);
  SortHand(s, kSeatMe);
  SeatToMove(kSeatCo);
  driver.Timer1Timer();
  ASSERT_EQ(s.TableCard[kSeatCo], C("Тк"));  // its lone club, a singleton run
  ASSERT_EQ(driver.HandClick(PosMe("9к"), false), HandClickResult::Played);
  EXPECT_EQ(s.TurnState, kTurnTrickDone);
  EXPECT_TRUE(presenter.Button7Enabled);
  driver.Timer1Timer();  // nothing moves before "OK"
  EXPECT_EQ(s.TurnState, kTurnTrickDone);
  driver.Button7Click();
  EXPECT_EQ(s.TurnState, kTurnSeat1);
  driver.Timer1Timer();
  EXPECT_EQ(s.TurnState, kTurnSeat2);
  EXPECT_NE(s.TableCard[kSeatCo], EmptyCard);
}

TEST_F(DriverFixture, WhenTheUserWinsNothingMovesUntilItsClick) {
  SetHand(s, kSeatCo, {"7к", "7б", "8б"});
  SortHand(s, kSeatCo);
  SeatToMove(kSeatMe);
  ASSERT_EQ(driver.HandClick(PosMe("9к"), false), HandClickResult::Played);
  driver.Timer1Timer();
  ASSERT_EQ(s.TurnState, kTurnTrickDone);
  ASSERT_EQ(s.ToMove, "me");
  driver.Button7Click();
  EXPECT_EQ(s.TurnState, kTurnSeat2);
  for (int i = 0; i < 3; ++i) driver.Timer1Timer();
  EXPECT_EQ(s.TurnState, kTurnSeat2);
  EXPECT_EQ(s.TableCard[kSeatCo], EmptyCard);
}

TEST_F(DriverFixture, NetworkHandOverOfOk) {
  driver.Kind = GameKind::NetworkClient;
  driver.Peer = &peer;
  SetHand(s, kSeatCo, {"7к", "8к", "Кч"});
  SeatToMove(kSeatMe);
  ASSERT_EQ(driver.HandClick(PosMe("9к"), false), HandClickResult::Played);
  EXPECT_EQ(peer.Sent.back(), "hhod" + C("9к").Bytes());
  driver.Timer1Timer();  // seat 1 is a person on the other machine: no computer move
  EXPECT_EQ(s.TurnState, kTurnSeat1);
  // A move out of turn-order or of a card seat 1 does not hold is ignored.
  EXPECT_FALSE(driver.ReceiveMove(C("Тп")));
  ASSERT_TRUE(driver.ReceiveMove(C("7к")));
  ASSERT_EQ(s.TurnState, kTurnTrickDone);
  ASSERT_EQ(s.ToMove, "me");
  EXPECT_FALSE(presenter.Button7Enabled);  // the local user won: wait for the loser's "o"
  EXPECT_FALSE(driver.ReceiveMove(C("8к")));  // out of turn
  driver.ReceiveGoAhead();
  EXPECT_TRUE(presenter.Button7Enabled);
  peer.Sent.clear();
  driver.Button7Click();
  EXPECT_TRUE(peer.Sent.empty());  // the winner's press sends nothing

  // Seat 1 wins the next trick: this machine presses first and sends "o".
  ASSERT_EQ(driver.HandClick(PosMe("Тб"), false), HandClickResult::Played);
  ASSERT_TRUE(driver.ReceiveMove(C("Кч")));  // no diamond: it trumps
  ASSERT_EQ(s.ToMove, "co");
  EXPECT_TRUE(presenter.Button7Enabled);
  peer.Sent.clear();
  driver.Button7Click();
  EXPECT_EQ(peer.Sent, std::vector<std::string>{"o"});
}

TEST_F(DriverFixture, AServerThatLostTheLastTrickAnnouncesTheRoundAtItsSecondPress) {
  driver.Kind = GameKind::NetworkServer;
  driver.Peer = &peer;
  s.NextStock = kStockEmpty;
  s.StockEmptySaid = true;
  SetHand(s, kSeatCo, {"Тк"});
  SetHand(s, kSeatMe, {"9к"});
  s.CardsTaken = {0, 20, 14};
  s.TrickPoints = {0, 20, 10};
  SeatToMove(kSeatMe);
  driver.HandClick(1, false);
  driver.ReceiveMove(C("Тк"));
  ASSERT_EQ(s.ToMove, "co");
  driver.Button7Click();
  EXPECT_EQ(s.TurnState, kTurnRoundDone);
  EXPECT_EQ(s.RoundScore[kSeatCo], 24);
  EXPECT_EQ(peer.Sent.back(), "o");
  driver.ReceiveGoAhead();
  driver.Button7Click();
  EXPECT_EQ(s.TurnState, kTurnNextRound);
  EXPECT_EQ(presenter.LastCaption, Button7Caption::NextRound);
  EXPECT_TRUE(presenter.Button7Enabled);
}

TEST_F(DriverFixture, TournamentFirstSeatReportsTricksToTheServer) {
  driver.Kind = GameKind::TournamentFirstSeat;
  driver.Peer = &peer;
  SetHand(s, kSeatCo, {"Тк", "7б", "8б"});
  SeatToMove(kSeatMe);
  driver.HandClick(PosMe("9к"), false);
  driver.ReceiveMove(C("Тк"));
  presenter.Clocks.clear();
  driver.Button7Click();
  EXPECT_EQ(peer.Sent.back(), "O");
  EXPECT_EQ(presenter.Clocks, std::vector<int>{kTournamentMoveSeconds});
}

}  // namespace
}  // namespace tarnel
