// The arithmetic of the title screen and the menu's running lights: where each letter of the
// product title stands, which colour it wears on a tick, and where the four runners are. No Qt.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

inline constexpr int kTitleLetterLimit = 10;
inline constexpr int kTitlePaletteSize = 10;
inline constexpr int kPaletteTurnTicks = 10;

struct TitleLetter {
  std::string Utf8;  // one code point
  int X = 0;
};

// Up to ten letters of the title, each placed from x = 381 - 13 n, 26 pixels apart, with the
// corrections for wide and narrow letters.
std::vector<TitleLetter> LayOutTitleLetters(std::string_view titleUtf8);
// Letters far wider than the 26-pixel step (Chinese characters) would run into each other: they
// are set at their own width plus a small gap, the word centred on the same middle.
std::vector<TitleLetter> LayOutWideTitleLetters(std::string_view titleUtf8, int letterWidth);

// RGB of letter i (0-based) after `ticks` ticks: the palette turns one place every 10 ticks.
std::uint32_t TitleLetterColour(int letter, long long ticks);

struct Point {
  int X = 0;
  int Y = 0;
  bool operator==(const Point&) const = default;
};

// The four runners go round the rectangle (155, 68)-(550, 362), one pixel a tick, starting at the
// four corners (top left, top right, bottom right, bottom left) and all going clockwise.
std::array<Point, 4> TitleRunners(long long ticks);

// The side panels' three lamps: image index (0 off, 1 red, 2 green, 3 yellow) of lamp j at a
// phase of the menu's counter; one lamp is lit at a time and the light runs from left to right.
int MenuLampImage(int lamp, long long phase);
inline constexpr int kMenuLampTicks = 10;  // ticks a lamp stays lit
inline constexpr std::array<Point, 3> kMenuLampPlaces = {{{16, 15}, {41, 1}, {66, 15}}};

}  // namespace tarnel
