#include "net/t_form_password.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "core/cp1251.h"
#include "records/club_file.h"
#include "ui/button/t_qel_cards_button.h"
#include "ui/messages/user_messages.h"
#include "ui/painting/program_fonts.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

QString FromCp1251(const std::string& bytes) {
  return QString::fromStdString(Cp1251ToUtf8(bytes));
}
std::string ToCp1251(const QString& text) {
  return Utf8ToCp1251(text.toStdString());
}

}  // namespace

TFormPassword::TFormPassword(const PlayerDialogInput& input, int languageIndex,
                             UserMessages& messages, StoredPassword storedPassword, QWidget* parent)
    : TFormPassword(input, languageIndex, messages, std::move(storedPassword), {}, parent) {}

TFormPassword::TFormPassword(const PlayerDialogInput& input, int languageIndex,
                             UserMessages& messages, StoredPassword storedPassword,
                             NetworkSectionHooks network, QWidget* parent)
    : QDialog(parent),
      input_(input),
      language_(languageIndex),
      messages_(messages),
      storedPassword_(std::move(storedPassword)),
      network_(std::move(network)) {
  const PlayerDialogSetup setup = SetUpPlayerDialog(input_);
  setWindowTitle(QWord(rows::kWelcome, language_));
  setModal(true);
  setFixedSize(400, setup.ClientHeight);

  auto label = [&](int row, int y) {
    auto* l = new QLabel(QWord(row, language_), this);
    l->setGeometry(20, y, 360, 22);
    return l;
  };
  auto field = [&](int y, bool secret) {
    auto* f = new QLineEdit(this);
    f->setGeometry(20, y, 360, 26);
    if (secret) f->setEchoMode(QLineEdit::Password);
    return f;
  };
  label(rows::kEnterYourName, 14);
  name_ = field(38, false);
  label(rows::kEnterYourPassword, 76);
  password_ = field(100, true);
  password_->setMaxLength(static_cast<int>(kPasswordLength));
  label(rows::kPasswordAgain, 138);
  repeat_ = field(162, true);
  repeat_->setMaxLength(static_cast<int>(kPasswordLength));

  name_->setMaxLength(static_cast<int>(setup.NameLimit));
  name_->setText(FromCp1251(setup.Name));
  name_->setEnabled(setup.NameEditable);
  repeat_->setEnabled(setup.RepeatEditable);

  auto* ok = DialogButton(QStringLiteral("OK"), this);
  ok_ = ok;
  ok_->setGeometry(60, setup.ClientHeight - 60, 120, 34);
  ok_->setDefault(true);
  auto* cancel = DialogButton(QWord(rows::kCancel, language_), this);
  cancel_ = cancel;
  cancel_->setGeometry(220, setup.ClientHeight - 60, 120, 34);
  connect(ok_, &QPushButton::clicked, this, &TFormPassword::OkClick);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  // Enter in a field is OK and goes no further.
  for (QLineEdit* f : {name_, password_, repeat_})
    connect(f, &QLineEdit::returnPressed, this, &TFormPassword::OkClick);

  if (setup.NetworkSection) CreateNetworkSection();
  Field(setup.Focus)->setFocus();
}

void TFormPassword::CreateNetworkSection() {
  // Without the settings' values the section keeps its own.
  if (!network_.ServerAddress) network_.ServerAddress = &ownAddress_;
  if (!network_.ServerPort) network_.ServerPort = &ownPort_;

  roleGroup_ = new QGroupBox(QWord(rows::kServerClient, language_), this);
  roleGroup_->setGeometry(20, 194, 360, 60);
  serverChoice_ = new QRadioButton(QWord(rows::kServerCreatesGame, language_), roleGroup_);
  serverChoice_->setGeometry(12, 18, 330, 18);
  clientChoice_ = new QRadioButton(QWord(rows::kClientEntersGame, language_), roleGroup_);
  clientChoice_->setGeometry(12, 37, 330, 18);
  roles_ = new QButtonGroup(this);
  roles_->addButton(serverChoice_, 0);
  roles_->addButton(clientChoice_, 1);

  addressLabel_ = new QLabel(QWord(rows::kEnterServerIp, language_), this);
  addressLabel_->setGeometry(20, 258, 200, 20);
  address_ = new QLineEdit(this);
  address_->setGeometry(20, 278, 200, 24);
  auto* portLabel = new QLabel(QWord(rows::kEnterServerPort, language_), this);
  portLabel->setGeometry(230, 258, 150, 20);
  port_ = new QLineEdit(this);
  port_->setGeometry(230, 278, 150, 24);

  auto* gamesLabel = new QLabel(QWord(rows::kNumberGames, language_), this);
  gamesLabel->setGeometry(20, 310, 110, 22);
  games_ = new QSpinBox(this);
  games_->setGeometry(130, 308, 56, 24);
  games_->setRange(1, 30);
  games_->setValue(1);  // one network match is one game
  games_->setEnabled(false);

  addressButton_ = DialogButton(QWord(rows::kReceiveIpAddresses, language_), this);
  addressButton_->setGeometry(196, 306, 150, 28);
  help_ = DialogButton(QStringLiteral("?"), this);
  help_->setGeometry(352, 306, 28, 28);
  for (int i = 0; i < kAddressBoxes; ++i) {
    boxes_[i] = new QLineEdit(this);
    boxes_[i]->setReadOnly(true);
    boxes_[i]->setGeometry(20 + (i % 3) * 122, 342 + (i / 3) * 24, 116, 22);
    boxes_[i]->hide();
  }

  // Every showing starts as the server, whatever was chosen last time.
  netRole_ = kServerRole;
  serverChoice_->setChecked(true);
  addressLabel_->setEnabled(false);
  address_->setEnabled(false);
  port_->setText(FromCp1251(*network_.ServerPort));

  connect(roles_, &QButtonGroup::idClicked, this, &TFormPassword::RoleClick);
  connect(address_, &QLineEdit::textChanged, this, &TFormPassword::AddressEdited);
  connect(port_, &QLineEdit::textChanged, this, &TFormPassword::PortEdited);
  connect(addressButton_, &QPushButton::clicked, this, &TFormPassword::AddressButtonClick);
  connect(help_, &QPushButton::clicked, this, [this] {
    if (network_.OpenRouterHelp) network_.OpenRouterHelp();
  });
}

void TFormPassword::RoleClick(int index) {
  const bool client = index == 1;
  netRole_ = client ? kClientRole : kServerRole;
  addressLabel_->setEnabled(client);
  address_->setEnabled(client);
  address_->setText(client ? FromCp1251(*network_.ServerAddress) : QString());
}

void TFormPassword::AddressEdited(const QString& text) {
  const std::string kept = FilterAddressField(ToCp1251(text), netRole_, *network_.ServerAddress);
  if (kept != ToCp1251(text)) {
    const QSignalBlocker quiet(address_);
    address_->setText(FromCp1251(kept));
  }
}

void TFormPassword::PortEdited(const QString& text) {
  const std::string kept = FilterPortField(ToCp1251(text), *network_.ServerPort);
  if (kept != ToCp1251(text)) {
    const QSignalBlocker quiet(port_);
    port_->setText(FromCp1251(kept));
  }
}

void TFormPassword::AddressButtonClick() {
  // Both look-ups block the dialog while they run.
  const std::vector<std::string> local =
      network_.ListAddresses ? network_.ListAddresses() : std::vector<std::string>{};
  const std::string external =
      network_.ExternalAddress ? network_.ExternalAddress() : std::string();
  const std::vector<AddressBox> boxes = FillAddressBoxes(
      local, external, network_.ClubServer, ToCp1251(QWord(rows::kLoopHint, language_)));
  for (int i = 0; i < kAddressBoxes; ++i) {
    const bool used =
        i < static_cast<int>(local.size()) || !boxes[i].Text.empty() || !boxes[i].Hint.empty();
    boxes_[i]->setText(FromCp1251(boxes[i].Text));
    boxes_[i]->setToolTip(FromCp1251(boxes[i].Hint));
    boxes_[i]->setVisible(used);
  }
}

QLineEdit* TFormPassword::Field(PlayerField field) const {
  switch (field) {
    case PlayerField::Password:
      return password_;
    case PlayerField::Repeat:
      return repeat_;
    case PlayerField::Address:
      return address_ ? address_ : name_;
    case PlayerField::Port:
      return port_ ? port_ : name_;
    default:
      return name_;
  }
}

void TFormPassword::OkClick() {
  const PlayerDialogEntry entry{ToCp1251(name_->text()), ToCp1251(password_->text()),
                                ToCp1251(repeat_->text())};
  const bool member = input_.SelectedPlayer >= 1 && input_.SelectedPlayer <= 5;
  std::optional<std::string> stored;
  if (member && !entry.Name.empty() && storedPassword_)
    stored = storedPassword_(input_.SelectedPlayer);
  PlayerDialogVerdict verdict = ConfirmPlayerDialog(input_, entry, stored);
  if (verdict.LastTypedName) typedName_ = verdict.LastTypedName;
  if (!verdict.Accepted) {
    messages_.Warn(this, QWord(verdict.MessageRow, language_));
    Field(verdict.Focus)->setFocus();
    return;
  }
  if (input_.NetworkMode) {
    const std::string address = ToCp1251(address_->text());
    const std::string port = ToCp1251(port_->text());
    const NetworkVerdict check = ConfirmNetworkSection(netRole_, address, port);
    if (check.MessageRow != rows::kNone) {
      messages_.Warn(this, QWord(check.MessageRow, language_));
      Field(check.Focus)->setFocus();
      return;
    }
    if (netRole_ == kClientRole) *network_.ServerAddress = address;
    *network_.ServerPort = port;
    // Without success the dialog stays open for another try.
    if (!network_.Connect ||
        !network_.Connect(netRole_, address, port, verdict.Admitted.PlayerName))
      return;
  }
  verdict_ = std::move(verdict);
  accept();
}

void TFormPassword::keyPressEvent(QKeyEvent* event) {
  // Enter never reaches the default button twice; the fields handle it.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace tarnel
