// A picture box: a widget that owns a drawing surface of exactly its own size and shows it.
#pragma once

#include <QImage>
#include <QWidget>

#include "ui/layout/window_layout.h"

namespace tarnel {

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // Moves and resizes the box; the surface follows the size (its content is kept where it fits).
  void Place(const Rect& rect);
  QImage& Surface() { return surface_; }
  const QImage& Surface() const { return surface_; }
  // Copies the piece of `background` (drawn at the window's origin) that lies under the box.
  void CopyBackground(const QImage& background);
  // Shows what was drawn on the surface.
  void Refresh() { update(); }

 signals:
  void Clicked(int x, int y);
  // Every mouse release over the box (left or right button), and moves while tracking.
  void Released(int x, int y, bool rightButton);
  void Moved(int x, int y);
  void Entered();
  void Left();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QImage surface_;
};

}  // namespace tarnel
