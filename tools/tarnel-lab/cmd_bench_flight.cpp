// bench flight: a 400-pixel flight in window modes 1 and 5 on the offscreen platform: steps per
// second at speeds 5 and 6 (no pauses: what the drawing alone allows), and how long a whole
// flight takes at every speed.
#include <QApplication>
#include <QPainter>
#include <chrono>
#include <iomanip>
#include <ostream>

#include "bench.h"
#include "command.h"
#include "ui/flights/card_flight.h"

namespace tarnel::lab {
namespace {

int RunBenchFlight(const Args& args, std::ostream& out, std::ostream&) {
  const int repeat = static_cast<int>(std::max(1LL, FlagInt(args, "--repeat", 5)));
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "tarnel-lab";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  int status = 0;
  out << "mode  speed  steps/s     ms per 400-pixel flight\n";
  for (int mode : {1, 5}) {
    QWidget window;
    const bool small = mode == 1;
    window.resize(small ? 760 : 1520, small ? 500 : 1000);
    window.setAutoFillBackground(true);
    QPalette felt = window.palette();
    felt.setColor(QPalette::Window, QColor(0, 110, 30));
    window.setPalette(felt);
    window.show();
    QImage card(small ? 69 : 146, small ? 94 : 198, QImage::Format_ARGB32_Premultiplied);
    card.fill(QColor(250, 250, 240));
    CardFlight flight(window);
    for (int speed = 1; speed <= 6; ++speed) {
      double total = 0;
      int steps = 0;
      for (int i = 0; i < repeat; ++i) {
        const auto start = std::chrono::steady_clock::now();
        flight.FlyCard(50, 50, 450, 150, card, small, speed, true);
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        steps += flight.LastSteps();
      }
      const double perSecond = steps / (total / 1000.0);
      out << std::fixed << std::setprecision(0) << "  " << mode << "     " << speed << "    "
          << std::setw(8) << perSecond << "    " << std::setprecision(1) << total / repeat << "\n";
      // At speed 6 the drawing alone sets the pace: it must keep up with the display.
      if (speed == 6 && perSecond < (small ? 2000 : 1000)) status = 1;
    }
  }
  if (status) out << "speed 6 is below 2,000 steps/s in mode 1 or 1,000 in mode 5\n";
  return status;
}

BenchRegistrar flightBench("flight", "flight [--repeat N]", RunBenchFlight);

}  // namespace
}  // namespace tarnel::lab
