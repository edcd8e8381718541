#include "core/null_presenter.h"

#include "core/cp1251.h"

namespace tarnel {
namespace {

const char* CaptionName(Button7Caption c) {
  switch (c) {
    case Button7Caption::ToBeginOfRound: return "ToBeginOfRound";
    case Button7Caption::Ok: return "Ok";
    case Button7Caption::NextRound: return "NextRound";
    case Button7Caption::ToSumUpOfGame: return "ToSumUpOfGame";
  }
  return "?";
}

const char* ViewName(ScorePanelView v) {
  switch (v) {
    case ScorePanelView::GameTotals: return "GameTotals";
    case ScorePanelView::TrickCounts: return "TrickCounts";
    case ScorePanelView::RoundResult: return "RoundResult";
    case ScorePanelView::GameResult: return "GameResult";
  }
  return "?";
}

const char* OnOff(bool b) { return b ? "on" : "off"; }

}  // namespace

void NullTablePresenter::Log(std::string line) {
  if (KeepCalls) Calls.push_back(std::move(line));
}

void NullTablePresenter::PlayCue(std::string_view name, bool wait) {
  Cues.emplace_back(name);
  Log("PlayCue " + std::string(name) + (wait ? " wait" : ""));
}

void NullTablePresenter::RepaintHand(int seat) { Log("RepaintHand " + std::to_string(seat)); }

void NullTablePresenter::ShowTableCard(int seat, int fromPos, CardCode card) {
  if (seat >= 1 && seat <= 2) Played[seat] = card;
  Log("ShowTableCard " + std::to_string(seat) + " " + std::to_string(fromPos) + " " +
      CardToUtf8(card));
}

void NullTablePresenter::FlyTrickToWinner(int winnerSeat, CardCode card1, CardCode card2) {
  Log("FlyTrickToWinner " + std::to_string(winnerSeat) + " " + CardToUtf8(card1) + " " +
      CardToUtf8(card2));
}

void NullTablePresenter::DrawFromStock(int seat, int pos, CardCode card) {
  Draws.emplace_back(seat, card);
  Log("DrawFromStock " + std::to_string(seat) + " " + std::to_string(pos) + " " +
      CardToUtf8(card));
}

void NullTablePresenter::RedrawStock() { Log("RedrawStock"); }

void NullTablePresenter::RedrawScorePanels(ScorePanelView view, int markedSeat) {
  Log(std::string("RedrawScorePanels ") + ViewName(view) + " " + std::to_string(markedSeat));
}

void NullTablePresenter::RedrawNamePlate(int seat) {
  Log("RedrawNamePlate " + std::to_string(seat));
}

void NullTablePresenter::SetButton7(Button7Caption caption, bool enabled) {
  LastCaption = caption;
  Button7Enabled = enabled;
  Log(std::string("SetButton7 ") + CaptionName(caption) + " " + OnOff(enabled));
}

void NullTablePresenter::EnableButton7(bool enabled) {
  Button7Enabled = enabled;
  Log(std::string("EnableButton7 ") + OnOff(enabled));
}

void NullTablePresenter::EnableButton8(bool enabled) {
  Button8Enabled = enabled;
  Log(std::string("EnableButton8 ") + OnOff(enabled));
}

void NullTablePresenter::ShowRoundNumber(int roundNo) {
  AwaitingDeal = false;
  Log("ShowRoundNumber " + std::to_string(roundNo));
}

void NullTablePresenter::ShowAwaitingDeal() {
  AwaitingDeal = true;
  Log("ShowAwaitingDeal");
}

void NullTablePresenter::SetRoundTimer(bool running) {
  RoundTimerRunning = running;
  Log(std::string("SetRoundTimer ") + OnOff(running));
}

void NullTablePresenter::ShowScoreDialog(const TCount& count) {
  ++ScoreDialogs;
  LastCount = count;
  Log("ShowScoreDialog");
}

void NullTablePresenter::SetHelpContext(int context) {
  HelpContext = context;
  Log("SetHelpContext " + std::to_string(context));
}

void NullTablePresenter::SpeakCard(CardCode card) {
  Spoken.push_back(card);
  Log("SpeakCard " + CardToUtf8(card));
}

}  // namespace tarnel
