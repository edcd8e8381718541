#include "ui/words/word_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

TEST(WordTable, CitedRowsHoldTheirEnglishText) {
  struct Case {
    int Row;
    const char* English;
  };
  const Case cases[] = {
      {0, "New Player"},
      {6, "Mode"},
      {7, " The members of club    Games    Score "},
      {8, " The members of club    Games   Rating "},
      {22, "You want to leave in the main menu?"},
      {74, "Mr.X"},
      {90, "The file \""},
      {91, "\" has incorrect attributes!\n\rThe work of the program will be incorrect!"},
      {93, "Can`t find the file"},
      {96, "Can`t save options!"},
      {188, "Could not connect to server!"},
      {209, "Club members: "},
      {304, "Classical-1"},
      {327, "Medieval-2"},
      {351, "Czech"},
      {374, "Ornament"},
      {378, "Violet"},
      {414, "To Begin of Round"},
      {415, "Round:"},
      {633, "Convention"},
      {685, "Game"},
      {686, "For 10 cards 1 time"},
      {687, "For 6 cards 3 times"},
      {1018, "Can`t find "},
      {1056, "Games"},
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

// Every row the code names (rows::kName, or a number given to Word) is filled in every language.
TEST(WordTable, EveryRowCitedInTheSourcesIsFilled) {
  const std::set<std::string> blocks = {"CardDesignCount", "BackgroundCount", "BackSetRows",
                                        "BackgroundColourRows", "WindowModeRows"};
  const std::regex named(R"(rows::k([A-Za-z0-9_]+))");
  const std::regex numbered(R"(\bWord\(\s*(\d+)\s*,)");
  std::set<int> cited;
  int files = 0;
  for (const char* folder : {"src", "tools"}) {
    std::filesystem::path root = std::filesystem::path(TARNEL_SOURCE_DIR) / folder;
    if (!std::filesystem::exists(root)) continue;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
      std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
      ++files;
      std::ifstream in(entry.path());
      std::stringstream text;
      text << in.rdbuf();
      const std::string source = text.str();
      for (std::sregex_iterator m(source.begin(), source.end(), named), end; m != end; ++m) {
        std::string name = (*m)[1];
        if (blocks.count(name)) continue;
        int row = RowOfName(name);
        EXPECT_GE(row, 0) << "rows::k" << name << " in " << entry.path() << " names no row";
        if (row >= 0) cited.insert(row);
      }
      for (std::sregex_iterator m(source.begin(), source.end(), numbered), end; m != end; ++m) {
        cited.insert(std::stoi((*m)[1]));
      }
    }
  }
  EXPECT_GT(files, 0);
  EXPECT_GT(cited.size(), 50u);  // the sources were really read
  for (int row : cited) {
    for (int language = 0; language < kLanguageCount; ++language) {
      EXPECT_FALSE(Word(row, language).empty()) << "row " << row << " language " << language;
    }
  }
}

}  // namespace
}  // namespace tarnel
