// The start of a round: shuffle, deal, trump, first player and the round's reset; or the same
// from a round another machine dealt.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/game_kind.h"
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

// A round dealt by the other machine, as it was sent: the deck in the sender's order with its
// rank values and markers, the hand size, and the sender's first mover.
struct ReceivedRound {
  std::array<CardCode, 37> DeckCard{};
  std::array<std::uint8_t, 37> DeckRank{};
  std::array<std::uint8_t, 37> DeckMark{};
  int HandSize = 6;
  // The sender's TurnState after its deal: 1 when its seat 1 (this machine) moves first, 2 when
  // the sender does. 0: the sender says nothing and this machine's own rule decides.
  std::uint8_t SenderTurnState = 0;
  // This machine's own hand is DeckCard[1..N], the sender's (or the other seat's) the next N.
  // So the sender, whose seat 1 got the first N, and this machine see the same cards.
  bool OwnHandFirst = true;
};

// Puts a random order of the 36 cards into the deck, drawing each number 1..36 again while it
// repeats one already drawn. Rank values are the ones outside trumps; markers are 0.
void Shuffle(TTableState& state, RandomSource& random);

// Deals DeckCard[1..N] to seat 1 and DeckCard[N+1..2N] to seat 2 (the other way round when
// `ownHandFirst`) and fixes the trump from the bottom card, re-ranking trumps in both hands and
// the deck.
void DealFromDeck(TTableState& state, int handSize, bool ownHandFirst = false);

// The first player of a round: TurnState 1 (seat 1) or 2.
std::uint8_t FirstTurnState(FirstMoverRule rule, int gameNo, int roundNo);

// The new-game reset with the player's standing: totals, round count, scores.
void BeginGame(TTableState& state, const PlayerStanding& standing);

// Begins a round on a machine that deals (a game against the computer, a network server):
// new-game reset when not a continuation, shuffle and deal, trump, first player, round reset,
// then what the table shows.
void StartRound(TTableState& state, const RoundSetup& setup, RandomSource& random,
                TablePresenter& presenter);

// Begins a round that another machine dealt, laid out as this machine sees it, then shows it.
// False, changing nothing, when the round is not a whole deck of the 36 cards with a hand size
// of 6 or 10. Rank values follow from the cards and the trump (a sender's are the same).
bool StartReceivedRound(TTableState& state, const RoundSetup& setup, const ReceivedRound& round,
                        TablePresenter& presenter);

// The state half of each, for callers that show nothing (analysis, benchmarks).
void DealRound(TTableState& state, const RoundSetup& setup, RandomSource& random);
bool LayOutReceivedRound(TTableState& state, const RoundSetup& setup, const ReceivedRound& round);
// What the table shows of a round just dealt.
void PresentDealtRound(const TTableState& state, const HandOver& rules, TablePresenter& presenter);

}  // namespace tarnel
