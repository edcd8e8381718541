// Moves a round from its deal to its last trick: the round button, the computer's tick, the
// user's card, and the hand-over of "OK" between the two machines of a network game.
#pragma once

#include "core/presenter.h"
#include "core/table_state.h"

namespace tarnel {

// Plays the card at position p of seat s: to the table, cue, next TurnState, and the trick's
// resolution with the second card. Returns false, changing nothing, when the seat is not 1 or 2
// or the position is outside 1..10 or holds no card.
bool ApplyMove(TTableState& state, int seat, int p, GameKind kind, TablePresenter& presenter);

}  // namespace tarnel
