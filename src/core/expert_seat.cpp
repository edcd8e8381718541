#include "core/expert_seat.h"

namespace tarnel {

int ExpertSeat::Seat1MoveOnTick(const TTableState& state) {
  return ExpertMove(state, options_).Position;
}

}  // namespace tarnel
