#include <gtest/gtest.h>

#include "core/computer_seat.h"
#include "core/round_shape.h"
#include "core/rules.h"
#include "core/turn_driver.h"
#include "test_support.h"

namespace tarnel {
namespace {

using test::C;
using test::RecordingPresenter;
using test::SetHand;
using test::Suit;

// Seat 1's link as the driver sees it: what it was told, in game terms; the computer moves for
// it when its kind is a game against the computer.
class RecordingLink : public SeatLink {
 public:
  RecordingLink(GameKind kind, RandomSource& random) : kind_(kind), computer_(random) {}
  std::vector<std::string> Told;

  GameKind Kind() const override { return kind_; }
  int Seat1MoveOnTick(const TTableState& s) override {
    return kind_ == GameKind::Computer ? computer_.Seat1MoveOnTick(s) : 0;
  }
  void RoundDealt(const TTableState&) override { Told.push_back("dealt"); }
  void RoundBegun(const TTableState&) override { Told.push_back("begun"); }
  void LocalMove(const TTableState& s, CardCode card) override {
    // Told before the card is applied: it is still in the hand.
    Told.push_back("move " + CardToUtf8(card) + (HasCard(s.HandCard[kSeatMe], card) ? "" : "!"));
  }
  void TrickCollected(const TTableState& s, bool over) override {
    Told.push_back(std::string("collected ") + (s.Leader() == kSeatCo ? "co" : "me") +
                   (over ? " over" : ""));
  }
  void RoundScored(const TTableState& s) override {
    Told.push_back("scored " + std::to_string(s.TurnState));
  }
  void GameSummedUp(const TTableState&) override { Told.push_back("summed"); }
  void NextRoundRequested(const TTableState&) override { Told.push_back("next"); }

 private:
  GameKind kind_;
  ComputerSeat computer_;
};

ReceivedRound ShuffledRound(std::uint64_t seed) {
  SeededRandom random(seed);
  TTableState deck;
  Shuffle(deck, random);
  ReceivedRound r;
  r.DeckCard = deck.DeckCard;
  r.DeckRank = deck.DeckRank;
  r.HandSize = 6;
  r.SenderTurnState = kTurnSeat2;
  return r;
}

// A 6-card round in play, hearts trump, stock not yet empty, with seat 1 of the given kind.
struct DriverFixture : ::testing::Test {
  TTableState s;
  RecordingPresenter presenter;
  SeededRandom random{5};
  TurnDriver driver{s, presenter, random};
  std::unique_ptr<RecordingLink> link;

  void SetUp() override { Start(GameKind::Computer); }
  void Start(GameKind kind) {
    link = std::make_unique<RecordingLink>(kind, random);
    driver.StartGame(*link, GameConfig{}, PlayerStanding{});
    if (!driver.Rules().DealsHere) {
      ASSERT_TRUE(driver.StartReceivedRound(ShuffledRound(1)));
    }
    link->Told.clear();
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

TEST_F(DriverFixture, BeginningARoundTellsTheLink) {
  Start(GameKind::NetworkServer);
  s.RoundPhase = kPhaseDealt;
  driver.Button7Click();
  EXPECT_EQ(s.RoundPhase, kPhasePlaying);
  EXPECT_EQ(presenter.LastCaption, Button7Caption::Ok);
  EXPECT_FALSE(presenter.Button7Enabled);
  EXPECT_TRUE(presenter.RoundTimerRunning);
  EXPECT_EQ(link->Told, std::vector<std::string>{"begun"});

  // A client never begins a round itself: the server's start arrives instead.
  Start(GameKind::NetworkClient);
  s.RoundPhase = kPhaseDealt;
  driver.Button7Click();
  EXPECT_EQ(s.RoundPhase, kPhaseDealt);
  driver.ReceiveRoundStart();
  EXPECT_EQ(s.RoundPhase, kPhasePlaying);
  EXPECT_TRUE(link->Told.empty());
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
  Start(GameKind::NetworkClient);
  SetHand(s, kSeatCo, {"7к", "8к", "Кч"});
  SeatToMove(kSeatMe);
  ASSERT_EQ(driver.HandClick(PosMe("9к"), false), HandClickResult::Played);
  EXPECT_EQ(link->Told.back(), "move 9к");
  driver.Timer1Timer();  // seat 1 is a person on the other machine: no computer move
  EXPECT_EQ(s.TurnState, kTurnSeat1);
  // A move out of turn-order or of a card seat 1 does not hold is ignored.
  EXPECT_FALSE(driver.ReceiveMove(C("Тп")));
  ASSERT_TRUE(driver.ReceiveMove(C("7к")));
  ASSERT_EQ(s.TurnState, kTurnTrickDone);
  ASSERT_EQ(s.ToMove, "me");
  EXPECT_FALSE(presenter.Button7Enabled);  // the local user won: wait for the loser's go-ahead
  EXPECT_FALSE(driver.ReceiveMove(C("8к")));  // out of turn
  driver.ReceiveGoAhead();
  EXPECT_TRUE(presenter.Button7Enabled);
  link->Told.clear();
  driver.Button7Click();
  EXPECT_EQ(link->Told, std::vector<std::string>{"collected me"});

  // Seat 1 wins the next trick: this machine presses first.
  ASSERT_EQ(driver.HandClick(PosMe("Тб"), false), HandClickResult::Played);
  ASSERT_TRUE(driver.ReceiveMove(C("Кч")));  // no diamond: it trumps
  ASSERT_EQ(s.ToMove, "co");
  EXPECT_TRUE(presenter.Button7Enabled);
  link->Told.clear();
  driver.Button7Click();
  EXPECT_EQ(link->Told, std::vector<std::string>{"collected co"});
}

TEST_F(DriverFixture, AServerThatLostTheLastTrickAnnouncesTheRoundAtItsSecondPress) {
  Start(GameKind::NetworkServer);
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
  driver.ReceiveGoAhead();
  driver.Button7Click();
  EXPECT_EQ(s.TurnState, kTurnNextRound);
  EXPECT_EQ(presenter.LastCaption, Button7Caption::NextRound);
  EXPECT_TRUE(presenter.Button7Enabled);
  EXPECT_EQ(link->Told,
            (std::vector<std::string>{"move 9к", "collected co over", "scored 6"}));
  driver.Button7Click();  // "Next Round": the server deals and tells its link
  EXPECT_EQ(link->Told.back(), "dealt");
  EXPECT_EQ(s.RoundNo, 2);
}

TEST_F(DriverFixture, AMachineThatDoesNotDealAsksForTheNextRound) {
  Start(GameKind::TournamentFirstSeat);
  s.TurnState = kTurnNextRound;
  int round = s.RoundNo;
  driver.Button7Click();
  EXPECT_EQ(link->Told, std::vector<std::string>{"next"});
  EXPECT_EQ(s.RoundNo, round);
}

TEST(TurnDriverClient, WaitsForTheFirstDealAndRefusesWhatADealerWouldNot) {
  TTableState s;
  s.RoundNo = 5;
  RecordingPresenter presenter;
  SeededRandom random(2);
  TurnDriver driver(s, presenter, random);
  RecordingLink client(GameKind::NetworkClient, random);
  driver.StartGame(client, GameConfig{}, PlayerStanding{});
  EXPECT_TRUE(presenter.AwaitingDeal);
  EXPECT_FALSE(driver.GameActive());
  EXPECT_EQ(s.RoundNo, 0);
  EXPECT_TRUE(client.Told.empty());
  driver.Button7Click();
  EXPECT_EQ(driver.HandClick(1, false), HandClickResult::Ignored);
  ASSERT_TRUE(driver.StartReceivedRound(ShuffledRound(3)));
  EXPECT_TRUE(driver.GameActive());
  EXPECT_FALSE(presenter.AwaitingDeal);
  EXPECT_EQ(s.RoundNo, 1);
  EXPECT_EQ(s.TurnState, kTurnSeat1);  // the sender moves first

  // A machine that deals takes no round from elsewhere.
  TTableState t;
  TurnDriver dealer(t, presenter, random);
  RecordingLink server(GameKind::NetworkServer, random);
  dealer.StartGame(server, GameConfig{}, PlayerStanding{});
  TTableState before = t;
  EXPECT_FALSE(dealer.StartReceivedRound(ShuffledRound(3)));
  EXPECT_EQ(t.DeckCard, before.DeckCard);
}

TEST(TurnDriverHandSize, TheOptionTakesEffectAtTheNextDeal) {
  TTableState s;
  RecordingPresenter presenter;
  SeededRandom random(9);
  TurnDriver driver(s, presenter, random);
  ComputerSeat computer(random);
  driver.StartGame(computer, GameConfig{}, PlayerStanding{});
  ASSERT_EQ(s.HandSize, 6);
  driver.SetHandSizeOption(10);
  EXPECT_EQ(s.HandSize, 6);  // the round on the table keeps its size
  s.RoundPhase = kPhasePlaying;
  s.TurnState = kTurnNextRound;
  driver.Button7Click();
  EXPECT_EQ(s.HandSize, 10);
  EXPECT_EQ(s.CardCount[kSeatMe], 10);
}

// A presenter that checks, at each call, that the step it reports is already in the state, and
// that tries to re-enter the driver the way a careless window might.
class ContractPresenter : public RecordingPresenter {
 public:
  TTableState* State = nullptr;
  TurnDriver* Driver = nullptr;
  std::vector<std::string> Broken;
  int ReentriesTried = 0;

  void ShowTableCard(int seat, int fromPos, CardCode card) override {
    RecordingPresenter::ShowTableCard(seat, fromPos, card);
    if (State->TableCard[seat] != card) Broken.push_back("card not on the table");
    if (HasCard(State->HandCard[seat], card)) Broken.push_back("card still in the hand");
    if (State->TurnState == seat) Broken.push_back("TurnState not moved on");
    // A tick or a click during the flight must change nothing.
    TTableState before = *State;
    Driver->Timer1Timer();
    Driver->Button7Click();
    if (Driver->HandClick(1, false) != HandClickResult::Ignored) Broken.push_back("click taken");
    ++ReentriesTried;
    if (State->TurnState != before.TurnState || State->TableCard != before.TableCard)
      Broken.push_back("re-entry changed the state");
  }
  void FlyTrickToWinner(int winner, CardCode card1, CardCode card2) override {
    RecordingPresenter::FlyTrickToWinner(winner, card1, card2);
    if (State->TableCard[kSeatCo] != EmptyCard) Broken.push_back("table not cleared");
    if (State->SeenCard[State->SeenCount - 1] != card1) Broken.push_back("trick not seen");
  }
  void RedrawScorePanels(ScorePanelView view, int marked) override {
    RecordingPresenter::RedrawScorePanels(view, marked);
    if (view == ScorePanelView::TrickCounts && State->TurnState != kTurnTrickDone)
      Broken.push_back("trick not resolved");
  }
};

TEST(TurnDriverContract, PresenterCallsSeeTheCommittedStepAndCannotReenter) {
  for (int hand : {6, 10}) {
    TTableState s;
    ContractPresenter presenter;
    presenter.KeepCalls = false;
    SeededRandom random(hand);
    TurnDriver driver(s, presenter, random);
    presenter.State = &s;
    presenter.Driver = &driver;
    ComputerSeat computer(random);
    GameConfig config;
    config.HandSize = hand;
    driver.StartGame(computer, config, PlayerStanding{});
    driver.Button7Click();
    for (int step = 0; step < 200 && s.TurnState != kTurnNextRound &&
                       s.TurnState != kTurnGameDone;
         ++step) {
      if (s.TurnState == kTurnSeat1) {
        driver.Timer1Timer();
      } else if (s.TurnState == kTurnSeat2) {
        std::vector<int> legal = LegalPositions(s, kSeatMe);
        ASSERT_EQ(driver.HandClick(legal.front(), false), HandClickResult::Played);
      } else {
        driver.Button7Click();
      }
      ASSERT_EQ(CheckCardPlaces(s), "");
    }
    EXPECT_EQ(s.SeenCount, 1 + 2 * RoundShape::Of(hand).Tricks);
    EXPECT_EQ(presenter.ReentriesTried, 2 * RoundShape::Of(hand).Tricks);
    EXPECT_EQ(presenter.Broken, std::vector<std::string>{});
  }
}

// A card from the other machine that arrives while a step is being shown is played after it.
class ArrivingPresenter : public RecordingPresenter {
 public:
  TurnDriver* Driver = nullptr;
  CardCode Arrives = EmptyCard;
  void ShowTableCard(int seat, int fromPos, CardCode card) override {
    RecordingPresenter::ShowTableCard(seat, fromPos, card);
    if (Arrives != EmptyCard) {
      CardCode c = Arrives;
      Arrives = EmptyCard;
      EXPECT_TRUE(Driver->ReceiveMove(c));
    }
  }
};

// A network client deals nothing and its seat 1 is a person on the other machine: it never draws.
class NoDraws : public RandomSource {
 public:
  int Uniform(int lo, int) override {
    ADD_FAILURE() << "a network client drew a random number";
    return lo;
  }
};

TEST(TurnDriverContract, AMoveArrivingDuringAStepIsPlayedAfterIt) {
  TTableState s;
  ArrivingPresenter presenter;
  NoDraws random;
  TurnDriver driver(s, presenter, random);
  presenter.Driver = &driver;
  RecordingLink client(GameKind::NetworkClient, random);
  driver.StartGame(client, GameConfig{}, PlayerStanding{});
  ReceivedRound round = ShuffledRound(6);
  round.SenderTurnState = kTurnSeat1;  // this machine leads
  ASSERT_TRUE(driver.StartReceivedRound(round));
  driver.ReceiveRoundStart();
  ASSERT_EQ(s.TurnState, kTurnSeat2);
  CardCode lead = s.HandCard[kSeatMe][1];
  // The other machine answers with its first legal card while this machine's card still flies.
  TTableState after = s;
  CommitMove(after, kSeatMe, 1);
  presenter.Arrives = after.HandCard[kSeatCo][LegalPositions(after, kSeatCo).front()];
  ASSERT_EQ(driver.HandClick(1, false), HandClickResult::Played);
  EXPECT_EQ(s.TableCard[kSeatMe], lead);
  EXPECT_EQ(s.TableCard[kSeatCo], after.HandCard[kSeatCo][LegalPositions(after, kSeatCo).front()]);
  EXPECT_EQ(s.TurnState, kTurnTrickDone);
}

}  // namespace
}  // namespace tarnel
