// tarnel-lab: developer and power-user tools around the game (self-play, analysis, files).
#include <algorithm>
#include <iostream>

#include "build_folders.h"
#include "command.h"
#include "platform/resource_library.h"

namespace tarnel::lab {

std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

Registrar::Registrar(std::string name, std::string usage, CommandFn run) {
  Registry().push_back({std::move(name), std::move(usage), std::move(run)});
}

bool FindFlag(const Args& args, const std::string& flag) {
  return std::find(args.begin(), args.end(), flag) != args.end();
}

std::string FlagValue(const Args& args, const std::string& flag, const std::string& fallback) {
  auto it = std::find(args.begin(), args.end(), flag);
  if (it == args.end()) return fallback;
  if (std::next(it) == args.end()) throw UsageError{flag + " needs a value"};
  return *std::next(it);
}

long long FlagInt(const Args& args, const std::string& flag, long long fallback) {
  std::string text = FlagValue(args, flag, "");
  if (text.empty()) return fallback;
  try {
    std::size_t used = 0;
    long long v = std::stoll(text, &used);
    if (used != text.size()) throw UsageError{};
    return v;
  } catch (...) {
    throw UsageError{flag + " needs a whole number, not '" + text + "'"};
  }
}

std::filesystem::path ProgramFolderOf(const Args& args) {
  std::string given = FlagValue(args, "--program-folder", "");
  if (!given.empty()) return given;
  std::filesystem::path own = ExecutableFolder();
  if (std::filesystem::exists(own / kBuiltinLibrary)) return own;
  return build::ProgramFolder();
}

}  // namespace tarnel::lab

namespace {

void PrintUsage(std::ostream& out) {
  auto commands = tarnel::lab::Registry();
  std::sort(commands.begin(), commands.end(),
            [](const auto& a, const auto& b) { return a.Name < b.Name; });
  out << "usage: tarnel-lab COMMAND [options]\n\ncommands:\n";
  for (const auto& c : commands) out << "  " << c.Usage << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tarnel::lab;
  if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "help") {
    PrintUsage(argc < 2 ? std::cerr : std::cout);
    return argc < 2 ? 2 : 0;
  }
  std::string name = argv[1];
  Args args(argv + 2, argv + argc);
  for (const auto& c : Registry()) {
    if (c.Name != name) continue;
    try {
      return c.Run(args, std::cout, std::cerr);
    } catch (const UsageError& e) {
      std::cerr << "tarnel-lab " << name << ": " << e.Message << "\nusage: tarnel-lab " << c.Usage
                << "\n";
      return 2;
    }
  }
  std::cerr << "tarnel-lab: unknown command '" << name << "'\n";
  PrintUsage(std::cerr);
  return 2;
}
