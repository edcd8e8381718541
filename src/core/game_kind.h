// Who plays seat 1 and who deals, and the hand-over rules that follow from it. Every rule that
// differs between a game against the computer, a network game and a tournament seat is decided
// here, once, so the turn driver, dealing and scoring never branch on the kind themselves.
#pragma once

#include <cstdint>

namespace tarnel {

enum class GameKind {
  Computer,
  NetworkServer,
  NetworkClient,
  TournamentFirstSeat,
  TournamentSecondSeat,
};

inline bool IsNetwork(GameKind k) {
  return k == GameKind::NetworkServer || k == GameKind::NetworkClient;
}
inline bool IsTournament(GameKind k) {
  return k == GameKind::TournamentFirstSeat || k == GameKind::TournamentSecondSeat;
}

// How the first player of a round is chosen.
enum class FirstMoverRule {
  GameAndRoundParity,  // seat 1 when GameNo and RoundNo are both even or both odd
  RoundParity,         // seat 1 in even rounds (a tournament's first seat)
  RoundParitySwapped,  // seat 1 in odd rounds (the second seat sees the first seat's rounds)
};

// Whether the round button comes back on once a round has been scored.
enum class RoundEndButton {
  Enabled,
  OnlyWhenGameOverAndLastTrickWon,  // a network client presses "To sum up of game" only then
  Disabled,
};

struct HandOver {
  // This machine shuffles and deals; otherwise rounds arrive from the other machine.
  bool DealsHere = true;
  // "To Begin of Round" is pressed here; otherwise the other machine starts each round.
  bool StartsRound = true;
  // "OK" after a trick comes on only where seat 1 won it: the loser acknowledges first and the
  // winner's button waits for the go-ahead.
  bool OkOnlyWhereSeat1Won = false;
  // When seat 1 won the last trick, the round is counted at once but announced only at this
  // machine's next press, after the other side has caught up.
  bool DefersRoundWhenSeat1WonLast = false;
  RoundEndButton AfterRound = RoundEndButton::Enabled;
  bool ShowsScoreDialog = true;
  FirstMoverRule FirstMover = FirstMoverRule::GameAndRoundParity;
};

constexpr HandOver HandOverFor(GameKind kind) {
  HandOver h;
  switch (kind) {
    case GameKind::Computer:
      break;
    case GameKind::NetworkServer:
      h.OkOnlyWhereSeat1Won = true;
      h.DefersRoundWhenSeat1WonLast = true;
      break;
    case GameKind::NetworkClient:
      h.DealsHere = false;
      h.StartsRound = false;
      h.OkOnlyWhereSeat1Won = true;
      h.AfterRound = RoundEndButton::OnlyWhenGameOverAndLastTrickWon;
      break;
    case GameKind::TournamentFirstSeat:
      h.DealsHere = false;
      h.OkOnlyWhereSeat1Won = true;
      h.DefersRoundWhenSeat1WonLast = true;
      h.ShowsScoreDialog = false;
      h.FirstMover = FirstMoverRule::RoundParity;
      break;
    case GameKind::TournamentSecondSeat:
      h.DealsHere = false;
      h.StartsRound = false;
      h.OkOnlyWhereSeat1Won = true;
      h.AfterRound = RoundEndButton::Disabled;
      h.ShowsScoreDialog = false;
      h.FirstMover = FirstMoverRule::RoundParitySwapped;
      break;
  }
  return h;
}

}  // namespace tarnel
