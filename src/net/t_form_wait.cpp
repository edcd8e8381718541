#include "net/t_form_wait.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include "net/player_dialog.h"
#include "ui/button/t_qel_cards_button.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 230;
constexpr int kAnimationFrames = 12;
constexpr QRect kAnimationArea{20, 20, 56, 56};

}  // namespace

TFormWait::TFormWait(int role, int languageIndex, Hooks hooks, QWidget* parent)
    : QDialog(parent), language_(languageIndex), hooks_(std::move(hooks)) {
  setWindowTitle(QWord(rows::kPleaseWait, language_));
  setModal(true);
  setFixedSize(kWidth, kHeight);

  auto line = [&](int row, int y) {
    auto* l = new QLabel(QWord(row, language_), this);
    l->setGeometry(90, y, kWidth - 110, 22);
    return l;
  };
  first_ = line(role == kServerRole ? rows::kExpectationOfPlayers : rows::kExpectationOfGame, 24);
  second_ = line(rows::kSecondPlayerConnected, 54);
  third_ = line(rows::kThirdPlayerConnected, 84);
  fourth_ = line(rows::kFourthPlayerConnected, 114);
  // This game has one peer: the lines of a third and fourth player never show.
  second_->hide();
  third_->hide();
  fourth_->hide();

  ok_ = DialogButton(QStringLiteral("OK"), this);
  ok_->setGeometry(70, kHeight - 56, 120, 34);
  ok_->setEnabled(false);
  cancel_ = DialogButton(QWord(rows::kCancel, language_), this);
  cancel_->setGeometry(230, kHeight - 56, 120, 34);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &TFormWait::reject);

  timer1_ = new QTimer(this);
  timer1_->setInterval(1000);
  connect(timer1_, &QTimer::timeout, this, &TFormWait::Timer1Timer);
  timer1_->start();
  animation_ = new QTimer(this);
  animation_->setInterval(120);
  connect(animation_, &QTimer::timeout, this, [this] {
    frame_ = (frame_ + 1) % kAnimationFrames;
    update(kAnimationArea);
  });
  animation_->start();
}

QPushButton* TFormWait::OkButton() const {
  return ok_;
}
QPushButton* TFormWait::CancelButton() const {
  return cancel_;
}

void TFormWait::Timer1Timer() {
  if (hooks_.ClientWaiting && hooks_.ClientWaiting())
    first_->setText(QWord(rows::kNoAccessibleGames, language_));
}

void TFormWait::PeerGreeted() {
  second_->show();
  ok_->setEnabled(true);
  cancel_->setEnabled(false);
}

void TFormWait::GreetingCompleted() {
  accept();
}

void TFormWait::reject() {
  // Escape and the close box count as Cancel, but not once the peer is in.
  if (!cancel_->isEnabled()) return;
  if (hooks_.Cancelled) hooks_.Cancelled();
  QDialog::reject();
}

void TFormWait::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  // A ring of twelve dots with one bright dot running round: something is still going on.
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre = QRectF(kAnimationArea).center();
  for (int i = 0; i < kAnimationFrames; ++i) {
    const int age = (frame_ - i + kAnimationFrames) % kAnimationFrames;
    QColor colour(0x20, 0x60, 0x30);
    colour.setAlpha(255 - age * 18);
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    painter.save();
    painter.translate(centre);
    painter.rotate(i * 360.0 / kAnimationFrames);
    painter.drawEllipse(QPointF(0, -20), age == 0 ? 5.0 : 3.5, age == 0 ? 5.0 : 3.5);
    painter.restore();
  }
}

}  // namespace tarnel
