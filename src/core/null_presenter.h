// A presenter that shows nothing and remembers what it was asked: for tests, self-play and
// analysis, where the table exists only as state.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/presenter.h"
#include "core/scoring.h"

namespace tarnel {

class NullTablePresenter : public TablePresenter {
 public:
  // Every call in order, one line each ("PlayCue WHodsDo wait", "SetButton7 Ok off", ...).
  std::vector<std::string> Calls;

  std::vector<std::string> Cues;
  std::vector<std::pair<int, CardCode>> Draws;  // seat, card
  std::vector<CardCode> Spoken;
  CardCode Played[3] = {EmptyCard, EmptyCard, EmptyCard};  // last card shown per seat
  Button7Caption LastCaption = Button7Caption::Ok;
  bool Button7Enabled = false;
  bool Button8Enabled = false;
  bool RoundTimerRunning = false;
  bool AwaitingDeal = false;
  int ScoreDialogs = 0;
  TCount LastCount;
  int HelpContext = 0;
  // Keep only the fields, not the call log: self-play plays thousands of games.
  bool KeepCalls = true;

  void PlayCue(std::string_view name, bool wait) override;
  void RepaintHand(int seat) override;
  void ShowTableCard(int seat, int fromPos, CardCode card) override;
  void FlyTrickToWinner(int winnerSeat, CardCode card1, CardCode card2) override;
  void DrawFromStock(int seat, int pos, CardCode card) override;
  void RedrawStock() override;
  void RedrawScorePanels(ScorePanelView view, int markedSeat) override;
  void RedrawNamePlate(int seat) override;
  void SetButton7(Button7Caption caption, bool enabled) override;
  void EnableButton7(bool enabled) override;
  void EnableButton8(bool enabled) override;
  void ShowRoundNumber(int roundNo) override;
  void ShowAwaitingDeal() override;
  void SetRoundTimer(bool running) override;
  void ShowScoreDialog(const TCount& count) override;
  void SetHelpContext(int context) override;
  void SpeakCard(CardCode card) override;

 private:
  void Log(std::string line);
};

}  // namespace tarnel
