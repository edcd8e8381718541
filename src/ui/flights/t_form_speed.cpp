#include "ui/flights/t_form_speed.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSlider>

#include "ui/button/t_qel_cards_button.h"
#include "ui/flights/flight_path.h"
#include "ui/flights/touch_burst.h"
#include "ui/layout/window_layout.h"
#include "ui/painting/program_fonts.h"
#include "ui/painting/text_helpers.h"
#include "ui/pictures/picture_image.h"
#include "ui/pictures/picture_names.h"
#include "ui/settings/settings.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_rows.h"
#include "ui/words/word_table.h"

namespace tarnel {
namespace {

// The dialog's own picture: a card rushing past, drawn for the dialog.
QPixmap SpeedPicture() {
  QPixmap pixmap(128, 128);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 5; ++i) {
    p.setPen(QPen(QColor(200, 30, 30, 60 + 35 * i), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8 + 6 * i, 40 + 12 * i), QPointF(48 + 6 * i, 40 + 12 * i));
  }
  p.translate(78, 64);
  p.rotate(12);
  p.setPen(QPen(QColor(60, 20, 20), 1.5));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(-28, -40, 56, 80), 6, 6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(210, 20, 30));
  QPainterPath heart;
  heart.moveTo(0, 14);
  heart.cubicTo(-26, -4, -12, -26, 0, -10);
  heart.cubicTo(12, -26, 26, -4, 0, 14);
  p.drawPath(heart);
  return pixmap;
}

}  // namespace

TFormSpeed::TFormSpeed(Settings& settings, const ResourceLocator& locator, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      locator_(locator),
      look_(settings, locator, {"GFormSpeed", "Speed", "GIcon48Speed", rows::kSpeed}) {
  const int language = settings_.LanguageIndex;

  setWindowTitle(QWord(rows::kChoiceOfSpeed, language));
  setModal(true);
  image0_ = new QLabel(this);
  image1_ = new QLabel(this);
  image1_->setPixmap(SpeedPicture());
  panel1_ = new QWidget(this);
  panel1_->setStyleSheet(QStringLiteral("background: #ff0000;"));
  label0_ = new QLabel(QWord(rows::kSelectFlightSpeed, language), this);
  label0_->setWordWrap(true);
  trackBar1_ = new QSlider(Qt::Horizontal, this);
  trackBar1_->setRange(kSlowestSpeed, kFastestSpeed);
  trackBar1_->setPageStep(1);
  trackBar1_->setTickPosition(QSlider::TicksBelow);
  trackBar1_->setValue(std::clamp(settings_.FlySpeed, 1, 6));
  connect(trackBar1_, &QSlider::valueChanged, this, [this](int v) { settings_.FlySpeed = v; });
  for (int n = 0; n < 6; ++n)
    labels_[n] = new QLabel(QString::number(n + 1), this);
  button1_ = new TQelCardsButton(QWord(rows::kOk, language), this);
  button1_->setDefault(true);
  connect(button1_, &QPushButton::clicked, this, [this] {
    if (settings_.SaluteButtons) TouchBurst(*this, locator_);
    accept();
  });
  connect(&timer48_, &QTimer::timeout, this, &TFormSpeed::Timer48Timer);
  connect(this, &QDialog::finished, &timer48_, &QTimer::stop);

  const FontChoice fonts = FontsOfSettings(settings_);
  button1_->setFont(PixelFont(fonts.LargeFont, FontHeight(20, FontRole::Decor, fonts), true));
  const QFont labelFont = PixelFont(fonts.LargeFont, FontHeight(20, FontRole::Serif, fonts), true);
  label0_->setFont(labelFont);
  for (QLabel* l : labels_)
    l->setFont(labelFont);

  // The header of the gray designs.
  image0_->setPixmap(QPixmap::fromImage(look_.Header({}, palette().button().color())));
  LayOutFor(look_.Look());
  timer48_.start(65);
}

void TFormSpeed::LayOutFor(DialogLook look) {
  struct Row {
    int Width, Height, Image0Height, Panel1Top, Image1Left, Image1Top, Label0Left, Label0Top,
        TrackLeft, TrackTop, LabelsTop, ButtonLeft, ButtonTop, ButtonWidth;
  };
  static constexpr Row kRows[] = {
      {310, 260, 48, 55, 10, 70, 140, 80, 140, 120, 160, 5, 205, 300},    // concise
      {310, 275, 64, 70, 10, 85, 140, 95, 140, 135, 175, 5, 220, 300},    // aristocratic
      {310, 295, 90, 95, 10, 105, 140, 115, 140, 155, 195, 5, 240, 300},  // ribbons
      {340, 280, 0, 0, 0, 0, 159, 120, 158, 164, 195, 10, 225, 320},      // purple
  };
  const Row& r = kRows[static_cast<int>(look) - 1];
  setFixedSize(r.Width, r.Height);
  const bool purple = look == DialogLook::Purple;
  image0_->setVisible(!purple);
  panel1_->setVisible(!purple);
  image1_->setVisible(!purple);
  image0_->setGeometry(5, 0, 300, r.Image0Height);
  panel1_->setGeometry(5, r.Panel1Top, 300, 2);
  image1_->setGeometry(r.Image1Left, r.Image1Top, 128, 128);
  label0_->setGeometry(r.Label0Left, r.Label0Top, r.Width - r.Label0Left - 8, 40);
  // A long translation takes a smaller font rather than losing its end.
  QFont font = label0_->font();
  while (font.pixelSize() > 9 && QFontMetrics(font)
                                         .boundingRect(QRect(0, 0, label0_->width(), 1000),
                                                       Qt::TextWordWrap, label0_->text())
                                         .height() > label0_->height()) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  label0_->setFont(font);
  trackBar1_->setGeometry(r.TrackLeft, r.TrackTop, 150, 30);
  static constexpr int kPurpleLefts[6] = {162, 187, 212, 236, 260, 285};
  for (int n = 0; n < 6; ++n)
    labels_[n]->setGeometry(purple ? kPurpleLefts[n] : 145 + 25 * n, r.LabelsTop, 20, 24);
  button1_->setGeometry(r.ButtonLeft, r.ButtonTop, r.ButtonWidth, 34);
  const QColor text = purple ? kPurpleDialogText : QColor(Qt::black);
  for (QLabel* l : labels_)
    l->setStyleSheet(QStringLiteral("color: %1;").arg(text.name()));
  label0_->setStyleSheet(QStringLiteral("color: %1;").arg(text.name()));
  look_.StyleButton(*button1_);
}

void TFormSpeed::paintEvent(QPaintEvent* event) {
  if (!look_.Purple()) {
    QDialog::paintEvent(event);
    return;
  }
  QPainter p(this);
  look_.PaintPurple(p, rect());
  look_.PaintIcon(p, QPoint(55, 138));
}

void TFormSpeed::Timer48Timer() {
  static constexpr int kIntervals[6] = {110, 95, 80, 65, 40, 25};
  timer48_.setInterval(kIntervals[std::clamp(settings_.FlySpeed, 1, 6) - 1]);
  if (look_.Purple()) {
    look_.NextIconFrame();
    update(55, 138, 48, 48);
  }
}

}  // namespace tarnel
