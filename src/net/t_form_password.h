// TFormPassword: the player dialog that admits a player to each game.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "net/player_dialog.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tarnel {

class UserMessages;

// What the network section reaches outside the dialog.
struct NetworkSectionHooks {
  std::string* ServerAddress = nullptr;  // the settings' values, kept up to date by the filters
  std::string* ServerPort = nullptr;
  std::function<std::vector<std::string>()> ListAddresses;
  std::function<std::string()> ExternalAddress;  // "" on failure
  std::string ClubServer;                        // the external box's hint
  std::function<void()> OpenRouterHelp;
  // Listens or connects and shows the wait dialog; true when the game may start.
  std::function<bool(int role, const std::string& address, const std::string& port,
                     const std::string& playerName)>
      Connect;
};

class TFormPassword : public QDialog {
  Q_OBJECT
 public:
  // The member's stored password, read afresh from the club file of the current mode.
  using StoredPassword = std::function<std::optional<std::string>(int slot)>;

  TFormPassword(const PlayerDialogInput& input, int languageIndex, UserMessages& messages,
                StoredPassword storedPassword, QWidget* parent = nullptr);
  // Network mode: the hooks of the server/client section (ignored outside network mode).
  TFormPassword(const PlayerDialogInput& input, int languageIndex, UserMessages& messages,
                StoredPassword storedPassword, NetworkSectionHooks network,
                QWidget* parent = nullptr);

  // After the dialog closed with success.
  const PlayerDialogVerdict& Verdict() const { return verdict_; }
  // The name the user typed last, also after a refusal (the settings keep it).
  const std::optional<std::string>& TypedName() const { return typedName_; }

  QLineEdit* NameField() const { return name_; }
  QLineEdit* PasswordField() const { return password_; }
  QLineEdit* RepeatField() const { return repeat_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  int NetRole() const { return netRole_; }
  QRadioButton* ServerChoice() const { return serverChoice_; }
  QRadioButton* ClientChoice() const { return clientChoice_; }
  QLineEdit* AddressField() const { return address_; }
  QLineEdit* PortField() const { return port_; }
  QPushButton* AddressButton() const { return addressButton_; }
  QPushButton* HelpButton() const { return help_; }
  QLineEdit* AddressBoxAt(int index) const { return boxes_[index]; }

  // OK, or Enter in one of the three fields.
  void OkClick();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLineEdit* Field(PlayerField field) const;
  void CreateNetworkSection();
  void RoleClick(int index);
  void AddressEdited(const QString& text);
  void PortEdited(const QString& text);
  void AddressButtonClick();

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

  NetworkSectionHooks network_;
  std::string ownAddress_ = kLoopbackAddress;
  std::string ownPort_ = "25666";
  int netRole_ = 0;
  QGroupBox* roleGroup_ = nullptr;
  QButtonGroup* roles_ = nullptr;
  QRadioButton* serverChoice_ = nullptr;
  QRadioButton* clientChoice_ = nullptr;
  QLabel* addressLabel_ = nullptr;
  QLineEdit* address_ = nullptr;
  QLineEdit* port_ = nullptr;
  QSpinBox* games_ = nullptr;
  QPushButton* addressButton_ = nullptr;
  QPushButton* help_ = nullptr;
  QLineEdit* boxes_[kAddressBoxes] = {};
};

}  // namespace tarnel
