// Moves a round from its deal to its last trick: the round button, the computer's tick, the
// user's card, and the hand-over of "OK" between the two machines of a network game.
#pragma once

#include <functional>

#include "core/computer_player.h"
#include "core/dealing.h"
#include "core/presenter.h"
#include "core/scoring.h"
#include "core/table_state.h"

namespace tarnel {

// Plays the card at position p of seat s: to the table, cue, next TurnState, and the trick's
// resolution with the second card. Returns false, changing nothing, when the seat is not 1 or 2
// or the position is outside 1..10 or holds no card.
bool ApplyMove(TTableState& state, int seat, int p, GameKind kind, TablePresenter& presenter);

// The move clock of a tournament restarts with this many seconds when seat 1 is to move.
inline constexpr int kTournamentMoveSeconds = 26;

enum class HandClickResult {
  Ignored,  // no game, no card under the mouse, or not the user's turn
  Spoken,   // right button: the card's name was said
  Refused,  // the card may not answer the lead ("WWrongs")
  Played,
};

class TurnDriver {
 public:
  TurnDriver(TTableState& state, TablePresenter& presenter, RandomSource& random);

  // Who plays seat 1 and how the machines hand over. Peer is the other machine or the tournament
  // server (null in a game against the computer).
  GameKind Kind = GameKind::Computer;
  PeerPort* Peer = nullptr;
  // The hand-size option, read each time a round is dealt.
  int HandSizeOption = 6;
  EndgameEngine Engine = EndgameEngine::Fast;
  CountContext Count;
  bool GameActive = false;
  // Called after this machine dealt a round as a network server, to send the deal.
  std::function<void()> OnServerDealt;

  // The first round of a new game with the player's standing.
  void StartGame(const PlayerStanding& standing);
  // A round that another machine dealt into DeckCard (network client, tournament).
  void StartReceivedRound(bool continuation, const PlayerStanding& standing);

  void Button7Click();
  // The main tick during a round: the computer moves when it is seat 1's turn.
  void Timer1Timer();
  // Mouse released over the user's hand at position p (0: no card there).
  HandClickResult HandClick(int p, bool rightButton);
  // Whether the card at p may be played now (the hand cursor).
  bool CanPlayAt(int p) const;

  // Messages from the other machine.
  bool ReceiveMove(CardCode card);  // "hhod": false when ignored (not its turn, card not held)
  void ReceiveGoAhead();            // "o"
  void ReceiveRoundStart();         // "hsitkon2" on a client

 private:
  RoundSetup Setup(bool continuation, const PlayerStanding& standing) const;
  void StartNextRound();
  void ScoreFinishedRound();

  TTableState& state_;
  TablePresenter& presenter_;
  RandomSource& random_;
};

}  // namespace tarnel
