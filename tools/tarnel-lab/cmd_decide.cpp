// decide: the card the computer player (seat 1) chooses in each position read from stdin.
#include <iostream>
#include <iterator>
#include <sstream>

#include "command.h"
#include "core/computer_player.h"
#include "core/expert_player.h"
#include "position_text.h"

namespace tarnel::lab {
namespace {

int RunDecide(const Args& args, std::ostream& out, std::ostream& err) {
  std::string level = FlagValue(args, "--level", "computer");
  if (level != "computer" && level != "expert")
    throw UsageError{"--level must be computer or expert"};
  ExpertOptions options;
  options.Samples = static_cast<int>(FlagInt(args, "--samples", kExpertDefaultSamples));
  options.Seed = static_cast<std::uint64_t>(FlagInt(args, "--seed", 1));
  if (options.Samples < 1) throw UsageError{"--samples must be at least 1"};
  for (const auto& a : args)
    if (a.rfind("--", 0) == 0 && a != "--level" && a != "--samples" && a != "--seed")
      throw UsageError{"unknown option " + a + "; positions are read from stdin"};
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
    int p = level == "expert"       ? ExpertMove(s, options).Position
            : s.Leader() == kSeatCo ? ComputerLead(s, random)
                                    : ComputerAnswer(s);
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

Registrar decide("decide",
                 "decide [--level computer|expert] [--samples N] [--seed S] < positions.txt   "
                 "(format in the README)",
                 RunDecide);

}  // namespace
}  // namespace tarnel::lab
