// TFormEndGame: the verdict when a game completes a cycle of 20.
#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>

#include "platform/picture.h"
#include "platform/resource_library.h"
#include "records/verdict.h"

class QLabel;
class QPushButton;

namespace tarnel {

class TFormEndGame : public QDialog {
  Q_OBJECT
 public:
  TFormEndGame(const Verdict& verdict, int languageIndex, bool animations,
               const ResourceLocator& locator, QWidget* parent = nullptr);
  const QImage& Picture() const { return picture_; }
  int Frame() const { return frame_; }
  QPushButton* OkButton() const { return ok_; }

 private:
  void NextFrame();

  Verdict verdict_;
  QImage picture_;
  Animation animation_;
  int frame_ = 0;
  QLabel* view_ = nullptr;
  QLabel* animationView_ = nullptr;
  QPushButton* ok_ = nullptr;
  QTimer timer_;
};

}  // namespace tarnel
