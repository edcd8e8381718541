// Who plays seat 1: the computer, a person on another machine, or a tournament seat. The turn
// driver tells the link what happened at fixed points of the game, in game terms; a network or
// tournament link turns them into its own messages and feeds what arrives back to the driver.
// Each hook runs after the driver has committed the step, except LocalMove, which runs before
// the user's card is applied (the other side is told first, as the wire protocols require).
#pragma once

#include "core/cards.h"
#include "core/game_kind.h"
#include "core/table_state.h"

namespace tarnel {

class SeatLink {
 public:
  virtual ~SeatLink() = default;

  // Fixed for the whole game: it decides the hand-over rules.
  virtual GameKind Kind() const = 0;

  // Seat 1's card on a main tick when it is seat 1's turn: a position 1..10 of seat 1's hand,
  // or 0 when seat 1's cards do not come from this machine.
  virtual int Seat1MoveOnTick(const TTableState& state) = 0;

  // This machine dealt a round (DeckCard, TurnState and the hands are in the state).
  virtual void RoundDealt(const TTableState& state) = 0;
  // This machine's round button began play (RoundPhase 2).
  virtual void RoundBegun(const TTableState& state) = 0;
  // The user chose `card`; it is applied right after this returns.
  virtual void LocalMove(const TTableState& state, CardCode card) = 0;
  // The round button collected a trick; the leader of the next trick is state.Leader().
  // `roundOver`: that was the last trick.
  virtual void TrickCollected(const TTableState& state, bool roundOver) = 0;
  // A round's score was announced: TurnState is 5 (game over) or 6.
  virtual void RoundScored(const TTableState& state) = 0;
  // The round button summed up the game (GameScore is final).
  virtual void GameSummedUp(const TTableState& state) = 0;
  // "Next Round" was pressed on a machine that does not deal: the link asks for the next deal.
  virtual void NextRoundRequested(const TTableState& state) = 0;
};

}  // namespace tarnel
