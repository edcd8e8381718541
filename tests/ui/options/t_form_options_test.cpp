#include "ui/options/t_form_options.h"

#include <gtest/gtest.h>

#include "offscreen_app.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "build_folders.h"
#include "platform/file_system.h"
#include "ui/button/t_qel_cards_button.h"
#include "ui/settings/settings.h"

namespace tarnel {
namespace {

// Counts what the dialog asks of the main window.
class FakeHost : public OptionsHost {
 public:
  void MusicSwitched() override { ++Music; }
  void AnimationsSwitched() override {}
  void CursorsSwitched() override {}
  void ButtonsRestyled() override { ++Buttons; }
  void NetworkModeSwitched() override { ++Network; }
  void WindowModeChosen() override { Modes.push_back(settings->WindowMode); }
  void LanguageChosen() override { ++Languages; }
  void FacesChosen() override {}
  void BacksChosen() override {}
  void BackgroundChosen(bool) override {}
  void MainMenuDesignChosen() override {}
  void TableDesignChosen() override {}
  void FontsChosen() override { ++Fonts; }
  void ExpertOpponentChosen(bool on) override { Expert = on; }
  bool ExpertOpponent() const override { return Expert; }
  QImage SmallFace(int) const override { return {}; }
  QRect ScreenArea() const override { return Screen; }
  void PlayCue(const char*) override {}
  bool DownloadLibrary(const std::string&) override { return false; }
  void Attention(const QString& line1, const QString&) override { Attentions << line1; }

  Settings* settings = nullptr;
  QRect Screen{0, 0, 1920, 1080};
  int Music = 0, Buttons = 0, Network = 0, Languages = 0, Fonts = 0;
  bool Expert = false;
  std::vector<int> Modes;
  QStringList Attentions;
};

// A program folder without libraries, and the build's folder with them.
ResourceLocator NoLibraries() {
  static const std::filesystem::path empty = [] {
    auto p = std::filesystem::temp_directory_path() / "tarnel-options-no-libraries" / "Tarnel";
    std::filesystem::create_directories(p);
    return p;
  }();
  return ResourceLocator{empty};
}
ResourceLocator BuildLibraries() {
  return ResourceLocator{build::ProgramFolder()};
}

class OptionsDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::OffscreenApp();
    host.settings = &settings;
    TFormOptions::RememberedTab() = 0;
  }
  Settings settings;
  FakeHost host;
};

TEST_F(OptionsDialog, BackSetsDecideWhichBackModesAreOffered) {
  settings.BackSet = 0;
  settings.AlwaysOneBack = true;
  TFormOptions dialog(settings, host, NoLibraries());
  EXPECT_TRUE(dialog.BackMode(1)->isChecked());
  EXPECT_FALSE(dialog.BackMode(2)->isEnabled());

  dialog.ComboBox("ComboBox2")->setCurrentIndex(9);
  EXPECT_TRUE(dialog.BackMode(2)->isChecked());
  EXPECT_FALSE(dialog.BackMode(0)->isEnabled());
  EXPECT_FALSE(dialog.BackMode(1)->isEnabled());
  EXPECT_EQ(settings.BackSet, 9);

  dialog.ComboBox("ComboBox2")->setCurrentIndex(3);
  EXPECT_TRUE(dialog.BackMode(0)->isChecked());
  EXPECT_TRUE(dialog.BackMode(0)->isEnabled());
  EXPECT_TRUE(dialog.BackMode(1)->isEnabled());
  EXPECT_FALSE(dialog.BackMode(2)->isEnabled());
  EXPECT_FALSE(settings.AlwaysOneBack);

  dialog.BackMode(1)->click();
  EXPECT_TRUE(settings.AlwaysOneBack);
}

TEST_F(OptionsDialog, BothDesignsPurpleDisableTheBackgroundLists) {
  settings.MainMenuDesign = 1;
  settings.TableDesign = 1;
  TFormOptions dialog(settings, host, BuildLibraries());
  QComboBox* pictures = dialog.ComboBox("ComboBoxBG1");
  QComboBox* colours = dialog.ComboBox("ComboBoxBG2");
  EXPECT_FALSE(pictures->isEnabled());
  EXPECT_FALSE(colours->isEnabled());

  dialog.ComboBox("ComboBoxD1")->setCurrentIndex(0);
  EXPECT_EQ(settings.MainMenuDesign, 0);
  EXPECT_TRUE(pictures->isEnabled());
  EXPECT_TRUE(colours->isEnabled());

  dialog.ComboBox("ComboBoxD1")->setCurrentIndex(1);
  EXPECT_FALSE(pictures->isEnabled());
  dialog.ComboBox("ComboBoxD2")->setCurrentIndex(0);
  EXPECT_EQ(settings.TableDesign, 0);
  EXPECT_TRUE(pictures->isEnabled());
}

TEST_F(OptionsDialog, AMissingDesignLibraryResetsTheDesignListsAndSaysSo) {
  settings.MainMenuDesign = 1;
  TFormOptions dialog(settings, host, NoLibraries());
  dialog.ComboBox("ComboBoxD3")->setCurrentIndex(3);  // purple
  EXPECT_FALSE(settings.PurpleDialogs);
  EXPECT_EQ(settings.DialogDesign, 2);
  for (const char* list : {"ComboBoxD1", "ComboBoxD2", "ComboBoxD3"})
    EXPECT_EQ(dialog.ComboBox(list)->currentIndex(), 0) << list;
  EXPECT_EQ(dialog.Look(), DialogLook::GrayAristocratic);
  ASSERT_EQ(host.Attentions.size(), 1);
  EXPECT_TRUE(host.Attentions[0].endsWith(QStringLiteral(" QelCGraph1.dll")));
  // The salute needs the same library.
  EXPECT_FALSE(dialog.CheckBox("CheckBoxD1")->isEnabled());
}

TEST_F(OptionsDialog, TheDialogTakesEachDesignsMeasures) {
  struct Case {
    int Item;
    DialogLook Look;
    int Height;
  };
  for (const Case& c :
       {Case{0, DialogLook::GrayAristocratic, 375}, Case{1, DialogLook::GrayConcise, 360},
        Case{2, DialogLook::GrayRibbons, 410}, Case{3, DialogLook::Purple, 400}}) {
    Settings s;
    FakeHost h;
    h.settings = &s;
    TFormOptions dialog(s, h, BuildLibraries());
    dialog.ComboBox("ComboBoxD3")->setCurrentIndex(c.Item);
    EXPECT_EQ(dialog.Look(), c.Look) << c.Item;
    EXPECT_EQ(dialog.size(), QSize(500, c.Height)) << c.Item;
    EXPECT_TRUE(h.Attentions.isEmpty());
  }
}

TEST_F(OptionsDialog, GifSavingIsOfferedOnlyInTheSmallWindowAndKeepsItsValue) {
  for (int mode : {1, 2, 3, 4, 5}) {
    Settings s;
    FakeHost h;
    h.settings = &s;
    s.WindowMode = mode;
    s.SaveGif = true;
    TFormOptions dialog(s, h, NoLibraries());
    dialog.show();
    dialog.PageControl1()->setCurrentIndex(6);
    QCheckBox* gif = dialog.CheckBox("CheckBoxSG1");
    EXPECT_EQ(gif->isEnabled(), mode == 1) << mode;
    EXPECT_TRUE(gif->isChecked()) << mode;
    EXPECT_TRUE(s.SaveGif) << mode;
  }
}

TEST_F(OptionsDialog, TheWindowModeAppliesOnlyOnceTheDialogIsOpen) {
  settings.WindowMode = 3;
  host.Screen = QRect(0, 0, 1100, 800);  // too small for the largest window
  TFormOptions dialog(settings, host, NoLibraries());
  QComboBox* sizes = dialog.ComboBox("ComboBoxWSize");
  EXPECT_EQ(sizes->currentIndex(), 2);
  EXPECT_LT(sizes->count(), 5);
  dialog.show();
  EXPECT_TRUE(host.Modes.empty());

  sizes->setCurrentIndex(0);
  EXPECT_EQ(settings.WindowMode, 1);
  EXPECT_EQ(host.Modes, std::vector<int>{1});
}

TEST_F(OptionsDialog, ReopensOnTheTabThatWasActive) {
  {
    TFormOptions dialog(settings, host, NoLibraries());
    dialog.show();
    EXPECT_EQ(dialog.PageControl1()->currentIndex(), 0);
    dialog.PageControl1()->setCurrentIndex(4);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
  }
  TFormOptions again(settings, host, NoLibraries());
  again.show();
  EXPECT_EQ(again.PageControl1()->currentIndex(), 4);
}

TEST_F(OptionsDialog, ChecksWriteAndApplyTheirSettingsAtOnce) {
  TFormOptions dialog(settings, host, NoLibraries());
  dialog.show();
  dialog.CheckBox("CheckBox2")->click();
  EXPECT_FALSE(settings.MusicOn);
  EXPECT_EQ(host.Music, 1);
  dialog.CheckBox("CheckBoxBut")->click();
  EXPECT_TRUE(settings.NewButtons);
  EXPECT_TRUE(dialog.Button1()->Nata());
  EXPECT_EQ(host.Buttons, 1);
  dialog.CheckBox("CheckBoxNet")->click();
  EXPECT_TRUE(settings.NetworkMode);
  EXPECT_EQ(host.Network, 1);
  dialog.CheckBox("CheckBoxExpert")->click();
  EXPECT_TRUE(host.Expert);
  dialog.HandSize(0)->click();
  EXPECT_EQ(settings.HandSizeOption, 10);
  dialog.ComboBox("ComboBoxLan")->setCurrentIndex(1);
  EXPECT_EQ(settings.LanguageIndex, 1);
  EXPECT_EQ(host.Languages, 1);
  EXPECT_EQ(dialog.PageControl1()->tabText(0), QStringLiteral("Общие"));
  EXPECT_FALSE(dialog.Button4()->isEnabled());  // the passport dialog is not there yet
}

TEST_F(OptionsDialog, ChangedOptionsSurviveARestart) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "tarnel-options-restart";
  std::filesystem::create_directories(folder);
  const std::filesystem::path file = SettingsPath(folder);
  {
    TFormOptions dialog(settings, host, NoLibraries());
    dialog.show();
    dialog.CheckBox("CheckBox1")->click();
    dialog.ComboBox("ComboBox2")->setCurrentIndex(10);
    dialog.ComboBox("ComboBoxBG1")->setCurrentIndex(4);
    dialog.HandSize(0)->click();
  }
  PosixFileSystem fs;
  ASSERT_EQ(SaveSettings(fs, file, settings).Outcome, SaveSettingsOutcome::kSaved);
  Settings restarted;
  LoadSettings(fs, file, restarted);
  EXPECT_FALSE(restarted.SoundOn);
  EXPECT_EQ(restarted.BackSet, 10);
  EXPECT_EQ(restarted.BackgroundIndex, 5);
  EXPECT_EQ(restarted.HandSizeOption, 10);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tarnel
