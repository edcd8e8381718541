// Window modes, the scale helpers that map the 760 x 500 base plane to the window, the fonts by
// role and the base rectangles of the main menu and the game table. Arithmetic only: no Qt.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tarnel {

inline constexpr int kBaseWidth = 760;
inline constexpr int kBaseHeight = 500;

inline constexpr int kSmallWindowMode = 1;
inline constexpr int kFullScreenMode = 2;
inline constexpr int kWindowModeCount = 5;

struct ModeSize {
  int Width = kBaseWidth;
  int Height = kBaseHeight;
};

// The client size of a fixed mode; mode 2 has none of its own.
ModeSize FixedModeSize(int mode);

// The modes the options list offers, in item order (item index = mode - 1): the modes a screen of
// this size cannot hold are taken away from the end of the list.
std::vector<int> OfferedModes(int screenWidth, int screenHeight);

// The hint of the list for a mode: "760 x 500", ...; empty for full screen.
std::string ModeHint(int mode);

struct Rect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int Right() const { return Left + Width; }
  int Bottom() const { return Top + Height; }
  bool Contains(int x, int y) const {
    return x >= Left && x < Left + Width && y >= Top && y < Top + Height;
  }
  bool operator==(const Rect&) const = default;
};

// kx, ky and k of a window and the mapping helpers; every result is rounded half to even.
struct WindowScale {
  double Kx = 1.0;
  double Ky = 1.0;
  double K = 1.0;
  int WindowWidth = kBaseWidth;
  int WindowHeight = kBaseHeight;

  // From a client size (full screen) or a fixed mode's size.
  static WindowScale ForClient(int clientWidth, int clientHeight);
  // Mode 2 takes the full-screen client size; the others their own.
  static WindowScale ForMode(int mode, int fullScreenWidth, int fullScreenHeight);

  int Scale(double v) const;
  // An element designed at x with width w stays centred in the column it was designed for.
  int PosX(double x, double w) const;
  int PosY(double y, double h) const;
  // Elements of natural pixel size that are only re-centred.
  int ReCentredX(double x, double w) const;
  int ReCentredY(double y, double h) const;
  // Plain products.
  int X(double x) const;
  int Y(double y) const;
  // Base rectangle by the scaled rule, the plain rule and the re-centred rule.
  Rect Scaled(double left, double top, double width, double height) const;
  Rect Plain(double left, double top, double width, double height) const;
  Rect ReCentred(double left, double top, double width, double height) const;
};

int RoundHalfToEven(double v);

// Offset of narrow faces inside their places, in base pixels.
int NarrowShift(int windowMode, bool fullWidthFaces);

// --- fonts by role ----------------------------------------------------------------------------

enum class FontRole { Decor, Serif, Fixed, Conew };

struct FontChoice {
  std::string LargeFont = "Comic Sans MS";
  std::string SmallFont = "Comic Sans MS";
  std::string SpecialFont1 = "FixedSys";
  std::string SpecialFont2 = "Courier New";
  int LargeFontScale = 100;
  int SmallFontScale = 100;
  int SpecialFont1Scale = 100;
  int SpecialFont2Scale = 100;
};

// round(size * scale / 100) with the scale of the role's font.
int FontHeight(double size, FontRole role, const FontChoice& fonts);
const std::string& FontFamily(FontRole role, const FontChoice& fonts);

// The bold large font of the menu and table buttons.
int ButtonFontHeight(int windowMode, const WindowScale& scale, const FontChoice& fonts);

// The club list's fixed-pitch font: special font 1 in the small window, special font 2 bold in
// the others.
struct ClubListFont {
  FontRole Role = FontRole::Fixed;
  int Height = 11;
  bool Bold = false;
};
ClubListFont ClubListFontFor(int windowMode, const WindowScale& scale, const FontChoice& fonts);

// --- the main menu ----------------------------------------------------------------------------

struct MainMenuLayout {
  int UnitHeight = 30;  // u
  Rect TitleBanner, TitlePicture, ClubHeading, ClubListHeading;
  std::array<Rect, 5> MemberRows;
  Rect NewPlayer, TopTen, History, Options, Mode, Exit;
  Rect LeftAnimation, RightAnimation;
  Rect LeftPanel, RightPanel;
  Rect LeftCalendar, RightCalendar;
  bool ClocksShown = false;
  Rect LeftClock, RightClock;
};

// `calendarShown` moves the side panels 20 base pixels outwards; `fullScreen` tells whether
// the window is in mode 2 (clocks show there only on large screens).
MainMenuLayout LayOutMainMenu(const WindowScale& scale, int windowMode, bool calendarShown);

// --- the game table ---------------------------------------------------------------------------

struct TableLayout {
  Rect UpperHand, LowerHand;  // seat 1 above, seat 2 (the user) below
  Rect UpperScore, LowerScore;
  Rect UpperPlate, LowerPlate;
  Rect Stock;
  Rect Middle;  // the played cards
  Rect GameCounter;
  Rect Memo;
  Rect Button7, Button8;
  Rect ChatInput, ChatSend;
};

TableLayout LayOutTable(const WindowScale& scale, int cardHeight);

// Left edges of the n cards of a hand in a box `boxWidth` pixels wide.
std::vector<int> HandPositions(int boxWidth, int cardCount, int cardWidth);

}  // namespace tarnel
