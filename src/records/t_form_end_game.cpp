#include "records/t_form_end_game.h"

#include <QLabel>
#include <QPainter>

#include "ui/button/t_qel_cards_button.h"
#include "ui/painting/program_fonts.h"
#include "ui/painting/text_helpers.h"
#include "ui/pictures/picture_image.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

QImage OwnPng(const ResourceLocator& locator, const std::string& name) {
  Picture picture;
  if (!LoadPngResource(locator, name, "", picture)) return {};
  return PictureImage(picture).copy();
}

QColor FromRgb(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

}  // namespace

TFormEndGame::TFormEndGame(const Verdict& verdict, int languageIndex, bool animations,
                           const ResourceLocator& locator, QWidget* parent)
    : QDialog(parent), verdict_(verdict) {
  setWindowTitle(QWord(rows::kCompletionOfGame, languageIndex));
  setModal(true);
  setFixedSize(530, 520);
  setStyleSheet(QStringLiteral("QDialog { background: #f4ecd8; }"));

  picture_ = QImage(400, 460, QImage::Format_ARGB32_Premultiplied);
  picture_.fill(QColor(244, 236, 216));
  QPainter p(&picture_);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  static constexpr int kHeights[4] = {100, 175, 250, 325};
  for (int i = 0; i < 4; ++i) {
    const VerdictLine& line = verdict_.Lines[i];
    if (line.Row < 0) continue;
    QString text = QWord(line.Row, languageIndex) + QString::fromStdString(line.Suffix);
    if (line.SecondRow >= 0)
      text += QWord(line.SecondRow, languageIndex) + QString::fromStdString(line.SecondSuffix);
    QFont font = PixelFont("Comic Sans MS", 1, true);
    font.setPointSize(line.Points);
    // A translation wider than the picture steps down rather than running off it.
    while (font.pointSize() > 10 && QFontMetrics(font).horizontalAdvance(text) > 350)
      font.setPointSize(font.pointSize() - 1);
    p.setFont(font);
    p.setPen(FromRgb(line.Colour));
    TextCentered(p, text, 50, 400, kHeights[i] - p.fontMetrics().ascent());
  }
  if (verdict_.Medal > 0) {
    char place[24];
    std::snprintf(place, sizeof place, "GPlace%02d", verdict_.Medal);
    const QImage medal = OwnPng(locator, "GMedal");
    const QImage number = OwnPng(locator, place);
    if (!medal.isNull()) p.drawImage(173, 370, medal);
    if (!number.isNull())
      p.drawImage(173 + (medal.width() - number.width()) / 2, 370 + (medal.height() - number.height()) / 2,
                  number);
  }
  p.end();
  view_ = new QLabel(this);
  view_->setPixmap(QPixmap::fromImage(picture_));
  view_->setGeometry(0, 0, 400, 460);

  animationView_ = new QLabel(this);
  animationView_->setGeometry(410, 100, 100, 200);
  if (LoadGifResource(locator, verdict_.Animation, "", animation_) && !animation_.Frames.empty()) {
    const int still = std::min<int>(verdict_.StillFrame, animation_.Frames.size()) - 1;
    frame_ = animations ? 0 : std::max(0, still);
    animationView_->setPixmap(QPixmap::fromImage(PictureImage(animation_.Frames[frame_].Image)));
    if (animations && animation_.Frames.size() > 1) {
      connect(&timer_, &QTimer::timeout, this, &TFormEndGame::NextFrame);
      timer_.start(std::max(20, animation_.Frames[0].DelayMs));
    }
  }
  if (verdict_.ClubEmblem) {
    Animation emblem;
    if (LoadGifResource(locator, verdict_.ClubEmblem, "", emblem) && !emblem.Frames.empty()) {
      auto* club = new QLabel(this);
      club->setPixmap(QPixmap::fromImage(PictureImage(emblem.Frames[0].Image))
                          .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
      club->setGeometry(440, 10, 64, 64);
    }
  }
  auto* ok = DialogButton(QWord(rows::kOk, languageIndex), this);
  ok->setGeometry(165, 470, 200, 34);
  ok->setDefault(true);
  ok_ = ok;
  connect(ok_, &QPushButton::clicked, this, [this] {
    timer_.stop();
    accept();
  });
}

void TFormEndGame::NextFrame() {
  const int last = static_cast<int>(animation_.Frames.size()) - 1;
  const int stop = std::min(verdict_.StillFrame - 1, last);
  // The good and best animations play once and stop on their frame; the bad one loops.
  if (!verdict_.Loops && frame_ >= stop) {
    timer_.stop();
    return;
  }
  frame_ = frame_ >= last ? 0 : frame_ + 1;
  animationView_->setPixmap(QPixmap::fromImage(PictureImage(animation_.Frames[frame_].Image)));
  timer_.setInterval(std::max(20, animation_.Frames[frame_].DelayMs));
}

}  // namespace tarnel
