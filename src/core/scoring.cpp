#include "core/scoring.h"

#include <algorithm>
#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdlib>

#include "core/round_shape.h"

namespace tarnel {

int SurplusThreshold(int handSize) { return RoundShape::Of(handSize).SurplusThreshold; }

void CountRoundScores(TTableState& state) {
  int threshold = SurplusThreshold(state.HandSize);
  for (int seat : {kSeatCo, kSeatMe}) {
    int score = state.TrickPoints[seat] + std::max(0, state.CardsTaken[seat] - threshold);
    state.RoundScore[seat] = static_cast<std::uint8_t>(std::clamp(score, 0, 255));
    state.GameTotal[seat] += state.RoundScore[seat];
  }
}

void AnnounceRoundScore(TTableState& state, const HandOver& rules, TablePresenter& presenter) {
  bool gameOver = state.GameTotal[kSeatCo] >= kGameTarget || state.GameTotal[kSeatMe] >= kGameTarget;
  if (gameOver) state.TargetReached = true;
  state.TurnState = gameOver ? kTurnGameDone : kTurnNextRound;

  bool wonLastTrick = state.Leader() == kSeatMe;
  bool enabled = false;
  switch (rules.AfterRound) {
    case RoundEndButton::Enabled: enabled = true; break;
    case RoundEndButton::OnlyWhenGameOverAndLastTrickWon: enabled = gameOver && wonLastTrick; break;
    case RoundEndButton::Disabled: enabled = false; break;
  }

  presenter.SetHelpContext(10);
  if (state.RoundScore[kSeatCo] > state.RoundScore[kSeatMe])
    presenter.PlayCue(cue::kRoundLost, false);
  else if (state.RoundScore[kSeatCo] < state.RoundScore[kSeatMe])
    presenter.PlayCue(cue::kRoundWon, false);
  presenter.RedrawScorePanels(ScorePanelView::RoundResult, state.Leader());
  presenter.SetButton7(gameOver ? Button7Caption::ToSumUpOfGame : Button7Caption::NextRound,
                       enabled);
}

void ScoreRound(TTableState& state, const HandOver& rules, TablePresenter& presenter) {
  CountRoundScores(state);
  AnnounceRoundScore(state, rules, presenter);
}

void SumUpGame(TTableState& state, const HandOver& rules, const CountContext& context,
               TablePresenter& presenter) {
  state.TargetReached = true;
  state.GameScore = 10 * (state.GameTotal[kSeatMe] - state.GameTotal[kSeatCo]);
  state.GameOver = true;
  state.GeneralScore = state.InitialScore + state.GameScore;

  presenter.RedrawScorePanels(ScorePanelView::GameResult, state.Leader());
  presenter.PlayCue(state.GameScore > 0 ? cue::kGameWon : cue::kGameLost, false);
  presenter.EnableButton7(false);
  presenter.EnableButton8(true);
  if (rules.ShowsScoreDialog) presenter.ShowScoreDialog(FillCount(state, context));
}

namespace {

// Whole-number text with surrounding spaces; anything else reads as 0.
long ParseGames(const std::string& text) {
  std::size_t b = text.find_first_not_of(' ');
  if (b == std::string::npos) return 0;
  std::size_t e = text.find_last_not_of(' ');
  std::string digits = text.substr(b, e - b + 1);
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(digits.c_str(), &end, 10);
  if (end != digits.c_str() + digits.size() || errno != 0) return 0;
  return v;
}

double RoundHalfEven(double x) {
  int old = std::fegetround();
  std::fesetround(FE_TONEAREST);
  double r = std::nearbyint(x);
  std::fesetround(old);
  return r;
}

}  // namespace

double RatingAfterGame(const std::string& prevGames, int n, int s, double r) {
  double p = static_cast<double>(ParseGames(prevGames));
  double x = (p * r + s / 100.0) / n;
  if (std::isnan(x)) return 99.99;
  if (std::isfinite(x)) x = RoundHalfEven(x * 1e6) / 1e6;
  if (x > 99.99) return 99.99;
  if (x < -99.99) return -99.99;
  return x;
}

std::string FormatRating(int w, double x) {
  double scaled = std::isfinite(x) ? RoundHalfEven(x * 100.0) : 0.0;
  long long v = static_cast<long long>(std::clamp(scaled, -1e15, 1e15));
  std::string digits = std::to_string(v < 0 ? -v : v);
  while (digits.size() < 3) digits.insert(digits.begin(), '0');
  std::string text = digits.substr(0, digits.size() - 2) + "," + digits.substr(digits.size() - 2);
  if (x < 0 && v != 0) text.insert(text.begin(), '-');
  if (static_cast<int>(text.size()) < w) text.insert(text.begin(), w - text.size(), ' ');
  return text;
}

// A rating shown as a whole number; a rating that is not a finite number shows as "?".
std::string WholeRating(double x) {
  if (!std::isfinite(x) || std::fabs(x) > 1e9) return "?";
  return std::to_string(std::lround(x));
}

int CyclePosition(int gameNo) {
  int m = gameNo % kGamesPerCycle;
  if (m < 0) m += kGamesPerCycle;
  return m == 0 ? kGamesPerCycle : m;
}

TCount FillCount(const TTableState& state, const CountContext& context) {
  TCount c;
  c.Count_KonAll = std::to_string(state.GameNo);
  c.Count_ScoCur = std::to_string(state.GameScore);
  if (context.Tournament) {
    c.Count_KonCur = "-";
    c.Count_ScoBeg = std::to_string(context.TournamentScore);
    c.Count_ScoAll = std::to_string(context.TournamentScore + state.GameScore);
    c.Count_ReiBeg = WholeRating(context.TournamentRating);
    c.Count_ReiCur = "?";
    return c;
  }
  c.Count_ScoBeg = std::to_string(state.InitialScore);
  c.Count_ScoAll = std::to_string(state.InitialScore + state.GameScore);
  if (context.AccountState == 3) {
    c.Count_KonCur = std::to_string(context.AccountCycleGames + 1);
    c.Count_ReiBeg = WholeRating(context.AccountRating);
    c.Count_ReiCur = "?";
  } else {
    c.Count_KonCur = std::to_string(CyclePosition(state.GameNo));
    c.Count_ReiBeg = FormatRating(6, state.Rating);
    c.Count_ReiCur =
        FormatRating(6, RatingAfterGame(state.PrevGames, state.GameNo, state.GameScore, state.Rating));
  }
  return c;
}

}  // namespace tarnel
