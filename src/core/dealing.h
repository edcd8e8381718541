// The start of a round: shuffle, deal, trump, first player and the round's reset.
#pragma once

#include <string>

#include "core/presenter.h"
#include "core/random_source.h"
#include "core/table_state.h"

namespace tarnel {

// The player's standing at the start of a game, read by the caller from the club file or the
// account (a new player: game 1, rating 0, no games before).
struct PlayerStanding {
  int GameNo = 1;
  std::string PrevGames = "0";
  int InitialScore = 0;
  double Rating = 0.0;
};

struct RoundSetup {
  bool Continuation = false;  // false for the first round of a new game
  int HandSize = 6;           // 6 or 10; anything else deals 6
  GameKind Kind = GameKind::Computer;
  PlayerStanding Standing;    // read only when Continuation is false
};

// Puts a random order of the 36 cards into the deck, drawing each number 1..36 again while it
// repeats one already drawn. Rank values are the ones outside trumps; markers are 0.
void Shuffle(TTableState& state, RandomSource& random);

// Deals DeckCard[1..N] to seat 1 and DeckCard[N+1..2N] to seat 2 and fixes the trump from the
// bottom card, re-ranking trumps in both hands and the deck.
void DealFromDeck(TTableState& state, int handSize);

// The first player of a round: TurnState 1 (seat 1) or 2.
std::uint8_t FirstTurnState(GameKind kind, int gameNo, int roundNo);

// Begins a round in a game against the computer or on a network server: new-game reset with the
// player's standing, shuffle and deal, trump, first player, round reset, and what the table shows.
// Other kinds receive their deck elsewhere and call StartRoundFromDeck.
void StartRound(TTableState& state, const RoundSetup& setup, RandomSource& random,
                TablePresenter& presenter);

// The same from a deck already in DeckCard (a network client's or a tournament deal).
void StartRoundFromDeck(TTableState& state, const RoundSetup& setup, TablePresenter& presenter);

}  // namespace tarnel
