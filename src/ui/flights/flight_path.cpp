#include "ui/flights/flight_path.h"

#include <cmath>
#include <cstdlib>

namespace tarnel {
namespace {

int RoundHalfEven(long double v) { return static_cast<int>(std::nearbyintl(v)); }

}  // namespace

std::vector<FlightPoint> FlightSteps(int x1, int y1, int x2, int y2, int speed) {
  std::vector<FlightPoint> steps;
  if (x1 == x2 && y1 == y2) return steps;
  // Axis and direction come from the end points only.
  const bool alongX = std::abs(x2 - x1) >= std::abs(y2 - y1);
  const int direction = alongX ? (x1 <= x2 ? 1 : -1) : (y1 <= y2 ? 1 : -1);
  int x = x1, y = y1;
  auto advance = [&] {
    if (alongX) {
      x += direction;
      y = RoundHalfEven(static_cast<long double>(y2 - y1) * (x - x1) / (x2 - x1) + y1);
    } else {
      y += direction;
      x = RoundHalfEven(static_cast<long double>(x2 - x1) * (y - y1) / (y2 - y1) + x1);
    }
  };
  advance();
  if (speed >= kFastestSpeed && !(x == x2 && y == y2)) advance();
  steps.push_back({x, y});
  while (!(x == x2 && y == y2)) {
    advance();
    steps.push_back({x, y});
  }
  return steps;
}

int FlightPacer::PauseAfterStep(int speed) {
  switch (speed) {
    case 1: return 2;
    case 2: return 1;
    case 3:
      counter_ = counter_ >= 1 ? 0 : counter_ + 1;
      return counter_ == 0 ? 1 : 0;
    case 4:
      counter_ = counter_ >= 2 ? 0 : counter_ + 1;
      return counter_ == 0 ? 1 : 0;
    default: return 0;
  }
}

}  // namespace tarnel
