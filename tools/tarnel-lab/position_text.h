// The text form of a game position for "tarnel-lab decide": anyone can ask the computer player
// what it would play. See the README for the format.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/table_state.h"

namespace tarnel::lab {

struct PositionText {
  TTableState State;  // seat 1 is the computer; sorted hands, counters, seen cards, voids
  int Line = 0;       // first line of the position in the input
};

struct PositionError {
  int Line = 0;
  std::string Field;
  std::string Message;
  std::string Text() const;  // "line N: field: message"
};

// Splits the input into positions at lines "---" and reads each. Stops at the first malformed
// position and returns its error.
struct ParsedPositions {
  std::vector<PositionText> Positions;
  std::optional<PositionError> Error;
};
ParsedPositions ParsePositions(const std::string& utf8Text);

}  // namespace tarnel::lab
