// Animated pictures: the main menu's two card tricks, the club badges, the verdict scenes,
// the top-ten banner and the options dialog's gear.
#include <array>
#include <cmath>
#include <functional>

#include "art.h"

namespace tarnel::art {
namespace {

using Painter = std::function<void(QPainter&, int frame, int frames)>;

std::vector<QImage> Frames(int w, int h, int count, const Painter& draw) {
  std::vector<QImage> out;
  for (int i = 0; i < count; ++i) {
    QImage img = NewImage(w, h);
    QPainter p(&img);
    SetupPainter(p);
    draw(p, i, count);
    out.push_back(img);
  }
  return out;
}

// A card turning about its upright axis: back first, then the face.
void TurningCard(QPainter& p, QPointF centre, double w, double h, double angle, int rank, int suit,
                 int back) {
  double c = std::cos(angle);
  p.save();
  p.translate(centre);
  p.scale(std::max(0.08, std::abs(c)), 1);
  QRectF box(-w / 2, -h / 2, w, h);
  if (c > 0) {
    DrawBack(p, box, back, false);
  } else {
    DrawFace(p, box, rank, suit, false);
  }
  p.restore();
}

void MenuTrickOne(QPainter& p, int frame, int frames) {
  // A fan of backs behind, and in front one card turning to show each ace in turn.
  for (int i = 0; i < 5; ++i) {
    p.save();
    p.translate(80, 200);
    p.rotate(-20 + i * 10);
    DrawBack(p, QRectF(-24, -170, 48, 66), 1 + i, false);
    p.restore();
  }
  int perTurn = frames / 4;
  int suit = frame / perTurn;
  double angle = double(frame % perTurn) / perTurn * 2 * M_PI;
  TurningCard(p, QPointF(80, 136), 68, 92, angle, 8, suit, 6);
}

void MenuTrickTwo(QPainter& p, int frame, int frames) {
  // Cards dealt one by one into a fan; the fan then closes and starts again.
  const std::array<std::pair<int, int>, 6> hand = {
      {{8, 0}, {7, 3}, {6, 1}, {5, 2}, {4, 0}, {3, 3}}};
  int shown = std::min<int>(6, frame / 3 + 1);
  double close = frame >= 24 ? (frame - 24) / double(frames - 24) : 0;
  for (int i = 0; i < shown; ++i) {
    double spread = (-20 + i * 8) * (1 - close);
    p.save();
    p.translate(80, 215);
    p.rotate(spread);
    double lift = i == shown - 1 && frame < 18 ? (2 - frame % 3) * 10 : 0;
    DrawFace(p, QRectF(-28, -135 - lift, 56, 76), hand[i].first, hand[i].second, false);
    p.restore();
  }
}

void ClubBadge(QPainter& p, int frame, int frames, int kind, QSize size) {
  double w = size.width(), h = size.height();
  double angle = 2 * M_PI * frame / frames;
  double sx = std::cos(angle);
  const std::array<QColor, 7> colours = {
      QColor(220, 170, 30), QColor(40, 110, 210), QColor(200, 30, 50), QColor(230, 120, 20),
      QColor(30, 140, 70),  QColor(150, 60, 190), QColor(20, 150, 170)};
  QColor c = colours[kind];
  p.save();
  p.translate(w / 2, h / 2);
  p.scale(std::max(0.06, std::abs(sx)), 1);
  double r = std::min(w, h) * 0.42;
  QRadialGradient g(QPointF(-r * 0.3, -r * 0.3), r * 1.5);
  g.setColorAt(0, c.lighter(170));
  g.setColorAt(1, c.darker(140));
  p.setPen(QPen(c.darker(220), 2));
  p.setBrush(g);
  p.drawEllipse(QPointF(0, 0), r, r);
  p.setPen(QPen(QColor(255, 240, 200), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(0, 0), r * 0.82, r * 0.82);
  double s = r * 0.9;
  p.setPen(QPen(QColor(40, 20, 10), 1.2));
  p.setBrush(QColor(255, 250, 235));
  if (kind == 1) {  // rated online play: a globe
    p.drawEllipse(QPointF(0, 0), s * 0.6, s * 0.6);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), s * 0.25, s * 0.6);
    p.drawLine(QPointF(-s * 0.6, 0), QPointF(s * 0.6, 0));
  } else if (kind == 5) {  // the local club: a house
    QPolygonF house;
    house << QPointF(-s * 0.5, -s * 0.05) << QPointF(0, -s * 0.55) << QPointF(s * 0.5, -s * 0.05)
          << QPointF(s * 0.38, -s * 0.05) << QPointF(s * 0.38, s * 0.5)
          << QPointF(-s * 0.38, s * 0.5) << QPointF(-s * 0.38, -s * 0.05);
    p.drawPolygon(house);
    p.setBrush(c.darker(150));
    p.drawRect(QRectF(-s * 0.1, s * 0.15, s * 0.2, s * 0.35));
  } else if (kind == 6) {  // the network club: two screens joined
    p.drawRect(QRectF(-s * 0.62, -s * 0.35, s * 0.5, s * 0.38));
    p.drawRect(QRectF(s * 0.12, -s * 0.05, s * 0.5, s * 0.38));
    p.setPen(QPen(QColor(255, 250, 235), 2, Qt::DashLine));
    p.drawLine(QPointF(-s * 0.12, -s * 0.1), QPointF(s * 0.12, s * 0.14));
  } else {
    int suit = kind == 0 ? kSpades : kind == 2 ? kHearts : kind == 3 ? kDiamonds : kClubs;
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    if (sx < 0) p.setBrush(QColor(255, 250, 235));
    p.drawPath(SuitPath(suit, QRectF(-s * 0.5, -s * 0.52, s, s * 1.04)));
  }
  p.restore();
}

void Sparkle(QPainter& p, QPointF c, double r, QColor colour) {
  QPainterPath s;
  for (int i = 0; i < 8; ++i) {
    double a = i * M_PI / 4;
    double rr = i % 2 ? r * 0.3 : r;
    QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    i == 0 ? s.moveTo(pt) : s.lineTo(pt);
  }
  s.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(s);
}

void Cup(QPainter& p, QPointF base, double size) {
  QColor gold(232, 182, 40);
  QPainterPath bowl;
  bowl.moveTo(base.x() - size * 0.5, base.y() - size * 1.3);
  bowl.lineTo(base.x() + size * 0.5, base.y() - size * 1.3);
  bowl.cubicTo(base.x() + size * 0.5, base.y() - size * 0.7, base.x() + size * 0.2,
               base.y() - size * 0.55, base.x() + size * 0.08, base.y() - size * 0.5);
  bowl.lineTo(base.x() + size * 0.08, base.y() - size * 0.2);
  bowl.lineTo(base.x() + size * 0.3, base.y());
  bowl.lineTo(base.x() - size * 0.3, base.y());
  bowl.lineTo(base.x() - size * 0.08, base.y() - size * 0.2);
  bowl.lineTo(base.x() - size * 0.08, base.y() - size * 0.5);
  bowl.cubicTo(base.x() - size * 0.2, base.y() - size * 0.55, base.x() - size * 0.5,
               base.y() - size * 0.7, base.x() - size * 0.5, base.y() - size * 1.3);
  QLinearGradient g(base.x() - size * 0.5, 0, base.x() + size * 0.5, 0);
  g.setColorAt(0, gold.darker(130));
  g.setColorAt(0.35, gold.lighter(160));
  g.setColorAt(1, gold.darker(150));
  p.setPen(QPen(QColor(110, 70, 0), 1.2));
  p.setBrush(g);
  p.drawPath(bowl);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(gold.darker(120), size * 0.08));
  p.drawArc(QRectF(base.x() - size * 0.75, base.y() - size * 1.25, size * 0.5, size * 0.45),
            90 * 16, 180 * 16);
  p.drawArc(QRectF(base.x() + size * 0.25, base.y() - size * 1.25, size * 0.5, size * 0.45),
            270 * 16, 180 * 16);
}

void EndBest(QPainter& p, int frame, int) {
  // The cup rises and grows, then sparkles; it rests from frame 25 on.
  double t = std::min(1.0, frame / 18.0);
  double size = 30 + 30 * t;
  Cup(p, QPointF(50, 190 - 40 * t), size);
  if (frame > 12) {
    for (int i = 0; i < 6; ++i) {
      double a = i * M_PI / 3 + frame * 0.3;
      double r = 36 + 6 * std::sin(frame * 0.7 + i);
      Sparkle(p, QPointF(50 + r * std::cos(a), 95 + r * 1.2 * std::sin(a)), 5 + (frame + i) % 3 * 2,
              QColor(255, 230, 90));
    }
  }
  p.setFont(Font("Liberation Serif", 22, true));
  p.setPen(QColor(200, 20, 30));
  if (frame >= 20) p.drawText(QRectF(0, 2, 100, 30), Qt::AlignCenter, "1");
}

void EndGood(QPainter& p, int frame, int) {
  // A medal swings on its ribbon and comes to rest (frame 24).
  double swing = frame < 24 ? 8 * std::exp(-frame / 8.0) * std::cos(frame * 0.8) : 0;
  p.save();
  p.translate(50, 10);
  p.rotate(swing);
  p.setPen(QPen(QColor(20, 30, 90), 1));
  p.setBrush(QColor(40, 70, 190));
  p.drawPolygon(QPolygonF({QPointF(-14, 0), QPointF(-2, 0), QPointF(4, 90), QPointF(-8, 90)}));
  p.setBrush(QColor(200, 30, 40));
  p.drawPolygon(QPolygonF({QPointF(2, 0), QPointF(14, 0), QPointF(8, 90), QPointF(-4, 90)}));
  QRadialGradient g(QPointF(-10, 105), 50);
  g.setColorAt(0, QColor(255, 240, 170));
  g.setColorAt(0.6, QColor(226, 180, 40));
  g.setColorAt(1, QColor(150, 110, 10));
  p.setPen(QPen(QColor(110, 80, 0), 1.5));
  p.setBrush(g);
  p.drawEllipse(QPointF(0, 118), 30, 30);
  p.setPen(QPen(QColor(170, 130, 20), 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(0, 118), 24, 24);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 20, 30));
  p.drawPath(SuitPath(kHearts, QRectF(-12, 106, 24, 24)));
  p.restore();
  if (frame >= 18) Sparkle(p, QPointF(82, 150), 6 + frame % 3, QColor(255, 240, 120));
}

void EndBad(QPainter& p, int frame, int frames) {
  // A rain cloud over a torn card.
  p.save();
  p.translate(50, 150);
  p.rotate(-8);
  DrawFace(p, QRectF(-26, -36, 52, 70), 0, kSpades, false);
  p.restore();
  p.setPen(QPen(QColor(60, 60, 70), 2));
  p.drawLine(QPointF(36, 118), QPointF(62, 178));
  p.setPen(QPen(QColor(60, 60, 70), 1.2));
  p.setBrush(QColor(120, 125, 140));
  for (auto [x, y, r] :
       {std::tuple{32.0, 40.0, 16.0}, {52.0, 32.0, 20.0}, {70.0, 42.0, 15.0}, {50.0, 48.0, 16.0}})
    p.drawEllipse(QPointF(x, y), r, r * 0.8);
  p.setPen(QPen(QColor(80, 140, 230), 2, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 6; ++i) {
    double x = 26 + i * 10;
    double y = 62 + std::fmod(frame * 50.0 / frames + i * 13, 50.0);
    p.drawLine(QPointF(x, y), QPointF(x - 2, y + 7));
  }
}

void TopTenBanner(QPainter& p, int frame, int frames, QSize size) {
  // "TOP 10" with a light running along its letters.
  double w = size.width(), h = size.height();
  QFont font = Font("Liberation Serif", h * 0.62, true);
  QString text = "TOP 10";
  QFontMetricsF m(font);
  double x = w / 2 - m.horizontalAdvance(text) / 2, y = h / 2 + (m.ascent() - m.descent()) / 2;
  QPainterPath path;
  path.addText(QPointF(x, y), font, text);
  double glow = double(frame) / frames * (w + 60) - 30;
  QLinearGradient g(glow - 30, 0, glow + 30, 0);
  g.setColorAt(0, QColor(200, 140, 20));
  g.setColorAt(0.5, QColor(255, 250, 200));
  g.setColorAt(1, QColor(200, 140, 20));
  p.setPen(QPen(QColor(110, 20, 10), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(path);
  Sparkle(p, QPointF(std::fmod(glow + w, w), h * 0.2), 5, QColor(255, 255, 200));
}

void Gear(QPainter& p, QPointF c, double r, int teeth, double turn, QColor colour) {
  QPainterPath gear;
  for (int i = 0; i < teeth * 4; ++i) {
    double a = turn + i * M_PI / (teeth * 2);
    double rr = (i % 4 < 2) ? r : r * 0.8;
    QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    i == 0 ? gear.moveTo(pt) : gear.lineTo(pt);
  }
  gear.closeSubpath();
  gear.addEllipse(c, r * 0.3, r * 0.3);
  gear.setFillRule(Qt::OddEvenFill);
  QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
  g.setColorAt(0, colour.lighter(150));
  g.setColorAt(1, colour.darker(140));
  p.setPen(QPen(colour.darker(200), 1));
  p.setBrush(g);
  p.drawPath(gear);
}

void OptionsGear(QPainter& p, int frame, int frames) {
  double turn = 2 * M_PI * frame / frames;
  Gear(p, QPointF(48, 40), 30, 10, turn / 2, QColor(170, 175, 190));
  Gear(p, QPointF(26, 82), 19, 7, -turn * 10 / 14 - 0.2, QColor(210, 170, 60));
  // A card leaning on the gears, its suit changing each quarter.
  int suit = frame * 4 / frames;
  p.save();
  p.translate(64, 92);
  p.rotate(12);
  DrawFace(p, QRectF(-20, -27, 40, 54), 8, suit, false);
  p.restore();
}

}  // namespace

void AddAnimations(Sink& sink) {
  sink.Gif("GifMenu1", Frames(160, 200, 48, MenuTrickOne), 70);
  sink.Gif("GifMenu2", Frames(160, 200, 32, MenuTrickTwo), 110);
  const QSize badge(80, 80);
  for (int kind = 0; kind < 7; ++kind) {
    std::string name = std::string("GClub") + char('A' + kind);
    sink.Gif(name,
             Frames(badge.width(), badge.height(), 20,
                    [&](QPainter& p, int f, int n) { ClubBadge(p, f, n, kind, badge); }),
             80);
  }
  sink.Gif("GEndBest", Frames(100, 200, 30, EndBest), 90, 1);
  sink.Gif("GEndGood", Frames(100, 200, 28, EndGood), 90, 1);
  sink.Gif("GEndBads", Frames(100, 200, 12, EndBad), 90);
  const QSize banner(200, 60);
  sink.Gif("GTopTen",
           Frames(banner.width(), banner.height(), 24,
                  [&](QPainter& p, int f, int n) { TopTenBanner(p, f, n, banner); }),
           70);
  sink.Gif("GOpt", Frames(90, 120, 40, OptionsGear), 70);
}

}  // namespace tarnel::art
