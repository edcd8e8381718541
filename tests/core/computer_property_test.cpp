// Whole games of the computer against random legal play: it never plays an illegal card, and what
// it has seen is exactly what was collected from finished tricks.
#include <gtest/gtest.h>

#include <set>

#include "core/computer_seat.h"
#include "core/rules.h"
#include "core/turn_driver.h"
#include "test_support.h"

namespace tarnel {
namespace {

TEST(ComputerProperty, LegalCardsAndExactKnowledge) {
  for (std::uint64_t seed = 1; seed <= 150; ++seed) {
    SeededRandom random(seed);
    TTableState s;
    NullTablePresenter watcher;
    watcher.KeepCalls = false;
    TurnDriver driver(s, watcher, random);
    ComputerSeat computer(random);
    GameConfig config;
    config.HandSize = seed % 3 == 0 ? 10 : 6;
    driver.StartGame(computer, config, PlayerStanding{});
    std::vector<CardCode> collected;
    for (int step = 0; step < 5000 && s.TurnState != kTurnGameDone; ++step) {
      if (s.RoundPhase == kPhaseDealt) {
        collected.clear();
        driver.Button7Click();
      } else if (s.TurnState == kTurnSeat1) {
        TTableState before = s;
        driver.Timer1Timer();
        CardCode played = watcher.Played[kSeatCo];
        ASSERT_TRUE(IsLegal(before.HandCard[kSeatCo], played, CardToAnswer(before, kSeatCo),
                            before.TrumpSuit))
            << "seed " << seed;
        if (before.Leader() == kSeatMe) {
          // From seat 1's own point of view the answer passes the user's check as well.
          TTableState mirror = SeatsSwapped(before);
          ASSERT_EQ(CheckAnswer(mirror, PosOfCard(mirror.HandCard[kSeatMe], played)), kAnswerOk)
              << "seed " << seed;
        }
      } else if (s.TurnState == kTurnSeat2) {
        std::vector<int> legal = LegalPositions(s, kSeatMe);
        ASSERT_FALSE(legal.empty());
        driver.HandClick(legal[random.Uniform(0, static_cast<int>(legal.size()) - 1)], false);
      } else if (s.TurnState == kTurnTrickDone) {
        collected.push_back(s.TableCard[kSeatMe]);
        collected.push_back(s.TableCard[kSeatCo]);
        driver.Button7Click();
        std::vector<CardCode> seen(s.SeenCard.begin() + 1, s.SeenCard.begin() + s.SeenCount);
        ASSERT_EQ(seen, collected) << "seed " << seed;
        for (int i = s.SeenCount; i <= 36; ++i) ASSERT_EQ(s.SeenCard[i], EmptyCard);
      } else {
        driver.Button7Click();  // next round
      }
    }
    ASSERT_EQ(s.TurnState, kTurnGameDone) << "seed " << seed;
  }
}

}  // namespace
}  // namespace tarnel
