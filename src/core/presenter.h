// What the game core asks of the table the user sees and hears. The core never paints or plays
// anything itself; the window implements this interface and tests record what was asked.
//
// The contract, for every call:
// - The core has already committed the step it reports: a call sees the state that results
//   from that step (the card is on the table and TurnState has moved on when ShowTableCard
//   runs; the table is already clear when FlyTrickToWinner runs). What a call needs from
//   before the step comes in its arguments.
// - A call may block while it shows the step (a card's flight, a cue that waits for its end),
//   but it never runs an event loop on the core's behalf: no processEvents, no nested exec.
//   Modal dialogs open from the window layer, after the core's step has returned.
// - A call never calls back into the turn driver; the driver refuses such re-entry.
#pragma once

#include <string_view>

#include "core/cards.h"

namespace tarnel {

struct TCount;

// Sound cues of the game, by their resource names.
namespace cue {
inline constexpr std::string_view kDealt = "WTasoKo";
inline constexpr std::string_view kCardPlayed = "WHodsDo";
inline constexpr std::string_view kTrumpJack = "WSays20";
inline constexpr std::string_view kTrumpTen = "WSays40";
inline constexpr std::string_view kWrongCard = "WWrongs";
inline constexpr std::string_view kStockEmpty = "WKoloNo";
inline constexpr std::string_view kRoundWon = "WKoGutX";
inline constexpr std::string_view kRoundLost = "WKoBadX";
inline constexpr std::string_view kGameWon = "WKoGood";
inline constexpr std::string_view kGameLost = "WKoBads";
}  // namespace cue

// Captions of the round button; the window finds each one's text.
enum class Button7Caption { ToBeginOfRound, Ok, NextRound, ToSumUpOfGame };

// What the two score panels show.
enum class ScorePanelView {
  GameTotals,   // start of a round: the game totals, the first player marked
  TrickCounts,  // after a trick: points and cards taken, the last winner marked
  RoundResult,  // end of a round: points, cards taken, totals and round scores
  GameResult,   // game summed up: seat 1 shows -GameScore, seat 2 GameScore
};

class TablePresenter {
 public:
  virtual ~TablePresenter() = default;

  // `wait`: return only when the cue has ended, which keeps card, sound and next move in order.
  virtual void PlayCue(std::string_view name, bool wait) = 0;
  // Repaint a seat's hand (already sorted by the core).
  virtual void RepaintHand(int seat) = 0;
  // `card` left `seat`'s hand from position `fromPos` (its place before the hand was sorted)
  // and now lies on the table, flying there when the window flies cards.
  virtual void ShowTableCard(int seat, int fromPos, CardCode card) = 0;
  // The trick's cards (seat 1's and seat 2's) fly to the winner's side.
  virtual void FlyTrickToWinner(int winnerSeat, CardCode card1, CardCode card2) = 0;
  // One card drawn from the stock to position `pos` of `seat`, in the order drawn; the hands
  // are repainted sorted after the last draw.
  virtual void DrawFromStock(int seat, int pos, CardCode card) = 0;
  // The stock changed (bottom card and the count of cards left).
  virtual void RedrawStock() = 0;
  virtual void RedrawScorePanels(ScorePanelView view, int markedSeat) = 0;
  virtual void RedrawNamePlate(int seat) = 0;
  virtual void SetButton7(Button7Caption caption, bool enabled) = 0;
  virtual void EnableButton7(bool enabled) = 0;
  virtual void EnableButton8(bool enabled) = 0;
  virtual void ShowRoundNumber(int roundNo) = 0;
  // A new game waits for the other machine's first deal.
  virtual void ShowAwaitingDeal() = 0;
  // The round timer of the main tick: started when play begins, stopped between rounds.
  virtual void SetRoundTimer(bool running) = 0;
  // The score dialog at the end of a game: the window opens it once the step has returned.
  virtual void ShowScoreDialog(const TCount& count) = 0;
  // Help context of the current screen.
  virtual void SetHelpContext(int context) = 0;
  // Says a card's name aloud without waiting.
  virtual void SpeakCard(CardCode card) = 0;
};

}  // namespace tarnel
