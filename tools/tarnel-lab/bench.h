// "tarnel-lab bench <what>": benchmarks register under one command, one subcommand each.
#pragma once

#include <string>

#include "command.h"

namespace tarnel::lab {

// Adds `bench <sub>`; `usage` is the text after "bench ". Call it from a static object.
void RegisterBench(std::string sub, std::string usage, CommandFn run);

struct BenchRegistrar {
  BenchRegistrar(std::string sub, std::string usage, CommandFn run) {
    RegisterBench(std::move(sub), std::move(usage), std::move(run));
  }
};

}  // namespace tarnel::lab
