#include "core/turn_driver.h"

#include <utility>

#include "core/rules.h"

namespace tarnel {

PlayedCard CommitMove(TTableState& state, int seat, int p) {
  PlayedCard m;
  if ((seat != kSeatCo && seat != kSeatMe) || p < 1 || p > kMaxHandPos) return m;
  CardCode card = state.HandCard[seat][p];
  if (!IsDeckCard(card)) return m;

  int leader = state.Leader();
  state.TableCard[seat] = card;
  state.TableRank[seat] = state.HandRank[seat][p];
  state.TableMark[seat] = state.HandMark[seat][p];
  if (seat == leader) state.LedSuit = card.Suit;
  if (state.CardCount[seat] > 0) --state.CardCount[seat];
  state.HandCard[seat][p] = EmptyCard;
  state.HandRank[seat][p] = EmptyRank;
  state.HandMark[seat][p] = EmptyMark;
  SortHand(state, seat);

  if (seat != leader)
    state.TurnState = kTurnTrickDone;
  else
    state.TurnState = seat == kSeatCo ? kTurnSeat2 : kTurnSeat1;

  m.Played = true;
  m.Seat = seat;
  m.FromPos = p;
  m.Card = card;
  if (state.TurnState == kTurnTrickDone) {
    m.TrickDone = true;
    m.Winner = ResolveTrick(state);
  }
  return m;
}

bool ApplyMove(TTableState& state, int seat, int p, const HandOver& rules,
               TablePresenter& presenter) {
  char trump = state.TrumpSuit;
  PlayedCard m = CommitMove(state, seat, p);
  if (!m.Played) return false;

  presenter.RepaintHand(seat);
  presenter.ShowTableCard(seat, p, m.Card);
  bool isTrump = m.Card.Suit == trump;
  if (isTrump && m.Card.Rank == cp::kJack)
    presenter.PlayCue(cue::kTrumpJack, true);
  else if (isTrump && m.Card.Rank == '1')
    presenter.PlayCue(cue::kTrumpTen, true);
  else
    presenter.PlayCue(cue::kCardPlayed, true);

  if (m.TrickDone) {
    presenter.RedrawScorePanels(ScorePanelView::TrickCounts, m.Winner);
    presenter.EnableButton7(!rules.OkOnlyWhereSeat1Won || m.Winner == kSeatCo);
  }
  return true;
}

TurnDriver::TurnDriver(TTableState& state, TablePresenter& presenter, RandomSource& random)
    : state_(state), presenter_(presenter), random_(random) {}

GameKind TurnDriver::Kind() const { return link_ ? link_->Kind() : GameKind::Computer; }

RoundSetup TurnDriver::Setup(bool continuation) const {
  RoundSetup setup;
  setup.Continuation = continuation;
  setup.HandSize = config_.HandSize;
  setup.Kind = Kind();
  return setup;
}

bool TurnDriver::RunStep(const std::function<void()>& step) {
  if (inStep_) return false;
  struct Guard {
    bool& flag;
    ~Guard() { flag = false; }
  } guard{inStep_};
  inStep_ = true;
  step();
  return true;
}

void TurnDriver::RunDeferred() {
  while (!inStep_ && !deferred_.empty()) {
    std::function<void()> next = std::move(deferred_.front());
    deferred_.erase(deferred_.begin());
    next();
  }
}

void TurnDriver::StartGame(SeatLink& link, const GameConfig& config,
                           const PlayerStanding& standing) {
  RunStep([&] {
    link_ = &link;
    rules_ = HandOverFor(link.Kind());
    config_ = config;
    deferred_.clear();
    if (!rules_.DealsHere) {
      // The first deal comes from the other machine.
      BeginGame(state_, standing);
      gameActive_ = false;
      presenter_.ShowAwaitingDeal();
      return;
    }
    RoundSetup setup = Setup(false);
    setup.Standing = standing;
    DealRound(state_, setup, random_);
    gameActive_ = true;
    PresentDealtRound(state_, rules_, presenter_);
    link_->RoundDealt(state_);
  });
  RunDeferred();
}

bool TurnDriver::StartReceivedRound(const ReceivedRound& round) {
  if (inStep_) {
    deferred_.push_back([this, round] { StartReceivedRound(round); });
    return true;
  }
  bool ok = false;
  RunStep([&] {
    if (!link_ || rules_.DealsHere) return;
    if (!LayOutReceivedRound(state_, Setup(true), round)) return;
    gameActive_ = true;
    PresentDealtRound(state_, rules_, presenter_);
    ok = true;
  });
  RunDeferred();
  return ok;
}

void TurnDriver::EndGame() {
  gameActive_ = false;
  deferred_.clear();
}

void TurnDriver::SetHandSizeOption(int handSize) { config_.HandSize = handSize; }

void TurnDriver::DealNextRound() {
  DealRound(state_, Setup(true), random_);
  PresentDealtRound(state_, rules_, presenter_);
  link_->RoundDealt(state_);
}

void TurnDriver::ScoreFinishedRound() {
  // The machine that presses first counts the round now and announces it at its second press,
  // once the other side has caught up.
  if (rules_.DefersRoundWhenSeat1WonLast && state_.Leader() == kSeatCo) {
    CountRoundScores(state_);
    return;
  }
  ScoreRound(state_, rules_, presenter_);
  link_->RoundScored(state_);
}

void TurnDriver::Button7Click() {
  RunStep([&] {
    if (!gameActive_ || !link_) return;
    if (state_.RoundPhase == kPhaseDealt) {
      if (!rules_.StartsRound) return;
      state_.RoundPhase = kPhasePlaying;
      presenter_.SetButton7(Button7Caption::Ok, false);
      presenter_.SetRoundTimer(true);
      presenter_.SetHelpContext(5);
      link_->RoundBegun(state_);
      return;
    }
    switch (state_.TurnState) {
      case kTurnTrickDone: {
        CollectedTrick trick = CommitCollectTrick(state_);
        PresentCollectedTrick(trick, presenter_);
        presenter_.EnableButton7(false);
        link_->TrickCollected(state_, trick.RoundOver);
        if (trick.RoundOver) ScoreFinishedRound();
        break;
      }
      case kTurnRoundDone:
        AnnounceRoundScore(state_, rules_, presenter_);
        link_->RoundScored(state_);
        break;
      case kTurnGameDone:
        SumUpGame(state_, rules_, config_.Count, presenter_);
        link_->GameSummedUp(state_);
        break;
      case kTurnNextRound:
        presenter_.SetRoundTimer(false);
        if (rules_.DealsHere)
          DealNextRound();
        else
          link_->NextRoundRequested(state_);
        break;
      default:
        break;
    }
  });
  RunDeferred();
}

void TurnDriver::Timer1Timer() {
  if (!gameActive_ || !link_ || state_.TurnState != kTurnSeat1 ||
      state_.RoundPhase != kPhasePlaying)
    return;
  RunStep([&] {
    int p = link_->Seat1MoveOnTick(state_);
    if (p == 0) return;
    presenter_.RedrawNamePlate(kSeatCo);
    ApplyMove(state_, kSeatCo, p, rules_, presenter_);
  });
  RunDeferred();
}

bool TurnDriver::CanPlayAt(int p) const {
  if (!gameActive_ || state_.TurnState != kTurnSeat2 || state_.RoundPhase != kPhasePlaying)
    return false;
  if (p < 1 || p > kMaxHandPos || !IsDeckCard(state_.HandCard[kSeatMe][p])) return false;
  return state_.Leader() == kSeatMe || CheckAnswer(state_, p) == kAnswerOk;
}

HandClickResult TurnDriver::HandClick(int p, bool rightButton) {
  HandClickResult result = HandClickResult::Ignored;
  RunStep([&] {
    if (!gameActive_ || !link_ || p < 1 || p > kMaxHandPos) return;
    CardCode card = state_.HandCard[kSeatMe][p];
    if (!IsDeckCard(card)) return;
    if (rightButton) {
      presenter_.SpeakCard(card);
      result = HandClickResult::Spoken;
      return;
    }
    if (state_.TurnState != kTurnSeat2 || state_.RoundPhase != kPhasePlaying) return;
    if (state_.Leader() == kSeatCo && CheckAnswer(state_, p) != kAnswerOk) {
      presenter_.PlayCue(cue::kWrongCard, false);
      result = HandClickResult::Refused;
      return;
    }
    presenter_.RedrawNamePlate(kSeatMe);
    link_->LocalMove(state_, card);
    ApplyMove(state_, kSeatMe, p, rules_, presenter_);
    result = HandClickResult::Played;
  });
  RunDeferred();
  return result;
}

bool TurnDriver::ReceiveMove(CardCode card) {
  if (inStep_) {
    deferred_.push_back([this, card] { ReceiveMove(card); });
    return true;
  }
  bool ok = false;
  RunStep([&] {
    // A move out of turn or of a card seat 1 does not hold would break the round: ignore it.
    if (!gameActive_ || !link_ || state_.TurnState != kTurnSeat1 || !IsDeckCard(card)) return;
    int p = PosOfCard(state_.HandCard[kSeatCo], card);
    if (p == 0) return;
    state_.RoundPhase = kPhasePlaying;
    presenter_.SetRoundTimer(true);
    ok = ApplyMove(state_, kSeatCo, p, rules_, presenter_);
  });
  RunDeferred();
  return ok;
}

void TurnDriver::ReceiveGoAhead() {
  if (inStep_) {
    deferred_.push_back([this] { ReceiveGoAhead(); });
    return;
  }
  RunStep([&] {
    if (gameActive_) presenter_.EnableButton7(true);
  });
  RunDeferred();
}

void TurnDriver::ReceiveRoundStart() {
  if (inStep_) {
    deferred_.push_back([this] { ReceiveRoundStart(); });
    return;
  }
  RunStep([&] {
    if (!gameActive_) return;
    state_.RoundPhase = kPhasePlaying;
    presenter_.SetButton7(Button7Caption::Ok, false);
    presenter_.SetRoundTimer(true);
  });
  RunDeferred();
}

}  // namespace tarnel
