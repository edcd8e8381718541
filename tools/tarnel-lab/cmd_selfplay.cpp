// selfplay: whole games between two players, every invariant checked after every trick.
#include <iostream>
#include <sstream>

#include "command.h"
#include "core/cp1251.h"
#include "core/dealing.h"
#include "core/rules.h"
#include "core/scoring.h"
#include "core/turn_driver.h"

namespace tarnel::lab {
namespace {

class NullPresenter : public TablePresenter {};

std::string HandText(const TTableState& s, int seat) {
  std::string text;
  for (int p = 1; p <= s.CardCount[seat]; ++p) {
    if (!text.empty()) text += ' ';
    text += CardToUtf8(s.HandCard[seat][p]);
  }
  return text;
}

const char* SeatName(int seat) { return seat == kSeatCo ? "co" : "me"; }

// A uniformly random legal position of the seat to play.
int RandomLegalPos(const TTableState& s, int seat, RandomSource& random) {
  std::vector<int> legal = LegalPositions(s, seat);
  return legal.empty() ? 0 : legal[random.Uniform(0, static_cast<int>(legal.size()) - 1)];
}

// Points of the trumps dealt into the hands (all 30 with 6 cards a seat).
int TrumpPointsInPlay(const TTableState& s) {
  int last = s.HandSize == 10 ? 20 : 36;
  int points = 0;
  for (int i = 1; i <= last; ++i) points += CardPoints(s.DeckCard[i], s.TrumpSuit);
  return points;
}

struct Totals {
  long long Games = 0, Rounds = 0, Seat1 = 0, Seat2 = 0;
};

// Plays one game; returns "" or the invariant that broke.
std::string PlayGame(int gameIndex, int handSize, RandomSource& random, bool trace,
                     std::ostream& out, Totals& totals) {
  TTableState s;
  NullPresenter presenter;
  RoundSetup setup;
  setup.HandSize = handSize;
  setup.Standing.GameNo = gameIndex;
  setup.Standing.PrevGames = std::to_string(gameIndex - 1);
  StartRound(s, setup, random, presenter);
  setup.Continuation = true;
  if (trace) out << "game " << gameIndex << "\n";

  for (;;) {
    ++totals.Rounds;
    int trumpPoints = TrumpPointsInPlay(s);
    if (trace) {
      out << "round " << int(s.RoundNo) << ": trump " << Cp1251ToUtf8(std::string(1, s.TrumpSuit))
          << " (bottom " << CardToUtf8(s.DeckCard[36]) << "), " << s.HandSize
          << " cards, first " << (s.TurnState == kTurnSeat1 ? "co" : "me") << "\n"
          << "  co: " << HandText(s, kSeatCo) << "\n  me: " << HandText(s, kSeatMe) << "\n";
    }
    s.RoundPhase = kPhasePlaying;
    int tricks = 0;
    int leader = 0;
    while (s.TurnState != kTurnRoundDone) {
      if (s.TurnState == kTurnSeat1 || s.TurnState == kTurnSeat2) {
        int seat = s.TurnState;
        if (s.TableCard[kSeatCo] == EmptyCard && s.TableCard[kSeatMe] == EmptyCard) leader = seat;
        int pos = RandomLegalPos(s, seat, random);
        if (pos == 0) return "no legal card for seat " + std::to_string(seat);
        if (!ApplyMove(s, seat, pos, GameKind::Computer, presenter)) return "ApplyMove refused";
        continue;
      }
      if (s.TurnState != kTurnTrickDone) return "unexpected TurnState " + std::to_string(s.TurnState);
      ++tricks;
      int winner = s.Leader();
      if (trace) {
        int other = leader == kSeatCo ? kSeatMe : kSeatCo;
        out << "  trick " << tricks << ": " << SeatName(leader) << " "
            << CardToUtf8(s.TableCard[leader]) << ", " << SeatName(other) << " "
            << CardToUtf8(s.TableCard[other]) << " -> " << SeatName(winner) << " ("
            << TrickValue(s.TableCard[1], s.TableCard[2], s.TrumpSuit) << " points)\n";
      }
      bool over = CollectTrick(s, presenter);
      if (std::string p = CheckCardPlaces(s); !p.empty()) return p;
      if (s.CardsTaken[1] + s.CardsTaken[2] != 2 * tricks) return "CardsTaken does not match tricks";
      if (over) break;
    }
    int expectedTricks = handSize == 10 ? 10 : 18;
    if (tricks != expectedTricks) return "round had " + std::to_string(tricks) + " tricks";
    ScoreRound(s, GameKind::Computer, presenter, nullptr);
    int threshold = SurplusThreshold(s.HandSize);
    int surplus = 0;
    for (int seat : {1, 2}) surplus += std::max(0, s.CardsTaken[seat] - threshold);
    if (s.RoundScore[1] + s.RoundScore[2] != trumpPoints + surplus)
      return "round scores do not add up to the trump points in play plus the surplus";
    if (trace) {
      out << "round " << int(s.RoundNo) << " score: co " << int(s.RoundScore[1]) << " (points "
          << s.TrickPoints[1] << ", cards " << int(s.CardsTaken[1]) << "), me "
          << int(s.RoundScore[2]) << " (points " << s.TrickPoints[2] << ", cards "
          << int(s.CardsTaken[2]) << "); game co " << s.GameTotal[1] << " me " << s.GameTotal[2]
          << "\n";
    }
    if (s.TurnState == kTurnGameDone) break;
    if (s.TurnState != kTurnNextRound) return "round ended in TurnState " + std::to_string(s.TurnState);
    StartRound(s, setup, random, presenter);
  }
  SumUpGame(s, GameKind::Computer, CountContext{}, presenter);
  if (s.GameTotal[1] < kGameTarget && s.GameTotal[2] < kGameTarget) return "game ended below 41";
  ++totals.Games;
  totals.Seat1 += s.GameTotal[1];
  totals.Seat2 += s.GameTotal[2];
  if (trace) {
    out << "game " << gameIndex << " result: co " << s.GameTotal[1] << " me " << s.GameTotal[2]
        << ", GameScore " << s.GameScore << ", rating "
        << FormatRating(0, RatingAfterGame(s.PrevGames, s.GameNo, s.GameScore, s.Rating)) << "\n";
  }
  return "";
}

int RunSelfplay(const Args& args, std::ostream& out, std::ostream& err) {
  long long games = FlagInt(args, "--games", 1);
  long long hand = FlagInt(args, "--hand", 6);
  bool trace = FindFlag(args, "--trace");
  if (games < 1) throw UsageError{"--games must be at least 1"};
  if (hand != 6 && hand != 10) throw UsageError{"--hand must be 6 or 10"};
  std::unique_ptr<RandomSource> random;
  if (FindFlag(args, "--seed"))
    random = std::make_unique<SeededRandom>(static_cast<std::uint64_t>(FlagInt(args, "--seed", 0)));
  else
    random = MakeClockRandom();

  Totals totals;
  for (long long g = 1; g <= games; ++g) {
    std::string problem = PlayGame(static_cast<int>(g), static_cast<int>(hand), *random, trace,
                                   out, totals);
    if (!problem.empty()) {
      err << "invariant broken in game " << g << ": " << problem << "\n";
      return 1;
    }
  }
  out << "games=" << totals.Games << " rounds=" << totals.Rounds << " seat1_total=" << totals.Seat1
      << " seat2_total=" << totals.Seat2 << "\n";
  return 0;
}

Registrar selfplay("selfplay", "selfplay --games N [--hand 6|10] [--seed S] [--trace]", RunSelfplay);

}  // namespace
}  // namespace tarnel::lab
