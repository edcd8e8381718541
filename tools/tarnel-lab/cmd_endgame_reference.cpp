// endgame-reference: endgame positions from fixed seeds with their exact outcome, one a line, for
// the committed reference file the core tests check both endgame solvers against.
#include <ostream>
#include <string>

#include "command.h"
#include "core/computer_player.h"
#include "core/cp1251.h"
#include "core/endgame_positions.h"

namespace tarnel::lab {
namespace {

std::string HandText(const EndgameHand& hand) {
  std::string text;
  for (int p = 1; p <= kEndgameSlots; ++p) {
    if (p > 1) text += ",";
    text += CardToUtf8(hand.Card[p]);
  }
  return text;
}

std::string Pair(int a, int b) {
  return std::to_string(a) + "," + std::to_string(b);
}

int RunEndgameReference(const Args& args, std::ostream& out, std::ostream& err) {
  const long long positions = FlagInt(args, "--positions", 300);
  const long long first = FlagInt(args, "--seed", 3001);
  const long long step = FlagInt(args, "--step", 323);
  if (positions < 1) throw UsageError{"--positions must be at least 1"};
  if (first < 1 || step < 1) throw UsageError{"--seed and --step must be at least 1"};

  out << "# Endgame positions and their exact outcome: EndgameSearch and the fast solver must\n"
      << "# both give this card and value (core_tests, EndgameReference). Written by\n"
      << "#   tarnel-lab endgame-reference --positions " << positions << " --seed " << first
      << " --step " << step << "\n"
      << "# from the seeds listed (the differential test's numbering, EndgameStateOfSeed); the\n"
      << "# cards are stored, so the file stays valid whatever the generator does later.\n"
      << "# s: seat 1's hand (the side to move) by position 1-6; o: seat 2's; ## an empty place.\n"
      << "# led: seat 2's card on the table, ## when seat 1 leads. points, taken: seat 1, seat 2.\n"
      << "# position (in s), card, value (seat 1's round score minus seat 2's), end_points and\n"
      << "# end_taken: the best line and the counters at its end.\n";
  for (long long i = 0; i < positions; ++i) {
    const long long seed = first + i * step;
    const TTableState state = EndgameStateOfSeed(static_cast<std::uint64_t>(seed));
    const EndgameOutcome ref = SearchEndgameFor(state, EndgameEngine::Reference);
    const EndgameOutcome fast = SearchEndgameFor(state, EndgameEngine::Fast);
    if (ref.Position != fast.Position || ref.Value != fast.Value) {
      err << "tarnel-lab endgame-reference: the fast solver disagrees with EndgameSearch at seed "
          << seed << "\n";
      return 1;
    }
    const EndgameHand s = EndgameHandOf(state, kSeatCo);
    const EndgameCounters c = EndgameCountersOf(state);
    const bool answering = state.Leader() == kSeatMe;
    out << "seed=" << seed << " trump=" << Cp1251ToUtf8(std::string(1, state.TrumpSuit))
        << " s=" << HandText(s) << " o=" << HandText(EndgameHandOf(state, kSeatMe))
        << " led=" << CardToUtf8(answering ? state.TableCard[kSeatMe] : EmptyCard)
        << " points=" << Pair(c.PointsS, c.PointsO) << " taken=" << Pair(c.TakenS, c.TakenO)
        << " position=" << ref.Position << " card=" << CardToUtf8(s.Card[ref.Position])
        << " value=" << ref.Value
        << " end_points=" << Pair(ref.Counters.PointsS, ref.Counters.PointsO)
        << " end_taken=" << Pair(ref.Counters.TakenS, ref.Counters.TakenO) << "\n";
  }
  return 0;
}

Registrar endgameReference("endgame-reference",
                           "endgame-reference [--positions N] [--seed S] [--step K]",
                           RunEndgameReference);

}  // namespace
}  // namespace tarnel::lab
