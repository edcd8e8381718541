#include "net/t_form_password.h"

#include <gtest/gtest.h>

#include "offscreen_app.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "records/club_file.h"
#include "ui/messages/user_messages.h"

namespace tarnel {
namespace {

QApplication& App() { return testing::OffscreenApp(); }

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

}  // namespace
}  // namespace tarnel
