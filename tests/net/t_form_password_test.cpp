#include "net/t_form_password.h"
#include "net/t_form_wait.h"

#include <gtest/gtest.h>

#include "offscreen_app.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <tuple>

#include "records/club_file.h"
#include "ui/messages/user_messages.h"

namespace tarnel {
namespace {

QApplication& App() {
  return testing::OffscreenApp();
}

TEST(TFormPassword, AWrongPasswordKeepsTheDialogOpenUntilTheRightOneIsTyped) {
  App();
  RecordedMessages messages;
  int asked = 0;
  const std::string line = BuildMemberLine("Anna", 1.5, 3, 40, EncodePassword("abc"));
  TFormPassword dialog({1, false, false, line, "", "", "Mr.X"}, 0, messages, [&](int slot) {
    ++asked;
    EXPECT_EQ(slot, 1);
    return std::optional<std::string>("abc  ");
  });
  dialog.show();
  EXPECT_EQ(dialog.NameField()->text(), "Anna");
  EXPECT_FALSE(dialog.NameField()->isEnabled());
  EXPECT_FALSE(dialog.RepeatField()->isEnabled());
  EXPECT_EQ(dialog.height(), 295);

  QTest::keyClicks(dialog.PasswordField(), "abd");
  QTest::keyClick(dialog.PasswordField(), Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Text, "The incorrect password!");

  dialog.PasswordField()->clear();
  QTest::keyClicks(dialog.PasswordField(), "abc");
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(dialog.Verdict().Admitted.PlayerName, "Anna                ");
}

TEST(TFormPassword, ANewPlayerTypesTwoPasswordsAndANameWithinItsLimit) {
  App();
  RecordedMessages messages;
  TFormPassword dialog({6, false, false, "", "", "Zed", "Mr.X"}, 0, messages, nullptr);
  dialog.show();
  EXPECT_EQ(dialog.NameField()->text(), "Zed");
  EXPECT_EQ(dialog.NameField()->maxLength(), 20);
  dialog.NameField()->clear();
  QTest::keyClick(dialog.NameField(), Qt::Key_Return);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Text, "Incorrect name!");
  QTest::keyClicks(dialog.NameField(), "Vera");
  QTest::keyClicks(dialog.PasswordField(), "12");
  QTest::keyClicks(dialog.RepeatField(), "13");
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].Text, "The passwords do not coincide!");
  EXPECT_EQ(dialog.focusWidget(), dialog.PasswordField());
  EXPECT_EQ(dialog.TypedName(), "Vera");
  dialog.RepeatField()->clear();
  QTest::keyClicks(dialog.RepeatField(), "12");
  QTest::keyClick(dialog.RepeatField(), Qt::Key_Enter);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Verdict().Admitted.EncodedPassword, EncodePassword("12"));
}

// A radio button answers a click on its circle or caption, not on the empty rest of its row.
void ClickChoice(QRadioButton* choice) {
  QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(8, choice->height() / 2));
}

struct NetworkFixture {
  std::string address = "10.0.0.5";
  std::string port = "25666";
  std::vector<std::tuple<int, std::string, std::string>> connects;
  bool connectResult = false;
  int helpOpened = 0;
  NetworkSectionHooks Hooks() {
    NetworkSectionHooks hooks;
    hooks.ServerAddress = &address;
    hooks.ServerPort = &port;
    hooks.ListAddresses = [] { return std::vector<std::string>{"192.168.0.4"}; };
    hooks.ExternalAddress = [] { return std::string(); };  // the club server did not answer
    hooks.ClubServer = "http://127.0.0.1:8033";
    hooks.OpenRouterHelp = [this] { ++helpOpened; };
    hooks.Connect = [this](int role, const std::string& a, const std::string& p,
                           const std::string&) {
      connects.emplace_back(role, a, p);
      return connectResult;
    };
    return hooks;
  }
};

TEST(TFormPasswordNetwork, OpensAsServerAndTheClientChoiceBringsBackTheStoredAddress) {
  App();
  RecordedMessages messages;
  NetworkFixture net;
  TFormPassword dialog({6, true, false, "", "", "Tenletters", "Mr.X"}, 0, messages, nullptr,
                       net.Hooks());
  dialog.show();
  EXPECT_EQ(dialog.height(), 455);
  EXPECT_EQ(dialog.NameField()->text(), "Mr.X");
  EXPECT_EQ(dialog.NameField()->maxLength(), 9);
  EXPECT_TRUE(dialog.ServerChoice()->isChecked());
  EXPECT_FALSE(dialog.AddressField()->isEnabled());
  EXPECT_TRUE(dialog.AddressField()->text().isEmpty());
  EXPECT_EQ(dialog.PortField()->text(), "25666");
  EXPECT_TRUE(dialog.HelpButton()->isVisible());

  ClickChoice(dialog.ClientChoice());
  EXPECT_EQ(dialog.NetRole(), kClientRole);
  EXPECT_TRUE(dialog.AddressField()->isEnabled());
  EXPECT_EQ(dialog.AddressField()->text(), "10.0.0.5");
  QTest::keyClicks(dialog.AddressField(), "1");
  EXPECT_EQ(net.address, "10.0.0.51");
  QTest::keyClicks(dialog.AddressField(), "z");
  EXPECT_EQ(dialog.AddressField()->text(), "10.0.0.51");
  QTest::keyClicks(dialog.PortField(), "q");
  EXPECT_EQ(dialog.PortField()->text(), "25666");

  ClickChoice(dialog.ServerChoice());
  EXPECT_EQ(dialog.NetRole(), kServerRole);
  EXPECT_TRUE(dialog.AddressField()->text().isEmpty());
  EXPECT_EQ(net.address, "10.0.0.51");  // clearing the field as server stores nothing

  QTest::mouseClick(dialog.HelpButton(), Qt::LeftButton);
  EXPECT_EQ(net.helpOpened, 1);
  QTest::mouseClick(dialog.AddressButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.AddressBoxAt(0)->text(), "192.168.0.4");
  EXPECT_TRUE(dialog.AddressBoxAt(1)->text().isEmpty());
  EXPECT_EQ(dialog.AddressBoxAt(1)->toolTip(), "http://127.0.0.1:8033");
  EXPECT_TRUE(dialog.AddressBoxAt(1)->isVisible());
  EXPECT_EQ(dialog.AddressBoxAt(2)->text(), "127.0.0.1");
  EXPECT_EQ(dialog.AddressBoxAt(2)->toolTip(), "Loop");
  EXPECT_FALSE(dialog.AddressBoxAt(3)->isVisible());
}

TEST(TFormPasswordNetwork, OkRefusesABadAddressAndStaysOpenUntilTheWaitSucceeds) {
  App();
  RecordedMessages messages;
  NetworkFixture net;
  TFormPassword dialog({6, true, false, "", "", "Ola", "Mr.X"}, 0, messages, nullptr, net.Hooks());
  dialog.show();
  ClickChoice(dialog.ClientChoice());
  dialog.AddressField()->setText("1.2.3");
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Text, "Incorrect IP-address!");
  EXPECT_EQ(dialog.focusWidget(), dialog.AddressField());
  EXPECT_TRUE(net.connects.empty());

  dialog.AddressField()->setText("127.0.0.1");
  dialog.PortField()->clear();
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].Text, "Incorrect Port!");
  EXPECT_EQ(dialog.focusWidget(), dialog.PortField());

  QTest::keyClicks(dialog.PortField(), "4000");
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);  // the wait dialog was cancelled
  ASSERT_EQ(net.connects.size(), 1u);
  EXPECT_EQ(net.connects[0],
            std::make_tuple(kClientRole, std::string("127.0.0.1"), std::string("4000")));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(net.address, "127.0.0.1");
  EXPECT_EQ(net.port, "4000");

  net.connectResult = true;
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Verdict().Admitted.PlayerName, "Ola                 ");
}

TEST(TFormWait, TheClientSeesNoGamesAfterItsTimerAndCancelHandsBackTheSocket) {
  App();
  bool waiting = false;
  int cancelled = 0;
  TFormWait dialog(kClientRole, 0, {[&] { return waiting; }, [&] { ++cancelled; }});
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Please, wait...");
  EXPECT_EQ(dialog.FirstLine()->text(), "Expectation of game...");
  EXPECT_FALSE(dialog.OkButton()->isEnabled());
  EXPECT_TRUE(dialog.CancelButton()->isEnabled());
  dialog.Timer1Timer();
  EXPECT_EQ(dialog.FirstLine()->text(), "Expectation of game...");
  waiting = true;
  // The dialog's own one-second timer, not a direct call.
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return dialog.FirstLine()->text() == "There are no accessible games"; }, 3000));
  QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
  EXPECT_EQ(cancelled, 1);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(TFormWait, TheServerGetsOkOnlyOnceAClientGreeted) {
  App();
  int cancelled = 0;
  TFormWait dialog(kServerRole, 0, {[] { return false; }, [&] { ++cancelled; }});
  dialog.show();
  EXPECT_EQ(dialog.FirstLine()->text(), "Expectation of connection of other players...");
  EXPECT_FALSE(dialog.SecondLine()->isVisible());
  dialog.PeerGreeted();
  EXPECT_TRUE(dialog.SecondLine()->isVisible());
  EXPECT_EQ(dialog.SecondLine()->text(), "The second player was connected...");
  EXPECT_FALSE(dialog.CancelButton()->isEnabled());
  QTest::keyClick(&dialog, Qt::Key_Escape);  // the peer is in: no way back
  EXPECT_TRUE(dialog.isVisible());
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(cancelled, 0);
}

TEST(TFormWait, AClientClosesWithSuccessOnItsCompletedGreeting) {
  App();
  TFormWait dialog(kClientRole, 0, {[] { return true; }, nullptr});
  dialog.show();
  dialog.GreetingCompleted();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace tarnel
