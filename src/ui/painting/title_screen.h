// The title screen: a static picture drawn once and the animated title and runners drawn over a
// copy of it on every tick, off screen, then shown at once.
#pragma once

#include <QImage>
#include <array>
#include <string>

#include "platform/resource_library.h"

namespace tarnel {

inline constexpr char kVersionText[] = "V 5.7f";

class TitleScreen {
 public:
  // The pictures come from the program's own resources.
  TitleScreen(const ResourceLocator& locator, int width, int height);

  // Draws the static part for the language and the first animation frame.
  void DrawTitle(int languageIndex);
  // One 20 ms step: the letters' colours and the runners move on.
  void TitleTick();

  const QImage& Image() const { return frame_; }
  long long Ticks() const { return ticks_; }

 private:
  void DrawFrame();

  QImage still_;
  QImage frame_;
  QImage logo_;
  std::array<QImage, 4> runners_;
  std::string title_;
  long long ticks_ = 0;
};

}  // namespace tarnel
