#include "ui/painting/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarnel {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::Place(const Rect& rect) {
  setGeometry(rect.Left, rect.Top, std::max(1, rect.Width), std::max(1, rect.Height));
  if (surface_.size() != size()) {
    QImage grown(size(), QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    QPainter p(&grown);
    p.drawImage(0, 0, surface_);
    surface_ = std::move(grown);
  }
}

void PictureBox::CopyBackground(const QImage& background) {
  QPainter p(&surface_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(surface_.rect(), Qt::black);
  p.drawImage(-x(), -y(), background);
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, surface_);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (rect().contains(at)) {
    if (event->button() == Qt::LeftButton) emit Clicked(at.x(), at.y());
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
      emit Released(at.x(), at.y(), event->button() == Qt::RightButton);
  }
  QWidget::mouseReleaseEvent(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit Moved(at.x(), at.y());
  QWidget::mouseMoveEvent(event);
}

void PictureBox::enterEvent(QEnterEvent* event) {
  emit Entered();
  QWidget::enterEvent(event);
}

void PictureBox::leaveEvent(QEvent* event) {
  emit Left();
  QWidget::leaveEvent(event);
}

}  // namespace tarnel
