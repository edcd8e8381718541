// TFormPassword: the player dialog that admits a player to each game.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "net/player_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarnel {

class UserMessages;

class TFormPassword : public QDialog {
  Q_OBJECT
 public:
  // The member's stored password, read afresh from the club file of the current mode.
  using StoredPassword = std::function<std::optional<std::string>(int slot)>;

  TFormPassword(const PlayerDialogInput& input, int languageIndex, UserMessages& messages,
                StoredPassword storedPassword, QWidget* parent = nullptr);

  // After the dialog closed with success.
  const PlayerDialogVerdict& Verdict() const { return verdict_; }
  // The name the user typed last, also after a refusal (the settings keep it).
  const std::optional<std::string>& TypedName() const { return typedName_; }

  QLineEdit* NameField() const { return name_; }
  QLineEdit* PasswordField() const { return password_; }
  QLineEdit* RepeatField() const { return repeat_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  // OK, or Enter in one of the three fields.
  void OkClick();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLineEdit* Field(PlayerField field) const;

  PlayerDialogInput input_;
  int language_;
  UserMessages& messages_;
  StoredPassword storedPassword_;
  PlayerDialogVerdict verdict_;
  std::optional<std::string> typedName_;
  QLineEdit* name_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* repeat_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace tarnel
