// Round scores, game totals to 41, the game's result and the player's rating.
#pragma once

#include <string>

#include "core/game_kind.h"
#include "core/presenter.h"
#include "core/table_state.h"

namespace tarnel {

// The texts of the score dialog.
struct TCount {
  std::string Count_KonAll;
  std::string Count_KonCur;
  std::string Count_ScoBeg;
  std::string Count_ScoCur;
  std::string Count_ScoAll;
  std::string Count_ReiBeg;
  std::string Count_ReiCur;
};

// What FillCount needs beyond the game state.
struct CountContext {
  int AccountState = 1;         // 1 not logged in, 2 logged in, 3 rated play
  int AccountCycleGames = 0;    // rated play: games of the account's current cycle
  double AccountRating = 0.0;   // rated play: the account's rating
  bool Tournament = false;
  int TournamentScore = 0;
  double TournamentRating = 0.0;
};

inline constexpr int kGamesPerCycle = 20;

// Cards taken beyond this share score one point each: half the cards played in a round.
int SurplusThreshold(int handSize);

// Steps of the round's end that always run when the last trick is collected: round scores and
// game totals.
void CountRoundScores(TTableState& state);

// The rest of the round's end, which a machine that defers it runs at its own next press: the
// next TurnState (5 game over, 6 next round) and TargetReached, then the cue, the panels and the
// round button by the hand-over rules.
void AnnounceRoundScore(TTableState& state, const HandOver& rules, TablePresenter& presenter);

// Both halves at once.
void ScoreRound(TTableState& state, const HandOver& rules, TablePresenter& presenter);

// The game's result: GameScore = 10 x (seat 2 total - seat 1 total), GeneralScore, GameOver;
// then the panels, the cue, the score dialog (where the rules show one) and the buttons.
void SumUpGame(TTableState& state, const HandOver& rules, const CountContext& context,
               TablePresenter& presenter);

// The rating after game n with result s, from the rating r before it and the player's stored
// number of games (text, spaces allowed; anything unreadable counts as 0 games). Rounded half to
// even at 6 decimals and clamped to +-99.99; a result that is not a number gives 99.99.
double RatingAfterGame(const std::string& prevGames, int n, int s, double r);

// A rating as text with a decimal comma and two decimals, right-aligned in w characters:
// 1.5 -> "  1,50", -0.05 -> " -0,05".
std::string FormatRating(int w, double x);

TCount FillCount(const TTableState& state, const CountContext& context);

// Position of game n in its cycle of 20: 1..20.
int CyclePosition(int gameNo);

}  // namespace tarnel
