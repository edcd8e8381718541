// resources: look inside a resource library (the program's own included): list, extract, sheet.
#include <filesystem>
#include <fstream>
#include <ostream>

#include <QGuiApplication>

#include "command.h"
#include "platform/resource_library.h"
#include "ui/pictures/contact_sheet.h"

namespace tarnel::lab {
namespace {

namespace fs = std::filesystem;

// "builtin" is the program's own library in the program folder.
fs::path ResolveLibrary(const std::string& what, const Args& args) {
  if (what != "builtin") return what;
  return ProgramFolderOf(args) / kBuiltinLibrary;
}

// The contact sheet draws with Qt, which needs an application; no display is used.
bool WriteSheet(const ResourceArchive& library, const fs::path& out, std::string& error) {
  static char name[] = "tarnel-lab";
  static char platform[] = "-platform";
  static char offscreen[] = "offscreen";
  static char* argv[] = {name, platform, offscreen, nullptr};
  int argc = 3;
  QGuiApplication app(argc, argv);
  return WriteContactSheet(library, out, error);
}

int RunResources(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) throw UsageError{"needs an action and a library"};
  const std::string& action = args[0];
  fs::path file = ResolveLibrary(args[1], args);
  auto library = ResourceArchive::Open(file);
  if (!library) {
    err << "tarnel-lab resources: cannot open " << file.string() << " as a resource library\n";
    return 2;
  }
  if (action == "list") {
    for (const auto& name : library->FileNames())
      out << name << "\n";
    return 0;
  }
  if (action == "extract") {
    if (args.size() < 3) throw UsageError{"extract needs a target folder"};
    fs::path target = args[2];
    std::error_code ec;
    fs::create_directories(target, ec);
    int failed = 0;
    for (const auto& name : library->FileNames()) {
      fs::path relative(name);
      // Stored names never leave the target folder.
      if (relative.is_absolute() || name.find("..") != std::string::npos) {
        err << "skipped unsafe name " << name << "\n";
        ++failed;
        continue;
      }
      auto bytes = library->ReadFile(name);
      if (!bytes) {
        err << "damaged: " << name << "\n";
        ++failed;
        continue;
      }
      fs::create_directories((target / relative).parent_path(), ec);
      std::ofstream f(target / relative, std::ios::binary);
      f.write(reinterpret_cast<const char*>(bytes->data()),
              static_cast<std::streamsize>(bytes->size()));
      if (!f) {
        err << "cannot write " << (target / relative).string() << "\n";
        ++failed;
      }
    }
    out << library->FileNames().size() - failed << " files written to " << target.string() << "\n";
    return failed ? 1 : 0;
  }
  if (action == "sheet") {
    if (args.size() < 3) throw UsageError{"sheet needs an output PNG file"};
    std::string error;
    if (!WriteSheet(*library, args[2], error)) {
      err << "tarnel-lab resources sheet: " << error << "\n";
      return 1;
    }
    out << "sheet of " << library->FileNames().size() << " resources written to " << args[2]
        << "\n";
    return 0;
  }
  throw UsageError{"unknown action '" + action + "'"};
}

Registrar resources("resources",
                    "resources list|extract|sheet ARCHIVE|builtin [DIR|OUT.png] "
                    "[--program-folder DIR]",
                    RunResources);

}  // namespace
}  // namespace tarnel::lab
