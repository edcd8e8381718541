// The back sets of the card library: a field pattern per set, a centre piece per back and a
// colour per weekday, drawn in the same frame as the program's own backs.
#include <QTransform>

#include <cmath>
#include <map>
#include <memory>

#include "card_designs.h"
#include "libraries.h"
#include "svg_deck.h"

namespace tarnel::libraries {
namespace {

const std::array<QColor, 10> kWeekColours = {
    QColor(28, 60, 140),  QColor(160, 26, 34), QColor(26, 110, 60), QColor(110, 40, 130),
    QColor(20, 112, 120), QColor(150, 90, 20), QColor(120, 16, 40), QColor(40, 40, 48),
    QColor(30, 90, 160),  QColor(90, 110, 30)};

QPainterPath Poly(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (auto p : points) {
    first ? path.moveTo(p) : path.lineTo(p);
    first = false;
  }
  path.closeSubpath();
  return path;
}

// Animals, in a 100 x 100 box.
QPainterPath Animal(int which) {
  QPainterPath a;
  a.setFillRule(Qt::WindingFill);
  switch (which) {
    case 0:  // cat, sitting
      a.addEllipse(QRectF(28, 40, 44, 52));
      a.addEllipse(QRectF(34, 14, 32, 30));
      a.addPath(Poly({{36, 22}, {38, 4}, {50, 16}}));
      a.addPath(Poly({{64, 22}, {62, 4}, {50, 16}}));
      a.addPath(Poly({{70, 84}, {92, 70}, {94, 58}, {88, 60}, {84, 72}, {68, 78}}));
      break;
    case 1:  // fish
      a.addEllipse(QRectF(12, 32, 62, 36));
      a.addPath(Poly({{70, 50}, {94, 30}, {90, 50}, {94, 70}}));
      a.addPath(Poly({{36, 34}, {48, 18}, {56, 34}}));
      break;
    case 2:  // bird on a twig
      a.addEllipse(QRectF(24, 34, 50, 36));
      a.addEllipse(QRectF(60, 22, 24, 24));
      a.addPath(Poly({{82, 32}, {96, 36}, {82, 40}}));
      a.addPath(Poly({{28, 50}, {4, 40}, {8, 56}}));
      a.addRect(QRectF(10, 72, 80, 4));
      break;
    case 3:  // owl
      a.addEllipse(QRectF(26, 30, 48, 62));
      a.addEllipse(QRectF(28, 10, 44, 38));
      a.addPath(Poly({{30, 16}, {30, 2}, {42, 12}}));
      a.addPath(Poly({{70, 16}, {70, 2}, {58, 12}}));
      break;
    case 4:  // butterfly
      a.addEllipse(QRectF(14, 14, 36, 40));
      a.addEllipse(QRectF(50, 14, 36, 40));
      a.addEllipse(QRectF(22, 50, 28, 32));
      a.addEllipse(QRectF(50, 50, 28, 32));
      a.addRoundedRect(QRectF(46, 20, 8, 64), 4, 4);
      break;
    case 5:  // snail
      a.addEllipse(QRectF(34, 20, 50, 50));
      a.addRoundedRect(QRectF(8, 62, 84, 14), 7, 7);
      a.addRect(QRectF(12, 40, 4, 24));
      a.addRect(QRectF(22, 44, 4, 20));
      break;
    case 6:  // turtle
      a.addEllipse(QRectF(20, 30, 60, 40));
      a.addEllipse(QRectF(76, 40, 18, 16));
      for (double x : {26.0, 62.0})
        for (double y : {28.0, 64.0})
          a.addEllipse(QRectF(x, y, 14, 10));
      a.addPath(Poly({{20, 50}, {6, 46}, {20, 56}}));
      break;
    case 7:  // rabbit
      a.addEllipse(QRectF(24, 44, 52, 48));
      a.addEllipse(QRectF(34, 26, 30, 28));
      a.addEllipse(QRectF(34, 0, 10, 36));
      a.addEllipse(QRectF(52, 0, 10, 36));
      a.addEllipse(QRectF(72, 70, 14, 14));
      break;
    case 8:  // horse's head
      a.addPath(Poly({{40, 96},
                      {36, 60},
                      {44, 30},
                      {40, 8},
                      {54, 20},
                      {80, 42},
                      {88, 56},
                      {80, 62},
                      {62, 54},
                      {60, 96}}));
      break;
    case 9:  // swan
      a.addEllipse(QRectF(20, 52, 64, 34));
      a.addPath(
          Poly({{30, 60}, {28, 26}, {36, 12}, {48, 12}, {50, 20}, {40, 22}, {38, 34}, {42, 62}}));
      a.addPath(Poly({{48, 14}, {58, 18}, {48, 20}}));
      break;
  }
  return a;
}

// Landmarks, in a 100 x 100 box.
QPainterPath Place(int which) {
  QPainterPath a;
  a.setFillRule(Qt::WindingFill);
  switch (which) {
    case 0:  // castle
      a.addRect(QRectF(14, 40, 72, 56));
      for (int i = 0; i < 5; ++i)
        a.addRect(QRectF(14 + i * 16, 32, 8, 8));
      a.addRect(QRectF(40, 14, 20, 30));
      a.addPath(Poly({{38, 14}, {50, 0}, {62, 14}}));
      break;
    case 1:  // onion domes
      for (auto [x, h] : {std::pair{26.0, 50.0}, {50.0, 36.0}, {74.0, 50.0}}) {
        a.addRect(QRectF(x - 9, h + 12, 18, 96 - h - 12));
        a.addEllipse(QRectF(x - 12, h - 8, 24, 22));
        a.addPath(Poly({{x - 4, h - 6}, {x, h - 22}, {x + 4, h - 6}}));
      }
      a.addRect(QRectF(10, 72, 80, 24));
      break;
    case 2:  // lighthouse
      a.addPath(Poly({{38, 96}, {44, 24}, {56, 24}, {62, 96}}));
      a.addRect(QRectF(40, 14, 20, 10));
      a.addPath(Poly({{38, 14}, {50, 2}, {62, 14}}));
      a.addRect(QRectF(10, 90, 80, 6));
      break;
    case 3:  // windmill
      a.addPath(Poly({{38, 96}, {42, 40}, {58, 40}, {62, 96}}));
      for (int i = 0; i < 4; ++i) {
        QTransform t;
        t.translate(50, 40);
        t.rotate(45 + i * 90);
        a.addPath(t.map(Poly({{-4, 0}, {-6, -38}, {6, -38}, {4, 0}})));
      }
      break;
    case 4:  // pyramids
      a.addPath(Poly({{4, 96}, {40, 30}, {76, 96}}));
      a.addPath(Poly({{50, 96}, {74, 52}, {98, 96}}));
      break;
    case 5:  // a lattice tower
      a.addPath(Poly({{22, 96},
                      {46, 20},
                      {48, 2},
                      {52, 2},
                      {54, 20},
                      {78, 96},
                      {64, 96},
                      {50, 56},
                      {36, 96}}));
      a.addRect(QRectF(32, 60, 36, 5));
      break;
    case 6:  // bridge
      a.addRect(QRectF(4, 50, 92, 8));
      for (double x : {22.0, 78.0})
        a.addRect(QRectF(x - 4, 20, 8, 76));
      a.addPath(Poly({{4, 58},
                      {22, 84},
                      {50, 58},
                      {78, 84},
                      {96, 58},
                      {96, 62},
                      {78, 88},
                      {50, 62},
                      {22, 88},
                      {4, 62}}));
      break;
    case 7:  // mountains
      a.addPath(Poly({{2, 96}, {34, 30}, {50, 54}, {66, 20}, {98, 96}}));
      break;
    case 8:  // pagoda
      for (int i = 0; i < 3; ++i) {
        double y = 30 + i * 22, w = 28 + i * 10;
        a.addPath(Poly({{50 - w, y + 8}, {50, y - 8}, {50 + w, y + 8}}));
        a.addRect(QRectF(50 - w * 0.55, y + 8, w * 1.1, 14));
      }
      a.addRect(QRectF(48, 8, 4, 16));
      a.addRect(QRectF(30, 96 - 8, 40, 8));
      break;
    case 9:  // clock tower
      a.addRect(QRectF(38, 28, 24, 68));
      a.addPath(Poly({{36, 28}, {50, 2}, {64, 28}}));
      break;
  }
  return a;
}

void Flower(QPainter& p, int which, QPointF c, double r) {
  int petals = 5 + which % 4 * 2;
  QColor colours[10] = {QColor(230, 60, 90),  QColor(250, 200, 40),  QColor(240, 120, 40),
                        QColor(170, 90, 220), QColor(250, 250, 250), QColor(230, 40, 40),
                        QColor(90, 140, 240), QColor(250, 150, 190), QColor(250, 230, 120),
                        QColor(200, 60, 160)};
  QColor petal = colours[which % 10];
  p.save();
  p.setPen(QPen(petal.darker(150), r / 40));
  for (int layer = 0; layer < (which % 3 == 0 ? 2 : 1); ++layer) {
    double rr = layer ? r * 0.62 : r;
    for (int i = 0; i < petals; ++i) {
      p.save();
      p.translate(c);
      p.rotate(i * 360.0 / petals + layer * 180.0 / petals);
      p.setBrush(layer ? petal.lighter(125) : petal);
      double width = rr * (which % 2 ? 0.5 : 0.75);
      p.drawEllipse(QRectF(-width / 2, -rr, width, rr * 0.95));
      p.restore();
    }
  }
  p.setBrush(which % 2 ? QColor(120, 70, 20) : QColor(250, 210, 60));
  p.drawEllipse(c, r * 0.22, r * 0.22);
  p.restore();
}

void Pawn(QPainter& p, QPointF c, double s, int piece) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  auto at = [&](double x, double y) { return c + QPointF(x * s, y * s); };
  path.addRoundedRect(QRectF(at(-0.5, 0.7), at(0.5, 0.9)), s * 0.05, s * 0.05);
  path.addPath(Poly({at(-0.32, 0.72), at(-0.14, -0.1), at(0.14, -0.1), at(0.32, 0.72)}));
  if (piece % 3 == 0) {
    path.addEllipse(QRectF(at(-0.24, -0.55), at(0.24, -0.07)));
  } else if (piece % 3 == 1) {  // king's cross
    path.addRect(QRectF(at(-0.22, -0.4), at(0.22, -0.08)));
    path.addRect(QRectF(at(-0.05, -0.8), at(0.05, -0.38)));
    path.addRect(QRectF(at(-0.18, -0.68), at(0.18, -0.58)));
  } else {  // knight's head
    path.addPath(Poly({at(-0.2, -0.1), at(-0.25, -0.5), at(0.0, -0.85), at(0.35, -0.45),
                       at(0.3, -0.3), at(0.05, -0.4), at(0.2, -0.1)}));
  }
  p.drawPath(path);
}

void Shield(QPainter& p, QPointF c, double s, QColor field, QColor charge, int back) {
  QPainterPath shield;
  shield.moveTo(c + QPointF(-s, -s));
  shield.lineTo(c + QPointF(s, -s));
  shield.lineTo(c + QPointF(s, 0));
  shield.quadTo(c + QPointF(s, s * 0.9), c + QPointF(0, s * 1.3));
  shield.quadTo(c + QPointF(-s, s * 0.9), c + QPointF(-s, 0));
  shield.closeSubpath();
  p.setPen(QPen(QColor(230, 190, 80), s / 10));
  p.setBrush(field);
  p.drawPath(shield);
  p.save();
  p.setClipPath(shield);
  p.setPen(Qt::NoPen);
  p.setBrush(charge);
  switch (back % 4) {
    case 0:
      p.drawPath(Poly({c + QPointF(-s, s * 0.4), c + QPointF(0, -s * 0.4), c + QPointF(s, s * 0.4),
                       c + QPointF(s, s * 0.8), c + QPointF(0, 0), c + QPointF(-s, s * 0.8)}));
      break;
    case 1:
      p.drawRect(QRectF(c.x() - s * 0.18, c.y() - s, s * 0.36, s * 2.4));
      p.drawRect(QRectF(c.x() - s, c.y() - s * 0.35, s * 2, s * 0.36));
      break;
    case 2:
      p.drawRect(QRectF(c.x() - s, c.y() - s, s * 2, s * 0.7));
      break;
    default:
      art::DrawMotif(p, art::Motif::Lily, c, s * 0.6, charge);
      break;
  }
  p.restore();
}

void FieldPattern(QPainter& p, int backSet, const QRectF& f, double unit, QColor line) {
  double w = f.right() + unit, h = f.bottom() + unit;
  p.setPen(QPen(line, unit / 10));
  p.setBrush(Qt::NoBrush);
  switch (backSet) {
    case 1:  // lattice of lilies
    case 12:
      for (double d = -h; d < w + h; d += unit * 1.4) {
        p.drawLine(QPointF(d, 0), QPointF(d + h, h));
        p.drawLine(QPointF(d, h), QPointF(d + h, 0));
      }
      for (double y = unit * 0.7; y < h; y += unit * 1.4)
        for (double x = unit * 0.7; x < w; x += unit * 1.4)
          art::DrawMotif(p, backSet == 1 ? art::Motif::Lily : art::Motif::Rose, QPointF(x, y),
                         unit * 0.35, backSet == 1 ? line : QColor(200, 30, 30));
      break;
    case 2:  // arches
      for (double y = 0; y < h; y += unit)
        for (double x = (int(y / unit) % 2) * unit / 2; x < w; x += unit)
          p.drawArc(QRectF(x - unit / 2, y, unit, unit * 1.2), 0, 180 * 16);
      break;
    case 3:  // carpet: stepped diamonds
      for (double y = 0; y < h; y += unit)
        for (double x = (int(y / unit) % 2) * unit / 2; x < w; x += unit) {
          p.drawPolygon(QPolygonF({QPointF(x, y - unit / 2), QPointF(x + unit / 2, y),
                                   QPointF(x, y + unit / 2), QPointF(x - unit / 2, y)}));
          art::DrawMotif(p, art::Motif::Dot, QPointF(x, y), unit * 0.2, line);
        }
      break;
    case 4:  // crosses
      for (double y = unit / 2; y < h; y += unit)
        for (double x = (int(y / unit) % 2) * unit / 2; x < w; x += unit)
          art::DrawMotif(p, art::Motif::Cross, QPointF(x, y), unit * 0.3, line);
      break;
    case 5:  // chess board
      p.setPen(Qt::NoPen);
      p.setBrush(line);
      for (int j = 0; j * unit < h; ++j)
        for (int i = j % 2; i * unit < w; i += 2)
          p.drawRect(QRectF(i * unit, j * unit, unit, unit));
      break;
    case 6:  // argyle
      for (double y = 0; y < h; y += unit * 1.6)
        for (double x = (int(y / unit / 1.6) % 2) * unit / 2; x < w; x += unit) {
          p.setBrush(QColor(line.red(), line.green(), line.blue(), 90));
          p.drawPolygon(QPolygonF({QPointF(x, y - unit * 0.8), QPointF(x + unit / 2, y),
                                   QPointF(x, y + unit * 0.8), QPointF(x - unit / 2, y)}));
        }
      break;
    case 7:  // knightly: small shields
      for (double y = unit / 2; y < h; y += unit)
        for (double x = unit / 2 + (int(y / unit) % 2) * unit / 2; x < w; x += unit)
          art::DrawMotif(p, art::Motif::Cross, QPointF(x, y), unit * 0.18, line);
      break;
    case 8:
    case 10:  // animals, places: a fine grid of dots
      for (double y = unit / 2; y < h; y += unit * 0.6)
        for (double x = unit / 2; x < w; x += unit * 0.6)
          art::DrawMotif(p, art::Motif::Dot, QPointF(x, y), unit * 0.12, line);
      break;
    case 9:  // flowers: leaves
      for (double y = unit / 2; y < h; y += unit)
        for (double x = unit / 2 + (int(y / unit) % 2) * unit / 2; x < w; x += unit)
          art::DrawMotif(p, art::Motif::Leaf, QPointF(x, y), unit * 0.3, line);
      break;
  }
}

void CentrePiece(QPainter& p, int backSet, int back, QPointF c, double r, QColor field,
                 QColor line) {
  QRadialGradient glow(c, r);
  glow.setColorAt(0, QColor(255, 252, 240));
  glow.setColorAt(1, line);
  p.setPen(QPen(line.lighter(130), r / 18));
  p.setBrush(glow);
  auto scaled = [&](const QPainterPath& path) {
    QTransform t;
    t.translate(c.x() - r * 0.72, c.y() - r * 0.72);
    t.scale(r * 1.44 / 100, r * 1.44 / 100);
    return t.map(path);
  };
  switch (backSet) {
    case 5:
      p.drawEllipse(c, r, r);
      p.setPen(Qt::NoPen);
      p.setBrush(field.darker(160));
      Pawn(p, c + QPointF(0, r * 0.1), r * 0.8, back);
      break;
    case 7:
      Shield(p, c, r * 0.7, field.darker(120), QColor(240, 200, 80), back);
      break;
    case 8:
      p.drawEllipse(c, r, r);
      p.setPen(Qt::NoPen);
      p.setBrush(field.darker(150));
      p.drawPath(scaled(Animal(back - 1)));
      break;
    case 9:
      p.drawEllipse(c, r, r);
      Flower(p, back - 1, c, r * 0.8);
      break;
    case 10:
      p.drawEllipse(c, r, r);
      p.setPen(Qt::NoPen);
      p.setBrush(field.darker(150));
      p.drawPath(scaled(Place(back - 1)));
      break;
    case 12: {  // a golden berry branch on black lacquer
      p.setBrush(field.darker(130));
      p.setPen(QPen(QColor(220, 170, 50), r / 14));
      p.drawEllipse(c, r, r);
      p.setPen(QPen(QColor(220, 170, 50), r / 16));
      QPainterPath stem;
      stem.moveTo(c + QPointF(-r * 0.6, r * 0.5));
      stem.cubicTo(c + QPointF(-r * 0.2, -r * 0.2), c + QPointF(r * 0.2, r * 0.3),
                   c + QPointF(r * 0.6, -r * 0.5));
      p.setBrush(Qt::NoBrush);
      p.drawPath(stem);
      p.setPen(Qt::NoPen);
      int berries = 3 + back % 4;
      for (int i = 0; i < berries; ++i) {
        double t = 0.12 + i * 0.76 / (berries - 1);
        QPointF at = stem.pointAtPercent(t);
        p.setBrush(QColor(210, 30, 30));
        p.drawEllipse(at + QPointF(0, -r * 0.12), r * 0.11, r * 0.11);
        p.setBrush(QColor(220, 170, 50));
        art::DrawMotif(p, art::Motif::Leaf, at + QPointF(r * 0.1, r * 0.12), r * 0.12,
                       QColor(220, 170, 50));
      }
      break;
    }
    default: {
      p.drawEllipse(c, r * 0.8, r);
      art::Motif motifs[7] = {art::Motif::Lily, art::Motif::Rose, art::Motif::Star,
                              art::Motif::Sun,  art::Motif::Knot, art::Motif::Cross,
                              art::Motif::Snow};
      art::DrawMotif(p, motifs[(back + backSet) % 7], c, r * 0.55, field.darker(130));
      break;
    }
  }
}

// The ten SVG decks whose own backs make the "Other" set.
const std::array<const char*, 10> kOtherBacks = {
    "svg-ancient-egyptians/Ancient_Egyptians.svgz",
    "svg-dondorf/dondorf.svgz",
    "svg-oxygen-white/oxygen-white.svgz",
    "svg-gm-paris/paris.svgz",
    "svg-jolly-royal/jolly-royal.svgz",
    "svg-oxygen/oxygen.svgz",
    "svg-penguins/penguins.svgz",
    "svg-standard/standard.svgz",
    "svg-tigullio-international/tigullio-international.svgz",
    "svg-xskat-french/french.svgz"};

}  // namespace

QImage DrawSetBack(int backSet, int back, int width, int height, bool smallCard) {
  QImage img = art::NewImage(width, height);
  QPainter p(&img);
  art::SetupPainter(p);
  double w = width, h = height;
  if (backSet == 11) {
    std::string file = std::string("/usr/share/carddecks/") + kOtherBacks[(back - 1) % 10];
    static std::map<std::string, std::unique_ptr<SvgDeck>> decks;  // one parse per deck
    auto it = decks.find(file);
    if (it == decks.end()) it = decks.emplace(file, SvgDeck::Open(file)).first;
    if (const SvgDeck* deck = it->second.get()) {
      QImage rendered = deck->Render("back", width, height);
      if (!rendered.isNull()) {
        if (smallCard) p.fillRect(img.rect(), Qt::white);
        p.drawImage(0, 0, rendered);
        return img;
      }
    }
  }
  QColor field = kWeekColours[(back - 1 + backSet * 3) % 10];
  // Russian lacquer: black, cinnabar, malachite and ochre grounds.
  const QColor lacquer[7] = {QColor(20, 16, 16), QColor(150, 20, 16),  QColor(16, 70, 40),
                             QColor(20, 16, 16), QColor(170, 110, 20), QColor(20, 30, 80),
                             QColor(90, 10, 10)};
  if (backSet == 12) field = lacquer[(back - 1) % 7];
  QColor line = backSet == 12 ? QColor(200, 40, 30) : field.lighter(170);
  double margin = smallCard ? 3 : 6;
  if (smallCard) {
    p.fillRect(QRectF(0, 0, w, h), QColor(255, 255, 252));
  } else {
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.setBrush(QColor(255, 255, 252));
    p.drawRoundedRect(QRectF(0.6, 0.6, w - 1.2, h - 1.2), 9, 9);
  }
  QRectF f(margin, margin, w - 2 * margin, h - 2 * margin);
  double radius = smallCard ? 3 : 6;
  QPainterPath clip;
  clip.addRoundedRect(f, radius, radius);
  p.setClipPath(clip);
  p.fillRect(f, field);
  double unit = std::min(w, h) / (smallCard ? 7.0 : 9.0);
  FieldPattern(p, backSet, f, unit, line);
  p.setClipping(false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(backSet == 12 ? QColor(220, 170, 50) : line.lighter(120), smallCard ? 1.0 : 2.0));
  double inset = smallCard ? 3 : 6;
  p.drawRoundedRect(f.adjusted(inset, inset, -inset, -inset), radius, radius);
  CentrePiece(p, backSet, back, QPointF(w / 2, h / 2), std::min(w, h) * 0.3, field, line);
  return img;
}

void AddBacks(art::Sink& sink) {
  auto turned = [](const QImage& img) { return img.transformed(QTransform().rotate(90)); };
  constexpr std::uint32_t kCornerKey = 0xFF00FF;
  for (int backSet = 1; backSet < kBackSetCount; ++backSet) {
    for (int back = 1; back <= BacksInSet(backSet); ++back) {
      QImage small = DrawSetBack(backSet, back, kSmallFaceWidth, kSmallFaceHeight, true);
      QImage large = DrawSetBack(backSet, back, kLargeFaceWidth, kLargeFaceHeight, false);
      QImage narrow = DrawSetBack(backSet, back, kNarrowFaceWidth, kLargeFaceHeight, false);
      for (bool sideways : {false, true}) {
        auto put = [&](const QImage& img, int cls, bool full, std::uint32_t key) {
          sink.Png(BackName(back, backSet, cls, full, sideways), sideways ? turned(img) : img, key);
        };
        put(small, kSmallPictures, true, 0);
        put(large, kLargePictures, true, kCornerKey);
        put(narrow, kLargePictures, false, kCornerKey);
      }
    }
  }
  // The program's own backs in the narrow form, for narrow designs with the built-in set.
  for (int back = 1; back <= BacksInSet(0); ++back) {
    QImage narrow = art::NewImage(kNarrowFaceWidth, kLargeFaceHeight);
    QPainter p(&narrow);
    art::SetupPainter(p);
    art::DrawBack(p, QRectF(0, 0, kNarrowFaceWidth, kLargeFaceHeight), back, false);
    p.end();
    sink.Png(BackName(back, 0, kLargePictures, false, false), narrow, kCornerKey);
    sink.Png(BackName(back, 0, kLargePictures, false, true), turned(narrow), kCornerKey);
  }
}

}  // namespace tarnel::libraries
