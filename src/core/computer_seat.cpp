#include "core/computer_seat.h"

namespace tarnel {

int ComputerSeat::Seat1MoveOnTick(const TTableState& state) {
  return state.Leader() == kSeatCo ? ComputerLead(state, random_, engine_)
                                   : ComputerAnswer(state, engine_);
}

}  // namespace tarnel
