// The rules of play: legal answers, trick winner and value, the end of a trick and the refill.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/presenter.h"
#include "core/table_state.h"

namespace tarnel {

// Results of CheckAnswer.
inline constexpr int kAnswerOk = 0;
inline constexpr int kAnswerMustFollow = 1;
inline constexpr int kAnswerMustTrump = 2;
// Not a rule of the game: the position is outside 1..10 or holds no card. Callers refuse it
// like any other non-zero answer.
inline constexpr int kAnswerNoCard = 3;

// May seat 2 answer seat 1's lead with the card at position p? Only meaningful when seat 1 led.
int CheckAnswer(const TTableState& state, int p);

// The seat (1 or 2) that wins a trick: card1/rank1 played by seat 1, card2/rank2 by seat 2,
// `leader` the seat that led. Rank values are the stored ones (trump order in trumps).
int TrickWinner(CardCode card1, std::uint8_t rank1, CardCode card2, std::uint8_t rank2,
                int leader, char trumpSuit);
// The same for the trick on the table.
int TrickWinner(const TTableState& state);

// Card points of the two cards (0..21).
int TrickValue(CardCode card1, CardCode card2, char trumpSuit);

// Applies the end of a trick to the state: OppVoid, the lead, points and cards taken. Returns the
// winning seat.
int ResolveTrick(TTableState& state);

// Adds to OppVoid every suit whose nine cards are all in seat 1's hand or collected: seat 2
// cannot hold any of it.
void MarkAccountedSuitsVoid(TTableState& state);

// What collecting a trick did, for showing it afterwards.
struct CollectedTrick {
  int Winner = 0;
  CardCode Card1 = EmptyCard;  // seat 1's card of the trick
  CardCode Card2 = EmptyCard;  // seat 2's
  struct Draw {
    int Seat = 0;
    int Pos = 0;  // the place it was dealt to, before the hand was sorted
    CardCode Card = EmptyCard;
  };
  std::array<Draw, 12> Draws{};
  int DrawCount = 0;
  bool StockEmptyCue = false;  // the stock ran out for the first time in this program run
  bool RoundOver = false;      // both hands are empty: TurnState 4
};

// Clears the table after "OK", records the seen cards, refills from the stock and detects the
// end of the round (TurnState 4). The state only; CollectTrick below also shows it.
CollectedTrick CommitCollectTrick(TTableState& state);
// The same, then the trick's flight, the draws, the stock, both hands and the cue "WKoloNo".
// Returns true when the round is over.
bool CollectTrick(TTableState& state, TablePresenter& presenter);
void PresentCollectedTrick(const CollectedTrick& trick, TablePresenter& presenter);

// The one rule of answering, over the cards a seat holds (empty places are EmptyCard): kAnswerOk,
// kAnswerMustFollow or kAnswerMustTrump for `tried` on a trick led in `ledSuit` (kNoSuit while
// nobody has led: anything may be led).
int AnswerRule(std::span<const CardCode> cards, CardCode tried, char ledSuit, char trumpSuit);

// May `tried` be played from `hand` on `led` (EmptyCard when leading)? AnswerRule is kAnswerOk.
bool IsLegal(const HandCards& hand, CardCode tried, CardCode led, char trumpSuit);
// The same over any run of cards (empty places are EmptyCard), for the searches' small hands.
bool IsLegal(std::span<const CardCode> cards, CardCode tried, CardCode led, char trumpSuit);

// The card a seat must answer: the other seat's table card while it is the seat's turn to answer,
// else EmptyCard (the seat leads).
CardCode CardToAnswer(const TTableState& state, int seat);

// Positions 1..CardCount of the seat whose cards may be played now, in hand order.
std::vector<int> LegalPositions(const TTableState& state, int seat);

}  // namespace tarnel
