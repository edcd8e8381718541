// TFormTopTen: the club's top ten of completed cycles.
#pragma once

#include <QDialog>
#include <QImage>
#include <optional>

#include "platform/resource_library.h"
#include "records/club_file.h"

class QPushButton;

namespace tarnel {

class TFormTopTen : public QDialog {
  Q_OBJECT
 public:
  // `club`: the club file in use as read (nullopt when it cannot be read: the list stays empty).
  TFormTopTen(const std::optional<ClubLines>& club, bool networkMode, int languageIndex,
              bool animations, const ResourceLocator& locator, QWidget* parent = nullptr);
  const QImage& Picture() const { return picture_; }

 private:
  QImage picture_;
};

}  // namespace tarnel
