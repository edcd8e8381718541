#include "ui/words/word_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

// The names of word_rows.h say what their rows hold.
TEST(WordTable, NamedRowsHoldTheirEnglishText) {
  struct Case {
    int Row;
    const char* English;
  };
  const Case cases[] = {
      {rows::kNewPlayer, "New Player"},
      {rows::kMode, "Mode"},
      {rows::kClubHeadingScore, " The members of club    Games    Score "},
      {rows::kClubHeadingRating, " The members of club    Games   Rating "},
      {rows::kLeaveToMenuQuestion, "You want to leave in the main menu?"},
      {rows::kMrX, "Mr.X"},
      {rows::kTheFile, "The file \""},
      {rows::kHasIncorrectAttributes,
       "\" has incorrect attributes!\n\rThe work of the program will be incorrect!"},
      {rows::kIncorrectFile, "The incorrect file"},
      {rows::kCantFindFile, "Can`t find the file"},
      {rows::kDiskWriteError, "Error of disk writing!"},
      {rows::kCantSaveHistory, "Cann`t save history!"},
      {rows::kCantSaveOptions, "Can`t save options!"},
      {rows::kCouldNotConnect, "Could not connect to server!"},
      {rows::kClubMembers, "Club members: "},
      {rows::kCardDesignFirst, "Classical-1"},
      {rows::kBackSetRows[2], "Medieval-2"},
      {rows::kCardDesignLast, "Czech"},
      {rows::kBackgroundLast, "Ornament"},
      {rows::kColourViolet, "Violet"},
      {rows::kToBeginOfRound, "To Begin of Round"},
      {rows::kRound, "Round:"},
      {rows::kConvention, "Convention"},
      {rows::kGameRuleGroup, "Game"},
      {rows::kTenCardsOnce, "For 10 cards 1 time"},
      {rows::kSixCardsThrice, "For 6 cards 3 times"},
      {rows::kCantFind, "Can`t find "},
      {rows::kOrderGames, "Games"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Word(c.Row, kEnglish), c.English) << "row " << c.Row;
}

TEST(WordTable, LanguagesOutsideTheTableReadEnglishAndRowsOutsideItAreEmpty) {
  for (int language : {-1, 10, 11, 20, 255, 1 << 30}) {
    EXPECT_EQ(LanguageColumn(language), kEnglish);
    EXPECT_EQ(Word(rows::kCantSaveOptions, language), Word(rows::kCantSaveOptions, kEnglish));
    EXPECT_EQ(ProductTitle(language), "Tarnel");
    EXPECT_EQ(LanguageSuffix(language), "Eng");
    EXPECT_EQ(MonthName(language, 12), "December");
  }
  for (int row : {-1, kWordRowCount, 1 << 30})
    EXPECT_EQ(Word(row, kRussian), "");
  EXPECT_EQ(MonthName(kRussian, 0), "");
  EXPECT_EQ(MonthName(kRussian, 13), "");
}

TEST(WordTable, LineFeedCarriageReturnIsOneLineBreak) {
  EXPECT_EQ(WithLineBreaks(Word(rows::kNameChanged, kEnglish)),
            "Your name and/or the password were successfully changed!\nNew name: ");
  EXPECT_EQ(WithLineBreaks("a\n\r\n\rb\r\nc\n"), "a\n\nb\r\nc\n");
}

TEST(WordTable, CompanionTablesFollowTheLanguages) {
  EXPECT_EQ(LanguageSuffix(kCzech), "Cze");
  // Japanese and Korean show the English pictures and title but speak their own voices.
  for (int language : {kJapanese, kKorean}) {
    EXPECT_EQ(LanguageSuffix(language), "Eng");
    EXPECT_EQ(ProductTitle(language), ProductTitle(kEnglish));
  }
  EXPECT_EQ(VoiceCode(kJapanese), "Jap");
  EXPECT_EQ(VoiceCode(kKorean), "Kor");
  EXPECT_EQ(FlagPictureName(kGerman), "FlagODeu");
  EXPECT_EQ(FlagPictureName(kJapanese), "FlagOJap");
  EXPECT_EQ(FlagPictureName(kKorean), "FlagOKor");
  EXPECT_EQ(LanguageName(kCzech), "Čeština");
  EXPECT_EQ(MonthName(kRussian, 1), "Января");
  EXPECT_EQ(MonthName(kChinese, 12), "十二月");
  EXPECT_EQ(MonthName(kKorean, 3), "3월");
  EXPECT_EQ(ReleaseDate(kEnglish), "October 18, 2022");
  EXPECT_EQ(ReleaseDate(kJapanese), ReleaseDate(kChinese));
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_FALSE(ProductTitle(language).empty());
    EXPECT_FALSE(ReleaseDate(language).empty());
  }
}

TEST(WordTable, NotedExceptionsKeepTheirEnglishCells) {
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(Word(rows::kMrX, language), "Mr.X");
  }
  EXPECT_EQ(Word(rows::kProgrammer, kCzech), Word(rows::kProgrammer, kEnglish));
  EXPECT_EQ(Word(rows::kLeaveToMenuQuestion, kCzech), Word(rows::kLeaveToMenuQuestion, kEnglish));
  EXPECT_NE(Word(rows::kLeaveToMenuQuestion, kRussian), Word(rows::kLeaveToMenuQuestion, kEnglish));
}

// These texts follow a name and a space in one sentence ("Client", "Player Ann"), so they may not
// open a sentence of their own nor, in Korean, start with a particle that belongs to the name.
TEST(WordTable, TextsAfterANameContinueItsSentence) {
  for (int row : {rows::kHasInterruptedGame, rows::kInterruptedTheGame, rows::kTimeIsUp}) {
    for (int language = 0; language < kLanguageCount; ++language) {
      const std::string text(Word(row, language));
      ASSERT_FALSE(text.empty());
      const unsigned char first = static_cast<unsigned char>(text[0]);
      EXPECT_FALSE(first >= 'A' && first <= 'Z') << "row " << row << ": " << text;
      for (const char* opening : {"¡", "¿", "이(가)", "은(는)", "의 "})
        EXPECT_NE(text.rfind(opening, 0), 0u) << "row " << row << ": " << text;
    }
  }
}

TEST(WordTable, EveryShownRowHasATextInEveryLanguage) {
  for (int row : ShownRows()) {
    for (int language = 0; language < kLanguageCount; ++language) {
      EXPECT_FALSE(Word(row, language).empty()) << "row " << row << " language " << language;
    }
  }
}

// The source text with comments and the contents of string and character literals blanked out
// (line breaks kept), so what is left is code and a match's line is the source's.
std::string CodeOnly(const std::string& source) {
  std::string code = source;
  auto blank = [&](size_t from, size_t to) {
    for (size_t i = from; i < to && i < code.size(); ++i)
      if (code[i] != '\n') code[i] = ' ';
  };
  auto identifierChar = [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  };
  size_t i = 0;
  while (i < code.size()) {
    if (source.compare(i, 2, "//") == 0) {
      size_t end = source.find('\n', i);
      if (end == std::string::npos) end = source.size();
      blank(i, end);
      i = end;
    } else if (source.compare(i, 2, "/*") == 0) {
      size_t end = source.find("*/", i + 2);
      end = end == std::string::npos ? source.size() : end + 2;
      blank(i, end);
      i = end;
    } else if (source.compare(i, 2, "R\"") == 0 &&
               (i == 0 || !identifierChar(source[i - 1]) || source[i - 1] == '8' ||
                source[i - 1] == 'u' || source[i - 1] == 'U' || source[i - 1] == 'L')) {
      size_t open = source.find('(', i + 2);
      if (open == std::string::npos) break;
      std::string close = ")" + source.substr(i + 2, open - i - 2) + "\"";
      size_t end = source.find(close, open);
      end = end == std::string::npos ? source.size() : end + close.size();
      blank(i + 2, end - 1);
      i = end;
    } else if (source[i] == '"' ||
               (source[i] == '\'' && (i == 0 || !identifierChar(source[i - 1])))) {
      // A quote right after a digit or letter is a digit separator, not a character literal.
      const char quote = source[i];
      size_t end = i + 1;
      while (end < source.size() && source[end] != quote && source[end] != '\n')
        end += source[end] == '\\' ? 2 : 1;
      blank(i + 1, end);
      i = end + 1;
    } else {
      ++i;
    }
  }
  return code;
}

// Lines (1-based) where code gives a word-table row as a number rather than by its name in
// word_rows.h: a lookup called with a number for its row (Word(93, ..), host.Word(93),
// word(90, ..), words(90, ..)), a number given to something named for a row (ErrorRow = 0,
// kRowTheFile = 90, Row == 93) or expected of it (EXPECT_EQ(result.ErrorRow, 96)).
std::vector<int> LinesWithNumberedRows(const std::string& source) {
  static const std::regex kPatterns[] = {
      std::regex(R"(\b(Word|word|words)\s*\(\s*[-+]?\d)"),
      std::regex(R"(\b\w*Row(?!\w*Count\b)\w*\s*(==|!=|=(?!=))\s*[-+]?\d)"),
      std::regex(R"(\b\w*Row\s*,\s*[-+]?\d+\s*\))"),
  };
  const std::string code = CodeOnly(source);
  std::set<int> lines;
  for (const std::regex& pattern : kPatterns) {
    for (std::sregex_iterator m(code.begin(), code.end(), pattern), end; m != end; ++m) {
      lines.insert(1 +
                   static_cast<int>(std::count(code.begin(), code.begin() + m->position(), '\n')));
    }
  }
  return {lines.begin(), lines.end()};
}

TEST(WordTable, TheSourceScanFindsRowsGivenAsNumbers) {
  EXPECT_EQ(LinesWithNumberedRows("a = Word(rows::kMode, lang);\n"
                                  "b = Word(93, lang);\n"
                                  "c = host_.Word( 93 ) + word(90, kTextTheFile);\n"
                                  "int ErrorRow = 0;\n"
                                  "constexpr int kRowTheFile = 90;\n"
                                  "if (row == kCantFindFileRow) {}\n"
                                  "if (c.Row != -1) {}\n"
                                  "EXPECT_EQ(SaveSettings(file_, Settings()).ErrorRow, 96);\n"
                                  "int Row = rows::kNone;\n"),
            (std::vector<int>{2, 3, 4, 5, 7, 8}));
  // Comments, texts and counts are not rows.
  EXPECT_EQ(LinesWithNumberedRows("// Word(93, lang)\n"
                                  "/* ErrorRow = 0 */ s = \"Word(93, lang)\";\n"
                                  "c = '\\''; s = R\"x(Row = 5)x\";\n"
                                  "constexpr int kWordRowCount = 1058;\n"
                                  "auto w = Words(3); n = 1'000;\n"),
            std::vector<int>{});
}

struct SourceFile {
  std::string Name;  // relative to the source tree
  std::string Text;
};

// Every C++ file the program, its tools and its tests are made of.
std::vector<SourceFile> CodeFiles() {
  std::vector<SourceFile> files;
  const std::filesystem::path top(TARNEL_SOURCE_DIR);
  for (const char* folder : {"src", "tools", "tests", "server"}) {
    if (!std::filesystem::exists(top / folder)) continue;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(top / folder)) {
      std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
      std::ifstream in(entry.path());
      std::stringstream text;
      text << in.rdbuf();
      files.push_back({std::filesystem::relative(entry.path(), top).string(), text.str()});
    }
  }
  return files;
}

// Code names a row only through word_rows.h: a number given for a row fails here.
TEST(WordTable, CodeNamesRowsOnlyThroughWordRows) {
  const std::vector<SourceFile> files = CodeFiles();
  EXPECT_GT(files.size(), 50u);  // the sources were really read
  for (const SourceFile& file : files) {
    if (file.Name == "src/ui/words/word_rows.h") continue;  // the one place rows have numbers
    for (int line : LinesWithNumberedRows(file.Text)) {
      ADD_FAILURE() << file.Name << ":" << line
                    << ": a word-table row given as a number; name it in src/ui/words/word_rows.h";
    }
  }
}

// Every row the code names (rows::kName) is filled in every language.
TEST(WordTable, EveryRowCitedInTheSourcesIsFilled) {
  const std::set<std::string> blocks = {"None",        "CardDesignCount",      "BackgroundCount",
                                        "BackSetRows", "BackgroundColourRows", "WindowModeRows"};
  const std::regex named(R"(rows::k([A-Za-z0-9_]+))");
  std::set<int> cited;
  for (const SourceFile& file : CodeFiles()) {
    const std::string code = CodeOnly(file.Text);
    for (std::sregex_iterator m(code.begin(), code.end(), named), end; m != end; ++m) {
      std::string name = (*m)[1];
      if (blocks.count(name)) continue;
      int row = RowOfName(name);
      EXPECT_GE(row, 0) << "rows::k" << name << " in " << file.Name << " names no row";
      if (row >= 0) cited.insert(row);
    }
  }
  EXPECT_GT(cited.size(), 50u);  // the sources were really read
  for (int row : cited) {
    for (int language = 0; language < kLanguageCount; ++language) {
      EXPECT_FALSE(Word(row, language).empty()) << "row " << row << " language " << language;
    }
  }
}

}  // namespace
}  // namespace tarnel
