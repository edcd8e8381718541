// selfplay: whole games of the computer player (seat 1) against an opponent at seat 2, driven
// through the turn driver exactly as the window drives it, with every invariant checked after
// every trick.
#include <cmath>
#include <iomanip>
#include <ostream>

#include "command.h"
#include "core/computer_seat.h"
#include "core/cp1251.h"
#include "core/expert_seat.h"
#include "core/null_presenter.h"
#include "core/round_shape.h"
#include "core/rules.h"
#include "core/turn_driver.h"
#include "platform/clock_random.h"

namespace tarnel::lab {
namespace {

const char* SeatName(int seat) {
  return seat == kSeatCo ? "co" : "me";
}

std::string HandText(const TTableState& s, int seat) {
  std::string text;
  for (int p = 1; p <= s.CardCount[seat]; ++p) {
    if (!text.empty()) text += ' ';
    text += CardToUtf8(s.HandCard[seat][p]);
  }
  return text;
}

// Points of the trumps dealt into the hands (all 30 with 6 cards a seat).
int TrumpPointsInPlay(const TTableState& s) {
  int last = RoundShape::Of(s.HandSize).CardsInPlay();
  int points = 0;
  for (int i = 1; i <= last; ++i)
    points += CardPoints(s.DeckCard[i], s.TrumpSuit);
  return points;
}

// The table as seat 2 sees it, so the computer player can sit there too: hands, table and
// counters swapped; what it knows of seat 1's voids comes from the tricks seat 1 failed to follow.
TTableState MirrorForSeat2(const TTableState& s, const std::bitset<256>& seat1Voids) {
  TTableState m = SeatsSwapped(s);
  m.OppVoid = seat1Voids;
  MarkAccountedSuitsVoid(m);
  return m;
}

struct Totals {
  long long Games = 0, Rounds = 0, Seat1 = 0, Seat2 = 0;
  long long Wins1 = 0, Wins2 = 0, GameScoreSum = 0;
  long long RoundScore1 = 0, RoundScore2 = 0;
  double GameScoreSq = 0, Margin = 0, MarginSq = 0;
};

struct Options {
  int Hand = 6;
  bool ComputerOpponent = false;
  bool Seat1Expert = false;
  bool Seat2Expert = false;
  ExpertOptions Expert;
  bool Trace = false;
};

// Plays one game; returns "" or the invariant that broke.
std::string PlayGame(int gameIndex, const Options& opt, RandomSource& random, std::ostream& out,
                     Totals& totals) {
  TTableState s;
  // Watches what the driver shows: the card each seat put on the table.
  NullTablePresenter presenter;
  presenter.KeepCalls = false;
  TurnDriver driver(s, presenter, random);
  ComputerSeat computer(random);
  ExpertSeat expert(opt.Expert);
  SeatLink& seat1 = opt.Seat1Expert ? static_cast<SeatLink&>(expert) : computer;
  GameConfig config;
  config.HandSize = opt.Hand;
  PlayerStanding standing;
  standing.GameNo = gameIndex;
  standing.PrevGames = std::to_string(gameIndex - 1);
  driver.StartGame(seat1, config, standing);
  if (opt.Trace) out << "game " << gameIndex << "\n";

  int tricks = 0;
  int leader = 0;
  int trumpPoints = 0;
  std::bitset<256> seat1Voids;
  auto beginRound = [&] {
    tricks = 0;
    seat1Voids.reset();
    trumpPoints = TrumpPointsInPlay(s);
    ++totals.Rounds;
    if (!opt.Trace) return;
    out << "round " << int(s.RoundNo) << ": trump " << Cp1251ToUtf8(std::string(1, s.TrumpSuit))
        << " (bottom " << CardToUtf8(s.DeckCard[36]) << "), " << s.HandSize << " cards, first "
        << (s.TurnState == kTurnSeat1 ? "co" : "me") << "\n  co: " << HandText(s, kSeatCo)
        << "\n  me: " << HandText(s, kSeatMe) << "\n";
  };
  beginRound();

  for (int guard = 0; guard < 100000; ++guard) {
    if (s.RoundPhase == kPhaseDealt) {
      driver.Button7Click();
      continue;
    }
    switch (s.TurnState) {
      case kTurnSeat1: {
        if (s.TableCard[kSeatCo] == EmptyCard && s.TableCard[kSeatMe] == EmptyCard) leader = 1;
        TTableState before = s;
        driver.Timer1Timer();
        CardCode played = presenter.Played[kSeatCo];
        if (s.TurnState == before.TurnState) return "the computer did not move";
        if (!IsLegal(before.HandCard[kSeatCo], played, CardToAnswer(before, kSeatCo), s.TrumpSuit))
          return "the computer played an illegal card";
        break;
      }
      case kTurnSeat2: {
        if (s.TableCard[kSeatCo] == EmptyCard && s.TableCard[kSeatMe] == EmptyCard) leader = 2;
        int p;
        if (opt.Seat2Expert) {
          p = HintFor(s, opt.Expert);
        } else if (opt.ComputerOpponent) {
          TTableState mirror = MirrorForSeat2(s, seat1Voids);
          p = mirror.Leader() == kSeatCo ? ComputerLead(mirror, random) : ComputerAnswer(mirror);
        } else {
          std::vector<int> legal = LegalPositions(s, kSeatMe);
          p = legal.empty() ? 0 : legal[random.Uniform(0, static_cast<int>(legal.size()) - 1)];
        }
        if (driver.HandClick(p, false) != HandClickResult::Played)
          return "seat 2's card was refused";
        break;
      }
      case kTurnTrickDone: {
        ++tricks;
        int winner = s.Leader();
        int other = leader == kSeatCo ? kSeatMe : kSeatCo;
        if (leader == kSeatMe && s.TableCard[kSeatCo].Suit != s.TableCard[kSeatMe].Suit)
          seat1Voids.set(static_cast<unsigned char>(s.TableCard[kSeatMe].Suit));
        if (opt.Trace) {
          out << "  trick " << tricks << ": " << SeatName(leader) << " "
              << CardToUtf8(s.TableCard[leader]) << ", " << SeatName(other) << " "
              << CardToUtf8(s.TableCard[other]) << " -> " << SeatName(winner) << " ("
              << TrickValue(s.TableCard[1], s.TableCard[2], s.TrumpSuit) << " points)\n";
        }
        driver.Button7Click();
        if (std::string p = CheckCardPlaces(s); !p.empty()) return p;
        if (s.CardsTaken[1] + s.CardsTaken[2] != 2 * tricks) return "CardsTaken does not match";
        // What seat 1 has seen is exactly what was collected.
        if (s.SeenCount != 1 + 2 * tricks) return "SeenCount does not match the tricks";
        if (s.TurnState == kTurnGameDone || s.TurnState == kTurnNextRound) {
          if (tricks != RoundShape::Of(s.HandSize).Tricks) return "wrong number of tricks";
          int threshold = SurplusThreshold(s.HandSize);
          int surplus =
              std::max(0, s.CardsTaken[1] - threshold) + std::max(0, s.CardsTaken[2] - threshold);
          if (s.RoundScore[1] + s.RoundScore[2] != trumpPoints + surplus)
            return "round scores do not add up to the trump points in play plus the surplus";
          totals.RoundScore1 += s.RoundScore[1];
          totals.RoundScore2 += s.RoundScore[2];
          if (opt.Trace) {
            out << "round " << int(s.RoundNo) << " score: co " << int(s.RoundScore[1])
                << " (points " << s.TrickPoints[1] << ", cards " << int(s.CardsTaken[1]) << "), me "
                << int(s.RoundScore[2]) << " (points " << s.TrickPoints[2] << ", cards "
                << int(s.CardsTaken[2]) << "); game co " << s.GameTotal[1] << " me "
                << s.GameTotal[2] << "\n";
          }
        }
        break;
      }
      case kTurnNextRound:
        driver.Button7Click();
        beginRound();
        break;
      case kTurnGameDone: {
        driver.Button7Click();
        if (!s.GameOver) return "the game was not summed up";
        ++totals.Games;
        totals.Seat1 += s.GameTotal[1];
        totals.Seat2 += s.GameTotal[2];
        totals.GameScoreSum += s.GameScore;
        totals.GameScoreSq += double(s.GameScore) * s.GameScore;
        double margin = s.GameTotal[1] - s.GameTotal[2];
        totals.Margin += margin;
        totals.MarginSq += margin * margin;
        if (s.GameTotal[1] > s.GameTotal[2]) ++totals.Wins1;
        if (s.GameTotal[2] > s.GameTotal[1]) ++totals.Wins2;
        out << "game " << gameIndex << ": co " << s.GameTotal[1] << " me " << s.GameTotal[2]
            << " rounds " << int(s.RoundNo) << " GameScore " << s.GameScore << "\n";
        return "";
      }
      default:
        return "unexpected TurnState " + std::to_string(s.TurnState);
    }
  }
  return "the game did not end";
}

int RunSelfplay(const Args& args, std::ostream& out, std::ostream& err) {
  long long games = FlagInt(args, "--games", 1);
  Options opt;
  opt.Hand = static_cast<int>(FlagInt(args, "--hand", 6));
  opt.Trace = FindFlag(args, "--trace");
  std::string opponent = FlagValue(args, "--opponent", "random");
  bool seatsNamed = FindFlag(args, "--seat1") || FindFlag(args, "--seat2");
  std::string player1 = FlagValue(args, "--seat1", "computer");
  opponent = FlagValue(args, "--seat2", opponent);
  opt.Expert.Samples = static_cast<int>(FlagInt(args, "--samples", kExpertDefaultSamples));
  if (games < 1) throw UsageError{"--games must be at least 1"};
  if (opt.Hand != 6 && opt.Hand != 10) throw UsageError{"--hand must be 6 or 10"};
  if (player1 != "computer" && player1 != "expert")
    throw UsageError{"--seat1 must be computer or expert"};
  if (opponent != "random" && opponent != "computer" && opponent != "expert")
    throw UsageError{"--seat2 (--opponent) must be random, computer or expert"};
  if (opt.Expert.Samples < 1) throw UsageError{"--samples must be at least 1"};
  opt.ComputerOpponent = opponent == "computer";
  opt.Seat1Expert = player1 == "expert";
  opt.Seat2Expert = opponent == "expert";
  std::unique_ptr<RandomSource> random;
  if (FindFlag(args, "--seed")) {
    auto seed = static_cast<std::uint64_t>(FlagInt(args, "--seed", 0));
    random = std::make_unique<SeededRandom>(seed);
    opt.Expert.Seed = seed;
  } else {
    random = MakeClockRandom();
    opt.Expert.Seed = static_cast<std::uint64_t>(random->Uniform(0, 1 << 30));
  }

  Totals totals;
  for (long long g = 1; g <= games; ++g) {
    std::string problem = PlayGame(static_cast<int>(g), opt, *random, out, totals);
    if (!problem.empty()) {
      err << "invariant broken in game " << g << ": " << problem << "\n";
      return 1;
    }
  }
  double n = static_cast<double>(totals.Games);
  double r = static_cast<double>(std::max(1LL, totals.Rounds));
  if (seatsNamed) {
    // Mean and the half-width of its 95% interval (normal approximation).
    auto interval = [n](double sum, double sq) {
      double mean = sum / n;
      double var = n > 1 ? std::max(0.0, (sq - n * mean * mean) / (n - 1)) : 0.0;
      return std::pair{mean, 1.96 * std::sqrt(var / n)};
    };
    auto [score, scoreHalf] =
        interval(static_cast<double>(totals.GameScoreSum), totals.GameScoreSq);
    auto [margin, marginHalf] = interval(totals.Margin, totals.MarginSq);
    out << std::fixed << std::setprecision(2) << "seat1 (" << player1 << ") won " << totals.Wins1
        << " (" << 100.0 * totals.Wins1 / n << "%), seat2 (" << opponent << ") won " << totals.Wins2
        << " (" << 100.0 * totals.Wins2 / n << "%), drawn "
        << totals.Games - totals.Wins1 - totals.Wins2 << "\n"
        << "mean game score for seat2 " << score << " (95% CI " << score - scoreHalf << " .. "
        << score + scoreHalf << ")\n"
        << "mean game total seat1 - seat2 " << margin << " (95% CI " << margin - marginHalf
        << " .. " << margin + marginHalf << ")\n";
    out << "games=" << totals.Games << " rounds=" << totals.Rounds
        << " seat1_total=" << totals.Seat1 << " seat2_total=" << totals.Seat2 << "\n";
    return 0;
  }
  out << std::fixed << std::setprecision(2) << "seat1 (computer) won " << totals.Wins1
      << ", seat2 (" << opponent << ") won " << totals.Wins2 << ", drawn "
      << totals.Games - totals.Wins1 - totals.Wins2 << "; mean game score for seat2 "
      << totals.GameScoreSum / n << "; mean round score seat1 " << totals.RoundScore1 / r
      << " seat2 " << totals.RoundScore2 / r << "\n";
  out << "games=" << totals.Games << " rounds=" << totals.Rounds << " seat1_total=" << totals.Seat1
      << " seat2_total=" << totals.Seat2 << "\n";
  return 0;
}

Registrar selfplay("selfplay",
                   "selfplay --games N [--hand 6|10] [--seed S] [--opponent random|computer] "
                   "[--seat1 computer|expert] [--seat2 random|computer|expert] [--samples N] "
                   "[--trace]",
                   RunSelfplay);

}  // namespace
}  // namespace tarnel::lab
