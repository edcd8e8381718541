// decide: the card the computer player (seat 1) chooses in each position read from stdin.
#include <iostream>
#include <iterator>
#include <sstream>

#include "command.h"
#include "core/computer_player.h"
#include "position_text.h"

namespace tarnel::lab {
namespace {

int RunDecide(const Args& args, std::ostream& out, std::ostream& err) {
  if (!args.empty()) throw UsageError{"decide takes no arguments; it reads positions from stdin"};
  std::string text((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
  ParsedPositions parsed = ParsePositions(text);
  if (parsed.Error) {
    err << "decide: " << parsed.Error->Text() << "\n";
    return 2;
  }
  // The rule lists only draw a random card in a state no real game reaches; keep it repeatable.
  SeededRandom random(1);
  for (const auto& pos : parsed.Positions) {
    const TTableState& s = pos.State;
    int p = s.Leader() == kSeatCo ? ComputerLead(s, random) : ComputerAnswer(s);
    out << "position=" << p << " card=" << CardToUtf8(s.HandCard[kSeatCo][p]);
    if (EndgameApplies(s)) {
      EndgameOutcome best = SearchEndgameFor(s, EndgameEngine::Reference);
      const EndgameCounters& c = best.Counters;
      out << " value=" << best.Value << " points=" << c.PointsS << " " << c.PointsO
          << " taken=" << c.TakenS << " " << c.TakenO;
    }
    out << "\n";
  }
  return 0;
}

Registrar decide("decide", "decide < positions.txt   (format in the README)", RunDecide);

}  // namespace
}  // namespace tarnel::lab
