#include "ui/flights/flight_path.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

TEST(FlightSteps, OnePixelAlongTheLongerAxisOnTheStraightLine) {
  const auto horizontal = FlightSteps(10, 40, 15, 40, 4);
  EXPECT_EQ(horizontal, (std::vector<FlightPoint>{{11, 40}, {12, 40}, {13, 40}, {14, 40}, {15, 40}}));
  const auto vertical = FlightSteps(7, 9, 7, 5, 4);
  EXPECT_EQ(vertical, (std::vector<FlightPoint>{{7, 8}, {7, 7}, {7, 6}, {7, 5}}));
  // |dx| = |dy| steps along x.
  const auto diagonal = FlightSteps(0, 0, -3, 3, 4);
  EXPECT_EQ(diagonal, (std::vector<FlightPoint>{{-1, 1}, {-2, 2}, {-3, 3}}));
  // y = 2 * 1 / 4 = 0.5 rounds to 0, 2 * 3 / 4 = 1.5 rounds to 2 (halves to even).
  const auto halves = FlightSteps(0, 0, 4, 2, 4);
  EXPECT_EQ(halves, (std::vector<FlightPoint>{{1, 0}, {2, 1}, {3, 2}, {4, 2}}));
  // A long flight takes max(|dx|, |dy|) steps and never leaves its line by a pixel.
  const auto steep = FlightSteps(300, 400, 200, -96, 1);
  ASSERT_EQ(steep.size(), 496u);
  EXPECT_EQ(steep.back(), (FlightPoint{200, -96}));
  for (const FlightPoint& p : steep) {
    const double onLine = 300 + (200.0 - 300) * (p.Y - 400) / (-96.0 - 400);
    EXPECT_LE(std::abs(p.X - onLine), 0.5);
  }
  EXPECT_TRUE(FlightSteps(5, 5, 5, 5, 4).empty());
}

TEST(FlightSteps, TheFastestSpeedSkipsTheFirstPosition) {
  EXPECT_EQ(FlightSteps(0, 0, 4, 0, 6), (std::vector<FlightPoint>{{2, 0}, {3, 0}, {4, 0}}));
  EXPECT_EQ(FlightSteps(0, 0, 1, 0, 6), (std::vector<FlightPoint>{{1, 0}}));  // already there
  EXPECT_EQ(FlightSteps(0, 0, 4, 0, 5).size(), 4u);
}

TEST(FlightPacer, SpeedsSleepTheirMillisecondsAndTheCounterCarriesOver) {
  FlightPacer pacer;
  std::vector<int> first, second;
  for (int step = 0; step < 5; ++step) first.push_back(pacer.PauseAfterStep(3));
  for (int step = 0; step < 5; ++step) second.push_back(pacer.PauseAfterStep(3));
  // After steps 2 and 4 of the first flight, then 1, 3 and 5 of the second.
  EXPECT_EQ(first, (std::vector<int>{0, 1, 0, 1, 0}));
  EXPECT_EQ(second, (std::vector<int>{1, 0, 1, 0, 1}));

  FlightPacer four;
  std::vector<int> pauses;
  for (int step = 0; step < 6; ++step) pauses.push_back(four.PauseAfterStep(4));
  EXPECT_EQ(pauses, (std::vector<int>{0, 0, 1, 0, 0, 1}));
  const std::pair<int, int> fixed[] = {{1, 2}, {2, 1}, {5, 0}, {6, 0}};
  for (auto [speed, ms] : fixed) EXPECT_EQ(four.PauseAfterStep(speed), ms) << speed;
}

}  // namespace
}  // namespace tarnel
