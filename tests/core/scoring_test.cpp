#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/scoring.h"
#include "test_support.h"

namespace tarnel {
namespace {

using test::RecordingPresenter;

TEST(ScoreRound, SurplusOverHalfTheCardsPlayed) {
  struct Case {
    int hand;
    int points1, taken1, points2, taken2;
    int score1, score2;
  } cases[] = {
      {6, 21, 22, 9, 14, 25, 9},   // 22 cards and jack + ten against the rest
      {6, 30, 36, 0, 0, 48, 0},    // one seat takes everything
      {6, 15, 18, 15, 18, 15, 15},
      {10, 0, 12, 30, 8, 2, 30},  // 12 cards of 20 and no trump points
  };
  for (const auto& c : cases) {
    TTableState s;
    s.HandSize = c.hand;
    s.TrickPoints = {0, c.points1, c.points2};
    s.CardsTaken = {0, static_cast<std::uint8_t>(c.taken1), static_cast<std::uint8_t>(c.taken2)};
    s.GameTotal = {0, 5, 7};
    RecordingPresenter presenter;
    ScoreRound(s, HandOverFor(GameKind::Computer), presenter);
    EXPECT_EQ(s.RoundScore[1], c.score1);
    EXPECT_EQ(s.RoundScore[2], c.score2);
    EXPECT_EQ(s.GameTotal[1], 5 + c.score1);
    EXPECT_EQ(s.GameTotal[2], 7 + c.score2);
    std::vector<std::string> cue;
    if (c.score1 > c.score2) cue = {"WKoBadX"};
    if (c.score1 < c.score2) cue = {"WKoGutX"};
    EXPECT_EQ(presenter.Cues, cue);
  }
}

TEST(ScoreRound, ReachingFortyOneEndsTheGame) {
  TTableState s;
  s.GameTotal = {0, 30, 12};
  s.TrickPoints = {0, 11, 19};
  s.CardsTaken = {0, 18, 18};
  RecordingPresenter presenter;
  ScoreRound(s, HandOverFor(GameKind::Computer), presenter);
  EXPECT_EQ(s.TurnState, kTurnGameDone);
  EXPECT_TRUE(s.TargetReached);
  EXPECT_EQ(presenter.LastCaption, Button7Caption::ToSumUpOfGame);

  s.GameTotal = {0, 10, 12};
  ScoreRound(s, HandOverFor(GameKind::Computer), presenter);
  EXPECT_EQ(s.TurnState, kTurnNextRound);
  EXPECT_EQ(presenter.LastCaption, Button7Caption::NextRound);
  EXPECT_TRUE(presenter.Button7Enabled);
}

TEST(ScoreRound, NetworkHandOverOfTheRoundButton) {
  struct Case {
    GameKind kind;
    bool gameOver;
    const char* lastWinner;
    bool enabled;
  } cases[] = {
      {GameKind::NetworkServer, false, "co", true},
      {GameKind::NetworkClient, false, "me", false},
      {GameKind::NetworkServer, true, "me", true},
      {GameKind::NetworkServer, true, "co", true},
      {GameKind::NetworkClient, true, "me", true},
      {GameKind::NetworkClient, true, "co", false},
      {GameKind::TournamentFirstSeat, false, "co", true},
      {GameKind::TournamentSecondSeat, true, "me", false},
  };
  for (const auto& c : cases) {
    TTableState s;
    s.GameTotal = {0, c.gameOver ? 50 : 0, 0};
    s.ToMove = c.lastWinner;
    RecordingPresenter presenter;
    ScoreRound(s, HandOverFor(c.kind), presenter);
    EXPECT_EQ(presenter.Button7Enabled, c.enabled);
    EXPECT_EQ(s.TurnState, c.gameOver ? kTurnGameDone : kTurnNextRound);
  }
}

TEST(SumUpGame, ResultIsTenTimesTheDifference) {
  struct Case {
    int total1, total2, score;
    const char* cue;
  } cases[] = {{45, 38, -70, "WKoBads"}, {20, 41, 210, "WKoGood"}, {43, 43, 0, "WKoBads"}};
  for (const auto& c : cases) {
    TTableState s;
    s.GameTotal = {0, c.total1, c.total2};
    s.InitialScore = 100;
    RecordingPresenter presenter;
    SumUpGame(s, HandOverFor(GameKind::Computer), CountContext{}, presenter);
    EXPECT_EQ(s.GameScore, c.score);
    EXPECT_EQ(s.GeneralScore, 100 + c.score);
    EXPECT_TRUE(s.GameOver);
    EXPECT_EQ(presenter.Cues, std::vector<std::string>{c.cue});
    EXPECT_EQ(presenter.ScoreDialogs, 1);
    EXPECT_TRUE(presenter.Button8Enabled);
    EXPECT_FALSE(presenter.Button7Enabled);
  }
  TTableState s;
  RecordingPresenter presenter;
  SumUpGame(s, HandOverFor(GameKind::TournamentFirstSeat), CountContext{}, presenter);
  EXPECT_EQ(presenter.ScoreDialogs, 0);
}

TEST(RatingAfterGame, RunningMeanRoundedAndClamped) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    std::string prev;
    int n, s;
    double r, expected;
  } cases[] = {
      {"0", 1, 70, 0.0, 0.7},
      {"1", 2, -30, 0.7, 0.2},
      {"  1", 2, -30, 0.7, 0.2},            // leading spaces
      {"2", 3, 0, 0.000001, 0.000001},      // 0.0000006667 -> 0.000001
      {"1", 2, 0, 0.0000015, 0.000001},     // 0.00000075 rounds to 0.000001
      {"0", 1, 20000, 0.0, 99.99},          // 200 -> clamped
      {"0", 1, -20000, 0.0, -99.99},
      {"0", 0, 10, 0.0, 99.99},             // division by zero
      {"0", 0, -10, 0.0, -99.99},
      {"1", 2, 0, nan, 99.99},              // not a number
      {"junk", 1, 50, 3.0, 0.5},            // unreadable count: no games before
  };
  for (const auto& c : cases)
    EXPECT_NEAR(RatingAfterGame(c.prev, c.n, c.s, c.r), c.expected, 1e-12) << c.prev << " " << c.s;
  EXPECT_EQ(RatingAfterGame("0", 1, 0, 0.0), 0.0);
}

TEST(FormatRating, CommaTwoDecimalsAndPadding) {
  struct Case {
    int w;
    double x;
    const char* text;
  } cases[] = {{6, 0.0, "  0,00"}, {6, 1.5, "  1,50"},   {6, -0.05, " -0,05"},
               {6, 0.07, "  0,07"}, {6, 0.7, "  0,70"},   {6, -99.99, "-99,99"},
               {6, 12.346, " 12,35"}, {0, -0.001, "0,00"}, {3, 42.0, "42,00"}};
  for (const auto& c : cases) EXPECT_EQ(FormatRating(c.w, c.x), c.text) << c.x;
}

TEST(FillCount, TextsForClubRatedAndTournamentPlay) {
  TTableState s;
  s.GameNo = 40;
  s.PrevGames = "39";
  s.InitialScore = 150;
  s.GameScore = 70;
  s.Rating = 1.5;
  TCount c = FillCount(s, CountContext{});
  EXPECT_EQ(c.Count_KonAll, "40");
  EXPECT_EQ(c.Count_KonCur, "20");
  EXPECT_EQ(c.Count_ScoBeg, "150");
  EXPECT_EQ(c.Count_ScoCur, "70");
  EXPECT_EQ(c.Count_ScoAll, "220");
  EXPECT_EQ(c.Count_ReiBeg, "  1,50");
  EXPECT_EQ(c.Count_ReiCur, "  1,48");  // (39 x 1.5 + 0.7) / 40 = 1.48

  CountContext rated;
  rated.AccountState = 3;
  rated.AccountCycleGames = 4;
  rated.AccountRating = 12.6;
  c = FillCount(s, rated);
  EXPECT_EQ(c.Count_KonCur, "5");
  EXPECT_EQ(c.Count_ReiBeg, "13");
  EXPECT_EQ(c.Count_ReiCur, "?");

  CountContext tour;
  tour.Tournament = true;
  tour.TournamentScore = 300;
  tour.TournamentRating = std::numeric_limits<double>::infinity();
  c = FillCount(s, tour);
  EXPECT_EQ(c.Count_KonCur, "-");
  EXPECT_EQ(c.Count_ScoAll, "370");
  EXPECT_EQ(c.Count_ReiBeg, "?");
}

}  // namespace
}  // namespace tarnel
