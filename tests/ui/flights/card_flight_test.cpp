#include "ui/flights/card_flight.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "offscreen_app.h"

namespace tarnel {
namespace {

// A window with a pattern, so that any trace a card left would show.
class Table : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    for (int y = 0; y < height(); y += 10)
      for (int x = 0; x < width(); x += 10)
        p.fillRect(x, y, 10, 10, ((x + y) / 10) % 2 ? QColor(0, 100, 0) : QColor(0, 130, 20));
  }
};

QImage Card(int width, int height) {
  QImage card(width, height, QImage::Format_ARGB32_Premultiplied);
  card.fill(QColor(250, 250, 240));
  return card;
}

TEST(CardFlight, ACardLeavingTheWindowLeavesNoTraceAndShowsOnEveryStep) {
  testing::OffscreenApp();
  Table window;
  window.resize(300, 200);
  window.show();
  const QImage before = window.grab().toImage();
  CardFlight flight(window);
  int steps = 0;
  bool seenMidWay = false;
  flight.AfterStep = [&](int step, const QImage& shown) {
    steps = step;
    EXPECT_TRUE(flight.CardFlying());
    // Half-way the card's body is on the table: the pattern is covered there.
    if (step == 60) {
      seenMidWay = true;
      EXPECT_EQ(shown.pixel(100 + 35, 40 + 48), QColor(250, 250, 240).rgb());
    }
  };
  // From the middle up and out past the top edge, as a collected trick leaves.
  flight.FlyCard(100, 100, 100, -96, Card(69, 94), true, 5, true);
  EXPECT_TRUE(seenMidWay);
  EXPECT_EQ(steps, 196);
  EXPECT_EQ(flight.LastSteps(), 196);
  EXPECT_FALSE(flight.CardFlying());
  EXPECT_EQ(window.grab().toImage(), before);

  // The large-card sprite keys out its corners and leaves nothing behind either.
  flight.FlyCard(20, 20, 250, 210, Card(146, 198), false, 6, true);
  EXPECT_EQ(window.grab().toImage(), before);
}

TEST(TSprite, SmallCardsKeepTheTableInTheirCornersThroughTheMasks) {
  testing::OffscreenApp();
  const TSprite s = TSprite::Create(0, 0, 71, 96, Card(69, 94), true);
  EXPECT_EQ(s.FWidth, 71);
  EXPECT_EQ(s.FHeight, 96);
  // Corners: the AND mask keeps the table (white) and the OR picture adds nothing (black).
  for (QPoint c : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)}) {
    EXPECT_EQ(s.FAndImage.pixel(c) & 0xFFFFFF, 0xFFFFFFu) << c.x() << "," << c.y();
    EXPECT_EQ(s.FOrImage.pixel(c) & 0xFFFFFF, 0u);
  }
  // Inside: the mask clears the table and the picture brings the face, framed by black.
  EXPECT_EQ(s.FAndImage.pixel(35, 48) & 0xFFFFFF, 0u);
  EXPECT_EQ(s.FOrImage.pixel(35, 48), QColor(250, 250, 240).rgb());
  EXPECT_EQ(s.FOrImage.pixel(35, 0) & 0xFFFFFF, 0u);
}

}  // namespace
}  // namespace tarnel
