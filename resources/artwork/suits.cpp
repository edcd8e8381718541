// The suit systems other than the French one, and the small motifs designs are decorated with.
#include <cmath>

#include "art.h"

namespace tarnel::art {
namespace {

// German suits: heart, bell, acorn, leaf.
QPainterPath GermanShape(int suit, const QRectF& b) {
  auto P = [&](double x, double y) {
    return QPointF(b.left() + x * b.width(), b.top() + y * b.height());
  };
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  switch (suit) {
    case kHearts:
      return SuitPath(kHearts, b);
    case kDiamonds: {  // a round bell with its slot and clapper
      path.addEllipse(QRectF(P(0.08, 0.10), P(0.92, 0.86)));
      path.addRect(QRectF(P(0.42, 0.0), P(0.58, 0.14)));
      path.addEllipse(QRectF(P(0.38, 0.80), P(0.62, 1.0)));
      QPainterPath slot;
      slot.addRect(QRectF(P(0.12, 0.50), P(0.88, 0.56)));
      return path.subtracted(slot);
    }
    case kClubs: {  // an acorn: the nut under its cup, on a stalk
      path.addEllipse(QRectF(P(0.24, 0.30), P(0.76, 0.98)));
      QPainterPath cup;
      cup.moveTo(P(0.16, 0.48));
      cup.cubicTo(P(0.14, 0.22), P(0.86, 0.22), P(0.84, 0.48));
      cup.closeSubpath();
      path.addPath(cup);
      path.addRect(QRectF(P(0.46, 0.04), P(0.54, 0.28)));
      return path;
    }
    case kSpades: {  // a lime leaf with its stem
      path.moveTo(P(0.5, 0.0));
      path.cubicTo(P(0.02, 0.20), P(0.0, 0.62), P(0.5, 0.80));
      path.cubicTo(P(1.0, 0.62), P(0.98, 0.20), P(0.5, 0.0));
      path.closeSubpath();
      path.addRect(QRectF(P(0.46, 0.70), P(0.54, 1.0)));
      return path;
    }
  }
  return path;
}

// Spanish suits: cup, coin, baton, sword.
QPainterPath SpanishShape(int suit, const QRectF& b) {
  auto P = [&](double x, double y) {
    return QPointF(b.left() + x * b.width(), b.top() + y * b.height());
  };
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  switch (suit) {
    case kHearts: {  // a goblet
      path.moveTo(P(0.10, 0.04));
      path.lineTo(P(0.90, 0.04));
      path.cubicTo(P(0.90, 0.46), P(0.62, 0.52), P(0.56, 0.56));
      path.lineTo(P(0.56, 0.84));
      path.lineTo(P(0.80, 0.96));
      path.lineTo(P(0.20, 0.96));
      path.lineTo(P(0.44, 0.84));
      path.lineTo(P(0.44, 0.56));
      path.cubicTo(P(0.38, 0.52), P(0.10, 0.46), P(0.10, 0.04));
      path.closeSubpath();
      return path;
    }
    case kDiamonds: {  // a coin with a raised rim
      path.addEllipse(QRectF(P(0.04, 0.04), P(0.96, 0.96)));
      QPainterPath inner;
      inner.addEllipse(QRectF(P(0.20, 0.20), P(0.80, 0.80)));
      QPainterPath ring = path.subtracted(inner);
      QPainterPath centre;
      centre.addEllipse(QRectF(P(0.30, 0.30), P(0.70, 0.70)));
      ring.addPath(centre);
      return ring;
    }
    case kClubs: {  // a knotted baton
      path.moveTo(P(0.30, 0.98));
      path.lineTo(P(0.22, 0.30));
      path.cubicTo(P(0.18, 0.0), P(0.82, 0.0), P(0.78, 0.30));
      path.lineTo(P(0.70, 0.98));
      path.closeSubpath();
      for (double y : {0.30, 0.52, 0.74})
        path.addEllipse(QRectF(P(0.14, y - 0.05), P(0.34, y + 0.05)));
      return path;
    }
    case kSpades: {  // a sword, point down
      path.moveTo(P(0.44, 0.22));
      path.lineTo(P(0.56, 0.22));
      path.lineTo(P(0.54, 0.90));
      path.lineTo(P(0.5, 1.0));
      path.lineTo(P(0.46, 0.90));
      path.closeSubpath();
      path.addRoundedRect(QRectF(P(0.12, 0.16), P(0.88, 0.24)), 2, 2);
      path.addRect(QRectF(P(0.45, 0.04), P(0.55, 0.18)));
      path.addEllipse(QRectF(P(0.41, 0.0), P(0.59, 0.08)));
      return path;
    }
  }
  return path;
}

}  // namespace

QPainterPath SuitShape(SuitSystem system, int suit, const QRectF& box) {
  switch (system) {
    case SuitSystem::German:
      return GermanShape(suit, box);
    case SuitSystem::Spanish:
      return SpanishShape(suit, box);
    case SuitSystem::French:
      break;
  }
  return SuitPath(suit, box);
}

void DrawMotif(QPainter& p, Motif motif, QPointF c, double r, QColor colour) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  auto petals = [&](int n, double len, double width, double turn) {
    for (int i = 0; i < n; ++i) {
      p.save();
      p.translate(c);
      p.rotate(turn + i * 360.0 / n);
      p.drawEllipse(QRectF(-width / 2, -len, width, len));
      p.restore();
    }
  };
  switch (motif) {
    case Motif::None:
      break;
    case Motif::Rose:
      petals(5, r, r * 0.9, 0);
      p.setBrush(colour.lighter(140));
      p.drawEllipse(c, r * 0.38, r * 0.38);
      break;
    case Motif::Star: {
      QPainterPath s;
      for (int i = 0; i < 10; ++i) {
        double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? r * 0.42 : r;
        QPointF pt = c + QPointF(rr * std::cos(a), rr * std::sin(a));
        i == 0 ? s.moveTo(pt) : s.lineTo(pt);
      }
      s.closeSubpath();
      p.drawPath(s);
      break;
    }
    case Motif::Sun:
      p.drawEllipse(c, r * 0.5, r * 0.5);
      p.setPen(QPen(colour, std::max(0.6, r * 0.14)));
      for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6;
        p.drawLine(c + QPointF(r * 0.65 * std::cos(a), r * 0.65 * std::sin(a)),
                   c + QPointF(r * std::cos(a), r * std::sin(a)));
      }
      break;
    case Motif::Tower: {
      QPainterPath t;
      t.addRect(QRectF(c.x() - r * 0.25, c.y() - r * 0.4, r * 0.5, r * 1.4));
      t.moveTo(c + QPointF(-r * 0.32, -r * 0.4));
      t.lineTo(c + QPointF(0, -r));
      t.lineTo(c + QPointF(r * 0.32, -r * 0.4));
      t.closeSubpath();
      p.drawPath(t);
      p.setBrush(Qt::white);
      p.drawEllipse(c + QPointF(0, -r * 0.12), r * 0.16, r * 0.16);
      break;
    }
    case Motif::Leaf: {
      QPainterPath l;
      l.moveTo(c + QPointF(0, -r));
      l.quadTo(c + QPointF(r, 0), c + QPointF(0, r));
      l.quadTo(c + QPointF(-r, 0), c + QPointF(0, -r));
      p.drawPath(l);
      break;
    }
    case Motif::Knot:
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(colour, std::max(0.6, r * 0.2)));
      for (int i = 0; i < 3; ++i) {
        double a = i * 2 * M_PI / 3 - M_PI / 2;
        p.drawEllipse(c + QPointF(r * 0.42 * std::cos(a), r * 0.42 * std::sin(a)), r * 0.5,
                      r * 0.5);
      }
      break;
    case Motif::Wave: {
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(colour, std::max(0.6, r * 0.2)));
      QPainterPath w;
      w.moveTo(c + QPointF(-r, 0));
      w.cubicTo(c + QPointF(-r * 0.5, -r), c + QPointF(0, r), c + QPointF(r * 0.5, 0));
      w.quadTo(c + QPointF(r, -r * 0.6), c + QPointF(r, 0));
      p.drawPath(w);
      break;
    }
    case Motif::Lily: {
      QPainterPath l;
      l.moveTo(c + QPointF(0, -r));
      l.quadTo(c + QPointF(r * 0.35, -r * 0.2), c + QPointF(0, r * 0.3));
      l.quadTo(c + QPointF(-r * 0.35, -r * 0.2), c + QPointF(0, -r));
      l.moveTo(c + QPointF(-r * 0.2, r * 0.1));
      l.quadTo(c + QPointF(-r, -r * 0.6), c + QPointF(-r * 0.7, r * 0.3));
      l.closeSubpath();
      l.moveTo(c + QPointF(r * 0.2, r * 0.1));
      l.quadTo(c + QPointF(r, -r * 0.6), c + QPointF(r * 0.7, r * 0.3));
      l.closeSubpath();
      l.addRect(QRectF(c.x() - r * 0.5, c.y() + r * 0.25, r, r * 0.18));
      l.addRect(QRectF(c.x() - r * 0.1, c.y() + r * 0.4, r * 0.2, r * 0.5));
      p.drawPath(l);
      break;
    }
    case Motif::Feather: {
      p.save();
      p.translate(c);
      p.rotate(30);
      p.drawEllipse(QRectF(-r * 0.3, -r, r * 0.6, r * 1.8));
      p.setPen(QPen(colour.darker(160), std::max(0.4, r * 0.08)));
      p.drawLine(QPointF(0, -r), QPointF(0, r));
      p.restore();
      break;
    }
    case Motif::Step: {
      QPainterPath s;
      for (int i = 0; i < 3; ++i) {
        double w = r * (1 - i * 0.3), h = r * 0.4;
        s.addRect(QRectF(c.x() - w, c.y() + r * 0.6 - (i + 1) * h, 2 * w, h));
      }
      p.drawPath(s);
      break;
    }
    case Motif::Weave:
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(colour, std::max(0.5, r * 0.22)));
      for (int i = -1; i <= 1; ++i) {
        p.drawLine(c + QPointF(-r, i * r * 0.5), c + QPointF(r, i * r * 0.5));
        p.drawLine(c + QPointF(i * r * 0.5, -r), c + QPointF(i * r * 0.5, r));
      }
      break;
    case Motif::Heart:
      p.drawPath(SuitPath(kHearts, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r)));
      break;
    case Motif::Snow:
      p.setPen(QPen(colour, std::max(0.5, r * 0.16)));
      for (int i = 0; i < 3; ++i) {
        double a = i * M_PI / 3;
        p.drawLine(c - QPointF(r * std::cos(a), r * std::sin(a)),
                   c + QPointF(r * std::cos(a), r * std::sin(a)));
      }
      break;
    case Motif::Dot:
      p.drawEllipse(c, r * 0.5, r * 0.5);
      break;
    case Motif::Cross:
      p.drawRect(QRectF(c.x() - r * 0.2, c.y() - r, r * 0.4, 2 * r));
      p.drawRect(QRectF(c.x() - r, c.y() - r * 0.2, 2 * r, r * 0.4));
      break;
  }
  p.restore();
}

}  // namespace tarnel::art
