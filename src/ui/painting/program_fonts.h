// The program's fonts by role. The Windows fonts it was designed with are mapped once at start-up
// to the free fonts the installation provides, so every later lookup by name finds a real face.
#pragma once

#include <QFont>
#include <string>
#include <vector>

#include "ui/layout/window_layout.h"

namespace tarnel {

struct FontMapping {
  std::string Asked;
  std::string Given;
};

// Registers substitutions for "Comic Sans MS", "FixedSys" and "Courier New" when they are not
// installed, and the CJK face as a fallback of every family. Returns what was mapped.
std::vector<FontMapping> MapProgramFonts();

// A font by family at a pixel height.
QFont PixelFont(const std::string& family, int pixelHeight, bool bold = false);
// A font by role at an already computed pixel height.
QFont RoleFont(FontRole role, const FontChoice& fonts, int pixelHeight, bool bold = false);

}  // namespace tarnel
