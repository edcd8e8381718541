// The computer at seat 1 of a game against the user: it moves on the main tick and has nobody
// to tell anything.
#pragma once

#include "core/computer_player.h"
#include "core/seat_link.h"

namespace tarnel {

class ComputerSeat : public SeatLink {
 public:
  explicit ComputerSeat(RandomSource& random, EndgameEngine engine = EndgameEngine::Fast)
      : random_(random), engine_(engine) {}

  GameKind Kind() const override { return GameKind::Computer; }
  int Seat1MoveOnTick(const TTableState& state) override;
  void RoundDealt(const TTableState&) override {}
  void RoundBegun(const TTableState&) override {}
  void LocalMove(const TTableState&, CardCode) override {}
  void TrickCollected(const TTableState&, bool) override {}
  void RoundScored(const TTableState&) override {}
  void GameSummedUp(const TTableState&) override {}
  void NextRoundRequested(const TTableState&) override {}

 private:
  RandomSource& random_;
  EndgameEngine engine_;
};

}  // namespace tarnel
