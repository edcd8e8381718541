#include "records/t_form_top_ten.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

#include "core/cp1251.h"
#include "ui/button/t_qel_cards_button.h"
#include "ui/painting/program_fonts.h"
#include "ui/painting/text_helpers.h"
#include "ui/pictures/picture_image.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

// A small animation of the dialog: it plays while animations are on.
QLabel* AnimationLabel(QWidget* parent, const ResourceLocator& locator, const char* name,
                       bool animations) {
  auto* label = new QLabel(parent);
  auto animation = std::make_shared<Animation>();
  if (!LoadGifResource(locator, name, "", *animation) || animation->Frames.empty()) return label;
  label->setPixmap(QPixmap::fromImage(PictureImage(animation->Frames[0].Image)));
  if (animations && animation->Frames.size() > 1) {
    auto* timer = new QTimer(label);
    auto frame = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, label, [label, animation, frame, timer] {
      *frame = (*frame + 1) % static_cast<int>(animation->Frames.size());
      label->setPixmap(QPixmap::fromImage(PictureImage(animation->Frames[*frame].Image)));
      timer->setInterval(std::max(20, animation->Frames[*frame].DelayMs));
    });
    timer->start(std::max(20, animation->Frames[0].DelayMs));
  }
  return label;
}

}  // namespace

TFormTopTen::TFormTopTen(const std::optional<ClubLines>& club, bool networkMode,
                         int languageIndex, bool animations, const ResourceLocator& locator,
                         QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QWord(rows::kTopTen, languageIndex));
  setModal(true);
  setFixedSize(450, 570 + 130);
  picture_ = QImage(450, 570, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&picture_);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient paper(0, 0, 0, 570);
  paper.setColorAt(0, QColor(255, 248, 225));
  paper.setColorAt(1, QColor(236, 222, 186));
  p.fillRect(picture_.rect(), paper);
  p.setPen(QPen(QColor(150, 100, 30), 3));
  p.drawRoundedRect(QRectF(12, 12, 426, 546), 14, 14);
  p.setFont(PixelFont("Comic Sans MS", 20, true));
  p.setPen(QColor(40, 20, 10));
  TextCentered(p, QWord(networkMode ? rows::kBoardNetGames : rows::kBoardLocalGames, languageIndex),
               0, 450, 85 - p.fontMetrics().ascent());
  p.setPen(QColor(128, 0, 0));
  p.setFont(PixelFont("Comic Sans MS", 18, true));
  TextCentered(p, QWord(rows::kTopTen, languageIndex), 70, 230, 120 - p.fontMetrics().ascent());
  TextCentered(p, QWord(rows::kOrderScore, languageIndex), 250, 400, 120 - p.fontMetrics().ascent());
  p.setFont(PixelFont("Comic Sans MS", 18));
  for (int n = 1; n <= kTopTenPlaces && club; ++n) {
    const std::string& entry = (*club)[kMemberSlots + n - 1];
    const int y = 150 + 33 * (n - 1);
    p.setPen(n <= 3 ? QColor(255, 0, 0) : QColor(0, 0, 128));
    const int top = y - p.fontMetrics().ascent();
    p.drawText(70, y, QString::number(n) + ".");
    p.drawText(95, y, QString::fromStdString(Cp1251ToUtf8(TopTenName(entry))).trimmed());
    TextRight(p, QString::fromStdString(std::string(TopTenScore(entry))).trimmed(), 380, top);
  }
  p.end();
  auto* view = new QLabel(this);
  view->setPixmap(QPixmap::fromImage(picture_));
  view->setGeometry(0, 0, 450, 570);
  QLabel* left = AnimationLabel(this, locator, "GTopTen", animations);
  left->setGeometry(40, 575, 200, 80);
  QLabel* right = AnimationLabel(this, locator, networkMode ? "GClubG" : "GClubF", animations);
  right->setGeometry(330, 575, 80, 80);
  auto* ok = DialogButton(QWord(rows::kOk, languageIndex), this);
  ok->setGeometry(125, 660, 200, 32);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tarnel
