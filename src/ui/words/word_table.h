// The word table: every text the user sees, 1058 rows by 10 languages, and the small tables that
// go with the languages (titles, picture and voice codes, month names, release dates).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

inline constexpr int kWordRowCount = 1058;
inline constexpr int kLanguageCount = 10;

// Column order of the table; the value of LanguageIndex.
enum Language : int {
  kEnglish = 0,
  kRussian = 1,
  kGerman = 2,
  kFrench = 3,
  kSpanish = 4,
  kChinese = 5,
  kItalian = 6,
  kCzech = 7,
  kJapanese = 8,
  kKorean = 9,
};

// The column a stored language value reads: 0-9 as they are; anything else (a settings file may
// hold 10-20) reads English, so no value indexes past the table.
int LanguageColumn(int languageIndex);

// Text of `row` in the language; "" for a row outside 0..1057.
std::string_view Word(int row, int languageIndex);

// Every row the program shows: the named rows and the design, back and background blocks.
std::vector<int> ShownRows();
// The row of a name from word_rows.h without its "k" ("NewPlayer"), or -1.
int RowOfName(std::string_view name);

// The table writes a line break as LF CR; windows want a single LF.
std::string WithLineBreaks(std::string_view text);

std::string_view ProductTitle(int languageIndex);
// Three-letter code of per-language pictures; Japanese and Korean use the English pictures.
std::string_view LanguageSuffix(int languageIndex);
// Code of the spoken card names, appended after "Voice".
std::string_view VoiceCode(int languageIndex);
// Options dialog flag picture: "FlagO" + suffix, with own flags for Japanese and Korean.
std::string FlagPictureName(int languageIndex);
// Name shown in the language list.
std::string_view LanguageName(int languageIndex);
// Month 1-12 in the form used after a day number; "" for a month outside 1-12.
std::string_view MonthName(int languageIndex, int month);
std::string_view ReleaseDate(int languageIndex);

}  // namespace tarnel
