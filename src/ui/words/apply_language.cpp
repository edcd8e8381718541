#include "ui/words/apply_language.h"

#include "ui/words/word_rows.h"
#include "ui/words/word_table.h"

namespace tarnel {
namespace {

struct RowCaption {
  const char* Control;
  int Row;
};

// Options dialog: the nine tabs, group boxes, check boxes and buttons.
constexpr RowCaption kOptionsCaptions[] = {
    {"TabSheet1", rows::kTabGeneral},
    {"TabSheet2", rows::kTabCards},
    {"TabSheet3", rows::kTabDecks},
    {"TabSheet4", rows::kTabGame},
    {"TabSheet5", rows::kTabFonts},
    {"TabSheet6", rows::kTabBackground},
    {"TabSheet7", rows::kSaveGames},
    {"TabSheet9", rows::kTabDesign},
    {"GroupBox1", rows::kMultimedia},
    {"CheckBox1", rows::kSound},
    {"CheckBox2", rows::kMusic},
    {"CheckBox3", rows::kGifAnimation},
    {"CheckBox4", rows::kFlyCards},
    {"CheckBoxCur", rows::kRedMouseCursor},
    {"CheckBoxBut", rows::kNewButtons},
    {"Button4", rows::kPassport},
    {"CheckBoxNet", rows::kMultiplayer},
    {"RadioGroup2", rows::kModification},
    {"RadioGroup3", rows::kGameRuleGroup},
    {"Label2", rows::kScalePercent},
    {"Button2", rows::kDefault},
    {"Label1", rows::kFontWarning},
    {"GroupBoxBG", rows::kBackground},
    {"GroupBoxSG", rows::kSaveGames},
    {"CheckBoxSG1", rows::kSaveGamesAsGifs},
    {"LabelSG1", rows::kDelayBetweenFrames},
    {"RGRadio", rows::kRadioListSource},
    {"GroupBoxD1", rows::kMainMenuDesign},
    {"GroupBoxD2", rows::kGameTableDesign},
    {"GroupBoxD3", rows::kAuxiliaryWindowDesign},
    {"GroupBoxSalute", rows::kSalute},
    {"CheckBoxD1", rows::kSaluteButtons},
    {"CheckBoxD2", rows::kSaluteCards},
    {"Button1", rows::kOk},
};

// Main window: menu buttons and pop-up menu items.
constexpr RowCaption kMainCaptions[] = {
    {"Button6", rows::kNewPlayer},
    {"Button9", rows::kTopTen},
    {"Button10", rows::kOptions},
    {"Button11", rows::kExit},
    {"BMode", rows::kMode},
    {"BHistory", rows::kHistory},
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
};

std::vector<std::string> RowTexts(std::initializer_list<int> rowList, int language) {
  std::vector<std::string> texts;
  for (int row : rowList)
    texts.emplace_back(Word(row, language));
  return texts;
}

}  // namespace

const std::string* LanguageTexts::Find(const std::string& control) const {
  for (const Caption& caption : Captions) {
    if (caption.Control == control) return &caption.Text;
  }
  return nullptr;
}

const std::vector<std::string>* LanguageTexts::FindItems(const std::string& control) const {
  for (const ItemList& list : Items) {
    if (list.Control == control) return &list.Items;
  }
  return nullptr;
}

LanguageTexts ApplyLanguage(const ApplyLanguageInput& input) {
  const int lang = input.LanguageIndex;
  LanguageTexts texts;
  auto caption = [&](const char* form, const char* control, std::string text, int row) {
    texts.Captions.push_back({form, control, std::move(text), row});
  };
  auto items = [&](const char* form, const char* control, std::vector<std::string> list) {
    texts.Items.push_back({form, control, std::move(list)});
  };

  if (!input.MainOnly) {
    const char* form = "TFormOptions";
    for (const RowCaption& rc : kOptionsCaptions)
      caption(form, rc.Control, std::string(Word(rc.Row, lang)), rc.Row);
    caption(form, "TabSheet8", "DLL", rows::kNone);
    caption(form, "Button3",
            std::string(Word(rows::kSpeed, lang)) + "=" + std::to_string(input.FlySpeed),
            rows::kSpeed);

    std::vector<std::string> windowSizes;
    for (int row : rows::kWindowModeRows)
      windowSizes.emplace_back(Word(row, lang));
    items(form, "ComboBoxWSize", std::move(windowSizes));

    std::vector<std::string> languages;
    for (int l = 0; l < kLanguageCount; ++l)
      languages.emplace_back(LanguageName(l));
    items(form, "ComboBoxLan", std::move(languages));

    std::vector<std::string> faces;
    for (int d = 0; d < rows::kCardDesignCount; ++d)
      faces.emplace_back(Word(rows::kCardDesignFirst + d, lang));
    items(form, "ComboBox1", std::move(faces));

    std::vector<std::string> backs;
    for (int row : rows::kBackSetRows)
      backs.emplace_back(Word(row, lang));
    items(form, "ComboBox2", std::move(backs));

    items(form, "RadioGroup2",
          RowTexts({rows::kToChangeDecks, rows::kAlwaysOne, rows::kRandom}, lang));
    items(form, "RadioGroup3", RowTexts({rows::kTenCardsOnce, rows::kSixCardsThrice}, lang));

    std::string special(Word(rows::kSpecialFont, lang));
    items(form, "ComboBoxFont",
          {std::string(Word(rows::kLargeFont, lang)), std::string(Word(rows::kSmallFont, lang)),
           special + " 1", special + " 2"});

    std::vector<std::string> cloths;
    for (int i = 0; i < rows::kBackgroundCount; ++i)
      cloths.emplace_back(Word(rows::kBackgroundFirst + i, lang));
    items(form, "ComboBoxBG1", std::move(cloths));
    std::vector<std::string> colours;
    for (int row : rows::kBackgroundColourRows)
      colours.emplace_back(Word(row, lang));
    items(form, "ComboBoxBG2", std::move(colours));

    items(form, "ComboBoxSG1", RowTexts({rows::kSaveMainWindowOnly, rows::kSaveScreen}, lang));
    items(form, "RGRadio", RowTexts({rows::kFromServer, rows::kFromDisk}, lang));
    items(form, "ComboBoxD1", RowTexts({rows::kCustomizable, rows::kPurple}, lang));
    items(form, "ComboBoxD2", RowTexts({rows::kCustomizable, rows::kPurple}, lang));
    items(form, "ComboBoxD3",
          RowTexts({rows::kGrayAristocratic, rows::kGrayConcise, rows::kGrayWithRedRibbons,
                    rows::kPurple},
                   lang));
  }

  const char* form = "TForm1";
  caption(form, "TForm1", std::string(ProductTitle(lang)), rows::kNone);
  for (const RowCaption& rc : kMainCaptions)
    caption(form, rc.Control, std::string(Word(rc.Row, lang)), rc.Row);
  const int heading = input.ClubDisplay == 2 ? rows::kClubHeadingRating : rows::kClubHeadingScore;
  caption(form, "ClubHeading", std::string(Word(heading, lang)), heading);
  return texts;
}

}  // namespace tarnel
