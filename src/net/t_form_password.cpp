#include "net/t_form_password.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/cp1251.h"
#include "records/club_file.h"
#include "ui/button/t_qel_cards_button.h"
#include "ui/painting/program_fonts.h"
#include "ui/messages/user_messages.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

QString FromCp1251(const std::string& bytes) {
  return QString::fromStdString(Cp1251ToUtf8(bytes));
}
std::string ToCp1251(const QString& text) { return Utf8ToCp1251(text.toStdString()); }

}  // namespace

TFormPassword::TFormPassword(const PlayerDialogInput& input, int languageIndex,
                             UserMessages& messages, StoredPassword storedPassword,
                             QWidget* parent)
    : QDialog(parent),
      input_(input),
      language_(languageIndex),
      messages_(messages),
      storedPassword_(std::move(storedPassword)) {
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

  Field(setup.Focus)->setFocus();
}

QLineEdit* TFormPassword::Field(PlayerField field) const {
  switch (field) {
    case PlayerField::Password: return password_;
    case PlayerField::Repeat: return repeat_;
    default: return name_;
  }
}

void TFormPassword::OkClick() {
  const PlayerDialogEntry entry{ToCp1251(name_->text()), ToCp1251(password_->text()),
                                ToCp1251(repeat_->text())};
  const bool member = input_.SelectedPlayer >= 1 && input_.SelectedPlayer <= 5;
  std::optional<std::string> stored;
  if (member && !entry.Name.empty() && storedPassword_) stored = storedPassword_(input_.SelectedPlayer);
  PlayerDialogVerdict verdict = ConfirmPlayerDialog(input_, entry, stored);
  if (verdict.LastTypedName) typedName_ = verdict.LastTypedName;
  if (!verdict.Accepted) {
    messages_.Warn(this, QWord(verdict.MessageRow, language_));
    Field(verdict.Focus)->setFocus();
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
