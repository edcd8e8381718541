// A card flying across the window. The flight runs to its end inside the handler that asked for
// it: no event is handled in between, yet every step is on the screen, because each step paints
// the few pixels it changed at once (QWidget::repaint) instead of waiting for the event loop.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "ui/flights/flight_path.h"

namespace tarnel {

// What a flight shows: the window as it was when the flight began, with the card over it.
class FlightOverlay : public QWidget {
 public:
  explicit FlightOverlay(QWidget* window);
  QImage& Work() { return work_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage work_;
};

// The card as it flies. Small cards keep the table in their corners through an AND mask and an
// OR picture; the others are a picture on a key colour that is left out.
struct TSprite {
  int FWidth = 0;
  int FHeight = 0;
  int FLeft = 0;
  int FTop = 0;
  QImage FAndImage, FOrImage;  // small cards
  QImage ImBMP2;               // other sizes: the card on the key colour (1, 2, 3), keyed out

  // `face` is the card's picture: 69 x 94 for small cards (framed here), the rounded picture of
  // the card's size otherwise.
  static TSprite Create(int left, int top, int right, int bottom, const QImage& face, bool small);
};

class CardFlight {
 public:
  explicit CardFlight(QWidget& window);

  // Flies the sprite's card from (x1, y1) to (x2, y2) in window coordinates at a speed 1-6; with
  // `eraseAtEnd` the card is gone from the screen when it arrives.
  void FlyCard(int x1, int y1, int x2, int y2, const QImage& face, bool small, int speed,
               bool eraseAtEnd);
  bool CardFlying() const { return flying_; }
  FlightPacer& Pacer() { return pacer_; }
  // Steps drawn by the last flight (for tests and benchmarks).
  int LastSteps() const { return lastSteps_; }
  // Called after each drawn step with its number (1-based) and what the window shows; tools use
  // it to catch a flight mid-way.
  std::function<void(int step, const QImage& shown)> AfterStep;

 private:
  void DrawStep(TSprite& sprite, const QImage& background, int x, int y);

  QWidget& window_;
  FlightOverlay* overlay_;
  FlightPacer pacer_;
  bool flying_ = false;
  int lastSteps_ = 0;
};

}  // namespace tarnel
