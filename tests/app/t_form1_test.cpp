#include "app/t_form1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <functional>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

#include "app_test_support.h"
#include "platform/sound_cues.h"
#include "records/t_f_history.h"
#include "records/t_form_top_ten.h"
#include "platform/file_system.h"
#include "ui/messages/user_messages.h"
#include "ui/options/t_form_options.h"
#include <QCheckBox>
#include <QComboBox>
#include "ui/settings/settings.h"
#include "ui/words/word_rows.h"
#include "ui/words/word_table.h"

namespace tarnel {
namespace {

using testing::ProgramFolder;
using testing::Spin;

// One program folder, one window and everything it talks to.
class Program : public ::testing::Test {
 protected:
  void SetUp() override { testing::App(); }

  TForm1& Start() {
    ProgramServices services;
    services.ProgramFolder = folder.path();
    services.Messages = &messages;
    services.Cues = &cues;
    services.Files = &files;
    services.Screen = QRect(0, 0, 1920, 1080);
    services.OpenUrl = [this](const QUrl& url) {
      opened.push_back(url);
      return true;
    };
    services.RunPlayerDialog = [this](const PlayerDialogInput& input,
                                      std::optional<std::string>& typed) {
      dialogs.push_back(input);
      typed = typedName;
      return admission;
    };
    services.ShowDialog = [this](QDialog& dialog) { shownDialogs.push_back(&dialog); inspect(dialog); };
    services.Attention = [this](const QString& a, const QString&, const QString& link) {
      attentions.push_back(a);
      attentionLinks.push_back(link);
    };
    form = std::make_unique<TForm1>(services);
    form->show();
    Spin();
    return *form;
  }

  TForm1& StartInMenu() {
    Start();
    form->LeaveTitle();
    EXPECT_TRUE(form->MenuShowing);
    cues.played.clear();
    return *form;
  }

  bool SawMessage(char kind) const {
    for (const auto& m : messages.shown)
      if (m.Kind == kind) return true;
    return false;
  }

  ProgramFolder folder;
  PosixFileSystem files;
  RecordedMessages messages;
  RecordedSoundCues cues;
  std::vector<QUrl> opened;
  std::vector<PlayerDialogInput> dialogs;
  std::vector<QString> attentions;
  std::vector<QString> attentionLinks;
  std::optional<std::string> typedName;
  std::optional<Admission> admission;
  std::unique_ptr<TForm1> form;
  std::vector<QDialog*> shownDialogs;
  std::function<void(QDialog&)> inspect = [](QDialog&) {};
};

TEST_F(Program, ADamagedClubFileEndsStartUpAfterItsMessageAndWritesNoSettings) {
  std::string net = folder.Read("Tarnel.net");
  net[3] = net[3] == 'A' ? 'B' : 'A';  // a hand edit the checksum catches
  folder.Write("Tarnel.net", net);
  TForm1& window = Start();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Kind, 'e');
  EXPECT_TRUE(messages.shown[0].Text.startsWith("The incorrect file"));
  EXPECT_TRUE(messages.shown[0].Text.contains("Tarnel.net"));
  EXPECT_EQ(window.ExitStatus(), 1);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(folder.Has(SettingsFileName));
}

TEST_F(Program, AMissingClubFileIsReportedByName) {
  std::filesystem::remove(folder / "Tarnel.clb");
  TForm1& window = Start();
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_TRUE(messages.shown[0].Text.contains("Tarnel.clb"));
  EXPECT_EQ(window.ExitStatus(), 1);
  EXPECT_FALSE(folder.Has(SettingsFileName));
}

TEST_F(Program, AMissingLibraryIsReportedWithALinkThatDownloadsIt) {
  std::filesystem::remove(folder / "QelCards06B.dll");
  std::filesystem::remove(folder / ".." / "QelCards06B.dll");
  folder.Write(SettingsFileName, [] {
    Settings s;
    s.CardDesign = 33;  // a design of the second face library
    return SettingsFileBytes(s);
  }());
  TForm1& window = Start();
  ASSERT_EQ(attentions.size(), 1u);
  EXPECT_EQ(attentions[0], "Can`t find the file QelCards06B.dll");
  EXPECT_EQ(attentionLinks[0], "Download QelCards06B.dll");
  EXPECT_EQ(window.settings.CardDesign, 0);
}

TEST_F(Program, ASettingsFileOfGarbageStartsWithDefaultsAndIsRewrittenOnClose) {
  folder.Write(SettingsFileName, std::string("\x01\xff garbage\r\n\r\n###", 17));
  TForm1& window = Start();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(window.ExitStatus(), 0);
  const Settings defaults;
  EXPECT_EQ(window.settings.WindowMode, defaults.WindowMode);
  EXPECT_EQ(window.settings.LanguageIndex, defaults.LanguageIndex);
  EXPECT_EQ(window.settings.CardDesign, defaults.CardDesign);
  EXPECT_TRUE(window.TitleShowing);
  EXPECT_TRUE(window.close());
  EXPECT_EQ(folder.Read(SettingsFileName), SettingsFileBytes(window.settings));
}

TEST_F(Program, AKeyOrAClickLeavesTheTitleForTheMenuInTheChosenMode) {
  folder.Write(SettingsFileName, [] {
    Settings s;
    s.WindowMode = 3;
    return SettingsFileBytes(s);
  }());
  TForm1& window = Start();
  EXPECT_TRUE(window.TitleShowing);
  EXPECT_FALSE(window.Popup()->actions()[9]->isEnabled());  // radio waits for the menu
  QTest::keyClick(&window, Qt::Key_Space);
  EXPECT_FALSE(window.TitleShowing);
  EXPECT_TRUE(window.MenuShowing);
  EXPECT_EQ(window.size(), QSize(990, 650));
  EXPECT_EQ(window.pos(), QPoint(465, 215));  // centred on the screen
  EXPECT_TRUE(window.MemberButton(1)->isVisible());
  // A key in the menu does nothing more.
  QTest::keyClick(&window, Qt::Key_Space);
  EXPECT_TRUE(window.MenuShowing);
}

TEST_F(Program, TheClubListShowsMembersInBothViewsAndAnEmptySlotDoesNothing) {
  folder.WriteClub("Tarnel.clb", {{"Anna", "abc", 27, 340, 12.5}, {"Boris", "", 3, -20, -1.25}});
  TForm1& window = StartInMenu();
  const QString anna = window.MemberButton(1)->text();
  // Name in 20, four spaces, the games of this cycle (27 mod 20) in 3, four spaces, the score.
  EXPECT_EQ(anna, QString("Anna") + QString(22, ' ') + "7" + QString(4, ' ') + "   340");
  EXPECT_TRUE(window.MemberButton(3)->text().startsWith("####"));
  EXPECT_TRUE(window.ClubHeadingButton()->text().contains("Score"));

  window.BModeClick();
  EXPECT_EQ(window.settings.ClubDisplay, 2);
  EXPECT_TRUE(window.MemberButton(1)->text().contains("27"));
  EXPECT_TRUE(window.MemberButton(1)->text().endsWith("12,50"));
  EXPECT_TRUE(window.MemberButton(2)->text().endsWith("-1,25"));
  EXPECT_TRUE(window.ClubHeadingButton()->text().contains("Rating"));

  QTest::mouseClick(window.MemberButton(3), Qt::LeftButton);
  EXPECT_TRUE(dialogs.empty());
  EXPECT_TRUE(cues.played.empty());

  QTest::mouseClick(window.MemberButton(2), Qt::LeftButton);
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].SelectedPlayer, 2);
  EXPECT_EQ(MemberName(dialogs[0].MemberLine).substr(0, 5), "Boris");
  EXPECT_EQ(cues.played, (std::vector<std::string>{"WOpenFo"}));
  EXPECT_TRUE(window.MenuShowing);  // the dialog was cancelled
}

TEST_F(Program, AnAdmittedPlayerLeavesTheMenuForANewGame) {
  TForm1& window = StartInMenu();
  QSignalSpy started(&window, &TForm1::NewGameRequested);
  typedName = "Vera";
  admission = Admission{"Vera                ", EncodePassword("q    "), "  0", "     0", ""};
  QTest::mouseClick(window.NewPlayerButton(), Qt::LeftButton);
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].SelectedPlayer, kNewPlayerSlot);
  EXPECT_EQ(started.count(), 1);
  EXPECT_TRUE(window.GameActive);
  EXPECT_FALSE(window.MenuShowing);
  EXPECT_FALSE(window.NewPlayerButton()->isVisible());
  EXPECT_EQ(window.settings.LastTypedName, "Vera");
  EXPECT_TRUE(window.Popup()->actions()[1]->isEnabled());  // Quit
}

TEST_F(Program, QuitInTheMenuOnlyPlaysTheCueAndClosingFromTheMenuAsksNothing) {
  TForm1& window = StartInMenu();
  window.QuitClick();
  EXPECT_EQ(cues.played, (std::vector<std::string>{"WOpenFo"}));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(window.MenuShowing);
  EXPECT_TRUE(window.close());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(folder.Has(SettingsFileName));
}

TEST_F(Program, LeavingARunningGameAsksAndRemovesTheMemberOnlyOnYes) {
  folder.WriteClub("Tarnel.clb", {{"Anna", "abc", 27, 340, 12.5}, {"Boris", "", 3, -20, -1.25}});
  TForm1& window = StartInMenu();
  admission = Admission{};
  QTest::mouseClick(window.MemberButton(1), Qt::LeftButton);
  ASSERT_TRUE(window.GameActive);
  const std::string before = folder.Read("Tarnel.clb");

  messages.answers = {false};
  window.QuitClick();
  EXPECT_TRUE(window.GameActive);
  EXPECT_EQ(folder.Read("Tarnel.clb"), before);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Kind, 'c');
  EXPECT_TRUE(messages.shown[0].Text.startsWith("You want to leave in the main menu?\n"));

  messages.answers = {true};
  window.QuitClick();
  EXPECT_FALSE(window.GameActive);
  EXPECT_TRUE(window.MenuShowing);
  // Anna's unfinished game costs her the slot; Boris moves up.
  EXPECT_TRUE(window.MemberButton(1)->text().startsWith("Boris"));

  // Closing during a game asks too, and No keeps the window.
  QTest::mouseClick(window.MemberButton(1), Qt::LeftButton);
  ASSERT_TRUE(window.GameActive);
  messages.answers = {false};
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(folder.Has(SettingsFileName));
  messages.answers = {true};
  EXPECT_TRUE(window.close());
  EXPECT_TRUE(folder.Has(SettingsFileName));
  EXPECT_TRUE(IsEmptySlot(ReadMember(files, folder / "Tarnel.clb", 1).value()));
}

TEST_F(Program, TheLanguageRelabelsTheWindowAtOnce) {
  TForm1& window = StartInMenu();
  const QString english = window.NewPlayerButton()->text();
  window.settings.LanguageIndex = 1;
  window.ApplyLanguage();
  EXPECT_NE(window.NewPlayerButton()->text(), english);
  EXPECT_EQ(window.NewPlayerButton()->text(), QString::fromUtf8(Word(rows::kNewPlayer, 1).data()));
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Тарнель"));
}

TEST_F(Program, TopTenAndHistoryOpenTheirWindowsFromTheMenu) {
  folder.WriteClub("Tarnel.clb", {{"Anna", "abc", 27, 340, 12.5}});
  TForm1& window = StartInMenu();
  std::vector<std::string> seen;
  inspect = [&](QDialog& dialog) {
    if (auto* topTen = dynamic_cast<TFormTopTen*>(&dialog)) {
      // Place 1 of the installation's list is drawn in red at x 70.
      const QImage& picture = topTen->Picture();
      bool red = false;
      for (int x = 70; x < 90 && !red; ++x)
        for (int y = 135; y < 152 && !red; ++y) red = qRed(picture.pixel(x, y)) > 200 && qGreen(picture.pixel(x, y)) < 80;
      EXPECT_TRUE(red);
      seen.push_back("top ten");
    }
    if (auto* history = dynamic_cast<TFHistory*>(&dialog)) {
      EXPECT_FALSE(history->FileList()->isEnabled());  // "No History Files"
      EXPECT_EQ(history->FileList()->item(0)->text(), "No History Files");
      seen.push_back("history");
    }
  };
  window.Button9Click();
  window.BHistoryClick();
  EXPECT_EQ(seen, (std::vector<std::string>{"top ten", "history"}));
  EXPECT_EQ(cues.played, (std::vector<std::string>{"WOpenFo", "WOpenFo"}));
}

TEST_F(Program, OptionsChangeTheWindowAtOnceAndSurviveARestart) {
  TForm1& window = StartInMenu();
  const QSize small = window.size();
  bool opened = false;
  inspect = [&](QDialog& dialog) {
    auto* options = dynamic_cast<TFormOptions*>(&dialog);
    ASSERT_NE(options, nullptr);
    opened = true;
    options->show();
    EXPECT_EQ(window.size(), small);  // opening never applies the mode
    options->ComboBox("ComboBoxWSize")->setCurrentIndex(2);
    options->ComboBox("ComboBoxLan")->setCurrentIndex(1);
    options->CheckBox("CheckBoxExpert")->click();
    options->close();
  };
  window.Button10Click();
  ASSERT_TRUE(opened);
  EXPECT_EQ(cues.played, std::vector<std::string>{"WOpenFo"});
  EXPECT_EQ(window.settings.WindowMode, 3);
  EXPECT_NE(window.size(), small);
  EXPECT_EQ(window.NewPlayerButton()->text(), QString::fromUtf8(Word(rows::kNewPlayer, 1).data()));
  EXPECT_TRUE(window.ExpertOpponentOn);
  EXPECT_TRUE(window.close());

  inspect = [](QDialog&) {};
  TForm1& again = Start();
  EXPECT_EQ(again.settings.WindowMode, 3);
  EXPECT_EQ(again.settings.LanguageIndex, 1);
  EXPECT_TRUE(again.ExpertOpponentOn);
  // The expert's switch never touches the settings file's fixed format.
  EXPECT_EQ(folder.Read(SettingsFileName), SettingsFileBytes(again.settings));
}

TEST_F(Program, HelpOpensTheRulesPageAndApologisesWhereItIsNotTranslated) {
  std::filesystem::create_directory(folder / "Help");
  folder.Write("Help/Tarnel_Eng.html", "<html></html>");
  TForm1& window = StartInMenu();
  window.HelpClick();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_TRUE(opened[0].toLocalFile().endsWith("Help/Tarnel_Eng.html"));
  EXPECT_TRUE(messages.shown.empty());
  window.settings.LanguageIndex = 2;
  window.HelpClick();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Kind, 'i');
  EXPECT_EQ(opened.size(), 2u);
}

}  // namespace
}  // namespace tarnel
