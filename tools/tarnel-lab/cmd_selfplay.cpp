// selfplay: whole games of the computer player (seat 1) against an opponent at seat 2, driven
// through the turn driver exactly as the window drives it, with every invariant checked after
// every trick.
#include <iomanip>
#include <ostream>

#include "command.h"
#include "core/computer_seat.h"
#include "core/cp1251.h"
#include "core/null_presenter.h"
#include "core/round_shape.h"
#include "core/rules.h"
#include "core/turn_driver.h"
#include "platform/clock_random.h"

namespace tarnel::lab {
namespace {

const char* SeatName(int seat) { return seat == kSeatCo ? "co" : "me"; }

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
  for (int i = 1; i <= last; ++i) points += CardPoints(s.DeckCard[i], s.TrumpSuit);
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
};

struct Options {
  int Hand = 6;
  bool ComputerOpponent = false;
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
  GameConfig config;
  config.HandSize = opt.Hand;
  PlayerStanding standing;
  standing.GameNo = gameIndex;
  standing.PrevGames = std::to_string(gameIndex - 1);
  driver.StartGame(computer, config, standing);
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
        if (opt.ComputerOpponent) {
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
          int surplus = std::max(0, s.CardsTaken[1] - threshold) +
                        std::max(0, s.CardsTaken[2] - threshold);
          if (s.RoundScore[1] + s.RoundScore[2] != trumpPoints + surplus)
            return "round scores do not add up to the trump points in play plus the surplus";
          totals.RoundScore1 += s.RoundScore[1];
          totals.RoundScore2 += s.RoundScore[2];
          if (opt.Trace) {
            out << "round " << int(s.RoundNo) << " score: co " << int(s.RoundScore[1])
                << " (points " << s.TrickPoints[1] << ", cards " << int(s.CardsTaken[1])
                << "), me " << int(s.RoundScore[2]) << " (points " << s.TrickPoints[2]
                << ", cards " << int(s.CardsTaken[2]) << "); game co " << s.GameTotal[1]
                << " me " << s.GameTotal[2] << "\n";
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
  if (games < 1) throw UsageError{"--games must be at least 1"};
  if (opt.Hand != 6 && opt.Hand != 10) throw UsageError{"--hand must be 6 or 10"};
  if (opponent != "random" && opponent != "computer")
    throw UsageError{"--opponent must be random or computer"};
  opt.ComputerOpponent = opponent == "computer";
  std::unique_ptr<RandomSource> random;
  if (FindFlag(args, "--seed"))
    random = std::make_unique<SeededRandom>(static_cast<std::uint64_t>(FlagInt(args, "--seed", 0)));
  else
    random = MakeClockRandom();

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
                   "[--trace]",
                   RunSelfplay);

}  // namespace
}  // namespace tarnel::lab
