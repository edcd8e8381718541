#include "ui/layout/window_layout.h"

#include <algorithm>
#include <cmath>

namespace tarnel {
namespace {

struct ModeRow {
  int Mode;
  int Width, Height;
  int MinScreenWidth, MinScreenHeight;
};

// The fixed modes; each needs 20 pixels more screen height than its client for the frame.
constexpr ModeRow kModes[] = {
    {1, 760, 500, 0, 0},
    {3, 990, 650, 990, 670},
    {4, 1290, 850, 1290, 870},
    {5, 1520, 1000, 1520, 1020},
};

const ModeRow* FindMode(int mode) {
  for (const ModeRow& row : kModes)
    if (row.Mode == mode) return &row;
  return nullptr;
}

}  // namespace

int RoundHalfToEven(double v) { return static_cast<int>(std::nearbyint(v)); }

ModeSize FixedModeSize(int mode) {
  const ModeRow* row = FindMode(mode);
  if (!row) return {};
  return {row->Width, row->Height};
}

std::vector<int> OfferedModes(int screenWidth, int screenHeight) {
  std::vector<int> modes = {1, 2, 3, 4, 5};
  // Only from the end, so that an item's index keeps naming its mode.
  while (modes.size() > 2) {
    const ModeRow* row = FindMode(modes.back());
    if (screenWidth >= row->MinScreenWidth && screenHeight >= row->MinScreenHeight) break;
    modes.pop_back();
  }
  return modes;
}

std::string ModeHint(int mode) {
  const ModeRow* row = FindMode(mode);
  if (!row) return {};
  return std::to_string(row->Width) + " x " + std::to_string(row->Height);
}

WindowScale WindowScale::ForClient(int clientWidth, int clientHeight) {
  WindowScale s;
  s.WindowWidth = std::max(1, clientWidth);
  s.WindowHeight = std::max(1, clientHeight);
  s.Kx = static_cast<double>(s.WindowWidth) / kBaseWidth;
  s.Ky = static_cast<double>(s.WindowHeight) / kBaseHeight;
  s.K = std::min(s.Kx, s.Ky);
  return s;
}

WindowScale WindowScale::ForMode(int mode, int fullScreenWidth, int fullScreenHeight) {
  if (mode == kFullScreenMode) return ForClient(fullScreenWidth, fullScreenHeight);
  const ModeRow* row = FindMode(mode);
  if (!row) row = FindMode(kSmallWindowMode);
  WindowScale s = ForClient(row->Width, row->Height);
  // The fixed modes are designed with one exact factor; 990 / 760 is not quite 1.3.
  const double k = row->Mode == 1 ? 1.0 : row->Mode == 3 ? 1.3 : row->Mode == 4 ? 1.7 : 2.0;
  s.Kx = s.Ky = s.K = k;
  return s;
}

int WindowScale::Scale(double v) const { return RoundHalfToEven(v * K); }
int WindowScale::PosX(double x, double w) const {
  return RoundHalfToEven((Kx - K) * w / 2) + RoundHalfToEven(Kx * x);
}
int WindowScale::PosY(double y, double h) const {
  return RoundHalfToEven((Ky - K) * h / 2) + RoundHalfToEven(Ky * y);
}
int WindowScale::ReCentredX(double x, double w) const {
  return RoundHalfToEven((Kx - 1) * w / 2) + RoundHalfToEven(Kx * x);
}
int WindowScale::ReCentredY(double y, double h) const {
  return RoundHalfToEven((Ky - 1) * h / 2) + RoundHalfToEven(Ky * y);
}
int WindowScale::X(double x) const { return RoundHalfToEven(Kx * x); }
int WindowScale::Y(double y) const { return RoundHalfToEven(Ky * y); }

Rect WindowScale::Scaled(double left, double top, double width, double height) const {
  return {PosX(left, width), PosY(top, height), Scale(width), Scale(height)};
}
Rect WindowScale::Plain(double left, double top, double width, double height) const {
  return {X(left), Y(top), X(width), Y(height)};
}
Rect WindowScale::ReCentred(double left, double top, double width, double height) const {
  return {ReCentredX(left, width), ReCentredY(top, height), static_cast<int>(width),
          static_cast<int>(height)};
}

int NarrowShift(int windowMode, bool fullWidthFaces) {
  return fullWidthFaces || windowMode == kSmallWindowMode ? 0 : 5;
}

int FontHeight(double size, FontRole role, const FontChoice& fonts) {
  int scale = 100;
  switch (role) {
    case FontRole::Decor: scale = fonts.LargeFontScale; break;
    case FontRole::Serif: scale = fonts.SmallFontScale; break;
    case FontRole::Fixed: scale = fonts.SpecialFont1Scale; break;
    case FontRole::Conew: scale = fonts.SpecialFont2Scale; break;
  }
  return RoundHalfToEven(size * scale / 100.0);
}

const std::string& FontFamily(FontRole role, const FontChoice& fonts) {
  switch (role) {
    case FontRole::Decor: return fonts.LargeFont;
    case FontRole::Serif: return fonts.SmallFont;
    case FontRole::Fixed: return fonts.SpecialFont1;
    case FontRole::Conew: break;
  }
  return fonts.SpecialFont2;
}

int ButtonFontHeight(int windowMode, const WindowScale& scale, const FontChoice& fonts) {
  const double f = windowMode == kSmallWindowMode ? 1.0 : 0.9;
  return RoundHalfToEven(FontHeight(20, FontRole::Decor, fonts) * scale.K * f);
}

ClubListFont ClubListFontFor(int windowMode, const WindowScale& scale, const FontChoice& fonts) {
  if (windowMode == kSmallWindowMode) return {FontRole::Fixed, FontHeight(11, FontRole::Fixed, fonts), false};
  return {FontRole::Conew, FontHeight(RoundHalfToEven(16 * scale.K), FontRole::Conew, fonts), true};
}

MainMenuLayout LayOutMainMenu(const WindowScale& s, int windowMode, bool calendarShown) {
  MainMenuLayout m;
  const int u = s.Scale(30);
  m.UnitHeight = u;
  m.TitleBanner = {s.X(230), s.Y(90) - s.Scale(5), s.X(300), 3 * u};
  m.TitlePicture = s.Scaled(180, 12, 400, 70);
  m.ClubHeading = s.Scaled(205, 183, 350, 40);
  m.ClubListHeading = {s.X(180), s.Y(265) - u - s.Scale(10), s.X(400), u};
  for (int i = 0; i < 5; ++i) m.MemberRows[i] = {s.X(180), s.Y(265) + i * u, s.X(400), u};
  m.NewPlayer = {s.X(280), s.Y(265) + 5 * u + s.Scale(10), s.X(200), u};
  m.TopTen = {s.X(40), s.Y(225), s.X(100), u};
  m.History = {s.X(40), s.Y(255), s.X(100), u};
  m.Options = {s.X(620), s.Y(225), s.X(100), u};
  m.Mode = {s.X(620), s.Y(255), s.X(100), u};
  m.Exit = {s.X(330), s.Y(465), s.X(100), u};
  m.LeftAnimation = s.ReCentred(7, 290, 160, 200);
  m.RightAnimation = s.ReCentred(592, 290, 160, 200);
  const int c = calendarShown ? 20 : 0;
  m.LeftPanel = s.ReCentred(60 - c, 30, 100, 200);
  m.RightPanel = s.ReCentred(600 + c, 30, 100, 200);
  m.LeftCalendar = s.ReCentred(150, 95, 60, 100);
  m.RightCalendar = s.ReCentred(550, 95, 60, 100);
  m.ClocksShown = windowMode == 4 || windowMode == 5 ||
                  (windowMode == kFullScreenMode && s.WindowWidth > 1290 && s.WindowHeight > 850);
  auto clockBelow = [&](const Rect& panel) {
    const int space = s.WindowHeight - panel.Bottom();
    return Rect{panel.Left - 7, panel.Bottom() + (space - 64) / 2, 115, 64};
  };
  m.LeftClock = clockBelow(m.LeftPanel);
  m.RightClock = clockBelow(m.RightPanel);
  return m;
}

TableLayout LayOutTable(const WindowScale& s, int cardHeight) {
  TableLayout t;
  t.UpperHand = {s.PosX(155, 455), s.PosY(10, 96), s.Scale(455), cardHeight};
  t.LowerHand = {s.PosX(155, 455), s.PosY(394, 96), s.Scale(455), cardHeight};
  t.UpperScore = s.Scaled(53, 120, 155, 95);
  t.LowerScore = s.Scaled(53, 285, 155, 95);
  t.UpperPlate = s.Scaled(300, 115, 160, 20);
  t.LowerPlate = s.Scaled(300, 370, 160, 20);
  t.Stock = s.Scaled(581, 128, 100, 170);
  t.Middle = s.Scaled(343, 150, 74, 200);
  t.GameCounter = s.Scaled(53, 220, 155, 60);
  t.Memo = s.Scaled(615, 373, 130, 90);
  t.Button7 = {s.X(550), s.Y(310), s.X(160), s.Scale(30)};
  t.Button8 = {s.X(550), RoundHalfToEven(s.Ky * 310 + s.Ky * 30), s.X(160), s.Scale(30)};
  const int line = s.Scale(20);
  t.ChatInput = {t.Memo.Left,
                 t.Memo.Bottom() + s.Scale(1) + RoundHalfToEven((s.Scale(35) - line) / 2.0),
                 t.Memo.Width - s.Scale(36), line};
  t.ChatSend = {t.Memo.Right() - s.Scale(35), t.Memo.Bottom() + s.Scale(1), s.Scale(35),
                s.Scale(35)};
  return t;
}

std::vector<int> HandPositions(int boxWidth, int cardCount, int cardWidth) {
  std::vector<int> xs;
  if (cardCount <= 0) return xs;
  const int step = cardWidth + 3;
  const int n = cardCount;
  xs.reserve(n);
  if (static_cast<double>(boxWidth) / n >= step || n == 1) {
    const double start = RoundHalfToEven(boxWidth / 2.0) - n * step / 2.0;
    for (int i = 0; i < n; ++i) xs.push_back(RoundHalfToEven(start + i * step));
  } else {
    const int t = static_cast<int>(std::trunc(static_cast<double>(boxWidth - step) / (n - 1)));
    for (int i = 0; i < n; ++i) xs.push_back(i * t);
  }
  return xs;
}

}  // namespace tarnel
