#include "ui/options/t_form_options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <filesystem>

#include "ui/button/t_qel_cards_button.h"
#include "ui/flights/t_form_speed.h"
#include "ui/flights/touch_burst.h"
#include "ui/layout/window_layout.h"
#include "ui/options/options_model.h"
#include "ui/painting/program_fonts.h"
#include "ui/pictures/picture_image.h"
#include "ui/pictures/picture_names.h"
#include "ui/settings/settings.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_rows.h"
#include "ui/words/word_table.h"

namespace tarnel {
namespace {

constexpr int kClientWidth = 500;
// The preview's cards: jack of hearts, queen of diamonds, king of clubs, ace of spades.
constexpr int kPreviewCards[4] = {20, 25, 30, 35};
constexpr int kPreviewLefts[4] = {0, 63, 126, 189};
constexpr const char* kRadioList = "QelRadio.rad";
constexpr const char* kRadioLibrary = "QelRadio02.dll";
constexpr const char* kCalendarLibrary = "QelCalendar01.dll";
constexpr const char* kVoiceLibraryFile = "QelCVoice3.dll";

struct DesignRow {
  int ClientHeight, Image0Height, Panel1Top, PageTop, AnimationTop, Button1Top;
};
// Gray concise, gray aristocratic, gray with red ribbons, purple.
constexpr DesignRow kDesignRows[4] = {
    {360, 48, 55, 80, 170, 315},
    {375, 64, 73, 95, 185, 330},
    {410, 90, 108, 130, 220, 365},
    {400, 0, 0, 120, 210, 355},
};

QImage BuiltInPng(const ResourceLocator& locator, const std::string& name) {
  Picture picture;
  if (!LoadPngResource(locator, name, "", picture)) return {};
  return PictureImage(picture).copy();
}

// A library counts as present in the program's folder or in the one above it.
bool LibraryPresent(const ResourceLocator& locator, const std::string& fileName) {
  std::error_code ec;
  return std::filesystem::exists(locator.ProgramFolder / fileName, ec) ||
         std::filesystem::exists(locator.ProgramFolder.parent_path() / fileName, ec);
}

}  // namespace

int& TFormOptions::RememberedTab() {
  static int tab = 0;
  return tab;
}

TFormOptions::TFormOptions(Settings& settings, OptionsHost& host, const ResourceLocator& locator,
                           QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      host_(host),
      locator_(locator),
      look_(settings, locator, {"GFormOpt", "Options", "GIcon48Opt", rows::kOptions}) {
  setModal(true);
  setAttribute(Qt::WA_DeleteOnClose, false);
  LoadGifResource(locator_, "GOpt", "", gOpt_);
  CreateControls();
  filling_ = true;
  FillFromSettings();
  filling_ = false;
  ApplyDesign();
  ApplyCursors();
  connect(&animationTimer_, &QTimer::timeout, this, &TFormOptions::AnimationTick);
  connect(&timer48_, &QTimer::timeout, this, [this] {
    look_.NextIconFrame();
    update(35, 22, 48, 48);
  });
  if (settings_.AnimationsOn) animationTimer_.start(70);
  AnimationTick();
}

TFormOptions::~TFormOptions() {
  RememberedTab() = pageControl1_->currentIndex();
}

QCheckBox* TFormOptions::CheckBox(const char* name) const {
  for (const auto& [n, box] : checks_)
    if (n == name) return box;
  return nullptr;
}

QComboBox* TFormOptions::ComboBox(const char* name) const {
  for (const auto& [n, box] : combos_)
    if (n == name) return box;
  return nullptr;
}

std::vector<TQelCardsButton*> TFormOptions::LibraryButtons(const std::string& fileName) const {
  std::vector<TQelCardsButton*> found;
  for (const auto& [n, b] : libraryButtons_)
    if (n == fileName) found.push_back(b);
  return found;
}

// --- controls --------------------------------------------------------------------------------

void TFormOptions::CreateControls() {
  image0_ = new QLabel(this);
  panel1_ = new QWidget(this);
  panel1_->setStyleSheet(QStringLiteral("background: #ff0000;"));
  imFlag_ = new QLabel(this);
  animation_ = new QLabel(this);
  pageControl1_ = new QTabWidget(this);
  pageControl1_->setUsesScrollButtons(true);
  pageControl1_->addTab(GeneralTab(), QString());
  pageControl1_->addTab(CardsTab(), QString());
  pageControl1_->addTab(DecksTab(), QString());
  pageControl1_->addTab(GameTab(), QString());
  pageControl1_->addTab(FontsTab(), QString());
  pageControl1_->addTab(BackgroundTab(), QString());
  pageControl1_->addTab(SaveGamesTab(), QString());
  pageControl1_->addTab(LibraryTab(), QString());
  pageControl1_->addTab(DesignTab(), QString());
  for (int i = 0; i < 9; ++i) {
    tabPictures_[i] = new QLabel(pageControl1_->widget(i));
    tabPictures_[i]->lower();
  }
  connect(pageControl1_, &QTabWidget::currentChanged, this, [this](int tab) {
    // The GIF box follows the window mode each time its tab shows.
    if (tab == 6) CheckBox("CheckBoxSG1")->setEnabled(GifSavingEnabled(settings_.WindowMode));
  });
  button1_ = new TQelCardsButton(this);
  cardButtons_.push_back(button1_);
  connect(button1_, &QPushButton::clicked, this, [this] { Close(true); });
}

QWidget* TFormOptions::GeneralTab() {
  auto* page = new QWidget;
  auto* group = new QGroupBox(page);
  group->setObjectName("Multimedia");
  group->setGeometry(6, 4, 178, 166);
  groups_.push_back(group);
  auto check = [&](const char* name, QWidget* parent, int x, int y, int w, bool& setting,
                   std::function<void()> apply) {
    auto* box = new QCheckBox(parent);
    box->setGeometry(x, y, w, 22);
    checks_.emplace_back(name, box);
    connect(box, &QCheckBox::toggled, this, [this, &setting, apply](bool on) {
      if (filling_) return;
      setting = on;
      if (apply) apply();
    });
    return box;
  };
  check("CheckBox1", group, 8, 20, 165, settings_.SoundOn, nullptr);
  check("CheckBox2", group, 8, 42, 165, settings_.MusicOn, [this] { host_.MusicSwitched(); });
  check("CheckBox3", group, 8, 64, 165, settings_.AnimationsOn, [this] {
    host_.AnimationsSwitched();
    gOptFrame_ = 0;
    if (settings_.AnimationsOn)
      animationTimer_.start(70);
    else
      animationTimer_.stop();
    AnimationTick();
  });
  check("CheckBox4", group, 8, 86, 165, settings_.FlyCards, nullptr);
  check("CheckBoxCur", group, 8, 108, 165, settings_.OwnCursor,
        [this] { host_.CursorsSwitched(); });
  check("CheckBoxBut", group, 8, 130, 165, settings_.NewButtons, [this] {
    for (TQelCardsButton* b : cardButtons_)
      b->SetNata(settings_.NewButtons);
    host_.ButtonsRestyled();
  });
  button3_ = new TQelCardsButton(page);
  button3_->setGeometry(192, 10, 178, 32);
  cardButtons_.push_back(button3_);
  connect(button3_, &QPushButton::clicked, this, [this] {
    if (settings_.SaluteButtons) TouchBurst(*this, locator_);
    TFormSpeed speed(settings_, locator_, this);
    speed.exec();
    RenewSpeedCaption();
  });
  button4_ = new TQelCardsButton(page);
  button4_->setGeometry(192, 48, 178, 32);
  cardButtons_.push_back(button4_);
  // The passport dialog belongs to the online services, which this build does not have yet.
  button4_->setEnabled(false);
  button4_->SetGrayDis(true);
  check("CheckBoxNet", page, 192, 88, 178, settings_.NetworkMode,
        [this] { host_.NetworkModeSwitched(); });
  auto* sizes = new QComboBox(page);
  sizes->setGeometry(192, 116, 178, 24);
  combos_.emplace_back("ComboBoxWSize", sizes);
  connect(sizes, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (filling_ || item < 0) return;
    settings_.WindowMode = item + 1;
    // Opening the dialog only shows the mode; a choice made afterwards applies at once.
    if (opened_) host_.WindowModeChosen();
  });
  auto* languages = new QComboBox(page);
  languages->setGeometry(192, 146, 178, 24);
  combos_.emplace_back("ComboBoxLan", languages);
  for (int i = 0; i < kLanguageCount; ++i) {
    const QImage flag = BuiltInPng(locator_, FlagPictureName(i));
    languages->addItem(flag.isNull() ? QIcon() : QIcon(QPixmap::fromImage(flag.scaled(24, 16))),
                       QString::fromUtf8(LanguageName(i).data(), LanguageName(i).size()));
  }
  connect(languages, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (filling_ || item < 0) return;
    settings_.LanguageIndex = static_cast<std::uint8_t>(item);
    host_.LanguageChosen();
    look_.Reload();
    ApplyTexts();
    ApplyDesign();
  });
  return page;
}

TQelCardsButton* TFormOptions::LibraryButton(QWidget* parent, const std::string& fileName) {
  auto* b = new TQelCardsButton(QString::fromStdString(fileName), parent);
  libraryButtons_.emplace_back(fileName, b);
  cardButtons_.push_back(b);
  connect(b, &QPushButton::clicked, this, [this, fileName] { DownloadClick(fileName); });
  return b;
}

void TFormOptions::DownloadClick(const std::string& fileName) {
  if (LibraryPresent(locator_, fileName)) return;
  setCursor(Qt::WaitCursor);
  const bool ok = host_.DownloadLibrary(fileName);
  if (settings_.SoundOn) host_.PlayCue(ok ? "WToMenK" : "WWrongs");
  unsetCursor();
  RefreshLibraryButtons();
  if (ok && fileName == kGraphicsLibrary) {
    // The salute and the designs need this library; they become available at once.
    CheckBox("CheckBoxD1")->setEnabled(true);
    CheckBox("CheckBoxD2")->setEnabled(true);
  }
}

QWidget* TFormOptions::CardsTab() {
  auto* page = new QWidget;
  auto* faces = new QComboBox(page);
  faces->setGeometry(6, 6, 364, 24);
  faces->setMaxVisibleItems(16);
  combos_.emplace_back("ComboBox1", faces);
  connect(faces, &QComboBox::currentIndexChanged, this, &TFormOptions::FaceChanged);
  image1_ = new QLabel(page);
  image1_->setGeometry(6, 36, 260, 96);
  const char* libraries[3] = {kCardsLibraryA, kCardsLibraryB, kCardsLibraryC};
  for (int i = 0; i < 3; ++i)
    LibraryButton(page, libraries[i])->setGeometry(272, 36 + 33 * i, 98, 30);
  return page;
}

QWidget* TFormOptions::DecksTab() {
  auto* page = new QWidget;
  auto* backs = new QComboBox(page);
  backs->setGeometry(6, 6, 364, 24);
  combos_.emplace_back("ComboBox2", backs);
  connect(backs, &QComboBox::currentIndexChanged, this, &TFormOptions::BackSetChanged);
  backModeGroup_ = new QGroupBox(page);
  backModeGroup_->setGeometry(6, 38, 250, 100);
  for (int i = 0; i < 3; ++i) {
    backModes_[i] = new QRadioButton(backModeGroup_);
    backModes_[i]->setGeometry(10, 20 + 25 * i, 235, 22);
    connect(backModes_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (filling_ || !on) return;
      settings_.AlwaysOneBack = i == 1;
      host_.BacksChosen();
    });
  }
  LibraryButton(page, kCardsLibraryB)->setGeometry(264, 46, 106, 30);
  return page;
}

QWidget* TFormOptions::GameTab() {
  auto* page = new QWidget;
  handSizeGroup_ = new QGroupBox(page);
  handSizeGroup_->setGeometry(55, 10, 260, 80);
  for (int i = 0; i < 2; ++i) {
    handSizes_[i] = new QRadioButton(handSizeGroup_);
    handSizes_[i]->setGeometry(10, 22 + 26 * i, 245, 22);
    connect(handSizes_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (!filling_ && on) settings_.HandSizeOption = i == 0 ? 10 : 6;
    });
  }
  expert_ = new QCheckBox(page);
  expert_->setGeometry(55, 102, 300, 22);
  checks_.emplace_back("CheckBoxExpert", expert_);
  connect(expert_, &QCheckBox::toggled, this, [this](bool on) {
    if (!filling_) host_.ExpertOpponentChosen(on);
  });
  return page;
}

QWidget* TFormOptions::FontsTab() {
  auto* page = new QWidget;
  auto* which = new QComboBox(page);
  which->setGeometry(6, 6, 200, 24);
  combos_.emplace_back("ComboBoxFont", which);
  connect(which, &QComboBox::currentIndexChanged, this, [this] { ShowFontChoice(); });
  fontComboBox1_ = new QFontComboBox(page);
  fontComboBox1_->setGeometry(6, 38, 200, 24);
  connect(fontComboBox1_, &QFontComboBox::currentFontChanged, this, &TFormOptions::FontNameChanged);
  label2_ = new QLabel(page);
  label2_->setGeometry(214, 6, 80, 24);
  spinEdit1_ = new QSpinBox(page);
  spinEdit1_->setRange(50, 150);
  spinEdit1_->setGeometry(296, 6, 74, 24);
  connect(spinEdit1_, &QSpinBox::valueChanged, this, &TFormOptions::FontScaleChanged);
  button2_ = new TQelCardsButton(page);
  button2_->setGeometry(214, 36, 156, 30);
  cardButtons_.push_back(button2_);
  connect(button2_, &QPushButton::clicked, this, &TFormOptions::FontDefaults);
  label1_ = new QLabel(page);
  label1_->setGeometry(6, 74, 364, 60);
  label1_->setWordWrap(true);
  return page;
}

QWidget* TFormOptions::BackgroundTab() {
  auto* page = new QWidget;
  auto* group = new QGroupBox(page);
  group->setObjectName("Background");
  group->setGeometry(6, 4, 250, 90);
  groups_.push_back(group);
  auto* pictures = new QComboBox(group);
  pictures->setGeometry(10, 22, 230, 24);
  combos_.emplace_back("ComboBoxBG1", pictures);
  auto* colours = new QComboBox(group);
  colours->setGeometry(10, 54, 230, 24);
  combos_.emplace_back("ComboBoxBG2", colours);
  connect(pictures, &QComboBox::currentIndexChanged, this, [this] { BackgroundChanged(false); });
  connect(colours, &QComboBox::currentIndexChanged, this, [this] { BackgroundChanged(true); });
  LibraryButton(page, kBackgroundLibrary)->setGeometry(264, 26, 106, 30);
  return page;
}

QWidget* TFormOptions::SaveGamesTab() {
  auto* page = new QWidget;
  auto* group = new QGroupBox(page);
  group->setObjectName("SaveGames");
  group->setGeometry(6, 4, 364, 130);
  groups_.push_back(group);
  auto* gif = new QCheckBox(group);
  gif->setGeometry(10, 22, 345, 22);
  checks_.emplace_back("CheckBoxSG1", gif);
  connect(gif, &QCheckBox::toggled, this, [this](bool on) {
    if (!filling_) settings_.SaveGif = on;
  });
  auto* source = new QComboBox(group);
  source->setGeometry(10, 50, 345, 24);
  combos_.emplace_back("ComboBoxSG1", source);
  connect(source, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (!filling_ && item >= 0) settings_.GifSource = item + 1;
  });
  labelSG1_ = new QLabel(group);
  labelSG1_->setGeometry(10, 82, 260, 40);
  labelSG1_->setWordWrap(true);
  spinEditSG1_ = new QSpinBox(group);
  spinEditSG1_->setRange(10, 5000);
  spinEditSG1_->setGeometry(278, 88, 77, 24);
  connect(spinEditSG1_, &QSpinBox::valueChanged, this, [this](int v) {
    if (!filling_) settings_.GifDelay = v;
  });
  return page;
}

QWidget* TFormOptions::LibraryTab() {
  auto* page = new QWidget;
  const char* files[9] = {kCardsLibraryA,    kCardsLibraryB, kBackgroundLibrary,
                          kCalendarLibrary,  kRadioList,     kRadioLibrary,
                          kVoiceLibraryFile, kCardsLibraryC, kGraphicsLibrary};
  for (int i = 0; i < 9; ++i)
    LibraryButton(page, files[i])->setGeometry(6 + 122 * (i % 3), 6 + 32 * (i / 3), 118, 28);
  radioGroup_ = new QGroupBox(page);
  radioGroup_->setGeometry(6, 106, 364, 72);
  for (int i = 0; i < 2; ++i) {
    radioSources_[i] = new QRadioButton(radioGroup_);
    radioSources_[i]->setGeometry(10, 20 + 24 * i, 345, 22);
    connect(radioSources_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      // The station list is read when the radio window opens; only the setting changes here.
      if (!filling_ && on) settings_.RadioFromServer = i == 0;
    });
  }
  return page;
}

QWidget* TFormOptions::DesignTab() {
  auto* page = new QWidget;
  auto list = [&](const char* group, const char* name, int y, auto changed) {
    auto* box = new QGroupBox(page);
    box->setObjectName(group);
    box->setGeometry(6, y, 250, 50);
    groups_.push_back(box);
    auto* combo = new QComboBox(box);
    combo->setGeometry(10, 20, 230, 24);
    combos_.emplace_back(name, combo);
    connect(combo, &QComboBox::currentIndexChanged, this, changed);
  };
  list("MainMenuDesign", "ComboBoxD1", 2, &TFormOptions::MainMenuDesignChanged);
  list("GameTableDesign", "ComboBoxD2", 54, &TFormOptions::TableDesignChanged);
  list("AuxiliaryWindowDesign", "ComboBoxD3", 106, &TFormOptions::DialogDesignChanged);
  auto* salute = new QGroupBox(page);
  salute->setObjectName("Salute");
  salute->setGeometry(262, 2, 108, 72);
  groups_.push_back(salute);
  const std::pair<const char*, bool*> boxes[2] = {{"CheckBoxD1", &settings_.SaluteButtons},
                                                  {"CheckBoxD2", &settings_.SaluteCards}};
  for (int i = 0; i < 2; ++i) {
    auto* box = new QCheckBox(salute);
    box->setGeometry(8, 20 + 24 * i, 96, 22);
    checks_.emplace_back(boxes[i].first, box);
    bool* setting = boxes[i].second;
    connect(box, &QCheckBox::toggled, this, [this, setting](bool on) {
      if (!filling_) *setting = on;
    });
  }
  LibraryButton(page, kGraphicsLibrary)->setGeometry(262, 112, 108, 30);
  return page;
}

// --- filling ---------------------------------------------------------------------------------

void TFormOptions::FillFromSettings() {
  const std::pair<const char*, bool> checks[] = {
      {"CheckBox1", settings_.SoundOn},          {"CheckBox2", settings_.MusicOn},
      {"CheckBox3", settings_.AnimationsOn},     {"CheckBox4", settings_.FlyCards},
      {"CheckBoxCur", settings_.OwnCursor},      {"CheckBoxBut", settings_.NewButtons},
      {"CheckBoxNet", settings_.NetworkMode},    {"CheckBoxSG1", settings_.SaveGif},
      {"CheckBoxD1", settings_.SaluteButtons},   {"CheckBoxD2", settings_.SaluteCards},
      {"CheckBoxExpert", host_.ExpertOpponent()}};
  for (const auto& [name, on] : checks)
    CheckBox(name)->setChecked(on);
  ApplyTexts();  // fills the lists too

  ComboBox("ComboBoxLan")->setCurrentIndex(settings_.LanguageIndex);
  ComboBox("ComboBox1")->setCurrentIndex(std::clamp(settings_.CardDesign, 0, kDesignCount - 1));
  ComboBox("ComboBox2")->setCurrentIndex(std::clamp(settings_.BackSet, 0, kBackSetCount - 1));
  const BackModeChoice modes = BackModesOnOpening(settings_.BackSet, settings_.AlwaysOneBack);
  ApplyBackModes(settings_.BackSet, modes.Item);

  ComboBox("ComboBoxBG1")->setCurrentIndex(std::clamp(settings_.BackgroundIndex - 1, -1, 9));
  ComboBox("ComboBoxBG2")->setCurrentIndex(std::clamp(settings_.BackgroundColour, 0, 6));
  const QRect screen = host_.ScreenArea();
  const std::vector<int> offered = OfferedModes(screen.width(), screen.height());
  QComboBox* sizes = ComboBox("ComboBoxWSize");
  while (sizes->count() > static_cast<int>(offered.size()))
    sizes->removeItem(sizes->count() - 1);
  sizes->setCurrentIndex(std::clamp(settings_.WindowMode - 1, 0, sizes->count() - 1));

  CheckBox("CheckBoxSG1")->setEnabled(GifSavingEnabled(settings_.WindowMode));
  ComboBox("ComboBoxSG1")->setCurrentIndex(std::clamp(settings_.GifSource - 1, 0, 1));
  spinEditSG1_->setValue(std::clamp(settings_.GifDelay, 10, 5000));

  ComboBox("ComboBoxD1")->setCurrentIndex(settings_.MainMenuDesign == 1 ? 1 : 0);
  ComboBox("ComboBoxD2")->setCurrentIndex(settings_.TableDesign == 1 ? 1 : 0);
  ComboBox("ComboBoxD3")->setCurrentIndex(DialogDesignItem(settings_));
  SetBackgroundListsEnabled();
  const bool library = look_.LibraryPresent();
  for (const char* name : {"CheckBoxD1", "CheckBoxD2"}) {
    CheckBox(name)->setEnabled(library);
    if (!library) CheckBox(name)->setChecked(false);
  }
  radioSources_[settings_.RadioFromServer ? 0 : 1]->setChecked(true);
  handSizes_[settings_.HandSizeOption == 10 ? 0 : 1]->setChecked(true);
  ShowFontChoice();
  RefreshLibraryButtons();
  DrawFacePreview();
}

void TFormOptions::ApplyTexts() {
  const int language = settings_.LanguageIndex;
  auto word = [language](int row) { return QWord(row, language); };
  const bool wasFilling = filling_;
  filling_ = true;
  setWindowTitle(word(rows::kOptions));
  const int tabRows[9] = {rows::kTabGeneral, rows::kTabCards, rows::kTabDecks,
                          rows::kTabGame,    rows::kTabFonts, rows::kTabBackground,
                          rows::kSaveGames,  rows::kNone,     rows::kTabDesign};
  for (int i = 0; i < 9; ++i)
    pageControl1_->setTabText(i,
                              tabRows[i] == rows::kNone ? QStringLiteral("DLL") : word(tabRows[i]));
  const std::pair<const char*, int> checks[] = {{"CheckBox1", rows::kSound},
                                                {"CheckBox2", rows::kMusic},
                                                {"CheckBox3", rows::kGifAnimation},
                                                {"CheckBox4", rows::kFlyCards},
                                                {"CheckBoxCur", rows::kRedMouseCursor},
                                                {"CheckBoxBut", rows::kNewButtons},
                                                {"CheckBoxNet", rows::kMultiplayer},
                                                {"CheckBoxSG1", rows::kSaveGamesAsGifs},
                                                {"CheckBoxD1", rows::kSaluteButtons},
                                                {"CheckBoxD2", rows::kSaluteCards},
                                                {"CheckBoxExpert", rows::kExpertOpponent}};
  for (const auto& [name, row] : checks)
    CheckBox(name)->setText(word(row));
  const std::pair<const char*, int> groups[] = {
      {"Multimedia", rows::kMultimedia},
      {"Background", rows::kBackground},
      {"SaveGames", rows::kSaveGames},
      {"MainMenuDesign", rows::kMainMenuDesign},
      {"GameTableDesign", rows::kGameTableDesign},
      {"AuxiliaryWindowDesign", rows::kAuxiliaryWindowDesign},
      {"Salute", rows::kSalute}};
  for (QGroupBox* g : groups_)
    for (const auto& [name, row] : groups)
      if (g->objectName() == QLatin1String(name)) g->setTitle(word(row));
  backModeGroup_->setTitle(word(rows::kModification));
  const int modeRows[3] = {rows::kToChangeDecks, rows::kAlwaysOne, rows::kRandom};
  for (int i = 0; i < 3; ++i)
    backModes_[i]->setText(word(modeRows[i]));
  handSizeGroup_->setTitle(word(rows::kGameRuleGroup));
  handSizes_[0]->setText(word(rows::kTenCardsOnce));
  handSizes_[1]->setText(word(rows::kSixCardsThrice));
  radioGroup_->setTitle(word(rows::kRadioListSource));
  radioSources_[0]->setText(word(rows::kFromServer));
  radioSources_[1]->setText(word(rows::kFromDisk));
  button1_->setText(word(rows::kOk));
  button4_->setText(word(rows::kPassport));
  button2_->setText(word(rows::kDefault));
  label1_->setText(word(rows::kFontWarning));
  label2_->setText(word(rows::kScalePercent));
  labelSG1_->setText(word(rows::kDelayBetweenFrames));
  RenewSpeedCaption();
  for (const auto& [file, b] : libraryButtons_)
    b->setToolTip(word(rows::kDownload) + QLatin1Char(' ') + QString::fromStdString(file));

  auto refill = [](QComboBox* box, const QStringList& items) {
    const int current = box->currentIndex();
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(current);
  };
  QStringList faces, backs, pictures, colours, sizes, fonts;
  for (int i = 0; i < rows::kCardDesignCount; ++i)
    faces << word(rows::kCardDesignFirst + i);
  for (int row : rows::kBackSetRows)
    backs << word(row);
  for (int i = 0; i < rows::kBackgroundCount; ++i)
    pictures << word(rows::kBackgroundFirst + i);
  for (int row : rows::kBackgroundColourRows)
    colours << word(row);
  for (int row : rows::kWindowModeRows)
    sizes << word(row);
  const QString special = word(rows::kSpecialFont);
  fonts << word(rows::kLargeFont) << word(rows::kSmallFont) << special + QStringLiteral(" 1")
        << special + QStringLiteral(" 2");
  refill(ComboBox("ComboBox1"), faces);
  refill(ComboBox("ComboBox2"), backs);
  refill(ComboBox("ComboBoxBG1"), pictures);
  refill(ComboBox("ComboBoxBG2"), colours);
  QComboBox* sizeBox = ComboBox("ComboBoxWSize");
  const int offered = sizeBox->count() ? sizeBox->count() : 5;
  refill(sizeBox, sizes.mid(0, offered));
  refill(ComboBox("ComboBoxFont"), fonts);
  if (ComboBox("ComboBoxFont")->currentIndex() < 0) ComboBox("ComboBoxFont")->setCurrentIndex(0);
  refill(ComboBox("ComboBoxSG1"), {word(rows::kSaveMainWindowOnly), word(rows::kSaveScreen)});
  refill(ComboBox("ComboBoxD1"), {word(rows::kCustomizable), word(rows::kPurple)});
  refill(ComboBox("ComboBoxD2"), {word(rows::kCustomizable), word(rows::kPurple)});
  refill(ComboBox("ComboBoxD3"), {word(rows::kGrayAristocratic), word(rows::kGrayConcise),
                                  word(rows::kGrayWithRedRibbons), word(rows::kPurple)});
  const QImage flag = BuiltInPng(locator_, FlagPictureName(language));
  imFlag_->setPixmap(QPixmap::fromImage(flag));
  filling_ = wasFilling;
}

void TFormOptions::RenewSpeedCaption() {
  button3_->setText(QWord(rows::kSpeed, settings_.LanguageIndex) + QStringLiteral(" = ") +
                    QString::number(settings_.FlySpeed));
}

void TFormOptions::ApplyDesign() {
  const DesignRow& r = kDesignRows[static_cast<int>(look_.Look()) - 1];
  setFixedSize(kClientWidth, r.ClientHeight);
  const bool purple = look_.Purple();
  image0_->setVisible(!purple);
  panel1_->setVisible(!purple);
  const QColor face = palette().button().color();
  HeaderPlacement place;
  place.Width = kClientWidth - 10;
  place.PictureLeft = 95;
  place.RibbonLeft = 105;
  place.Caption = QPoint(-5, -7);
  if (!purple) {
    image0_->setGeometry(5, 0, place.Width, r.Image0Height);
    image0_->setPixmap(QPixmap::fromImage(look_.Header(place, face)));
    panel1_->setGeometry(5, r.Panel1Top, place.Width, 2);
  }
  pageControl1_->setGeometry(5, r.PageTop, 380, r.Button1Top - r.PageTop - 6);
  imFlag_->setGeometry(390, r.PageTop, 105, 70);
  imFlag_->setAlignment(Qt::AlignCenter);
  animation_->setGeometry(398, r.AnimationTop, 90, 120);
  button1_->setGeometry(5, r.Button1Top, kClientWidth - 10, 38);

  const FontChoice fonts = FontsOfSettings(settings_);
  const QFont decor = PixelFont(fonts.LargeFont, FontHeight(20, FontRole::Decor, fonts), true);
  for (TQelCardsButton* b : {button1_, button3_, button4_})
    b->setFont(decor);
  const QFont regular = PixelFont(fonts.LargeFont, FontHeight(14, FontRole::Decor, fonts), false);
  for (const auto& [file, b] : libraryButtons_)
    b->setFont(regular);
  button2_->setFont(PixelFont(fonts.LargeFont, FontHeight(16, FontRole::Decor, fonts), true));
  pageControl1_->tabBar()->setFont(
      PixelFont(fonts.SmallFont, FontHeight(16, FontRole::Serif, fonts)));
  for (TQelCardsButton* b : cardButtons_)
    look_.StyleButton(*b);
  for (const auto& [file, b] : libraryButtons_)
    b->SetFontColor(purple ? QColor(255, 255, 0) : QColor(Qt::white));

  // Purple: black dialog, purple edit boxes with yellow text, gradient tab pages.
  const QString text = purple ? kPurpleDialogText.name() : QString();
  setStyleSheet(
      purple ? QStringLiteral("QDialog { background: black; }"
                              "QComboBox, QSpinBox, QFontComboBox { %1 }"
                              "QComboBox QAbstractItemView { %1 }"
                              "QCheckBox, QRadioButton, QGroupBox, QLabel { color: #301060; }")
                   .arg(look_.EditStyleSheet())
             : QString());
  for (int i = 0; i < 9; ++i) {
    QLabel* picture = tabPictures_[i];
    picture->setVisible(purple);
    if (!purple) continue;
    const QSize size = pageControl1_->widget(i)->size().expandedTo(QSize(372, 200));
    QImage gradient(size, QImage::Format_RGB32);
    QPainter p(&gradient);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(200, 180, 255));
    g.setColorAt(1, QColor(240, 220, 255));
    p.fillRect(gradient.rect(), g);
    p.end();
    picture->setGeometry(0, 0, size.width(), size.height());
    picture->setPixmap(QPixmap::fromImage(gradient));
    picture->lower();
  }
  if (purple)
    timer48_.start(60);
  else
    timer48_.stop();
  update();
}

void TFormOptions::ApplyCursors() {
  const char* names[3] = {"CURARROW", "CURHAND", "CUREDIT"};
  const QPoint hots[3] = {{1, 1}, {11, 1}, {16, 16}};
  const Qt::CursorShape system[3] = {Qt::ArrowCursor, Qt::PointingHandCursor, Qt::IBeamCursor};
  QCursor cursors[3];
  for (int i = 0; i < 3; ++i) {
    const QImage own = settings_.OwnCursor ? BuiltInPng(locator_, names[i]) : QImage();
    cursors[i] = own.isNull() ? QCursor(system[i])
                              : QCursor(QPixmap::fromImage(own), hots[i].x(), hots[i].y());
  }
  setCursor(cursors[0]);
  for (QWidget* w : findChildren<QWidget*>()) {
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
        qobject_cast<QTabBar*>(w))
      w->setCursor(cursors[1]);
  }
  spinEdit1_->setCursor(cursors[2]);
  spinEditSG1_->setCursor(cursors[2]);
}

void TFormOptions::RefreshLibraryButtons() {
  for (const auto& [file, b] : libraryButtons_) {
    const bool missing = !LibraryPresent(locator_, file);
    b->setEnabled(missing);
    b->SetGrayDis(true);  // a present library's button is dimmed
  }
}

void TFormOptions::ApplyBackModes(int backSet, int item) {
  const BackModeChoice choice = BackModesAfterChange(backSet, item);
  const bool wasFilling = filling_;
  filling_ = true;
  for (int i = 0; i < 3; ++i)
    backModes_[i]->setEnabled(choice.Enabled[i]);
  backModes_[choice.Item]->setChecked(true);
  filling_ = wasFilling;
  if (!BackSetIsRandomOnly(backSet)) settings_.AlwaysOneBack = choice.Item == 1;
}

void TFormOptions::SetBackgroundListsEnabled() {
  const bool enabled = BackgroundListsEnabled(settings_);
  ComboBox("ComboBoxBG1")->setEnabled(enabled);
  ComboBox("ComboBoxBG2")->setEnabled(enabled && settings_.BackgroundIndex != 0);
}

void TFormOptions::DrawFacePreview() {
  QImage preview(260, 96, QImage::Format_ARGB32_Premultiplied);
  preview.fill(Qt::transparent);
  QPainter p(&preview);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  for (int i = 0; i < 4; ++i) {
    const QImage face = host_.SmallFace(kPreviewCards[i]);
    if (!face.isNull()) p.drawImage(QRect(kPreviewLefts[i], 0, 71, 96), face);
  }
  p.end();
  image1_->setPixmap(QPixmap::fromImage(preview));
}

void TFormOptions::ShowFontChoice() {
  const int which = std::max(0, ComboBox("ComboBoxFont")->currentIndex());
  const std::string* names[4] = {&settings_.LargeFont, &settings_.SmallFont,
                                 &settings_.SpecialFont1, &settings_.SpecialFont2};
  const int scales[4] = {settings_.LargeFontScale, settings_.SmallFontScale,
                         settings_.SpecialFont1Scale, settings_.SpecialFont2Scale};
  const bool wasFilling = filling_;
  filling_ = true;
  fontComboBox1_->setCurrentFont(QFont(QString::fromStdString(*names[which])));
  fontComboBox1_->setEditText(QString::fromStdString(*names[which]));
  spinEdit1_->setValue(scales[which]);
  filling_ = wasFilling;
}

bool TFormOptions::TestDesignLibrary() {
  if (look_.LibraryPresent()) return true;
  settings_.PurpleDialogs = false;
  settings_.DialogDesign = 2;
  const bool wasFilling = filling_;
  filling_ = true;
  for (const char* name : {"ComboBoxD1", "ComboBoxD2", "ComboBoxD3"})
    ComboBox(name)->setCurrentIndex(0);
  filling_ = wasFilling;
  // The lists show the first items: the menu and the table follow them.
  if (settings_.TableDesign != 0) {
    settings_.TableDesign = 0;
    host_.TableDesignChosen();
  }
  if (settings_.MainMenuDesign != 0) {
    settings_.MainMenuDesign = 0;
    host_.MainMenuDesignChosen();
  }
  host_.Attention(QWord(rows::kCantFindFile, settings_.LanguageIndex) + QLatin1Char(' ') +
                      QString::fromLatin1(kGraphicsLibrary),
                  QString());
  return false;
}

// --- changes ---------------------------------------------------------------------------------

void TFormOptions::FaceChanged(int item) {
  if (filling_ || item < 0) return;
  settings_.CardDesign = item;
  host_.FacesChosen();
  if (settings_.CardDesign != item) {
    filling_ = true;
    ComboBox("ComboBox1")->setCurrentIndex(settings_.CardDesign);
    filling_ = false;
  }
  DrawFacePreview();
}

void TFormOptions::BackSetChanged(int item) {
  if (filling_ || item < 0) return;
  settings_.BackSet = item;
  const int current = backModes_[1]->isChecked() ? 1 : 0;
  ApplyBackModes(item, current);
  host_.BacksChosen();
  if (settings_.BackSet != item) {
    filling_ = true;
    ComboBox("ComboBox2")->setCurrentIndex(settings_.BackSet);
    filling_ = false;
    ApplyBackModes(settings_.BackSet, current);
  }
}

void TFormOptions::BackgroundChanged(bool colour) {
  if (filling_) return;
  QComboBox* pictures = ComboBox("ComboBoxBG1");
  QComboBox* colours = ComboBox("ComboBoxBG2");
  if (colour)
    settings_.BackgroundColour = std::max(0, colours->currentIndex());
  else
    settings_.BackgroundIndex = pictures->currentIndex() + 1;
  host_.BackgroundChosen(colour);
  filling_ = true;
  pictures->setCurrentIndex(settings_.BackgroundIndex - 1);
  colours->setCurrentIndex(settings_.BackgroundColour);
  filling_ = false;
  SetBackgroundListsEnabled();
}

void TFormOptions::MainMenuDesignChanged(int item) {
  if (filling_ || item < 0) return;
  settings_.MainMenuDesign = item;
  host_.MainMenuDesignChosen();
  filling_ = true;
  ComboBox("ComboBoxD1")->setCurrentIndex(settings_.MainMenuDesign);
  filling_ = false;
  SetBackgroundListsEnabled();
}

void TFormOptions::TableDesignChanged(int item) {
  if (filling_ || item < 0) return;
  settings_.TableDesign = item;
  if (TestDesignLibrary()) host_.TableDesignChosen();
  SetBackgroundListsEnabled();
}

void TFormOptions::DialogDesignChanged(int item) {
  if (filling_ || item < 0) return;
  SetDialogDesignItem(settings_, item);
  if (DialogDesignItemNeedsLibrary(item)) TestDesignLibrary();
  look_.Reload();
  ApplyDesign();
  ApplyTexts();
  SetBackgroundListsEnabled();
}

void TFormOptions::FontNameChanged() {
  if (filling_) return;
  const std::string name = fontComboBox1_->currentFont().family().toStdString();
  std::string* names[4] = {&settings_.LargeFont, &settings_.SmallFont, &settings_.SpecialFont1,
                           &settings_.SpecialFont2};
  *names[std::max(0, ComboBox("ComboBoxFont")->currentIndex())] = name;
  host_.FontsChosen();
}

void TFormOptions::FontScaleChanged(int value) {
  if (filling_ || value < 50 || value > 150) return;
  int* scales[4] = {&settings_.LargeFontScale, &settings_.SmallFontScale,
                    &settings_.SpecialFont1Scale, &settings_.SpecialFont2Scale};
  *scales[std::max(0, ComboBox("ComboBoxFont")->currentIndex())] = value;
  host_.FontsChosen();
}

void TFormOptions::FontDefaults() {
  if (settings_.SaluteButtons) TouchBurst(*this, locator_);
  const Settings defaults;
  settings_.LargeFont = defaults.LargeFont;
  settings_.SmallFont = defaults.SmallFont;
  settings_.SpecialFont1 = defaults.SpecialFont1;
  settings_.SpecialFont2 = defaults.SpecialFont2;
  settings_.LargeFontScale = defaults.LargeFontScale;
  settings_.SmallFontScale = defaults.SmallFontScale;
  settings_.SpecialFont1Scale = defaults.SpecialFont1Scale;
  settings_.SpecialFont2Scale = defaults.SpecialFont2Scale;
  host_.FontsChosen();
  ShowFontChoice();
}

void TFormOptions::Close(bool burst) {
  if (burst && settings_.SaluteButtons) TouchBurst(*this, locator_);
  animationTimer_.stop();
  timer48_.stop();
  accept();
}

void TFormOptions::AnimationTick() {
  if (gOpt_.Frames.empty()) return;
  // Stopped, the animation rests on its still frame.
  const int still = std::min<int>(35, static_cast<int>(gOpt_.Frames.size()) - 1);
  const int frame = settings_.AnimationsOn ? gOptFrame_ : still;
  animation_->setPixmap(QPixmap::fromImage(PictureImage(gOpt_.Frames[frame].Image).copy()));
  if (settings_.AnimationsOn) gOptFrame_ = (gOptFrame_ + 1) % static_cast<int>(gOpt_.Frames.size());
}

// --- events ----------------------------------------------------------------------------------

void TFormOptions::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (opened_) return;
  pageControl1_->setCurrentIndex(std::clamp(RememberedTab(), 0, pageControl1_->count() - 1));
  opened_ = true;
}

void TFormOptions::paintEvent(QPaintEvent* event) {
  if (!look_.Purple()) {
    QDialog::paintEvent(event);
    return;
  }
  QPainter p(this);
  look_.PaintPurple(p, rect());
  look_.PaintIcon(p, QPoint(35, 22));
}

void TFormOptions::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Close(false);
    return;
  }
  QDialog::keyPressEvent(event);
}

void TFormOptions::mouseReleaseEvent(QMouseEvent* event) {
  // The dialog's cursors follow the option once the button is released.
  ApplyCursors();
  QDialog::mouseReleaseEvent(event);
}

}  // namespace tarnel
