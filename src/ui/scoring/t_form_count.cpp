#include "ui/scoring/t_form_count.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "ui/pictures/picture_image.h"
#include "ui/button/t_qel_cards_button.h"
#include "ui/painting/program_fonts.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

// The account state's lamp: red not logged in, yellow logged in, green rated play.
QPixmap Lamp(int accountState) {
  const QColor colour = accountState >= 3   ? QColor(30, 200, 60)
                        : accountState == 2 ? QColor(250, 210, 30)
                                            : QColor(230, 30, 30);
  QPixmap lamp(24, 24);
  lamp.fill(Qt::transparent);
  QPainter p(&lamp);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient glow(QPointF(9, 9), 12);
  glow.setColorAt(0, colour.lighter(170));
  glow.setColorAt(1, colour.darker(130));
  p.setBrush(glow);
  p.setPen(QPen(colour.darker(200), 1.5));
  p.drawEllipse(QRectF(2, 2, 20, 20));
  return lamp;
}

const char* EmblemName(CountEmblem emblem) {
  switch (emblem) {
    case CountEmblem::Rated: return "GClubB";
    case CountEmblem::Network: return "GClubG";
    case CountEmblem::Tournament: return "GClubA";
    case CountEmblem::Local: break;
  }
  return "GClubF";
}

}  // namespace

TFormCount::TFormCount(const TCount& count, const QString& playerName, int languageIndex,
                       int accountState, CountEmblem emblem, bool animations,
                       const ResourceLocator& locator, QWidget* parent)
    : QDialog(parent) {
  auto word = [languageIndex](int row) { return QWord(row, languageIndex); };
  setWindowTitle(word(rows::kCountCaption) + ":  " + playerName.trimmed());
  setModal(true);
  setFixedSize(470, 330);
  setStyleSheet(QStringLiteral("QDialog { background: #f4ecd8; } QLabel { color: #202040; }"));

  auto* heading = new QLabel(word(rows::kInformationAboutGame), this);
  heading->setGeometry(20, 12, 340, 30);
  QFont headingFont = heading->font();
  headingFont.setPixelSize(20);
  headingFont.setBold(true);
  heading->setFont(headingFont);
  heading->setStyleSheet(QStringLiteral("color: #800000;"));

  auto* lamp = new QLabel(this);
  lamp->setPixmap(Lamp(accountState));
  lamp->setGeometry(430, 16, 24, 24);

  const int labelRows[7] = {rows::kGeneralNumberOfGame, rows::kRoundInCycle,
                            rows::kInitialScore,        rows::kCurrentScore,
                            rows::kTotalScore,   rows::kInitialRating,
                            rows::kCurrentRating};
  const std::string* texts[7] = {&count.Count_KonAll, &count.Count_KonCur, &count.Count_ScoBeg,
                                 &count.Count_ScoCur, &count.Count_ScoAll, &count.Count_ReiBeg,
                                 &count.Count_ReiCur};
  for (int i = 0; i < 7; ++i) {
    auto* label = new QLabel(word(labelRows[i]), this);
    label->setGeometry(20, 56 + i * 30, 260, 26);
    values_[i] = new QLabel(QString::fromStdString(*texts[i]).trimmed(), this);
    values_[i]->setGeometry(280, 56 + i * 30, 70, 26);
    values_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = values_[i]->font();
    bold.setBold(true);
    values_[i]->setFont(bold);
  }

  emblem_ = new QLabel(this);
  emblem_->setGeometry(370, 56, 90, 200);
  emblem_->setAlignment(Qt::AlignCenter);
  if (LoadGifResource(locator, EmblemName(emblem), "", animation_) && !animation_.Frames.empty()) {
    emblem_->setPixmap(QPixmap::fromImage(PictureImage(animation_.Frames[0].Image)));
    if (animations && animation_.Frames.size() > 1) {
      connect(&timer_, &QTimer::timeout, this, &TFormCount::NextFrame);
      timer_.start(std::max(20, animation_.Frames[0].DelayMs));
    }
  }

  auto* ok = DialogButton(word(rows::kOk), this);
  ok_ = ok;
  ok_->setGeometry(185, 280, 100, 34);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormCount::NextFrame() {
  frame_ = (frame_ + 1) % static_cast<int>(animation_.Frames.size());
  emblem_->setPixmap(QPixmap::fromImage(PictureImage(animation_.Frames[frame_].Image)));
  timer_.setInterval(std::max(20, animation_.Frames[frame_].DelayMs));
}

}  // namespace tarnel
