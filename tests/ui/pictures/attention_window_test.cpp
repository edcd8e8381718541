#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "ui/pictures/show_attention.h"

namespace tarnel {
namespace {

class AttentionWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
  }
  static QApplication* app_;
};
QApplication* AttentionWindow::app_ = nullptr;

TEST(AttentionClientWidth, NarrowWindowsAreFourHundredWideAndWideOnesGetFiftyMore) {
  EXPECT_EQ(AttentionClientWidth(0), 400);
  EXPECT_EQ(AttentionClientWidth(290), 400);  // 349 in all
  EXPECT_EQ(AttentionClientWidth(291), 400);  // 350 reaches the wide rule: 400 as well
  EXPECT_EQ(AttentionClientWidth(292), 401);
  EXPECT_EQ(AttentionClientWidth(500), 609);
}

TEST_F(AttentionWindow, ShowsItsLinesAndSizesToTheWidest) {
  QString longLine = "Can`t find the file QelCards06A.dll and a good deal more text besides";
  TFormAttention form(longLine, "", "http://example.invalid/downloads");
  EXPECT_EQ(form.windowTitle(), "Attention");
  QFont font("Comic Sans MS");
  font.setPixelSize(20);
  int widest = QFontMetrics(font).horizontalAdvance(longLine);
  EXPECT_EQ(form.width(), AttentionClientWidth(widest));
  EXPECT_TRUE(form.findChild<QLabel*>("Line1"));
  EXPECT_FALSE(form.findChild<QLabel*>("Line2"));  // empty lines are hidden
  auto* link = form.findChild<QLabel*>("Line3");
  ASSERT_TRUE(link);
  EXPECT_TRUE(link->text().contains("<a href"));
  auto* ok = form.findChild<QPushButton*>("ButtonOk");
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->text(), "Ok");
  EXPECT_EQ(ok->width(), form.width() - 10);
  form.show();
  ok->click();
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(AttentionWindow, AShortMessageGetsTheNarrowWidth) {
  TFormAttention form("Can`t find the file", "", "");
  EXPECT_EQ(form.width(), 400);
}

TEST_F(AttentionWindow, ALinkWithAnActionRunsItAndClosesOnlyWhenItSucceeds) {
  int runs = 0;
  bool succeed = false;
  TFormAttention form("Can`t find the file QelCGraph1.dll", "", "Download QelCGraph1.dll", nullptr,
                      [&] {
                        ++runs;
                        return succeed;
                      });
  auto* link = form.findChild<QLabel*>("Line3");
  ASSERT_TRUE(link);
  form.show();
  emit link->linkActivated("Download QelCGraph1.dll");
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(form.isVisible());  // a failed download leaves the window for another try
  succeed = true;
  emit link->linkActivated("Download QelCGraph1.dll");
  EXPECT_EQ(runs, 2);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace tarnel
