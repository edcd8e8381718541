#include "ui/painting/title_model.h"

namespace tarnel {
namespace {

// Code points of a UTF-8 text; a broken sequence yields its bytes one by one.
std::vector<std::pair<char32_t, std::string>> CodePoints(std::string_view text) {
  std::vector<std::pair<char32_t, std::string>> out;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3
                                       : (lead >> 3) == 30 ? 4 : 1;
    if (i + length > text.size()) length = 1;
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (text[i + k] & 0x3F);
    out.emplace_back(cp, std::string(text.substr(i, length)));
    i += length;
  }
  return out;
}

bool Wide(char32_t c) { return c == U'W' || c == U'M' || c == U'М' || c == U'Ж' || c == U'Ю'; }
bool NarrowI(char32_t c) { return c == U'I' || c == U'Í'; }

constexpr std::uint32_t kPalette[kTitlePaletteSize] = {
    0x800000, 0x0000FF, 0xFFFF00, 0x008000, 0xFF0000,
    0x000080, 0xFF8040, 0x00FFFF, 0x800080, 0x00FF00,
};

constexpr int kRunLeft = 155, kRunTop = 68, kRunRight = 550, kRunBottom = 362;
constexpr int kRunWidth = kRunRight - kRunLeft, kRunHeight = kRunBottom - kRunTop;
constexpr int kRunPerimeter = 2 * (kRunWidth + kRunHeight);

Point OnPerimeter(long long distance) {
  long long d = distance % kRunPerimeter;
  if (d < kRunWidth) return {kRunLeft + static_cast<int>(d), kRunTop};
  d -= kRunWidth;
  if (d < kRunHeight) return {kRunRight, kRunTop + static_cast<int>(d)};
  d -= kRunHeight;
  if (d < kRunWidth) return {kRunRight - static_cast<int>(d), kRunBottom};
  d -= kRunWidth;
  return {kRunLeft, kRunBottom - static_cast<int>(d)};
}

}  // namespace

std::vector<TitleLetter> LayOutTitleLetters(std::string_view titleUtf8) {
  auto points = CodePoints(titleUtf8);
  if (points.size() > kTitleLetterLimit) points.resize(kTitleLetterLimit);
  const int n = static_cast<int>(points.size());
  std::vector<int> shift(n, 0);
  int wordShift = 0;
  for (int i = 0; i < n; ++i) {
    const char32_t c = points[i].first;
    int following = 0;
    if (Wide(c)) following = 8, wordShift -= 5;
    else if (c == U'Q') following = 6, wordShift -= 4;
    else if (NarrowI(c)) following = -12, wordShift += 6;
    else if (c == U'-') following = -10, wordShift += 6;
    if (NarrowI(c) || c == U'-') shift[i] += 3;
    for (int k = i + 1; k < n; ++k) shift[k] += following;
  }
  std::vector<TitleLetter> letters;
  for (int i = 0; i < n; ++i)
    letters.push_back({points[i].second, 381 - 13 * n + 26 * i + shift[i] + wordShift});
  return letters;
}

std::vector<TitleLetter> LayOutWideTitleLetters(std::string_view titleUtf8, int letterWidth) {
  std::vector<TitleLetter> letters = LayOutTitleLetters(titleUtf8);
  const int n = static_cast<int>(letters.size());
  const int step = letterWidth + 4;
  for (int i = 0; i < n; ++i) letters[i].X = 381 - (n * step) / 2 + i * step;
  return letters;
}

std::uint32_t TitleLetterColour(int letter, long long ticks) {
  const long long turns = ticks / kPaletteTurnTicks;
  return kPalette[(letter + turns) % kTitlePaletteSize];
}

std::array<Point, 4> TitleRunners(long long ticks) {
  return {OnPerimeter(ticks), OnPerimeter(ticks + kRunWidth),
          OnPerimeter(ticks + kRunWidth + kRunHeight),
          OnPerimeter(ticks + 2 * kRunWidth + kRunHeight)};
}

int MenuLampImage(int lamp, long long phase) {
  const long long lit = (phase / kMenuLampTicks) % 3;
  return lit == lamp ? 1 + lamp : 0;
}

}  // namespace tarnel
