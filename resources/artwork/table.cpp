// The table: the felt cloth, the stock plates, score boards, frames, name plates, move markers,
// clock digits, medals and place numbers.
#include <QRandomGenerator>

#include <array>
#include <cmath>

#include "art.h"

namespace tarnel::art {
namespace {

// Green felt: soft clouds, fine grain, stray fibres and darker edges.
QImage Felt(int w, int h) {
  QRandomGenerator random(20221018);
  QImage clouds(48, 32, QImage::Format_RGB32);
  for (int y = 0; y < clouds.height(); ++y)
    for (int x = 0; x < clouds.width(); ++x) {
      int v = 118 + static_cast<int>(random.bounded(20));
      clouds.setPixel(x, y, qRgb(v, v, v));
    }
  clouds = clouds.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QImage felt(w, h, QImage::Format_RGB32);
  const QColor base(22, 104, 50);
  double cx = w / 2.0, cy = h / 2.0;
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(felt.scanLine(y));
    const auto* cloud = reinterpret_cast<const QRgb*>(clouds.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      double shade = qRed(cloud[x]) / 128.0;
      double dx = (x - cx) / cx, dy = (y - cy) / cy;
      double vignette = 1.0 - 0.28 * std::min(1.0, 0.5 * (dx * dx + dy * dy));
      double grain = (static_cast<int>(random.bounded(17)) - 8) / 255.0;
      auto ch = [&](int c) {
        double v = c / 255.0 * shade * vignette + grain;
        return std::clamp(static_cast<int>(v * 255 + 0.5), 0, 255);
      };
      row[x] = qRgb(ch(base.red()), ch(base.green()), ch(base.blue()));
    }
  }
  QPainter p(&felt);
  SetupPainter(p);
  int fibres = w * h / 90;
  for (int i = 0; i < fibres; ++i) {
    double x = random.bounded(static_cast<double>(w)), y = random.bounded(static_cast<double>(h));
    double a = random.bounded(2 * M_PI), len = 2 + random.bounded(5.0) * w / 760;
    bool light = random.bounded(2) == 0;
    p.setPen(QPen(light ? QColor(120, 200, 130, 34) : QColor(0, 40, 10, 40), 0.8));
    p.drawLine(QPointF(x, y), QPointF(x + len * std::cos(a), y + len * std::sin(a)));
  }
  return felt;
}

// A wooden frame with light inset fields at the given rectangles (base pixels).
QImage Board(int w, int h, double scale, const std::vector<QRectF>& fields, QColor wood) {
  QImage img = NewImage(static_cast<int>(w * scale), static_cast<int>(h * scale));
  QPainter p(&img);
  SetupPainter(p);
  p.scale(scale, scale);
  QRectF outer(0.5, 0.5, w - 1, h - 1);
  p.setPen(QPen(wood.darker(220), 1));
  p.setBrush(Vertical(outer, wood.lighter(135), wood.darker(125)));
  p.drawRoundedRect(outer, 7, 7);
  // Grain lines across the wood.
  p.setPen(QPen(QColor(60, 30, 10, 40), 0.6));
  for (double y = 4; y < h - 3; y += 3.3) {
    QPainterPath grain;
    grain.moveTo(4, y);
    grain.cubicTo(w * 0.3, y + 1.2, w * 0.6, y - 1.2, w - 4, y + 0.5);
    p.drawPath(grain);
  }
  p.setPen(QPen(QColor(255, 230, 170, 140), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(outer.adjusted(3, 3, -3, -3), 5, 5);
  for (const auto& f : fields) {
    p.setPen(QPen(wood.darker(200), 1));
    p.setBrush(Vertical(f, QColor(236, 230, 212), QColor(255, 252, 240)));
    p.drawRoundedRect(f, 3, 3);
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.drawLine(f.topLeft() + QPointF(2, 1), f.topRight() + QPointF(-2, 1));
  }
  return img;
}

QImage Plate(int w, int h, QColor colour) {
  QImage img = NewImage(w, h);
  QPainter p(&img);
  SetupPainter(p);
  QRectF r(0.5, 0.5, w - 1, h - 1);
  double radius = h / 2.0;
  p.setPen(QPen(colour.darker(170), std::max(1.0, h / 20.0)));
  p.setBrush(Vertical(r, colour.lighter(125), colour.darker(130)));
  p.drawRoundedRect(r, radius, radius);
  QRectF gloss(r.left() + radius * 0.6, r.top() + h * 0.1, r.width() - radius * 1.2, h * 0.38);
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(gloss, QColor(255, 255, 255, 120), QColor(255, 255, 255, 10)));
  p.drawRoundedRect(gloss, gloss.height() / 2, gloss.height() / 2);
  return img;
}

// A white-gloved hand pointing up, drawn in a 20 x 30 box and scaled.
QImage Hand(int w, int h, bool up) {
  QImage img = NewImage(w, h);
  QPainter p(&img);
  SetupPainter(p);
  if (!up) {
    p.translate(w, h);
    p.rotate(180);
  }
  p.scale(w / 20.0, h / 28.0);
  PointingHand(p, QColor(255, 255, 255), QColor(200, 30, 40));
  return img;
}

QImage Medal(int w, int h, QColor metal, const QString& label) {
  QImage img = NewImage(w, h);
  QPainter p(&img);
  SetupPainter(p);
  double r = std::min(w, h) * 0.36;
  QPointF c(w / 2.0, h - r - 2);
  // Ribbon.
  QPolygonF left, right;
  left << QPointF(w * 0.22, 0) << QPointF(w * 0.46, 0) << QPointF(c.x() + 2, c.y() - r * 0.5)
       << QPointF(c.x() - r * 0.6, c.y() - r * 0.7);
  right << QPointF(w * 0.54, 0) << QPointF(w * 0.78, 0) << QPointF(c.x() + r * 0.6, c.y() - r * 0.7)
        << QPointF(c.x() - 2, c.y() - r * 0.5);
  p.setPen(QPen(QColor(20, 30, 90), 1));
  p.setBrush(QColor(40, 70, 190));
  p.drawPolygon(left);
  p.setBrush(QColor(200, 30, 40));
  p.drawPolygon(right);
  QRadialGradient g(c - QPointF(r * 0.35, r * 0.35), r * 1.4);
  g.setColorAt(0, metal.lighter(160));
  g.setColorAt(0.6, metal);
  g.setColorAt(1, metal.darker(150));
  p.setPen(QPen(metal.darker(200), 1.2));
  p.setBrush(g);
  p.drawEllipse(c, r, r);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(metal.darker(130), 1));
  p.drawEllipse(c, r * 0.78, r * 0.78);
  if (!label.isEmpty()) {
    OutlinedText(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), label,
                 Font("Liberation Serif", r * 1.0, true), metal.darker(250), metal.lighter(170),
                 1.0);
  }
  return img;
}

QImage PlaceNumber(int w, int h, int place) {
  QImage img = NewImage(w, h);
  QPainter p(&img);
  SetupPainter(p);
  double r = std::min(w, h) * 0.36;
  QRectF box(w / 2.0 - r, h - 2 * r - 2, 2 * r, 2 * r);
  OutlinedText(p, box, QString::number(place),
               Font("Liberation Serif", place == 10 ? r * 0.95 : r * 1.15, true),
               QColor(120, 20, 20), QColor(255, 245, 200), 2.5);
  return img;
}

// Seven-segment digits; 10 is the minus sign, 11 the plus sign.
QImage Digit(int w, int h, int digit, QColor colour) {
  static const std::array<int, 10> kSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                0x6D, 0x7D, 0x07, 0x7F, 0x6F};
  QImage img = NewImage(w, h);
  QPainter p(&img);
  SetupPainter(p);
  double t = w * 0.18, m = w * 0.12;
  double x0 = m, x1 = w - m, y0 = m, y1 = h / 2.0, y2 = h - m;
  auto seg = [&](int i, bool on) {
    QColor c = on ? colour : QColor(colour.red() / 6, colour.green() / 6, colour.blue() / 6, 90);
    p.setPen(QPen(c, t, Qt::SolidLine, Qt::RoundCap));
    const QLineF lines[7] = {{x0 + t, y0, x1 - t, y0},     {x1, y0 + t, x1, y1 - t / 2},
                             {x1, y1 + t / 2, x1, y2 - t}, {x0 + t, y2, x1 - t, y2},
                             {x0, y1 + t / 2, x0, y2 - t}, {x0, y0 + t, x0, y1 - t / 2},
                             {x0 + t, y1, x1 - t, y1}};
    p.drawLine(lines[i]);
  };
  int mask = digit < 10 ? kSegments[digit] : 0x40;
  for (int i = 0; i < 7; ++i)
    seg(i, mask & (1 << i));
  if (digit == 11) {
    p.setPen(QPen(colour, t, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w / 2.0, y1 - h * 0.2), QPointF(w / 2.0, y1 + h * 0.2));
  }
  return img;
}

QImage ClockPanel(int w, int h) {
  QImage img = NewImage(w, h);
  QPainter p(&img);
  SetupPainter(p);
  QRectF r(0.5, 0.5, w - 1, h - 1);
  p.setPen(QPen(QColor(150, 150, 160), 2));
  p.setBrush(Vertical(r, QColor(40, 42, 48), QColor(10, 10, 14)));
  p.drawRoundedRect(r, 8, 8);
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 5, 5);
  return img;
}

QImage TimerSquare(int size, QColor colour) {
  QImage img = NewImage(size, size);
  QPainter p(&img);
  SetupPainter(p);
  QRectF r(1, 1, size - 2, size - 2);
  p.setPen(QPen(colour.darker(180), 1.5));
  QRadialGradient g(r.center() - QPointF(size * 0.15, size * 0.15), size * 0.8);
  g.setColorAt(0, colour.lighter(150));
  g.setColorAt(1, colour.darker(115));
  p.setBrush(g);
  p.drawRoundedRect(r, size * 0.2, size * 0.2);
  return img;
}

QImage Banner(int w, int h) {
  QImage img = NewImage(w, h);
  QPainter p(&img);
  SetupPainter(p);
  QRectF r(2, 2, w - 4, h - 4);
  p.setPen(QPen(QColor(120, 80, 10), 2));
  p.setBrush(Vertical(r, QColor(255, 236, 160), QColor(214, 160, 40)));
  p.drawRoundedRect(r, h * 0.3, h * 0.3);
  p.setPen(QPen(QColor(255, 255, 255, 140), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r.adjusted(5, 5, -5, -5), h * 0.25, h * 0.25);
  for (int suit = 0; suit < 4; ++suit) {
    double s = h * 0.3;
    QPointF at(suit < 2 ? h * 0.35 + suit * s * 1.1 : w - h * 0.35 - (3 - suit) * s * 1.1, h / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawPath(SuitPath(suit, QRectF(at.x() - s / 2, at.y() - s / 2, s, s)));
  }
  return img;
}

}  // namespace

void AddTable(Sink& sink) {
  QImage felt = Felt(1520, 1000);
  sink.Jpeg("FonGB", felt);
  sink.Jpeg("FonG", felt.scaled(760, 500, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

  const QColor cream(250, 236, 196);
  for (double s : {1.0, 2.0}) {
    std::string b = s > 1 ? "B" : "";
    sink.Png("GKolodaSmall" + b, Plate(static_cast<int>(58 * s), static_cast<int>(25 * s), cream));
    // The empty stock's dish, where the trump symbol lies.
    QImage dish = NewImage(static_cast<int>(60 * s), static_cast<int>(60 * s));
    {
      QPainter p(&dish);
      SetupPainter(p);
      p.scale(s, s);
      QRadialGradient g(QPointF(24, 22), 40);
      g.setColorAt(0, QColor(255, 250, 230));
      g.setColorAt(1, QColor(214, 178, 96));
      p.setPen(QPen(QColor(120, 84, 20), 1.5));
      p.setBrush(g);
      p.drawEllipse(QRectF(2, 2, 56, 56));
      p.setPen(QPen(QColor(150, 110, 40), 1, Qt::DotLine));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(7, 7, 46, 46));
    }
    sink.Png("GKolodaLarge" + b, dish);
  }
  const std::vector<QRectF> scoreFields = {
      {15, 15, 125, 31}, {15, 50, 35, 31}, {55, 50, 45, 31}, {105, 50, 35, 31}};
  const QColor wood(150, 92, 44);
  sink.Png("TabloSm", Board(155, 95, 1, scoreFields, wood));
  sink.Png("TabloBg", Board(155, 95, 2, scoreFields, wood));
  sink.Png("RamkaFBSm", Board(155, 60, 1, {{8, 8, 139, 44}}, wood));
  sink.Png("RamkaFBBg", Board(155, 60, 2, {{8, 8, 139, 44}}, wood));
  sink.Png("RamkaERSm", Board(130, 90, 1, {{7, 7, 116, 76}}, wood));
  sink.Png("RamkaERBg", Board(130, 90, 2, {{7, 7, 116, 76}}, wood));

  const std::pair<const char*, QColor> plates[] = {{"SPBlue", QColor(34, 84, 200)},
                                                   {"SPGreen", QColor(22, 136, 60)},
                                                   {"SPRed", QColor(196, 30, 36)},
                                                   {"SPYellow", QColor(214, 158, 0)},
                                                   {"SPFiolet", QColor(134, 52, 186)}};
  for (const auto& [name, colour] : plates) {
    sink.Png(name, Plate(160, 20, colour));
    sink.Png(std::string(name) + "B", Plate(320, 40, colour));
  }

  sink.Png("Hand_Up", Hand(40, 60, true));
  sink.Png("Hand_Down", Hand(40, 60, false));
  // The small window's marker list: image 0 points down, image 1 up, 20 x 30 each.
  QImage list = NewImage(40, 30);
  {
    QPainter p(&list);
    p.drawImage(0, 0, Hand(20, 30, false));
    p.drawImage(20, 0, Hand(20, 30, true));
  }
  sink.Png("HandList", list);

  const std::pair<char, QColor> clocks[] = {
      {'A', QColor(0, 220, 230)},   {'B', QColor(70, 130, 255)}, {'G', QColor(40, 230, 70)},
      {'L', QColor(150, 230, 255)}, {'N', QColor(255, 150, 20)}, {'R', QColor(255, 40, 40)},
      {'V', QColor(200, 90, 255)},  {'Y', QColor(255, 230, 30)}};
  for (const auto& [letter, colour] : clocks) {
    std::string set = std::string("G") + letter + "Clock";
    for (int d = 0; d < 10; ++d)
      sink.Png(set + std::to_string(d), Digit(16, 26, d, colour));
    sink.Png(set + "M", Digit(16, 26, 10, colour));
    sink.Png(set + "P", Digit(16, 26, 11, colour));
  }
  sink.Png("GClockBG", ClockPanel(115, 64));
  sink.Png("GTimerR", TimerSquare(40, QColor(210, 30, 30)));
  sink.Png("GTimerY", TimerSquare(40, QColor(240, 200, 20)));

  const QColor goldMetal(226, 180, 40), silverMetal(196, 200, 210), bronzeMetal(196, 120, 60);
  sink.Png("GMedal", Medal(64, 84, goldMetal, ""));
  for (int place = 1; place <= 10; ++place) {
    char name[16];
    std::snprintf(name, sizeof name, "GPlace%02d", place);
    sink.Png(name, PlaceNumber(64, 84, place));
  }
  sink.Png("GMEDAL01", Medal(48, 60, goldMetal, "1"));
  sink.Png("GMEDAL02", Medal(48, 60, silverMetal, "2"));
  sink.Png("GMEDAL03", Medal(48, 60, bronzeMetal, "3"));
  sink.Png("GTitle", Banner(300, 90));
  sink.Png("GFree", NewImage(16, 16));
}

}  // namespace tarnel::art
