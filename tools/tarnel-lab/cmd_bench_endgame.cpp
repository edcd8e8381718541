// bench endgame: nodes and time of the reference search and the fast solver on random endgames.
#include <algorithm>
#include <chrono>
#include <iomanip>
#include <ostream>
#include <vector>

#include "bench.h"
#include "core/computer_player.h"
#include "core/endgame_positions.h"

namespace tarnel::lab {
namespace {

struct Series {
  std::vector<double> Micros;
  std::vector<double> Nodes;
};

void Report(std::ostream& out, const std::string& name, Series s) {
  auto stats = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    double sum = 0;
    for (double x : v) sum += x;
    std::size_t i99 = std::min(v.size() - 1, static_cast<std::size_t>(v.size() * 0.99));
    return std::array<double, 3>{sum / v.size(), v[i99], v.back()};
  };
  auto t = stats(s.Micros);
  auto n = stats(s.Nodes);
  out << std::fixed << std::setprecision(1) << name << ": time_ms mean=" << t[0] / 1000
      << std::setprecision(3) << " (" << t[0] << " us)" << " p99=" << t[1] / 1000
      << " max=" << t[2] / 1000 << std::setprecision(0) << "  nodes mean=" << n[0]
      << " p99=" << n[1] << " max=" << n[2] << "\n";
}

template <typename F>
double TimeMicros(F&& f) {
  auto t0 = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();
}

int RunBenchEndgame(const Args& args, std::ostream& out, std::ostream& err) {
  long long positions = FlagInt(args, "--positions", 1000);
  long long seed = FlagInt(args, "--seed", 1);
  long long cards = FlagInt(args, "--cards", 6);
  if (positions < 1) throw UsageError{"--positions must be at least 1"};
  if (cards != 6 && cards != 10) throw UsageError{"--cards must be 6 or 10"};
  SeededRandom random(static_cast<std::uint64_t>(seed));
  Series reference, fast;
  long long mismatches = 0;

  for (long long i = 0; i < positions; ++i) {
    if (cards == 10) {
      PerfectInfoPosition pos = RandomPerfectInfoPosition(random, 10);
      SolverResult r;
      fast.Micros.push_back(TimeMicros(
          [&] { r = SolveEndgame(pos.S, pos.O, EndgameCounters{}, pos.Trump, EmptyCard, 10); }));
      fast.Nodes.push_back(static_cast<double>(r.Nodes));
      continue;
    }
    TTableState s = RandomEndgameState(random, i % 2 == 1);
    EndgameOutcome ref, quick;
    reference.Micros.push_back(
        TimeMicros([&] { ref = SearchEndgameFor(s, EndgameEngine::Reference); }));
    fast.Micros.push_back(TimeMicros([&] { quick = SearchEndgameFor(s, EndgameEngine::Fast); }));
    reference.Nodes.push_back(static_cast<double>(ref.Nodes));
    fast.Nodes.push_back(static_cast<double>(quick.Nodes));
    if (ref.Position != quick.Position || ref.Value != quick.Value) ++mismatches;
  }

  out << "positions=" << positions << " cards=" << cards << " seed=" << seed << "\n";
  if (cards == 6) Report(out, "EndgameSearch", reference);
  Report(out, "fast solver  ", fast);
  if (cards == 6) {
    double refNodes = 0, fastNodes = 0;
    for (double x : reference.Nodes) refNodes += x;
    for (double x : fast.Nodes) fastNodes += x;
    out << std::setprecision(1) << "node ratio=" << refNodes / std::max(1.0, fastNodes)
        << " mismatches=" << mismatches << "\n";
    if (mismatches) {
      err << "the fast solver disagreed with EndgameSearch on " << mismatches << " positions\n";
      return 1;
    }
  }
  return 0;
}

BenchRegistrar endgame("endgame", "endgame [--positions N] [--seed S] [--cards 6|10]",
                       RunBenchEndgame);

}  // namespace
}  // namespace tarnel::lab
