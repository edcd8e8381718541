#include "core/presenter.h"

namespace tarnel {

int Button7CaptionRow(Button7Caption caption) {
  switch (caption) {
    case Button7Caption::ToBeginOfRound: return 414;
    case Button7Caption::NextRound: return 417;
    case Button7Caption::ToSumUpOfGame: return 427;
    case Button7Caption::Ok: break;
  }
  return 0;
}

}  // namespace tarnel
