#include "core/game_positions.h"

#include "core/computer_seat.h"
#include "core/null_presenter.h"
#include "core/rules.h"
#include "core/turn_driver.h"

namespace tarnel {

std::vector<TTableState> Seat1Decisions(RandomSource& random, int handSize, int count) {
  std::vector<TTableState> out;
  for (int game = 1; static_cast<int>(out.size()) < count; ++game) {
    TTableState s;
    NullTablePresenter presenter;
    presenter.KeepCalls = false;
    TurnDriver driver(s, presenter, random);
    ComputerSeat computer(random);
    GameConfig config;
    config.HandSize = handSize;
    PlayerStanding standing;
    standing.GameNo = game;
    driver.StartGame(computer, config, standing);
    for (int guard = 0; guard < 100000 && !s.GameOver; ++guard) {
      if (s.RoundPhase == kPhaseDealt || s.TurnState >= kTurnTrickDone) {
        driver.Button7Click();
      } else if (s.TurnState == kTurnSeat1) {
        out.push_back(s);
        driver.Timer1Timer();
      } else {
        std::vector<int> legal = LegalPositions(s, kSeatMe);
        if (legal.empty()) break;
        driver.HandClick(legal[random.Uniform(0, static_cast<int>(legal.size()) - 1)], false);
      }
    }
  }
  return out;
}

}  // namespace tarnel
