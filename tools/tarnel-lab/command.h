// tarnel-lab commands register themselves here; each lives in its own cmd_*.cpp file.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tarnel::lab {

using Args = std::vector<std::string>;
// Returns the process exit status: 0 success, 1 a negative finding, 2 bad usage or input.
using CommandFn = std::function<int(const Args& args, std::ostream& out, std::ostream& err)>;

struct Command {
  std::string Name;
  std::string Usage;
  CommandFn Run;
};

std::vector<Command>& Registry();

struct Registrar {
  Registrar(std::string name, std::string usage, CommandFn run);
};

// Small argument helpers shared by the commands.
// The value after `--flag`, if the flag is present; throws UsageError when the value is missing.
bool FindFlag(const Args& args, const std::string& flag);
std::string FlagValue(const Args& args, const std::string& flag, const std::string& fallback);
long long FlagInt(const Args& args, const std::string& flag, long long fallback);

// The program folder a command reads the program's own files from: `--program-folder DIR` when
// given, else tarnel-lab's own folder when "Tarnel.res" lies beside it (a copy in an installed
// program folder), else the build's program folder (tarnel::build::ProgramFolder()).
std::filesystem::path ProgramFolderOf(const Args& args);

struct UsageError {
  std::string Message;
};

}  // namespace tarnel::lab
