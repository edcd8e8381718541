#include "ui/words/apply_language.h"

#include <gtest/gtest.h>

#include "ui/words/word_rows.h"
#include "ui/words/word_table.h"

namespace tarnel {
namespace {

std::string Caption(const LanguageTexts& texts, const std::string& control) {
  const std::string* text = texts.Find(control);
  return text ? *text : "<missing " + control + ">";
}

TEST(ApplyLanguage, MainWindowCaptionsComeFromTheirRows) {
  LanguageTexts texts = ApplyLanguage({kRussian, 2, 4, true});
  EXPECT_EQ(Caption(texts, "TForm1"), ProductTitle(kRussian));
  EXPECT_EQ(Caption(texts, "Button6"), Word(rows::kNewPlayer, kRussian));
  EXPECT_EQ(Caption(texts, "BMode"), Word(rows::kMode, kRussian));
  EXPECT_EQ(Caption(texts, "MSpeed"), Word(rows::kSpeed, kRussian));
  EXPECT_EQ(Caption(texts, "MConvention"), Word(rows::kConvention, kRussian));
  EXPECT_EQ(Caption(texts, "MRadio"), Word(rows::kRadio, kRussian));
  // Club mode 2 shows the rating heading, row 6 + 2.
  EXPECT_EQ(Caption(texts, "ClubHeading"), Word(8, kRussian));
  // mainOnly leaves the options dialog alone.
  EXPECT_EQ(texts.Find("TabSheet1"), nullptr);
  EXPECT_EQ(texts.FindItems("ComboBoxLan"), nullptr);
}

TEST(ApplyLanguage, OptionsDialogTextsAndItemLists) {
  LanguageTexts texts = ApplyLanguage({kEnglish, 1, 5, false});
  EXPECT_EQ(Caption(texts, "Button3"), "Speed=5");
  EXPECT_EQ(Caption(texts, "TabSheet4"), "Game");
  EXPECT_EQ(Caption(texts, "RadioGroup3"), "Game");
  EXPECT_EQ(Caption(texts, "ClubHeading"), " The members of club    Games    Score ");

  const auto* sizes = texts.FindItems("ComboBoxWSize");
  ASSERT_NE(sizes, nullptr);
  EXPECT_EQ(*sizes, (std::vector<std::string>{"Small window", "Full screen", "Average window 1",
                                              "Average window 2", "Large window"}));
  const auto* fonts = texts.FindItems("ComboBoxFont");
  ASSERT_NE(fonts, nullptr);
  EXPECT_EQ(*fonts, (std::vector<std::string>{"Large font", "Small font", "Special font 1",
                                              "Special font 2"}));
  const auto* colours = texts.FindItems("ComboBoxBG2");
  ASSERT_NE(colours, nullptr);
  EXPECT_EQ(*colours, (std::vector<std::string>{"Green", "Red", "Orang", "Yellow", "Light-Blue",
                                                "Dark Blue", "Violet"}));
  const auto* backs = texts.FindItems("ComboBox2");
  ASSERT_NE(backs, nullptr);
  ASSERT_EQ(backs->size(), 13u);
  EXPECT_EQ((*backs)[2], "Medieval-2");
  EXPECT_EQ((*backs)[8], "Animals");
  EXPECT_EQ((*backs)[12], "Russian");
  const auto* faces = texts.FindItems("ComboBox1");
  ASSERT_NE(faces, nullptr);
  EXPECT_EQ(faces->size(), 48u);
  const auto* designs = texts.FindItems("ComboBoxD3");
  ASSERT_NE(designs, nullptr);
  EXPECT_EQ(*designs, (std::vector<std::string>{"Gray aristocratic", "Gray concise",
                                                "Gray with red ribbons", "Purple"}));
  const auto* languages = texts.FindItems("ComboBoxLan");
  ASSERT_NE(languages, nullptr);
  EXPECT_EQ(languages->at(1), "Русский");
}

TEST(ApplyLanguage, StoredLanguageBeyondTheTableShowsEnglish) {
  LanguageTexts k = ApplyLanguage({20, 1, 4, false});
  LanguageTexts english = ApplyLanguage({kEnglish, 1, 4, false});
  ASSERT_EQ(k.Captions.size(), english.Captions.size());
  for (size_t i = 0; i < k.Captions.size(); ++i)
    EXPECT_EQ(k.Captions[i].Text, english.Captions[i].Text);
}

}  // namespace
}  // namespace tarnel
