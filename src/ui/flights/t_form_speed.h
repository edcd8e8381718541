// TFormSpeed: the dialog in which the player picks how fast cards fly.
#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <array>

#include "platform/resource_library.h"
#include "ui/options/dialog_look.h"

class QLabel;
class QSlider;

namespace tarnel {

struct Settings;
class TQelCardsButton;

class TFormSpeed : public QDialog {
  Q_OBJECT
 public:
  // Moving the track bar changes `settings.FlySpeed` at once.
  TFormSpeed(Settings& settings, const ResourceLocator& locator, QWidget* parent = nullptr);

  DialogLook Look() const { return look_.Look(); }
  QSlider* TrackBar1() const { return trackBar1_; }
  TQelCardsButton* Button1() const { return button1_; }
  QTimer& Timer48() { return timer48_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Timer48Timer();
  void LayOutFor(DialogLook look);

  Settings& settings_;
  ResourceLocator locator_;
  AuxiliaryLook look_;
  QLabel* image0_ = nullptr;
  QLabel* image1_ = nullptr;
  QWidget* panel1_ = nullptr;
  QLabel* label0_ = nullptr;
  std::array<QLabel*, 6> labels_{};
  QSlider* trackBar1_ = nullptr;
  TQelCardsButton* button1_ = nullptr;
  QTimer timer48_;
};

}  // namespace tarnel
