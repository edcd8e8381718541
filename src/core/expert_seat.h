// The expert at seat 1 of a game against the user: like the computer seat, it moves on the main
// tick and tells nobody anything, but it chooses by sampling and exact search.
#pragma once

#include "core/expert_player.h"
#include "core/seat_link.h"

namespace tarnel {

class ExpertSeat : public SeatLink {
 public:
  explicit ExpertSeat(ExpertOptions options = {}) : options_(options) {}

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
  ExpertOptions options_;
};

}  // namespace tarnel
