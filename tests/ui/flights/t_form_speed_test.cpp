#include "ui/flights/t_form_speed.h"

#include <gtest/gtest.h>

#include "offscreen_app.h"

#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "build_folders.h"
#include "ui/button/t_qel_cards_button.h"
#include "ui/settings/settings.h"

namespace tarnel {
namespace {

QApplication& App() { return testing::OffscreenApp(); }

TEST(TFormSpeed, TheTrackBarSetsTheSpeedAtOnceAndTheIconTurnsFasterWithIt) {
  App();
  Settings settings;
  settings.FlySpeed = 2;
  settings.PurpleDialogs = true;  // wants the design library, which this folder lacks
  settings.DialogDesign = 3;
  settings.SaluteButtons = true;
  const std::filesystem::path empty = std::filesystem::temp_directory_path() / "tarnel-no-library";
  std::filesystem::create_directories(empty);
  TFormSpeed dialog(settings, ResourceLocator{empty}, nullptr);
  EXPECT_EQ(dialog.Look(), DialogLook::GrayAristocratic);
  EXPECT_FALSE(settings.PurpleDialogs);
  EXPECT_EQ(settings.DialogDesign, 2);
  EXPECT_EQ(dialog.size(), QSize(310, 275));
  EXPECT_EQ(dialog.TrackBar1()->value(), 2);

  dialog.show();
  dialog.TrackBar1()->setValue(6);
  EXPECT_EQ(settings.FlySpeed, 6);
  QTest::qWait(150);
  EXPECT_EQ(dialog.Timer48().interval(), 25);
  dialog.TrackBar1()->setValue(1);
  QTest::qWait(150);
  EXPECT_EQ(dialog.Timer48().interval(), 110);

  // Without the library the burst is skipped and OK closes at once.
  QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.Timer48().isActive());
  std::filesystem::remove_all(empty);
}

}  // namespace
}  // namespace tarnel
