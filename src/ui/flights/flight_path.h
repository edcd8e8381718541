// The arithmetic of a flying card: the positions it takes, one pixel at a time along the longer
// axis with the other coordinate on the straight line, and the pauses of the six speeds. No Qt.
#pragma once

#include <vector>

namespace tarnel {

inline constexpr int kSlowestSpeed = 1;
inline constexpr int kFastestSpeed = 6;

struct FlightPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const FlightPoint&) const = default;
};

// Every position drawn after the start, the last one being (x2, y2). At speed 6 the first
// computed position is skipped. A flight of no length draws nothing.
std::vector<FlightPoint> FlightSteps(int x1, int y1, int x2, int y2, int speed);

// The sleeps between steps. Speeds 3 and 4 count steps on a counter that carries over from one
// flight to the next, so the one pacer lives as long as the window.
class FlightPacer {
 public:
  // Milliseconds to sleep after a step at this speed.
  int PauseAfterStep(int speed);
  int Counter() const { return counter_; }

 private:
  int counter_ = 0;
};

}  // namespace tarnel
