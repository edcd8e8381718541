// The touch burst: a short firework at the mouse when a card is played or a dialog confirmed.
// Its pictures come from the design library; without it nothing happens.
#pragma once

#include <QWidget>

#include "platform/resource_library.h"

namespace tarnel {

inline constexpr int kTouchFrames = 30;
inline constexpr int kTouchSize = 100;

// Blocks for the 30 frames (12 ms each) and leaves the window as it was. False when the library
// or its "GTouch" strip is missing.
bool TouchBurst(QWidget& window, const ResourceLocator& locator);

}  // namespace tarnel
