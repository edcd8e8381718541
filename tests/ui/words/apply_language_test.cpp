#include "ui/words/apply_language.h"

#include <gtest/gtest.h>

#include "ui/words/word_rows.h"
#include "ui/words/word_table.h"

namespace tarnel {
namespace {

std::string CaptionOf(const LanguageTexts& texts, const std::string& control) {
  const std::string* text = texts.Find(control);
  return text ? *text : "<missing " + control + ">";
}

TEST(ApplyLanguage, MainWindowCaptionsComeFromTheirRows) {
  LanguageTexts texts = ApplyLanguage({kRussian, 2, 4, true});
  EXPECT_EQ(CaptionOf(texts, "TForm1"), ProductTitle(kRussian));
  EXPECT_EQ(CaptionOf(texts, "Button6"), Word(rows::kNewPlayer, kRussian));
  EXPECT_EQ(CaptionOf(texts, "BMode"), Word(rows::kMode, kRussian));
  EXPECT_EQ(CaptionOf(texts, "MSpeed"), Word(rows::kSpeed, kRussian));
  EXPECT_EQ(CaptionOf(texts, "MConvention"), Word(rows::kConvention, kRussian));
  EXPECT_EQ(CaptionOf(texts, "MRadio"), Word(rows::kRadio, kRussian));
  // Club mode 2 shows the rating heading.
  EXPECT_EQ(CaptionOf(texts, "ClubHeading"), Word(rows::kClubHeadingRating, kRussian));
  // mainOnly leaves the options dialog alone.
  EXPECT_EQ(texts.Find("TabSheet1"), nullptr);
  EXPECT_EQ(texts.FindItems("ComboBoxLan"), nullptr);
}

TEST(ApplyLanguage, OptionsDialogTextsAndItemLists) {
  LanguageTexts texts = ApplyLanguage({kEnglish, 1, 5, false});
  EXPECT_EQ(CaptionOf(texts, "Button3"), "Speed=5");
  EXPECT_EQ(CaptionOf(texts, "TabSheet4"), "Game");
  EXPECT_EQ(CaptionOf(texts, "RadioGroup3"), "Game");
  EXPECT_EQ(CaptionOf(texts, "ClubHeading"), " The members of club    Games    Score ");

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

TEST(ApplyLanguage, CaptionsNameTheirRows) {
  LanguageTexts texts = ApplyLanguage({kGerman, 1, 4, false});
  const std::pair<const char*, int> expected[] = {
      {"Button6", rows::kNewPlayer},
      {"Button9", rows::kTopTen},
      {"Button10", rows::kOptions},
      {"Button11", rows::kExit},
      {"BMode", rows::kMode},
      {"BHistory", rows::kHistory},
      {"ClubHeading", rows::kClubHeadingScore},
      {"GenCount", rows::kGeneralScore},
      {"Quit", rows::kExitToMenu},
      {"ChangeName", rows::kChangeName},
      {"MSpeed", rows::kSpeed},
      {"MConvention", rows::kConvention},
      {"Help", rows::kHelp},
      {"MComment", rows::kComment},
      {"About", rows::kAbout},
      {"MRadio", rows::kRadio},
      {"MChat", rows::kChat},
      {"TabSheet1", rows::kTabGeneral},
      {"TabSheet2", rows::kTabCards},
      {"TabSheet3", rows::kTabDecks},
      {"TabSheet4", rows::kTabGame},
      {"TabSheet5", rows::kTabFonts},
      {"TabSheet6", rows::kTabBackground},
      {"TabSheet7", rows::kSaveGames},
      {"TabSheet8", rows::kNone},
      {"TabSheet9", rows::kTabDesign},
      {"GroupBox1", rows::kMultimedia},
      {"CheckBox3", rows::kGifAnimation},
      {"CheckBox4", rows::kFlyCards},
      {"CheckBoxCur", rows::kRedMouseCursor},
      {"CheckBoxNet", rows::kMultiplayer},
      {"RadioGroup2", rows::kModification},
      {"RadioGroup3", rows::kGameRuleGroup},
      {"Label2", rows::kScalePercent},
      {"Label1", rows::kFontWarning},
      {"RGRadio", rows::kRadioListSource},
      {"GroupBoxSalute", rows::kSalute},
      {"TForm1", rows::kNone},
  };
  for (auto [control, row] : expected) {
    const Caption* found = nullptr;
    for (const Caption& c : texts.Captions) {
      if (c.Control == control) found = &c;
    }
    ASSERT_NE(found, nullptr) << control;
    EXPECT_EQ(found->Row, row) << control;
  }
  // Every caption taken from a row shows that row, except the composed speed button.
  for (const Caption& c : texts.Captions) {
    if (c.Row != rows::kNone && c.Control != "Button3") {
      EXPECT_EQ(c.Text, Word(c.Row, kGerman)) << c.Control;
    }
  }
}

}  // namespace
}  // namespace tarnel
