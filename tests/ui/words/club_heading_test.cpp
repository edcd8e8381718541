// The club-list heading is one fixed-pitch text above the member captions: each of its three
// titles has to stand over the column it names, in every language.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "records/club_file.h"
#include "ui/words/word_rows.h"
#include "ui/words/word_table.h"

namespace tarnel {
namespace {

// Cells of one character in a fixed-pitch font: East Asian wide characters take two.
int CellsOf(char32_t c) {
  const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
                    (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
                    (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
                    (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                    (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                    (c >= 0xFFE0 && c <= 0xFFE6);
  return wide ? 2 : 1;
}

std::u32string Decode(std::string_view utf8) {
  std::u32string text;
  for (size_t i = 0; i < utf8.size();) {
    unsigned char lead = static_cast<unsigned char>(utf8[i]);
    int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < utf8.size(); ++k)
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    text += c;
    i += extra + 1;
  }
  return text;
}

int Width(std::string_view utf8) {
  int width = 0;
  for (char32_t c : Decode(utf8))
    width += CellsOf(c);
  return width;
}

struct Span {
  int Begin;  // first cell
  int End;    // one past the last cell
};

// Runs of non-space characters, in cells; runs fewer than `gap` spaces apart are one run.
std::vector<Span> Runs(std::string_view utf8, int gap) {
  std::vector<Span> runs;
  int at = 0;
  int spaces = 0;
  for (char32_t c : Decode(utf8)) {
    int cells = CellsOf(c);
    if (c == U' ') {
      ++spaces;
    } else if (runs.empty() || spaces >= gap) {
      runs.push_back({at, at + cells});
      spaces = 0;
    } else {
      runs.back().End = at + cells;
      spaces = 0;
    }
    at += cells;
  }
  return runs;
}

TEST(ClubListHeading, EveryTitleStandsOverItsColumnInEveryLanguage) {
  const struct {
    int Row;
    ClubDisplay Display;
  } views[] = {{rows::kClubHeadingScore, ClubDisplay::Score},
               {rows::kClubHeadingRating, ClubDisplay::Rating}};
  for (const auto& view : views) {
    // An empty slot fills every column with "#", so its caption shows where the columns are.
    const std::string caption = MemberCaption(kEmptyMember, view.Display, {});
    const std::vector<Span> columns = Runs(caption, 1);
    ASSERT_EQ(columns.size(), 3u) << caption;
    for (int language = 0; language < kLanguageCount; ++language) {
      SCOPED_TRACE("row " + std::to_string(view.Row) + " language " + std::to_string(language));
      const std::string_view heading = Word(view.Row, language);
      // One space either side, and inside as wide as a caption: drawn centred or from the left,
      // the titles then start with the names and end with the numbers.
      ASSERT_GE(heading.size(), 4u);
      ASSERT_EQ(heading.front(), ' ');
      ASSERT_EQ(heading.back(), ' ');
      const std::string_view inner = heading.substr(1, heading.size() - 2);
      ASSERT_NE(inner.front(), ' ');
      ASSERT_NE(inner.back(), ' ');
      EXPECT_EQ(Width(inner), Width(caption));
      // Titles are apart by two spaces or more; a single space belongs to one title.
      const std::vector<Span> titles = Runs(inner, 2);
      ASSERT_EQ(titles.size(), columns.size()) << heading;
      for (size_t t = 0; t < titles.size(); ++t) {
        const int twiceMiddle = titles[t].Begin + titles[t].End;
        EXPECT_GE(twiceMiddle, 2 * columns[t].Begin) << "title " << t << " of '" << heading << "'";
        EXPECT_LE(twiceMiddle, 2 * columns[t].End) << "title " << t << " of '" << heading << "'";
        for (size_t c = 0; c < columns.size(); ++c) {
          if (c == t) continue;
          const bool overlaps =
              titles[t].Begin < columns[c].End && columns[c].Begin < titles[t].End;
          EXPECT_FALSE(overlaps) << "title " << t << " of '" << heading << "' over column " << c;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tarnel
