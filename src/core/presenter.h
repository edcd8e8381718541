// What the game core asks of the world: the table the user sees and hears, and the other machine.
// The core never paints, plays or sends anything itself; windows, sound and sockets implement
// these interfaces, and tests record what was asked.
#pragma once

#include <string>
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

// Captions of the round button; all but "OK" are word-table rows.
enum class Button7Caption { ToBeginOfRound, Ok, NextRound, ToSumUpOfGame };
// The word-table row of a caption, 0 for the literal "OK".
int Button7CaptionRow(Button7Caption caption);

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

  virtual void PlayCue(std::string_view /*name*/, bool /*wait*/) {}
  // Repaint a seat's hand (already sorted by the core).
  virtual void RepaintHand(int /*seat*/) {}
  // A card left seat's hand from `fromPos` and now lies on the table (flying there when the
  // window flies cards).
  virtual void ShowTableCard(int /*seat*/, int /*fromPos*/, CardCode /*card*/) {}
  // Both table cards fly to the winner of the trick.
  virtual void FlyTrickToWinner(int /*winnerSeat*/) {}
  // One card drawn from the stock to position `pos` of `seat`, before the hands are sorted.
  virtual void DrawFromStock(int /*seat*/, int /*pos*/, CardCode /*card*/) {}
  // The stock changed (bottom card and the count of cards left).
  virtual void RedrawStock() {}
  virtual void RedrawScorePanels(ScorePanelView /*view*/, int /*markedSeat*/) {}
  virtual void RedrawNamePlate(int /*seat*/) {}
  virtual void SetButton7(Button7Caption /*caption*/, bool /*enabled*/) {}
  virtual void EnableButton7(bool /*enabled*/) {}
  virtual void EnableButton8(bool /*enabled*/) {}
  virtual void ShowRoundNumber(int /*roundNo*/) {}
  // The round timer of the main tick: started when play begins, stopped between rounds.
  virtual void SetRoundTimer(bool /*running*/) {}
  // The score dialog at the end of a game (modal in the window layer).
  virtual void ShowScoreDialog(const TCount& /*count*/) {}
  // Help context of the current screen.
  virtual void SetHelpContext(int /*context*/) {}
  // Says a card's name aloud without waiting.
  virtual void SpeakCard(CardCode /*card*/) {}
  // The tournament's move clocks: restart the running one, or hand the move to the other seat.
  virtual void RestartMoveClock(int /*seconds*/) {}
  virtual void SwitchMoveClocks() {}
};

// Messages to the other machine of a network game, or to the tournament server.
class PeerPort {
 public:
  virtual ~PeerPort() = default;
  virtual void Send(std::string_view text) = 0;
};

// Who plays seat 1 and who deals: the hand-over rules differ by kind.
enum class GameKind {
  Computer,
  NetworkServer,
  NetworkClient,
  TournamentFirstSeat,
  TournamentSecondSeat,
};

inline bool IsNetwork(GameKind k) {
  return k == GameKind::NetworkServer || k == GameKind::NetworkClient;
}
inline bool IsTournament(GameKind k) {
  return k == GameKind::TournamentFirstSeat || k == GameKind::TournamentSecondSeat;
}

}  // namespace tarnel
