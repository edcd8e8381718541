// bench expert: the expert's decisions on positions from real games, timed one by one.
#include <algorithm>
#include <chrono>
#include <iomanip>
#include <ostream>
#include <thread>
#include <vector>

#include "bench.h"
#include "core/computer_player.h"
#include "core/expert_player.h"
#include "core/game_positions.h"

namespace tarnel::lab {
namespace {

int RunBenchExpert(const Args& args, std::ostream& out, std::ostream&) {
  long long positions = FlagInt(args, "--positions", 200);
  long long seed = FlagInt(args, "--seed", 1);
  long long hand = FlagInt(args, "--hand", 6);
  ExpertOptions options;
  options.Samples = static_cast<int>(FlagInt(args, "--samples", kExpertDefaultSamples));
  options.Threads = static_cast<int>(FlagInt(args, "--threads", 0));
  if (positions < 1) throw UsageError{"--positions must be at least 1"};
  if (hand != 6 && hand != 10) throw UsageError{"--hand must be 6 or 10"};
  if (options.Samples < 1) throw UsageError{"--samples must be at least 1"};

  SeededRandom random(static_cast<std::uint64_t>(seed));
  // The exact endgame is not the expert's work: time the sampled decisions only.
  std::vector<TTableState> sampled;
  while (static_cast<long long>(sampled.size()) < positions) {
    for (const TTableState& s : Seat1Decisions(random, static_cast<int>(hand), 100))
      if (!EndgameApplies(s) && static_cast<long long>(sampled.size()) < positions)
        sampled.push_back(s);
  }

  std::vector<double> ms;
  long long deals = 0;
  std::int64_t nodes = 0;
  auto start = std::chrono::steady_clock::now();
  for (const TTableState& s : sampled) {
    auto t0 = std::chrono::steady_clock::now();
    ExpertDecision d = ExpertMove(s, options);
    ms.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    deals += d.Samples;
    nodes += d.Nodes;
  }
  double total = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::sort(ms.begin(), ms.end());
  double mean = 0;
  for (double x : ms)
    mean += x;
  mean /= static_cast<double>(ms.size());
  std::size_t i99 = std::min(ms.size() - 1, static_cast<std::size_t>(ms.size() * 0.99));
  unsigned cores = std::thread::hardware_concurrency();
  out << "positions=" << sampled.size() << " hand=" << hand << " seed=" << seed
      << " samples=" << options.Samples << " cores=" << cores << "\n";
  out << std::fixed << std::setprecision(1) << "decisions/s=" << ms.size() / total
      << " deals/decision=" << static_cast<double>(deals) / ms.size() << std::setprecision(2)
      << " time_ms mean=" << mean << " p99=" << ms[i99] << " max=" << ms.back()
      << std::setprecision(0) << " nodes/decision=" << static_cast<double>(nodes) / ms.size()
      << "\n";
  return 0;
}

BenchRegistrar expert("expert",
                      "expert [--positions N] [--seed S] [--hand 6|10] [--samples N] "
                      "[--threads N]",
                      RunBenchExpert);

}  // namespace
}  // namespace tarnel::lab
