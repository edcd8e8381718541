// TFormCount: the score dialog of a game, at its end and from the table's "General score".
#pragma once

#include <QDialog>
#include <QTimer>
#include <array>

#include "core/scoring.h"
#include "platform/picture.h"
#include "platform/resource_library.h"

class QLabel;
class QPushButton;

namespace tarnel {

// The emblem of the kind of game.
enum class CountEmblem { Local, Rated, Network, Tournament };

class TFormCount : public QDialog {
  Q_OBJECT
 public:
  TFormCount(const TCount& count, const QString& playerName, int languageIndex, int accountState,
             CountEmblem emblem, bool animations, const ResourceLocator& locator,
             QWidget* parent = nullptr);

  // The seven values in their order on the dialog.
  std::array<QLabel*, 7> Values() const { return values_; }
  QPushButton* OkButton() const { return ok_; }

 private:
  void NextFrame();

  std::array<QLabel*, 7> values_{};
  QPushButton* ok_ = nullptr;
  QLabel* emblem_ = nullptr;
  Animation animation_;
  int frame_ = 0;
  QTimer timer_;
};

}  // namespace tarnel
