#include "ui/flights/touch_burst.h"

#include <QCursor>
#include <QPainter>
#include <chrono>
#include <thread>

#include "ui/flights/card_flight.h"
#include "ui/pictures/picture_image.h"
#include "ui/pictures/picture_names.h"

namespace tarnel {

bool TouchBurst(QWidget& window, const ResourceLocator& locator) {
  Picture strip;
  if (!LoadPngResource(locator, "GTouch", kGraphicsLibrary, strip)) return false;
  if (strip.Width < kTouchSize * kTouchFrames || strip.Height < kTouchSize) return false;
  const QImage frames = PictureImage(strip).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QPoint centre = window.mapFromGlobal(QCursor::pos());
  const QRect area(centre.x() - kTouchSize / 2, centre.y() - kTouchSize / 2, kTouchSize,
                   kTouchSize);
  FlightOverlay overlay(&window);
  const QImage saved = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  overlay.Work() = saved.copy();
  overlay.setGeometry(window.rect());
  overlay.show();
  overlay.raise();
  overlay.repaint();
  for (int i = 0; i < kTouchFrames; ++i) {
    QPainter p(&overlay.Work());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(area.topLeft(), saved, area);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(area.topLeft(), frames, QRect(i * kTouchSize, 0, kTouchSize, kTouchSize));
    p.end();
    overlay.repaint(area);
    std::this_thread::sleep_for(std::chrono::milliseconds(12));
  }
  overlay.hide();
  return true;
}

}  // namespace tarnel
