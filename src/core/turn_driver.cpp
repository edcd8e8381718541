#include "core/turn_driver.h"

#include "core/rules.h"

namespace tarnel {

bool ApplyMove(TTableState& state, int seat, int p, GameKind kind, TablePresenter& presenter) {
  if ((seat != kSeatCo && seat != kSeatMe) || p < 1 || p > kMaxHandPos) return false;
  CardCode card = state.HandCard[seat][p];
  if (!IsDeckCard(card)) return false;

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
  presenter.RepaintHand(seat);
  presenter.ShowTableCard(seat, p, card);

  bool trump = card.Suit == state.TrumpSuit;
  if (trump && card.Rank == cp::kJack)
    presenter.PlayCue(cue::kTrumpJack, true);
  else if (trump && card.Rank == '1')
    presenter.PlayCue(cue::kTrumpTen, true);
  else
    presenter.PlayCue(cue::kCardPlayed, true);

  if (seat != leader)
    state.TurnState = kTurnTrickDone;
  else
    state.TurnState = seat == kSeatCo ? kTurnSeat2 : kTurnSeat1;

  if (state.TurnState == kTurnTrickDone) {
    int winner = ResolveTrick(state, presenter);
    // Between two machines the loser of the trick acknowledges first: only the machine whose
    // seat 1 won may press "OK" now; the other waits for "o".
    bool enable = kind == GameKind::Computer || winner == kSeatCo;
    presenter.EnableButton7(enable);
  }
  return true;
}

TurnDriver::TurnDriver(TTableState& state, TablePresenter& presenter, RandomSource& random)
    : state_(state), presenter_(presenter), random_(random) {}

RoundSetup TurnDriver::Setup(bool continuation, const PlayerStanding& standing) const {
  RoundSetup setup;
  setup.Continuation = continuation;
  setup.HandSize = HandSizeOption;
  setup.Kind = Kind;
  setup.Standing = standing;
  return setup;
}

void TurnDriver::StartGame(const PlayerStanding& standing) {
  GameActive = true;
  StartRound(state_, Setup(false, standing), random_, presenter_);
  if (Kind == GameKind::NetworkServer && OnServerDealt) OnServerDealt();
}

void TurnDriver::StartReceivedRound(bool continuation, const PlayerStanding& standing) {
  GameActive = true;
  StartRoundFromDeck(state_, Setup(continuation, standing), presenter_);
}

void TurnDriver::StartNextRound() {
  StartRound(state_, Setup(true, PlayerStanding{}), random_, presenter_);
  if (Kind == GameKind::NetworkServer && OnServerDealt) OnServerDealt();
}

void TurnDriver::ScoreFinishedRound() {
  // A server (or a tournament's first seat) whose opponent won the last trick presses first; it
  // counts the round now and announces it at its second press, once the other side has caught up.
  bool defer = (Kind == GameKind::NetworkServer || Kind == GameKind::TournamentFirstSeat) &&
               state_.Leader() == kSeatCo;
  if (defer) {
    CountRoundScores(state_);
    return;
  }
  ScoreRound(state_, Kind, presenter_, Peer);
  if (Kind == GameKind::NetworkClient && state_.Leader() == kSeatMe && Peer) Peer->Send("o");
}

void TurnDriver::Button7Click() {
  if (state_.RoundPhase == kPhaseDealt) {
    state_.RoundPhase = kPhasePlaying;
    presenter_.SetButton7(Button7Caption::Ok, false);
    presenter_.SetRoundTimer(true);
    presenter_.SetHelpContext(5);
    if ((Kind == GameKind::NetworkServer || Kind == GameKind::TournamentFirstSeat) && Peer)
      Peer->Send("hsitkon2");
    if (Kind == GameKind::TournamentFirstSeat && state_.Leader() == kSeatCo)
      presenter_.RestartMoveClock(kTournamentMoveSeconds);
    return;
  }
  switch (state_.TurnState) {
    case kTurnTrickDone: {
      bool over = CollectTrick(state_, presenter_);
      presenter_.EnableButton7(false);
      if (state_.Leader() == kSeatCo) {
        if (IsNetwork(Kind) && Peer) Peer->Send("o");
        if (IsTournament(Kind)) {
          if (Peer) Peer->Send("O");
          presenter_.RestartMoveClock(kTournamentMoveSeconds);
        }
      }
      if (over) ScoreFinishedRound();
      break;
    }
    case kTurnRoundDone:
      AnnounceRoundScore(state_, Kind, presenter_, Peer);
      break;
    case kTurnGameDone:
      SumUpGame(state_, Kind, Count, presenter_);
      break;
    case kTurnNextRound:
      presenter_.SetRoundTimer(false);
      if (IsTournament(Kind)) {
        if (Peer) Peer->Send("bnext");
      } else {
        StartNextRound();
      }
      break;
    default:
      break;
  }
}

void TurnDriver::Timer1Timer() {
  if (!GameActive || state_.TurnState != kTurnSeat1 || state_.RoundPhase != kPhasePlaying ||
      Kind != GameKind::Computer)
    return;
  presenter_.RedrawNamePlate(kSeatCo);
  int p = state_.Leader() == kSeatCo ? ComputerLead(state_, random_, Engine)
                                     : ComputerAnswer(state_, Engine);
  ApplyMove(state_, kSeatCo, p, Kind, presenter_);
}

bool TurnDriver::CanPlayAt(int p) const {
  if (!GameActive || state_.TurnState != kTurnSeat2 || state_.RoundPhase != kPhasePlaying)
    return false;
  if (p < 1 || p > kMaxHandPos || !IsDeckCard(state_.HandCard[kSeatMe][p])) return false;
  return state_.Leader() == kSeatMe || CheckAnswer(state_, p) == kAnswerOk;
}

HandClickResult TurnDriver::HandClick(int p, bool rightButton) {
  if (!GameActive || p < 1 || p > kMaxHandPos) return HandClickResult::Ignored;
  CardCode card = state_.HandCard[kSeatMe][p];
  if (!IsDeckCard(card)) return HandClickResult::Ignored;
  if (rightButton) {
    presenter_.SpeakCard(card);
    return HandClickResult::Spoken;
  }
  if (state_.TurnState != kTurnSeat2 || state_.RoundPhase != kPhasePlaying)
    return HandClickResult::Ignored;
  if (state_.Leader() == kSeatCo && CheckAnswer(state_, p) != kAnswerOk) {
    presenter_.PlayCue(cue::kWrongCard, false);
    return HandClickResult::Refused;
  }
  presenter_.RedrawNamePlate(kSeatMe);
  if ((IsNetwork(Kind) || IsTournament(Kind)) && Peer) Peer->Send("hhod" + card.Bytes());
  ApplyMove(state_, kSeatMe, p, Kind, presenter_);
  if (IsTournament(Kind)) presenter_.SwitchMoveClocks();
  return HandClickResult::Played;
}

bool TurnDriver::ReceiveMove(CardCode card) {
  // A move out of turn or of a card seat 1 does not hold would break the round: ignore it.
  if (!GameActive || state_.TurnState != kTurnSeat1) return false;
  int p = PosOfCard(state_.HandCard[kSeatCo], card);
  if (p == 0 || !IsDeckCard(card)) return false;
  state_.RoundPhase = kPhasePlaying;
  presenter_.SetRoundTimer(true);
  return ApplyMove(state_, kSeatCo, p, Kind, presenter_);
}

void TurnDriver::ReceiveGoAhead() { presenter_.EnableButton7(true); }

void TurnDriver::ReceiveRoundStart() {
  state_.RoundPhase = kPhasePlaying;
  presenter_.SetButton7(Button7Caption::Ok, false);
  presenter_.SetRoundTimer(true);
}

}  // namespace tarnel
