// bench button: one paint of a card-style button (caption, classic look, focus ring) at heights
// 30, 40 and 60 on the offscreen platform, after its tinted skins are prepared.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iomanip>
#include <ostream>
#include <vector>

#include "bench.h"
#include "command.h"
#include "platform/resource_library.h"
#include "ui/button/t_qel_cards_button.h"

namespace tarnel::lab {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

int RunBenchButton(const Args& args, std::ostream& out, std::ostream& err) {
  const int repeat = static_cast<int>(std::max(10LL, FlagInt(args, "--repeat", 1000)));
  const fs::path folder = ProgramFolderOf(args);
  if (!fs::exists(folder / kBuiltinLibrary)) {
    err << "tarnel-lab bench button: no " << kBuiltinLibrary << " in " << folder.string() << "\n";
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "tarnel-lab";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);

  ButtonSkinCache skins(folder);
  QWidget window;
  window.resize(300, 100);
  TQelCardsButton button(&window, &skins);
  button.setText("To Begin of Round");
  button.move(20, 20);
  window.show();
  for (int i = 0; i < 20; ++i)
    QApplication::processEvents();
  button.setFocus();
  // Every timed repaint must really paint: counted through the draw event.
  long long paints = 0;
  QObject::connect(&button, &TQelCardsButton::DrawButton, [&] { ++paints; });

  out << "height  first_ms   mean_ms   p99_ms   max_ms   (" << repeat << " paints each)\n";
  for (int height : {30, 40, 60}) {
    button.resize(180, height);
    skins.SetProgramFolder(folder);  // the first paint loads, tints and sizes the skins
    const auto coldStart = Clock::now();
    button.repaint();
    const double first = Ms(Clock::now() - coldStart);
    std::vector<double> ms;
    ms.reserve(repeat);
    for (int i = 0; i < repeat; ++i) {
      const auto start = Clock::now();
      button.repaint();
      ms.push_back(Ms(Clock::now() - start));
    }
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms)
      sum += v;
    const double p99 = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    out << std::fixed << std::setprecision(4) << "  " << height << "    " << std::setw(8) << first
        << "  " << std::setw(8) << sum / ms.size() << "  " << std::setw(7) << p99 << "  "
        << std::setw(7) << ms.back() << "\n";
  }
  return 0;
}

BenchRegistrar button("button", "button [--repeat N] [--program-folder DIR]", RunBenchButton);

}  // namespace
}  // namespace tarnel::lab
