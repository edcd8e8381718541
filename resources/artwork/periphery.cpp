// Pictures of the main window's surroundings: the menu's lamps and the title's runners, the news
// and chat indicators, the radio panel, the tournament server state and the "new" mark.
#include <cmath>

#include "art.h"

namespace tarnel::art {
namespace {

QImage Lamp(QColor colour, bool lit) {
  QImage img = NewImage(20, 30);
  QPainter p(&img);
  SetupPainter(p);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Vertical(QRectF(6, 22, 8, 7), QColor(200, 200, 200), QColor(90, 90, 90)));
  p.drawRect(QRectF(6, 22, 8, 7));
  QRadialGradient g(QPointF(8, 9), 12);
  g.setColorAt(0, lit ? QColor(255, 255, 240) : colour.darker(200));
  g.setColorAt(0.5, lit ? colour.lighter(130) : colour.darker(260));
  g.setColorAt(1, lit ? colour : colour.darker(320));
  p.setBrush(g);
  p.drawEllipse(QRectF(2.5, 1.5, 15, 21));
  return img;
}

QImage Strip(const std::vector<QImage>& images) {
  int w = 0, h = 0;
  for (const auto& i : images) {
    w += i.width();
    h = std::max(h, i.height());
  }
  QImage strip = NewImage(w, h);
  QPainter p(&strip);
  int x = 0;
  for (const auto& i : images) {
    p.drawImage(x, 0, i);
    x += i.width();
  }
  return strip;
}

QImage Runner(int suit) {
  QImage img = NewImage(24, 24);
  QPainter p(&img);
  SetupPainter(p);
  QRadialGradient g(QPointF(9, 9), 16);
  g.setColorAt(0, QColor(255, 245, 200));
  g.setColorAt(1, QColor(210, 160, 40));
  p.setPen(QPen(QColor(120, 80, 10), 1));
  p.setBrush(g);
  p.drawEllipse(QRectF(1, 1, 22, 22));
  p.setPen(Qt::NoPen);
  p.setBrush(SuitColour(suit));
  p.drawPath(SuitPath(suit, QRectF(6, 5.5, 12, 13)));
  return img;
}

std::vector<QImage> Siren(QColor colour) {
  std::vector<QImage> frames;
  for (int f = 0; f < 8; ++f) {
    QImage img = NewImage(40, 40);
    QPainter p(&img);
    SetupPainter(p);
    double a = f * 45.0;
    // Beams turning round the lamp.
    QConicalGradient beam(QPointF(20, 20), a);
    QColor glow = colour;
    glow.setAlpha(170);
    beam.setColorAt(0, glow);
    beam.setColorAt(0.12, QColor(255, 255, 255, 0));
    beam.setColorAt(0.5, glow);
    beam.setColorAt(0.62, QColor(255, 255, 255, 0));
    beam.setColorAt(1, glow);
    p.setPen(Qt::NoPen);
    p.setBrush(beam);
    p.drawEllipse(QPointF(20, 20), 19, 19);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(Vertical(QRectF(9, 30, 22, 7), QColor(160, 160, 170), QColor(60, 60, 70)));
    p.drawRoundedRect(QRectF(9, 30, 22, 7), 2, 2);
    QRadialGradient dome(QPointF(17, 17), 14);
    dome.setColorAt(0, colour.lighter(180));
    dome.setColorAt(1, colour.darker(120));
    p.setBrush(dome);
    p.drawChord(QRectF(11, 12, 18, 36), 0, 180 * 16);
    frames.push_back(img);
  }
  return frames;
}

QImage Shelf() {
  QImage img = NewImage(220, 125);
  QPainter p(&img);
  SetupPainter(p);
  QRectF wall(0, 0, 220, 110);
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(wall, QColor(0, 0, 0, 0), QColor(0, 0, 0, 70)));
  p.drawRect(wall);
  QRectF plank(2, 104, 216, 14);
  p.setPen(QPen(QColor(70, 40, 15), 1));
  p.setBrush(Vertical(plank, QColor(190, 130, 70), QColor(110, 66, 30)));
  p.drawRoundedRect(plank, 3, 3);
  for (double x : {30.0, 190.0}) {
    QPolygonF bracket;
    bracket << QPointF(x - 4, 118) << QPointF(x + 4, 118) << QPointF(x + 4, 124)
            << QPointF(x - 4, 124);
    p.drawPolygon(bracket);
  }
  return img;
}

QImage Newspaper() {
  QImage img = NewImage(72, 72);
  QPainter p(&img);
  SetupPainter(p);
  p.save();
  p.translate(36, 38);
  p.rotate(-8);
  QRectF sheet(-26, -30, 52, 60);
  p.setPen(QPen(QColor(80, 80, 80), 1));
  p.setBrush(QColor(246, 244, 236));
  p.drawRect(sheet);
  p.setFont(Font("Liberation Serif", 12, true));
  p.setPen(QColor(30, 30, 30));
  p.drawText(QRectF(-24, -29, 48, 14), Qt::AlignCenter, "NEWS");
  p.setPen(QPen(QColor(140, 140, 140), 1.5));
  for (int i = 0; i < 6; ++i)
    p.drawLine(QPointF(-22, -10 + i * 6), QPointF(i % 3 == 2 ? 4 : 22, -10 + i * 6));
  p.setBrush(QColor(70, 120, 200));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(8, -10, 14, 14));
  p.restore();
  return img;
}

QImage ChatBubbles() {
  QImage img = NewImage(72, 72);
  QPainter p(&img);
  SetupPainter(p);
  auto bubble = [&](QRectF r, QColor c, bool tailLeft) {
    QPainterPath b;
    b.addRoundedRect(r, 10, 10);
    QPolygonF tail;
    double x = tailLeft ? r.left() + 10 : r.right() - 10;
    tail << QPointF(x - 5, r.bottom() - 2) << QPointF(x + 5, r.bottom() - 2)
         << QPointF(x + (tailLeft ? -8 : 8), r.bottom() + 10);
    b.addPolygon(tail);
    b.setFillRule(Qt::WindingFill);
    p.setPen(QPen(c.darker(160), 1.2));
    p.setBrush(Vertical(r, c.lighter(130), c));
    p.drawPath(b.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (int i = 0; i < 3; ++i)
      p.drawEllipse(QPointF(r.center().x() - 9 + i * 9, r.center().y()), 2.5, 2.5);
  };
  bubble(QRectF(4, 6, 44, 28), QColor(60, 140, 220), true);
  bubble(QRectF(24, 30, 44, 28), QColor(240, 150, 40), false);
  return img;
}

QImage Radio() {
  QImage img = NewImage(96, 72);
  QPainter p(&img);
  SetupPainter(p);
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.drawLine(QPointF(66, 22), QPointF(84, 2));
  QRectF body(4, 20, 88, 50);
  p.setPen(QPen(QColor(60, 30, 10), 1.2));
  p.setBrush(Vertical(body, QColor(170, 100, 50), QColor(100, 55, 20)));
  p.drawRoundedRect(body, 8, 8);
  QRectF grille(10, 27, 40, 36);
  p.setBrush(QColor(235, 225, 200));
  p.drawRoundedRect(grille, 5, 5);
  p.setPen(QPen(QColor(120, 100, 70), 1));
  for (int i = 0; i < 6; ++i)
    p.drawLine(QPointF(13, 31 + i * 5.5), QPointF(47, 31 + i * 5.5));
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(QColor(250, 230, 150));
  p.drawRect(QRectF(56, 28, 30, 12));
  p.setBrush(QColor(60, 60, 60));
  p.drawEllipse(QPointF(63, 54), 6, 6);
  p.drawEllipse(QPointF(80, 54), 6, 6);
  return img;
}

QImage StateLamp(QColor colour) {
  QImage img = NewImage(24, 24);
  QPainter p(&img);
  SetupPainter(p);
  QRadialGradient g(QPointF(9, 9), 14);
  g.setColorAt(0, colour.lighter(190));
  g.setColorAt(1, colour.darker(130));
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.setBrush(g);
  p.drawEllipse(QRectF(2, 2, 20, 20));
  return img;
}

QImage Server(bool on) {
  QImage img = NewImage(32, 32);
  QPainter p(&img);
  SetupPainter(p);
  for (int i = 0; i < 3; ++i) {
    QRectF unit(4, 3 + i * 9, 24, 8);
    p.setPen(QPen(QColor(40, 40, 50), 1));
    p.setBrush(Vertical(unit, QColor(150, 155, 170), QColor(90, 95, 110)));
    p.drawRoundedRect(unit, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(on ? QColor(40, 230, 70) : QColor(230, 40, 40));
    p.drawEllipse(QPointF(23, 7 + i * 9), 2, 2);
  }
  return img;
}

QImage NewMark() {
  QImage img = NewImage(30, 14);
  QPainter p(&img);
  SetupPainter(p);
  p.setPen(QPen(QColor(120, 0, 0), 1));
  p.setBrush(Vertical(QRectF(0, 0, 30, 14), QColor(255, 80, 60), QColor(200, 0, 0)));
  p.drawRoundedRect(QRectF(0.5, 0.5, 29, 13), 4, 4);
  p.setFont(Font("Liberation Sans", 10, true));
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, 30, 14), Qt::AlignCenter, "NEW");
  return img;
}

// A side panel of the main menu (100 x 200): a lamp bar on top, a framed column with two suits
// and a fanned pair of cards below; the lamps are drawn over it by the menu.
QImage SidePanel(int suitA, int suitB) {
  QImage img = NewImage(100, 200);
  QPainter p(&img);
  SetupPainter(p);
  const QRectF bar(6, 6, 88, 44);
  p.setPen(QPen(QColor(90, 50, 10), 1.5));
  p.setBrush(Vertical(bar, QColor(120, 70, 25), QColor(60, 30, 8)));
  p.drawRoundedRect(bar, 12, 12);
  const QRectF column(14, 56, 72, 138);
  p.setBrush(Vertical(column, QColor(255, 236, 180), QColor(215, 175, 95)));
  p.setPen(QPen(QColor(120, 70, 20), 2));
  p.drawRoundedRect(column, 8, 8);
  p.setPen(QPen(QColor(160, 110, 40), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(column.adjusted(5, 5, -5, -5), 5, 5);
  for (int i = 0; i < 2; ++i) {
    const int suit = i == 0 ? suitA : suitB;
    p.setPen(QPen(SuitColour(suit).darker(150), 1));
    p.setBrush(SuitColour(suit));
    p.drawPath(SuitPath(suit, QRectF(32, 72 + i * 62, 36, 40)));
  }
  return img;
}

}  // namespace

void AddPeriphery(Sink& sink) {
  sink.Png("PngMenu1", SidePanel(kHearts, kClubs));
  sink.Png("PngMenu2", SidePanel(kDiamonds, kSpades));
  // Side-panel lamps of the main menu (one 20 x 30 image per state: off, red, green, yellow).
  sink.Png("MenuLamps", Strip({Lamp(QColor(200, 40, 40), false), Lamp(QColor(230, 30, 30), true),
                               Lamp(QColor(40, 210, 70), true), Lamp(QColor(250, 210, 30), true)}));
  // The four pictures that run round the title screen (24 x 24 each).
  sink.Png("TitleList",
           Strip({Runner(kHearts), Runner(kDiamonds), Runner(kClubs), Runner(kSpades)}));
  sink.Gif("GSirenaB", Siren(QColor(40, 110, 240)), 90);
  sink.Gif("GSirenaR", Siren(QColor(230, 30, 30)), 90);
  sink.Png("GPolkaNw", Shelf());
  sink.Png("GNews072", Newspaper());
  sink.Png("GChat072", ChatBubbles());
  sink.Png("GRadioA", Radio());
  sink.Png("GRadioB", StateLamp(QColor(110, 120, 150)));
  sink.Png("GRadioR", StateLamp(QColor(220, 30, 30)));
  sink.Png("GRadioG", StateLamp(QColor(30, 200, 60)));
  sink.Png("GTourOn", Server(true));
  sink.Png("GTourOff", Server(false));
  sink.Png("GNew", NewMark());
}

}  // namespace tarnel::art
