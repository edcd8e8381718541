// bench: dispatches to the registered benchmarks.
#include <ostream>

#include "bench.h"

namespace tarnel::lab {
namespace {

std::vector<Command>& Benches() {
  static std::vector<Command> benches;
  return benches;
}

int RunBench(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "help") {
    std::ostream& to = args.empty() ? err : out;
    to << "benchmarks:\n";
    for (const auto& b : Benches()) to << "  bench " << b.Usage << "\n";
    return args.empty() ? 2 : 0;
  }
  for (const auto& b : Benches()) {
    if (b.Name != args[0]) continue;
    try {
      return b.Run(Args(args.begin() + 1, args.end()), out, err);
    } catch (const UsageError& e) {
      err << "tarnel-lab bench " << b.Name << ": " << e.Message << "\nusage: tarnel-lab bench "
          << b.Usage << "\n";
      return 2;
    }
  }
  throw UsageError{"unknown benchmark '" + args[0] + "' (tarnel-lab bench help lists them)"};
}

Registrar bench("bench", "bench <what> [options]   (tarnel-lab bench help lists them)", RunBench);

}  // namespace

void RegisterBench(std::string sub, std::string usage, CommandFn run) {
  Benches().push_back({std::move(sub), std::move(usage), std::move(run)});
}

}  // namespace tarnel::lab
