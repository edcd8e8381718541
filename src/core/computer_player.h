// The computer at seat 1: fixed rule lists for leading and answering, and an exact search of the
// last tricks once every card is known.
#pragma once

#include "core/endgame_search.h"
#include "core/random_source.h"
#include "core/table_state.h"

namespace tarnel {

// Which implementation answers the endgame. Both give the same card on every position (a
// differential test holds them to it); the fast one is the default.
enum class EndgameEngine { Reference, Fast };

// Position 1..CardCount[1] of seat 1's card to lead. The random source is only the last resort
// of an impossible state (no rule finds a card).
int ComputerLead(const TTableState& state, RandomSource& random,
                 EndgameEngine engine = EndgameEngine::Fast);

// Position of seat 1's answer to seat 2's card on the table.
int ComputerAnswer(const TTableState& state, EndgameEngine engine = EndgameEngine::Fast);

// Position of the trump seat 1 plays to beat rank value d (0: any trump wins). 0 if it holds no
// trump above d.
int ChooseTrump(const TTableState& state, int d);

// True while the rest of the round is decided by the endgame search.
bool EndgameApplies(const TTableState& state);

// The endgame search for seat 1 on the real hands of both seats, as the game runs it.
EndgameOutcome SearchEndgameFor(const TTableState& state, EndgameEngine engine);

// Seat 1's and seat 2's hands (positions 1..6) and counters as the endgame search sees them.
EndgameHand EndgameHandOf(const TTableState& state, int seat);
EndgameCounters EndgameCountersOf(const TTableState& state);

}  // namespace tarnel
