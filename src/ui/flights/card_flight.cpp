#include "ui/flights/card_flight.h"

#include <QPaintEvent>
#include <QPainter>
#include <chrono>
#include <thread>

namespace tarnel {
namespace {

constexpr QRgb kKey = qRgb(1, 2, 3);

}  // namespace

FlightOverlay::FlightOverlay(QWidget* window) : QWidget(window) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  hide();
}

void FlightOverlay::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), work_, event->rect());
}

TSprite TSprite::Create(int left, int top, int right, int bottom, const QImage& face, bool small) {
  TSprite s;
  s.FLeft = left;
  s.FTop = top;
  s.FWidth = right - left;
  s.FHeight = bottom - top;
  const int w = s.FWidth, h = s.FHeight;
  if (small) {
    s.FAndImage = QImage(w, h, QImage::Format_RGB32);
    s.FAndImage.fill(Qt::white);
    {
      QPainter p(&s.FAndImage);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::black);
      p.drawRoundedRect(QRectF(0, 0, w, h), 1.5, 1.5);
    }
    s.FOrImage = QImage(w, h, QImage::Format_RGB32);
    s.FOrImage.fill(Qt::black);
    {
      QPainter p(&s.FOrImage);
      p.drawImage(1, 1, face);
    }
    const QPoint corners[] = {{0, 0},      {1, 0},     {0, 1},      {w - 2, 0},
                              {w - 1, 0},  {w - 1, 1}, {0, 95},     {1, 95},
                              {0, 94},     {w - 2, 95}, {w - 1, 95}, {w - 1, 94}};
    for (QPoint c : corners)
      if (s.FOrImage.rect().contains(c)) s.FOrImage.setPixel(c, qRgb(0, 0, 0));
    // The AND mask keeps the table where the OR picture is black outside the rounded card.
    for (QPoint c : corners)
      if (s.FAndImage.rect().contains(c)) s.FAndImage.setPixel(c, qRgb(255, 255, 255));
    return s;
  }
  QImage keyed(w, h, QImage::Format_RGB32);
  keyed.fill(kKey);
  {
    QPainter p(&keyed);
    p.drawImage(0, 0, face);
  }
  // The key colour is left out when the sprite is drawn.
  s.ImBMP2 = keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage mask = keyed.createMaskFromColor(kKey, Qt::MaskOutColor);
  s.ImBMP2.setAlphaChannel(mask.convertToFormat(QImage::Format_Grayscale8));
  return s;
}

CardFlight::CardFlight(QWidget& window) : window_(window), overlay_(new FlightOverlay(&window)) {}

void CardFlight::DrawStep(TSprite& sprite, const QImage& background, int x, int y) {
  const QRect old(sprite.FLeft, sprite.FTop, sprite.FWidth, sprite.FHeight);
  sprite.FLeft = x;
  sprite.FTop = y;
  QImage& work = overlay_->Work();
  QPainter p(&work);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(old.topLeft(), background, old);
  if (!sprite.FAndImage.isNull()) {
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(x, y, sprite.FAndImage);
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(x, y, sprite.FOrImage);
  } else {
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(x, y, sprite.ImBMP2);
  }
  p.end();
  // One copy both erases the old place and shows the new one: a step moves at most a pixel.
  overlay_->repaint(old.adjusted(-2, -2, 4, 4).united(QRect(x, y, sprite.FWidth, sprite.FHeight)));
}

void CardFlight::FlyCard(int x1, int y1, int x2, int y2, const QImage& face, bool small, int speed,
                         bool eraseAtEnd) {
  if (face.isNull()) return;
  const int width = small ? face.width() + 2 : face.width();
  const int height = small ? face.height() + 2 : face.height();
  const QImage background =
      window_.grab().toImage().convertToFormat(QImage::Format_RGB32);
  overlay_->Work() = background.copy();
  overlay_->setGeometry(window_.rect());
  overlay_->raise();
  overlay_->show();
  TSprite sprite = TSprite::Create(x1, y1, x1 + width, y1 + height, face, small);
  flying_ = true;
  DrawStep(sprite, background, x1, y1);
  overlay_->repaint();
  const std::vector<FlightPoint> steps = FlightSteps(x1, y1, x2, y2, speed);
  lastSteps_ = static_cast<int>(steps.size());
  int drawn = 0;
  for (const FlightPoint& at : steps) {
    DrawStep(sprite, background, at.X, at.Y);
    if (AfterStep) AfterStep(++drawn, overlay_->Work());
    const int ms = pacer_.PauseAfterStep(speed);
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
  if (eraseAtEnd) {
    QPainter p(&overlay_->Work());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect last(sprite.FLeft, sprite.FTop, sprite.FWidth, sprite.FHeight);
    p.drawImage(last.topLeft(), background, last);
    p.end();
    overlay_->repaint(last.adjusted(-2, -2, 2, 2));
  }
  overlay_->hide();
  flying_ = false;
}

}  // namespace tarnel
