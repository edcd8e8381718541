// The built-in deck "Classical-1": faces with pips laid out as on printed cards, framed court
// cards with a figure, large aces, corner indices; seven backs; the suit symbols.
#include <QTransform>

#include <array>
#include <cmath>
#include <string_view>

#include "art.h"

namespace tarnel::art {
namespace {

// Everything is drawn in the coordinates of a large card and scaled to the target.
constexpr double kW = 146, kH = 198;

const std::array<const char*, 9> kRankCodes = {"06", "07", "08", "09", "10",
                                               "2J", "3Q", "4K", "5A"};
const std::array<const char*, 4> kSuitCodes = {"Ch", "Bu", "Kr", "Pi"};
const std::array<const char*, 10> kDayCodes = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr",
                                               "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};

void Pip(QPainter& p, const FaceStyle& st, int suit, QPointF centre, double w, double h,
         bool turned) {
  p.save();
  p.translate(centre);
  if (turned) p.rotate(180);
  QRectF box(-w / 2, -h / 2, w, h);
  QPainterPath path = SuitShape(st.Suits, suit, box);
  QColor c = st.SuitColours[suit];
  switch (st.Pips) {
    case PipLook::Flat:
      p.setPen(Qt::NoPen);
      p.setBrush(c);
      break;
    case PipLook::Shaded: {
      QLinearGradient g(box.topLeft(), box.bottomRight());
      g.setColorAt(0, c.lighter(c.lightness() < 60 ? 300 : 150));
      g.setColorAt(1, c.darker(120));
      p.setPen(QPen(c.darker(150), std::max(0.5, w / 30)));
      p.setBrush(g);
      break;
    }
    case PipLook::Outlined:
      p.setPen(QPen(c, std::max(1.0, w / 12)));
      p.setBrush(c.lighter(175));
      break;
    case PipLook::Shadowed:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 0, 0, 70));
      p.drawPath(path.translated(w / 14, h / 14));
      p.setBrush(c);
      break;
  }
  p.drawPath(path);
  p.restore();
}

void Index(QPainter& p, const FaceStyle& st, int rank, int suit, bool smallCard) {
  // Small cards get relatively larger indices so that they stay readable.
  double size = (smallCard ? 30 : 25) * st.IndexScale;
  double pip = smallCard ? 17 : 14;
  QFont font = Font(st.IndexFamily, size, st.IndexBold);
  font.setItalic(st.IndexItalic);
  int stretch = st.IndexStretch;
  if (std::string_view(st.IndexText[rank]).size() > 1)
    stretch = stretch * (smallCard ? 70 : 78) / 100;
  font.setStretch(stretch);
  for (int corner = 0; corner < 2; ++corner) {
    p.save();
    if (corner == 1) {
      p.translate(kW, kH);
      p.rotate(180);
    }
    p.setFont(font);
    p.setPen(st.SuitColours[suit].lightness() > 200 ? st.SuitColours[suit].darker(200)
                                                    : st.SuitColours[suit]);
    double cx = smallCard ? 17 : 15;
    QRectF textBox(cx - 18, 3, 36, size + 2);
    p.drawText(textBox, Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8(st.IndexText[rank]));
    Pip(p, st, suit, QPointF(cx, 5 + size + pip / 2), pip, pip * 1.08, false);
    p.restore();
  }
}

// Pip places of the number cards: column (0 left, 1 middle, 2 right), row 0..1 from the top.
struct Place {
  int Column;
  double Row;
};

std::vector<Place> Layout(int rank) {
  std::vector<Place> out;
  auto sides = [&](std::initializer_list<double> rows) {
    for (double r : rows) {
      out.push_back({0, r});
      out.push_back({2, r});
    }
  };
  switch (rank) {
    case 0:
      sides({0, 0.5, 1});
      break;
    case 1:
      sides({0, 0.5, 1});
      out.push_back({1, 0.25});
      break;
    case 2:
      sides({0, 0.5, 1});
      out.push_back({1, 0.25});
      out.push_back({1, 0.75});
      break;
    case 3:
      sides({0, 1.0 / 3, 2.0 / 3, 1});
      out.push_back({1, 0.5});
      break;
    case 4:
      sides({0, 1.0 / 3, 2.0 / 3, 1});
      out.push_back({1, 1.0 / 6});
      out.push_back({1, 5.0 / 6});
      break;
  }
  return out;
}

void NumberPips(QPainter& p, const FaceStyle& st, int rank, int suit, bool smallCard) {
  double colX[3] = {44, 73, 102};
  double top = smallCard ? 46 : 40, bottom = smallCard ? 152 : 158;
  double w = smallCard ? 30 : 28, h = smallCard ? 32 : 30;
  for (const auto& place : Layout(rank)) {
    double y = top + place.Row * (bottom - top);
    Pip(p, st, suit, QPointF(colX[place.Column], y), w, h, place.Row > 0.5);
  }
}

void Ace(QPainter& p, const FaceStyle& st, int suit) {
  QPointF c(kW / 2, kH / 2);
  QColor gold = st.Gold;
  switch (st.Ace) {
    case AceLook::Ring:
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(gold.darker(125), 1.0));
      p.drawEllipse(c, 52, 58);
      p.setPen(QPen(gold.darker(125), 0.6, Qt::DotLine));
      p.drawEllipse(c, 56, 62);
      break;
    case AceLook::Wreath:
      for (int i = 0; i < 28; ++i) {
        if (i == 0 || i == 14) continue;  // open at the top and bottom like a laurel
        double a = i * 2 * M_PI / 28;
        p.save();
        p.translate(c.x() + 50 * std::sin(a), c.y() - 56 * std::cos(a));
        p.rotate(a * 180 / M_PI + 35);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 130, 60));
        p.drawEllipse(QPointF(0, 0), 3.2, 7);
        p.restore();
      }
      break;
    case AceLook::Rays:
      p.setPen(QPen(gold, 1.4));
      for (int i = 0; i < 32; ++i) {
        double a = i * 2 * M_PI / 32, r0 = 42, r1 = i % 2 ? 54 : 62;
        p.drawLine(c + QPointF(r0 * std::cos(a), r0 * std::sin(a)),
                   c + QPointF(r1 * std::cos(a), r1 * std::sin(a)));
      }
      break;
    case AceLook::Medallion: {
      QRadialGradient g(c, 58);
      g.setColorAt(0, st.CourtField);
      g.setColorAt(1, st.CourtField.darker(115));
      p.setPen(QPen(gold.darker(120), 2.2));
      p.setBrush(g);
      p.drawEllipse(c, 50, 56);
      p.setPen(QPen(gold, 0.8));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(c, 46, 52);
      break;
    }
    case AceLook::Plain:
      break;
  }
  if (st.Pattern != Motif::None) {
    for (int i = 0; i < 4; ++i) {
      double a = M_PI / 4 + i * M_PI / 2;
      DrawMotif(p, st.Pattern, c + QPointF(44 * std::cos(a), 50 * std::sin(a)), 9,
                st.PatternColour);
    }
  }
  QRectF box(kW / 2 - 36, kH / 2 - 39, 72, 78);
  QPainterPath path = SuitShape(st.Suits, suit, box);
  QColor base = st.SuitColours[suit];
  QRadialGradient g(box.center() - QPointF(12, 14), 60);
  g.setColorAt(0, base.lighter(base.lightness() < 60 ? 260 : 135));
  g.setColorAt(1, base);
  p.setPen(QPen(base.darker(130), 1.2));
  p.setBrush(st.Pips == PipLook::Flat ? QBrush(base) : QBrush(g));
  p.drawPath(path);
}

QColor Hair(int rank, int suit) {
  if (rank == 5) return QColor(150, 90, 40);
  if (rank == 6) return QColor(230, 190, 90);
  return suit % 2 ? QColor(110, 70, 40) : QColor(200, 200, 200);
}

void Headgear(QPainter& p, const FaceStyle& st, int rank, QColor robe, QColor trim) {
  QColor gold = st.Gold;
  switch (st.Hats) {
    case Headwear::Classic:
      break;
    case Headwear::Turban:
      p.setBrush(trim);
      p.drawEllipse(QRectF(35, 6, 30, 18));
      p.setBrush(gold);
      p.drawEllipse(QPointF(50, 13), 2.6, 2.6);
      return;
    case Headwear::Helmet: {
      QPainterPath helm;
      helm.moveTo(37, 24);
      helm.quadTo(38, 3, 50, 3);
      helm.quadTo(62, 3, 63, 24);
      helm.closeSubpath();
      p.setBrush(QColor(190, 195, 205));
      p.drawPath(helm);
      p.setBrush(robe);
      p.drawRect(QRectF(48, 0, 4, 8));
      return;
    }
    case Headwear::Wreath:
      p.setBrush(QColor(70, 140, 60));
      for (int i = 0; i < 7; ++i)
        p.drawEllipse(QPointF(38 + i * 4, 17 - std::sin(i * M_PI / 6) * 5), 2.6, 4.2);
      return;
    case Headwear::Kokoshnik: {
      QPainterPath k;
      k.moveTo(37, 22);
      k.quadTo(36, 2, 50, 1);
      k.quadTo(64, 2, 63, 22);
      k.quadTo(50, 17, 37, 22);
      p.setBrush(rank == 6 ? robe : trim);
      p.drawPath(k);
      p.setBrush(gold);
      for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(42 + i * 4, 12 - (i == 2 ? 3 : i % 2 ? 1.5 : 0)), 1.6, 1.6);
      return;
    }
    case Headwear::Hat:
      p.setBrush(QColor(40, 40, 50));
      p.drawEllipse(QRectF(30, 16, 40, 7));
      p.drawRect(QRectF(38, 3, 24, 16));
      p.setBrush(trim);
      p.drawRect(QRectF(38, 14, 24, 3));
      return;
  }
  if (rank == 7) {
    QPainterPath crown;
    crown.moveTo(39, 20);
    crown.lineTo(37, 5);
    crown.lineTo(43.5, 12);
    crown.lineTo(50, 2);
    crown.lineTo(56.5, 12);
    crown.lineTo(63, 5);
    crown.lineTo(61, 20);
    crown.closeSubpath();
    p.setBrush(gold);
    p.drawPath(crown);
    p.setBrush(QColor(200, 20, 40));
    p.drawEllipse(QPointF(50, 15), 2.2, 2.2);
  } else if (rank == 6) {
    QPainterPath tiara;
    tiara.moveTo(39, 21);
    tiara.quadTo(50, 4, 61, 21);
    tiara.quadTo(50, 15, 39, 21);
    p.setBrush(gold);
    p.drawPath(tiara);
    p.setBrush(QColor(40, 110, 200));
    p.drawEllipse(QPointF(50, 12.5), 2.3, 2.3);
  } else {
    p.setBrush(trim);
    p.drawChord(QRectF(36, 7, 28, 26), 0, 180 * 16);
    p.setBrush(QColor(250, 250, 250));
    QPainterPath feather;
    feather.moveTo(58, 13);
    feather.quadTo(72, 0, 78, 8);
    feather.quadTo(68, 8, 58, 13);
    p.drawPath(feather);
  }
}

// The upper half-figure of a court card, drawn in a 100 x 80 box whose bottom edge is the
// card's middle; the lower half is the same turned round.
void HalfFigure(QPainter& p, const FaceStyle& st, int rank, int suit, const QRectF& frame) {
  QColor robeColour = st.Robes[(suit + rank) % 4], trim = st.Trims[(suit + rank) % 4];
  if (robeColour == trim) trim = QColor(40, 40, 50);
  QColor hair = Hair(rank, suit);
  p.save();
  p.translate(frame.topLeft());
  p.scale(frame.width() / 100, frame.height() / 2 / 80);
  QColor skin(246, 214, 178), ink(40, 30, 30), gold = st.Gold;
  QPen outline(ink, 1.0);
  p.setPen(outline);

  // Hair behind the head.
  p.setBrush(hair);
  if (rank == 6) {
    p.drawRoundedRect(QRectF(35, 14, 30, 38), 12, 12);
  } else {
    p.drawEllipse(QPointF(50, 28), 14, 14);
  }
  // Robe with shoulders, a trimmed band and a hem.
  QPainterPath robe;
  robe.moveTo(30, 50);
  robe.cubicTo(12, 54, 7, 64, 6, 80);
  robe.lineTo(94, 80);
  robe.cubicTo(93, 64, 88, 54, 70, 50);
  robe.closeSubpath();
  p.setBrush(robeColour);
  p.drawPath(robe);
  p.setBrush(trim);
  p.drawRect(QRectF(43, 50, 14, 30));
  p.drawRect(QRectF(6.5, 74, 87, 6));
  if (st.Pattern != Motif::None) {
    // The design's motif embroidered on the robe.
    p.save();
    p.setClipPath(robe);
    for (double x : {22.0, 78.0})
      DrawMotif(
          p, st.Pattern, QPointF(x, 65), 5,
          st.PatternColour.isValid() && st.PatternColour.alpha() > 0 ? st.PatternColour : trim);
    p.restore();
    p.setPen(outline);
  }
  p.setBrush(QColor(250, 245, 230));
  for (int i = 0; i < 3; ++i)
    p.drawEllipse(QPointF(50, 56 + i * 8), 1.8, 1.8);
  // Sleeves and hands.
  for (int side = -1; side <= 1; side += 2) {
    QPainterPath sleeve;
    sleeve.moveTo(50 + side * 24, 53);
    sleeve.quadTo(50 + side * 32, 62, 50 + side * 14, 72);
    sleeve.lineTo(50 + side * 10, 66);
    sleeve.quadTo(50 + side * 20, 60, 50 + side * 17, 53);
    sleeve.closeSubpath();
    p.setBrush(trim);
    p.drawPath(sleeve);
    p.setBrush(skin);
    p.drawEllipse(QPointF(50 + side * 12, 70), 3.6, 3.6);
  }
  // Collar.
  p.setBrush(QColor(252, 250, 244));
  p.drawEllipse(QPointF(50, 48), 21, 5.5);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (int i = 0; i < 5; ++i)
    p.drawEllipse(QPointF(38 + i * 6, 48), 0.9, 1.2);
  p.setPen(outline);
  // Face.
  p.setBrush(skin);
  p.drawEllipse(QPointF(50, 30), 10.5, 12.5);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(QPointF(45.8, 28.5), 1.3, 1.3);
  p.drawEllipse(QPointF(54.2, 28.5), 1.3, 1.3);
  p.setPen(QPen(ink, 0.7));
  p.drawLine(QPointF(50, 29.5), QPointF(48.8, 33));
  if (rank == 7) {
    QPainterPath beard;
    beard.moveTo(40, 32);
    beard.quadTo(41, 45, 50, 47);
    beard.quadTo(59, 45, 60, 32);
    beard.quadTo(50, 38, 40, 32);
    p.setPen(outline);
    p.setBrush(hair);
    p.drawPath(beard);
  }
  p.setPen(QPen(QColor(170, 50, 50), 1.1));
  p.drawLine(QPointF(47.5, 36.5), QPointF(52.5, 36.5));

  p.setPen(outline);
  Headgear(p, st, rank, robeColour, trim);

  // What each figure holds.
  if (rank == 7) {  // sceptre in the right hand
    p.setBrush(gold);
    p.drawRect(QRectF(61, 24, 3, 56));
    p.drawEllipse(QPointF(62.5, 22), 4, 4);
  } else if (rank == 6) {  // a flower in the left hand
    p.setPen(QPen(QColor(40, 120, 40), 1.6));
    p.drawLine(QPointF(38, 70), QPointF(28, 40));
    p.setPen(outline);
    p.setBrush(QColor(220, 40, 90));
    for (int i = 0; i < 5; ++i) {
      double a = i * 2 * M_PI / 5;
      p.drawEllipse(QPointF(28 + 3.6 * std::cos(a), 36 + 3.6 * std::sin(a)), 3, 3);
    }
    p.setBrush(gold);
    p.drawEllipse(QPointF(28, 36), 2, 2);
  } else {  // halberd in the left hand
    p.setBrush(QColor(130, 90, 50));
    p.drawRect(QRectF(36.5, 14, 2.6, 66));
    p.setBrush(QColor(205, 210, 220));
    QPainterPath blade;
    blade.moveTo(37.8, 2);
    blade.lineTo(44, 16);
    blade.lineTo(31.5, 16);
    blade.closeSubpath();
    p.drawPath(blade);
  }
  p.restore();
  // The suit in the free corner beside the head.
  Pip(p, st, suit, QPointF(frame.right() - 11, frame.top() + 12), 12, 13, false);
}

QPainterPath FramePath(const FaceStyle& st, const QRectF& frame) {
  QPainterPath path;
  switch (st.Frame) {
    case CourtFrame::Rect:
    case CourtFrame::Open:
      path.addRect(frame);
      break;
    case CourtFrame::Rounded:
      path.addRoundedRect(frame, 10, 10);
      break;
    case CourtFrame::Arch: {
      double r = frame.width() / 2;
      path.moveTo(frame.left(), frame.top() + r * 0.5);
      path.quadTo(frame.left(), frame.top(), frame.center().x(), frame.top());
      path.quadTo(frame.right(), frame.top(), frame.right(), frame.top() + r * 0.5);
      path.lineTo(frame.right(), frame.bottom() - r * 0.5);
      path.quadTo(frame.right(), frame.bottom(), frame.center().x(), frame.bottom());
      path.quadTo(frame.left(), frame.bottom(), frame.left(), frame.bottom() - r * 0.5);
      path.closeSubpath();
      break;
    }
    case CourtFrame::Oval:
      path.addEllipse(frame.adjusted(-4, -2, 4, 2));
      break;
  }
  return path;
}

void Court(QPainter& p, const FaceStyle& st, int rank, int suit, bool smallCard) {
  // The frame stays clear of the corner indices.
  double side = smallCard ? 35 : 29, top = smallCard ? 14 : 20;
  QRectF frame(side, top, kW - 2 * side, kH - 2 * top);
  QPainterPath shape = FramePath(st, frame);
  p.setPen(Qt::NoPen);
  p.setBrush(st.CourtField);
  if (st.Frame != CourtFrame::Open) p.drawPath(shape);
  if (st.Pattern != Motif::None && st.Frame != CourtFrame::Open) {
    p.save();
    p.setClipPath(shape);
    QColor faint = st.PatternColour;
    faint.setAlpha(60);
    for (double y = frame.top() + 8; y < frame.bottom(); y += 18)
      for (double x = frame.left() + 8; x < frame.right(); x += 18)
        DrawMotif(p, st.Pattern, QPointF(x, y), 4, faint);
    p.restore();
  }
  for (int half = 0; half < 2; ++half) {
    p.save();
    if (half == 1) {
      p.translate(kW, kH);
      p.rotate(180);
    }
    p.setClipRect(
        QRectF(frame.left() - 4, frame.top() - 2, frame.width() + 8, frame.height() / 2 + 2));
    if (st.Frame != CourtFrame::Open) p.setClipPath(shape, Qt::IntersectClip);
    HalfFigure(p, st, rank, suit, frame);
    p.restore();
  }
  p.setPen(QPen(QColor(60, 50, 40), 1.0));
  p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
  if (st.Frame == CourtFrame::Open) return;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(st.SuitColours[suit], 1.6));
  p.drawPath(shape);
  p.setPen(QPen(st.Gold.darker(115), 0.8));
  QPainterPath outer = FramePath(st, frame.adjusted(-2.5, -2.5, 2.5, 2.5));
  p.drawPath(outer);
}

void CardBorder(QPainter& p, const FaceStyle& st, bool smallCard) {
  if (st.Border == 0) return;
  double inset = smallCard ? 4 : 5;
  QRectF r(inset, inset, kW - 2 * inset, kH - 2 * inset);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(st.BorderColour, st.Border == 3 ? 1.0 : 1.3));
  p.drawRoundedRect(r, st.Corner * 0.6, st.Corner * 0.6);
  if (st.Border == 2) p.drawRoundedRect(r.adjusted(3, 3, -3, -3), st.Corner * 0.4, st.Corner * 0.4);
  if (st.Border == 3) {
    QRectF inner = r.adjusted(4, 4, -4, -4);
    p.drawRoundedRect(inner, st.Corner * 0.4, st.Corner * 0.4);
    p.setPen(QPen(st.BorderColour, 0.9));
    for (double x = inner.left() + 6; x < inner.right() - 4; x += 8) {
      p.drawLine(QPointF(x, r.top() + 0.5), QPointF(x + 3, inner.top() - 0.5));
      p.drawLine(QPointF(x, r.bottom() - 0.5), QPointF(x + 3, inner.bottom() + 0.5));
    }
    for (double y = inner.top() + 6; y < inner.bottom() - 4; y += 8) {
      p.drawLine(QPointF(r.left() + 0.5, y), QPointF(inner.left() - 0.5, y + 3));
      p.drawLine(QPointF(r.right() - 0.5, y), QPointF(inner.right() + 0.5, y + 3));
    }
  }
}

}  // namespace

FaceStyle ClassicStyle() {
  FaceStyle st;
  st.SuitColours = {QColor(206, 17, 38), QColor(206, 17, 38), QColor(22, 22, 26),
                    QColor(22, 22, 26)};
  st.Robes = {QColor(178, 30, 40), QColor(222, 170, 40), QColor(30, 70, 160), QColor(30, 120, 70)};
  st.Trims = {QColor(222, 170, 40), QColor(178, 30, 40), QColor(222, 170, 40), QColor(178, 30, 40)};
  st.Gold = QColor(232, 186, 50);
  return st;
}

void DrawFace(QPainter& p, const QRectF& box, int rank, int suit, bool smallCard) {
  static const FaceStyle classic = ClassicStyle();
  DrawFace(p, box, rank, suit, smallCard, classic);
}

void DrawFace(QPainter& p, const QRectF& box, int rank, int suit, bool smallCard,
              const FaceStyle& st) {
  p.save();
  p.translate(box.topLeft());
  p.scale(box.width() / kW, box.height() / kH);
  if (smallCard) {
    p.fillRect(QRectF(0, 0, kW, kH), st.Paper);
  } else {
    p.setPen(QPen(st.Edge, 1.2));
    p.setBrush(st.Paper);
    p.drawRoundedRect(QRectF(0.6, 0.6, kW - 1.2, kH - 1.2), st.Corner, st.Corner);
  }
  CardBorder(p, st, smallCard);
  if (rank <= 4) {
    NumberPips(p, st, rank, suit, smallCard);
  } else if (rank == 8) {
    Ace(p, st, suit);
  } else {
    Court(p, st, rank, suit, smallCard);
  }
  Index(p, st, rank, suit, smallCard);
  p.restore();
}

namespace {

struct BackStyle {
  QColor Field, Line;
  int Pattern;
};

const std::array<BackStyle, 7> kBackStyles = {{
    {QColor(26, 62, 140), QColor(120, 160, 230), 0},  // lattice
    {QColor(165, 28, 28), QColor(240, 150, 130), 1},  // diamonds
    {QColor(24, 105, 52), QColor(150, 215, 160), 2},  // dots
    {QColor(92, 42, 134), QColor(200, 160, 235), 0},
    {QColor(14, 110, 116), QColor(140, 220, 220), 3},  // waves
    {QColor(27, 42, 90), QColor(220, 190, 90), 4},     // stars
    {QColor(122, 16, 32), QColor(230, 190, 100), 1},
}};

void Star(QPainter& p, QPointF c, double r) {
  QPainterPath s;
  for (int i = 0; i < 10; ++i) {
    double a = -M_PI / 2 + i * M_PI / 5;
    double rr = i % 2 ? r * 0.45 : r;
    QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    if (i == 0)
      s.moveTo(pt);
    else
      s.lineTo(pt);
  }
  s.closeSubpath();
  p.drawPath(s);
}

}  // namespace

void DrawBack(QPainter& p, const QRectF& box, int back, bool smallCard) {
  const BackStyle& st = kBackStyles[(back - 1) % 7];
  double w = box.width(), h = box.height();
  p.save();
  p.translate(box.topLeft());
  // A small card is drawn inside the table's own frame; a large one carries its rounded edge.
  double margin = smallCard ? 3 : 6;
  if (smallCard) {
    p.fillRect(QRectF(0, 0, w, h), QColor(255, 255, 252));
  } else {
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.setBrush(QColor(255, 255, 252));
    p.drawRoundedRect(QRectF(0.6, 0.6, w - 1.2, h - 1.2), 9, 9);
  }
  QRectF field(margin, margin, w - 2 * margin, h - 2 * margin);
  double radius = smallCard ? 3 : 6;
  QPainterPath clip;
  clip.addRoundedRect(field, radius, radius);
  p.setClipPath(clip);
  p.fillRect(field, st.Field);
  double unit = smallCard ? 6 : 11;
  p.setPen(QPen(st.Line, smallCard ? 0.7 : 1.1));
  p.setBrush(Qt::NoBrush);
  switch (st.Pattern) {
    case 0:
      for (double d = -h; d < w + h; d += unit) {
        p.drawLine(QPointF(d, 0), QPointF(d + h, h));
        p.drawLine(QPointF(d, h), QPointF(d + h, 0));
      }
      break;
    case 1:
      for (double y = 0; y < h + unit; y += unit)
        for (double x = ((int(y / unit)) % 2) * unit / 2; x < w + unit; x += unit) {
          QPolygonF d;
          d << QPointF(x, y - unit * 0.45) << QPointF(x + unit * 0.35, y)
            << QPointF(x, y + unit * 0.45) << QPointF(x - unit * 0.35, y);
          p.drawPolygon(d);
        }
      break;
    case 2:
      p.setBrush(st.Line);
      p.setPen(Qt::NoPen);
      for (double y = unit / 2; y < h; y += unit)
        for (double x = ((int(y / unit)) % 2) * unit / 2 + unit / 4; x < w; x += unit)
          p.drawEllipse(QPointF(x, y), unit * 0.18, unit * 0.18);
      break;
    case 3:
      for (double y = 0; y < h + unit; y += unit * 0.7) {
        QPainterPath wave;
        wave.moveTo(0, y);
        for (double x = 0; x < w; x += unit)
          wave.quadTo(x + unit / 2, y + ((int(x / unit)) % 2 ? unit * 0.35 : -unit * 0.35),
                      x + unit, y);
        p.drawPath(wave);
      }
      break;
    case 4:
      p.setBrush(st.Line);
      p.setPen(Qt::NoPen);
      for (double y = unit / 2; y < h; y += unit * 1.2)
        for (double x = ((int(y / unit)) % 2) * unit / 2 + unit / 3; x < w; x += unit * 1.2)
          Star(p, QPointF(x, y), unit * 0.32);
      break;
  }
  p.setClipping(false);
  // Inner border and a medallion with the four suits.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(st.Line.lighter(120), smallCard ? 1.0 : 2.0));
  double inset = smallCard ? 3 : 6;
  p.drawRoundedRect(field.adjusted(inset, inset, -inset, -inset), radius, radius);
  bool wide = w > h;
  QPointF c(w / 2, h / 2);
  double rx = (wide ? h : w) * 0.30, ry = (wide ? h : w) * 0.38;
  if (wide) std::swap(rx, ry);
  p.setPen(QPen(st.Line.lighter(130), smallCard ? 1.0 : 2.0));
  QRadialGradient g(c, std::max(rx, ry));
  g.setColorAt(0, QColor(255, 252, 240));
  g.setColorAt(1, st.Line);
  p.setBrush(g);
  p.drawEllipse(c, rx, ry);
  double s = std::min(rx, ry) * 0.55;
  QPointF offsets[4] = {{0, -s * 0.75}, {s * 0.75, 0}, {0, s * 0.75}, {-s * 0.75, 0}};
  for (int suit = 0; suit < 4; ++suit) {
    QPointF at = c + offsets[suit];
    p.setPen(Qt::NoPen);
    QColor col = suit == kHearts || suit == kDiamonds ? QColor(190, 20, 36) : st.Field.darker(150);
    p.setBrush(col);
    p.drawPath(SuitPath(suit, QRectF(at.x() - s * 0.35, at.y() - s * 0.38, s * 0.7, s * 0.76)));
  }
  p.restore();
}

namespace {

QImage Face(int rank, int suit, int w, int h, bool small) {
  QImage img = NewImage(w, h);
  QPainter p(&img);
  SetupPainter(p);
  DrawFace(p, QRectF(0, 0, w, h), rank, suit, small);
  return img;
}

QImage Back(int back, int w, int h, bool small) {
  QImage img = NewImage(w, h);
  QPainter p(&img);
  SetupPainter(p);
  DrawBack(p, QRectF(0, 0, w, h), back, small);
  return img;
}

QImage Turned(const QImage& img) {
  return img.transformed(QTransform().rotate(90));
}

}  // namespace

QImage SuitSymbol(int suit, int size, const FaceStyle& st) {
  QImage img = NewImage(size, size);
  QPainter p(&img);
  SetupPainter(p);
  double m = size * 0.06;
  QRectF box(m, m, size - 2 * m, size - 2 * m);
  QColor c = st.SuitColours[suit];
  QLinearGradient g(box.topLeft(), box.bottomRight());
  g.setColorAt(0, c.lighter(c.lightness() < 60 ? 300 : 140));
  g.setColorAt(1, c);
  p.setPen(QPen(c.darker(140), size / 40.0));
  p.setBrush(g);
  p.drawPath(SuitShape(st.Suits, suit, box));
  return img;
}

// The rounded-off corners of the large cards carry a colour found nowhere on a card, so that
// drawing with the top-left pixel's colour as transparent works as well as drawing with alpha.
constexpr std::uint32_t kCornerKey = 0xFF00FF;

void AddCards(Sink& sink) {
  const char* suitNames[4] = {"Cher", "Bubi", "Kres", "Piki"};
  for (int rank = 0; rank < 9; ++rank) {
    for (int suit = 0; suit < 4; ++suit) {
      std::string name = std::string(kSuitCodes[suit]) + kRankCodes[rank];
      sink.Png(name, Face(rank, suit, 69, 94, true));
      sink.Png(name + "B", Face(rank, suit, 146, 198, false), kCornerKey);
    }
  }
  for (int back = 1; back <= 7; ++back) {
    std::string day = kDayCodes[back - 1];
    sink.Png(day, Back(back, 69, 94, true));
    sink.Png(day + "R", Turned(Back(back, 69, 94, true)));
    sink.Png(day + "B", Back(back, 146, 198, false), kCornerKey);
    sink.Png(day + "RB", Turned(Back(back, 146, 198, false)), kCornerKey);
    // Narrow backs, so that a narrow design keeps backs when its back set is missing.
    sink.Png(day + "U", Back(back, 126, 198, false), kCornerKey);
    sink.Png(day + "RU", Turned(Back(back, 126, 198, false)), kCornerKey);
  }
  for (int suit = 0; suit < 4; ++suit) {
    sink.Png(suitNames[suit], SuitSymbol(suit, 20, ClassicStyle()));
    sink.Png(std::string(suitNames[suit]) + "B", SuitSymbol(suit, 40, ClassicStyle()));
  }
}

}  // namespace tarnel::art
