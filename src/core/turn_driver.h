// Moves a game from its deal to its last trick: the round button, the main tick, the user's
// card and the cards that arrive from the other machine. Who plays seat 1 and how the machines
// hand over is the seat link's; the rules that follow from its kind are looked up once per game.
#pragma once

#include <functional>
#include <vector>

#include "core/dealing.h"
#include "core/presenter.h"
#include "core/scoring.h"
#include "core/seat_link.h"
#include "core/table_state.h"

namespace tarnel {

// What playing a card did, for showing it afterwards.
struct PlayedCard {
  bool Played = false;
  int Seat = 0;
  int FromPos = 0;
  CardCode Card = EmptyCard;
  bool TrickDone = false;  // the second card of the trick: resolved, TurnState 3
  int Winner = 0;          // of the trick, when done
};

// The state half of ApplyMove: the card at position p of seat s goes to the table, the hand is
// compacted and sorted, TurnState moves on and the second card resolves the trick. Nothing
// happens (Played false) when the seat is not 1 or 2 or the position is outside 1..10 or holds
// no card.
PlayedCard CommitMove(TTableState& state, int seat, int p);
// CommitMove, then the hand, the card's way to the table, its cue and, with the trick done, the
// panels and "OK" by the hand-over rules.
bool ApplyMove(TTableState& state, int seat, int p, const HandOver& rules,
               TablePresenter& presenter);

enum class HandClickResult {
  Ignored,  // no game, no card under the mouse, not the user's turn, or a step is being shown
  Spoken,   // right button: the card's name was said
  Refused,  // the card may not answer the lead ("WWrongs")
  Played,
};

// Fixed when a game starts.
struct GameConfig {
  int HandSize = 6;     // the hand-size option; SetHandSizeOption changes it for later deals
  CountContext Count;   // what the score dialog shows beyond the game state
};

class TurnDriver {
 public:
  TurnDriver(TTableState& state, TablePresenter& presenter, RandomSource& random);
  TurnDriver(const TurnDriver&) = delete;
  TurnDriver& operator=(const TurnDriver&) = delete;

  // A new game with the player's standing and seat 1's link (which must outlive the game). A
  // machine that deals deals the first round; one that does not shows that it waits.
  void StartGame(SeatLink& link, const GameConfig& config, const PlayerStanding& standing);
  // A round dealt by the other machine (network client, tournament seat). False, changing
  // nothing, when no game has started here, this machine deals itself, or the round is damaged.
  bool StartReceivedRound(const ReceivedRound& round);
  // The game has been recorded: nothing more is played until the next StartGame.
  void EndGame();

  // The option takes effect at the next round this machine deals; a round never changes size.
  void SetHandSizeOption(int handSize);

  bool GameActive() const { return gameActive_; }
  GameKind Kind() const;
  const HandOver& Rules() const { return rules_; }
  const CountContext& Count() const { return config_.Count; }

  void Button7Click();
  // The main tick during a round: the computer moves when it is seat 1's turn.
  void Timer1Timer();
  // Mouse released over the user's hand at position p (0: no card there).
  HandClickResult HandClick(int p, bool rightButton);
  // Whether the card at p may be played now (the hand cursor).
  bool CanPlayAt(int p) const;

  // Seat 1's card from the other machine: false when ignored (not seat 1's turn, card not held).
  // While a step is being shown, it waits until the step is over.
  bool ReceiveMove(CardCode card);
  // The other machine's go-ahead: "OK" comes on.
  void ReceiveGoAhead();
  // The other machine began the round.
  void ReceiveRoundStart();

 private:
  RoundSetup Setup(bool continuation) const;
  void DealNextRound();
  void ScoreFinishedRound();
  // Runs `step` unless another step is being shown; then runs what arrived meanwhile.
  bool RunStep(const std::function<void()>& step);
  void RunDeferred();

  TTableState& state_;
  TablePresenter& presenter_;
  RandomSource& random_;
  SeatLink* link_ = nullptr;
  HandOver rules_ = HandOverFor(GameKind::Computer);
  GameConfig config_;
  PlayerStanding standing_;
  bool gameActive_ = false;
  bool inStep_ = false;
  std::vector<std::function<void()>> deferred_;
};

}  // namespace tarnel
