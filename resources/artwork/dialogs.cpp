// Dialog dressing and the per-language pictures: caption bars, ribbons, button skins, titles,
// club headings, flags, the logo, the player silhouettes and the mouse cursors.
#include <array>
#include <cmath>

#include "art.h"

namespace tarnel::art {
namespace {

// The classic button face, one colour per pixel row from the top.
std::vector<QColor> ClassicRows(int height) {
  std::vector<QColor> rows;
  auto add = [&](std::initializer_list<std::array<int, 3>> list) {
    for (auto c : list)
      rows.emplace_back(c[0], c[1], c[2]);
  };
  auto reds = [&](std::initializer_list<int> list) {
    for (int r : list)
      rows.emplace_back(r, 0, 0);
  };
  if (height == 29) {
    add({{128, 0, 0},
         {17, 0, 0},
         {135, 91, 91},
         {232, 173, 173},
         {223, 163, 163},
         {215, 153, 153},
         {207, 145, 145},
         {200, 136, 136},
         {194, 127, 127},
         {188, 117, 117},
         {184, 108, 108},
         {180, 99, 99},
         {178, 89, 89},
         {176, 80, 80},
         {152, 36, 36}});
    reds({136, 144, 153, 161, 170, 178, 187, 195, 204, 212, 221, 229, 238});
  } else if (height == 44) {
    add({{128, 0, 0},     {11, 0, 0},      {132, 93, 93},   {239, 180, 180}, {233, 175, 175},
         {227, 169, 169}, {221, 162, 162}, {215, 156, 156}, {210, 150, 150}, {206, 144, 144},
         {201, 139, 139}, {196, 133, 133}, {193, 127, 127}, {189, 121, 121}, {186, 115, 115},
         {183, 109, 109}, {181, 103, 103}, {178, 97, 97},   {178, 91, 91},   {176, 85, 85},
         {176, 79, 79},   {175, 74, 74},   {153, 34, 34}});
    reds({136, 141, 147, 153, 158, 164, 170, 175, 181, 187,
          192, 198, 204, 209, 215, 221, 227, 232, 238, 244});
  } else {
    add({{128, 0, 0},     {9, 0, 0},       {131, 94, 94},   {243, 183, 183}, {237, 178, 178},
         {232, 174, 174}, {228, 169, 169}, {224, 165, 165}, {219, 159, 159}, {214, 156, 156},
         {210, 151, 151}, {206, 147, 147}, {202, 142, 142}, {199, 138, 138}, {196, 134, 134},
         {193, 129, 129}, {190, 125, 125}, {189, 120, 120}, {185, 116, 116}, {183, 111, 111},
         {181, 107, 107}, {180, 102, 102}, {177, 97, 97},   {176, 93, 93},   {175, 89, 89},
         {174, 84, 84},   {173, 80, 80},   {172, 75, 75},   {172, 71, 71},   {150, 33, 33}});
    reds({132, 136, 140, 144, 148, 153, 157, 161, 165, 170, 174, 178, 182, 187,
          191, 195, 200, 204, 208, 212, 217, 221, 225, 229, 234, 238, 242, 246});
  }
  rows.emplace_back(128, 0, 0);
  return rows;
}

// A whole button face of both looks; the skins are its left cap, right cap and a middle slice.
QImage ButtonFace(int cap, int height, bool newLook) {
  int width = 2 * cap + 2;
  QImage img = NewImage(width, height);
  QPainter p(&img);
  SetupPainter(p);
  QRectF shape(0.5, 0.5, width - 1, height - 1);
  QPainterPath outline;
  outline.addRoundedRect(shape, cap * 0.9, newLook ? height / 2.0 : cap * 0.9);
  p.setClipPath(outline);
  if (newLook) {
    p.fillRect(img.rect(), Vertical(shape, QColor(255, 70, 60), QColor(170, 0, 0)));
    QRectF gloss(1, 1, width - 2, height * 0.45);
    p.fillRect(gloss, Vertical(gloss, QColor(255, 200, 190, 170), QColor(255, 120, 110, 40)));
  } else {
    auto rows = ClassicRows(height);
    for (int y = 0; y < height && y < static_cast<int>(rows.size()); ++y)
      p.fillRect(QRect(0, y, width, 1), rows[y]);
  }
  p.setClipping(false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(newLook ? QColor(60, 20, 20) : QColor(128, 0, 0), 1));
  p.drawPath(outline);
  return img;
}

// Caption bar of the aristocratic design: deep red with gold lines and end ornaments.
QImage CaptionBar(int w, int h) {
  QImage img = NewImage(w, h);
  QPainter p(&img);
  SetupPainter(p);
  QRectF r(1, 4, w - 2, h - 8);
  p.setPen(QPen(QColor(90, 40, 0), 1.5));
  p.setBrush(Vertical(r, QColor(150, 20, 30), QColor(70, 0, 10)));
  p.drawRoundedRect(r, 10, 10);
  QPen gold(QColor(230, 190, 80), 1.6);
  p.setPen(gold);
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 7, 7);
  p.setPen(QPen(QColor(230, 190, 80, 120), 0.8));
  p.drawRoundedRect(r.adjusted(7, 7, -7, -7), 5, 5);
  for (int side = 0; side < 2; ++side) {
    double x = side == 0 ? r.left() + 22 : r.right() - 22;
    QPolygonF diamond;
    diamond << QPointF(x, h / 2.0 - 12) << QPointF(x + 7, h / 2.0) << QPointF(x, h / 2.0 + 12)
            << QPointF(x - 7, h / 2.0);
    p.setPen(QPen(QColor(120, 80, 10), 1));
    p.setBrush(Vertical(diamond.boundingRect(), QColor(255, 230, 140), QColor(200, 150, 40)));
    p.drawPolygon(diamond);
  }
  return img;
}

// A red ribbon with notched, folded-back tails.
QImage Ribbon(int w, int h) {
  QImage img = NewImage(w, h);
  QPainter p(&img);
  SetupPainter(p);
  double bandTop = h * 0.18, bandBottom = h * 0.78, tail = std::min(w * 0.12, h * 0.6);
  QColor red(196, 24, 32), dark(120, 8, 16);
  for (int side = 0; side < 2; ++side) {
    double x0 = side == 0 ? 2 : w - 2, dir = side == 0 ? 1 : -1;
    QPolygonF t;
    t << QPointF(x0, bandTop + h * 0.12) << QPointF(x0 + dir * tail * 1.6, bandTop + h * 0.12)
      << QPointF(x0 + dir * tail * 1.6, bandBottom + h * 0.16) << QPointF(x0, bandBottom + h * 0.16)
      << QPointF(x0 + dir * tail * 0.5, (bandTop + bandBottom) / 2 + h * 0.14);
    p.setPen(QPen(dark.darker(130), 1));
    p.setBrush(dark);
    p.drawPolygon(t);
  }
  QRectF band(tail, bandTop, w - 2 * tail, bandBottom - bandTop);
  QLinearGradient g(band.topLeft(), band.bottomLeft());
  g.setColorAt(0, red.lighter(140));
  g.setColorAt(0.45, red);
  g.setColorAt(1, red.darker(140));
  p.setPen(QPen(dark, 1));
  p.setBrush(g);
  p.drawRect(band);
  p.setPen(QPen(QColor(255, 220, 120, 170), 1.2));
  p.drawLine(QPointF(band.left() + 4, band.top() + 4), QPointF(band.right() - 4, band.top() + 4));
  p.drawLine(QPointF(band.left() + 4, band.bottom() - 4),
             QPointF(band.right() - 4, band.bottom() - 4));
  return img;
}

struct LanguageTexts {
  const char* Suffix;
  const char* Title;
  const char* Elite;
  const char* Network;
};

const std::array<LanguageTexts, 8> kTexts = {{
    {"Eng", "Tarnel", "Elite Club", "Network Club"},
    {"Rus", "Тарнель", "Элитный клуб", "Сетевой клуб"},
    {"Deu", "Tarnel", "Elite-Klub", "Netzwerk-Klub"},
    {"Fra", "Tarnel", "Club d'élite", "Club en réseau"},
    {"Spa", "Tarnel", "Club de élite", "Club en red"},
    {"Chi", "塔内尔", "精英俱乐部", "网络俱乐部"},
    {"Ita", "Tarnel", "Club d'élite", "Club in rete"},
    {"Cze", "Tarnel", "Elitní klub", "Síťový klub"},
}};

const char* FontFor(const char* suffix, bool decorative) {
  if (std::string(suffix) == "Chi") return "WenQuanYi Micro Hei";
  return decorative ? "Liberation Serif" : "Liberation Sans";
}

QImage Title(const LanguageTexts& t) {
  QImage img = NewImage(400, 70);
  QPainter p(&img);
  SetupPainter(p);
  QFont font = Font(FontFor(t.Suffix, true), 54, true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
  QPainterPath path;
  QFontMetricsF m(font);
  QString text = QString::fromUtf8(t.Title);
  double x = 200 - m.horizontalAdvance(text) / 2, y = 35 + (m.ascent() - m.descent()) / 2;
  path.addText(QPointF(x, y), font, text);
  // Shadow, gold outline, red-to-orange face.
  p.translate(2, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawPath(path);
  p.translate(-2, -3);
  p.setPen(QPen(QColor(255, 215, 90), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(QColor(110, 10, 10), 1.2));
  p.setBrush(Vertical(path.boundingRect(), QColor(255, 90, 40), QColor(170, 0, 20)));
  p.drawPath(path);
  for (int suit = 0; suit < 4; ++suit) {
    double s = 22;
    double px = suit < 2 ? 8 + suit * 26 : 400 - 8 - s - (3 - suit) * 26;
    p.setPen(QPen(QColor(255, 215, 90), 1.5));
    p.setBrush(SuitColour(suit) == QColor(22, 22, 26) ? QColor(30, 30, 40) : SuitColour(suit));
    p.drawPath(SuitPath(suit, QRectF(px, 35 - s / 2, s, s)));
  }
  return img;
}

QImage Heading(const LanguageTexts& t, bool network) {
  QImage img = NewImage(350, 40);
  QPainter p(&img);
  SetupPainter(p);
  QString text = QString::fromUtf8(network ? t.Network : t.Elite);
  QFont font = Font(FontFor(t.Suffix, true), 30, true);
  QFontMetricsF m(font);
  while (m.horizontalAdvance(text) > 330 && font.pixelSize() > 12) {
    font.setPixelSize(font.pixelSize() - 1);
    m = QFontMetricsF(font);
  }
  OutlinedText(p, QRectF(0, 0, 350, 40), text, font,
               network ? QColor(120, 220, 255) : QColor(255, 220, 60), QColor(20, 20, 60), 4);
  return img;
}

QImage Flag(const std::string& code) {
  const int w = 48, h = 32;
  QImage img = NewImage(w, h);
  QPainter p(&img);
  SetupPainter(p);
  auto stripes = [&](std::initializer_list<QColor> colours, bool vertical) {
    int n = static_cast<int>(colours.size()), i = 0;
    for (const auto& c : colours) {
      QRectF r = vertical ? QRectF(w * i / double(n), 0, w / double(n), h)
                          : QRectF(0, h * i / double(n), w, h / double(n));
      p.fillRect(r.adjusted(0, 0, 0.5, 0.5), c);
      ++i;
    }
  };
  auto star = [&](QPointF c, double r, double turn) {
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
      double a = -M_PI / 2 + turn + i * M_PI / 5;
      double rr = i % 2 ? r * 0.4 : r;
      QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
      i == 0 ? s.moveTo(pt) : s.lineTo(pt);
    }
    s.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 222, 0));
    p.drawPath(s);
  };
  if (code == "Eng") {
    p.fillRect(img.rect(), QColor(1, 33, 105));
    p.setPen(QPen(Qt::white, 7));
    p.drawLine(0, 0, w, h);
    p.drawLine(0, h, w, 0);
    p.setPen(QPen(QColor(200, 16, 46), 2.5));
    p.drawLine(0, 0, w, h);
    p.drawLine(0, h, w, 0);
    p.fillRect(QRectF(w / 2.0 - 5, 0, 10, h), Qt::white);
    p.fillRect(QRectF(0, h / 2.0 - 5, w, 10), Qt::white);
    p.fillRect(QRectF(w / 2.0 - 3, 0, 6, h), QColor(200, 16, 46));
    p.fillRect(QRectF(0, h / 2.0 - 3, w, 6), QColor(200, 16, 46));
  } else if (code == "Rus") {
    stripes({Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)}, false);
  } else if (code == "Deu") {
    stripes({QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)}, false);
  } else if (code == "Fra") {
    stripes({QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)}, true);
  } else if (code == "Spa") {
    stripes({QColor(170, 21, 27), QColor(241, 191, 0), QColor(241, 191, 0), QColor(170, 21, 27)},
            false);
  } else if (code == "Chi") {
    p.fillRect(img.rect(), QColor(222, 41, 16));
    star(QPointF(9, 9), 6, 0);
    star(QPointF(17, 3.5), 2, 0.6);
    star(QPointF(20, 7), 2, 0.3);
    star(QPointF(20, 12), 2, 0);
    star(QPointF(17, 15.5), 2, -0.3);
  } else if (code == "Ita") {
    stripes({QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)}, true);
  } else if (code == "Cze") {
    stripes({Qt::white, QColor(215, 20, 26)}, false);
    QPolygonF t;
    t << QPointF(0, 0) << QPointF(w / 2.0, h / 2.0) << QPointF(0, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(17, 69, 126));
    p.drawPolygon(t);
  } else if (code == "Jap") {
    p.fillRect(img.rect(), Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(188, 0, 45));
    p.drawEllipse(QPointF(w / 2.0, h / 2.0), 9.5, 9.5);
  } else if (code == "Kor") {
    p.fillRect(img.rect(), Qt::white);
    QPointF c(w / 2.0, h / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 46, 58));
    p.drawPie(QRectF(c.x() - 8, c.y() - 8, 16, 16), 0, 180 * 16);
    p.setBrush(QColor(0, 71, 160));
    p.drawPie(QRectF(c.x() - 8, c.y() - 8, 16, 16), 180 * 16, 180 * 16);
    p.setBrush(QColor(205, 46, 58));
    p.drawEllipse(QPointF(c.x() - 4, c.y()), 4, 4);
    p.setBrush(QColor(0, 71, 160));
    p.drawEllipse(QPointF(c.x() + 4, c.y()), 4, 4);
    p.setPen(QPen(Qt::black, 1.6));
    for (auto [x, y, a] :
         {std::tuple{9.0, 7.0, 35.0}, {39.0, 25.0, 35.0}, {39.0, 7.0, -35.0}, {9.0, 25.0, -35.0}}) {
      p.save();
      p.translate(x, y);
      p.rotate(a);
      for (int i = -1; i <= 1; ++i)
        p.drawLine(QPointF(-4, i * 2.4), QPointF(4, i * 2.4));
      p.restore();
    }
  }
  // A gentle wave of light, and a thin edge.
  QLinearGradient shine(0, 0, w, h);
  shine.setColorAt(0, QColor(255, 255, 255, 60));
  shine.setColorAt(0.5, QColor(255, 255, 255, 0));
  shine.setColorAt(1, QColor(0, 0, 0, 40));
  p.fillRect(img.rect(), shine);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
  return img;
}

QImage Logo() {
  QImage img = NewImage(56, 56);
  QPainter p(&img);
  SetupPainter(p);
  // A fan of three cards.
  for (int i = 0; i < 3; ++i) {
    p.save();
    p.translate(28, 50);
    p.rotate(-24 + i * 24);
    QRectF card(-12, -44, 24, 34);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(255, 255, 250));
    p.drawRoundedRect(card, 3, 3);
    int suit = i == 0 ? kHearts : i == 1 ? kSpades : kDiamonds;
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawPath(SuitPath(suit, QRectF(-7, -35, 14, 15)));
    p.restore();
  }
  return img;
}

QImage Silhouette(bool female) {
  QImage img = NewImage(80, 100, female ? QColor(250, 225, 235) : QColor(215, 230, 250));
  QPainter p(&img);
  SetupPainter(p);
  QColor shade = female ? QColor(190, 90, 130) : QColor(70, 110, 170);
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  if (female) p.drawRoundedRect(QRectF(20, 18, 40, 50), 18, 18);
  p.drawEllipse(QPointF(40, 38), 16, 19);
  QPainterPath body;
  body.moveTo(8, 100);
  body.cubicTo(8, 70, 24, 62, 40, 62);
  body.cubicTo(56, 62, 72, 70, 72, 100);
  body.closeSubpath();
  p.drawPath(body);
  p.setPen(QPen(shade.darker(140), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, 79, 99));
  return img;
}

// The program's own cursors are red with a dark edge.
QImage Cursor(const std::string& kind) {
  QImage img = NewImage(32, 32);
  QPainter p(&img);
  SetupPainter(p);
  QPen edge(QColor(40, 0, 0), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  QColor red(225, 20, 30);
  p.setPen(edge);
  p.setBrush(red);
  if (kind == "CURARROW") {
    QPolygonF arrow;
    arrow << QPointF(1, 1) << QPointF(1, 22) << QPointF(6.5, 17) << QPointF(10.5, 26)
          << QPointF(14, 24.5) << QPointF(10, 15.5) << QPointF(17, 15.5);
    p.drawPolygon(arrow);
  } else if (kind == "CURHAND") {
    // Fingertip, the hot spot, at (11, 1).
    p.translate(4, 0);
    p.scale(1.2, 1.1);
    PointingHand(p, red, QColor(120, 0, 0));
  } else if (kind == "CURWAIT") {
    QPainterPath glass;
    glass.moveTo(8, 3);
    glass.lineTo(24, 3);
    glass.cubicTo(24, 12, 17, 13, 17, 16);
    glass.cubicTo(17, 19, 24, 20, 24, 29);
    glass.lineTo(8, 29);
    glass.cubicTo(8, 20, 15, 19, 15, 16);
    glass.cubicTo(15, 13, 8, 12, 8, 3);
    p.setBrush(QColor(255, 240, 230));
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    QPolygonF sand;
    sand << QPointF(10, 7) << QPointF(22, 7) << QPointF(16, 14);
    p.drawPolygon(sand);
    p.drawEllipse(QRectF(10, 23, 12, 6));
    p.setPen(edge);
    p.drawRect(QRectF(6, 1, 20, 2.5));
    p.drawRect(QRectF(6, 28.5, 20, 2.5));
  } else {  // CUREDIT: an I-beam
    p.setPen(QPen(QColor(40, 0, 0), 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 5), QPointF(16, 27));
    p.drawLine(QPointF(11, 4), QPointF(21, 4));
    p.drawLine(QPointF(11, 28), QPointF(21, 28));
    p.setPen(QPen(red, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 5), QPointF(16, 27));
    p.drawLine(QPointF(11, 4), QPointF(21, 4));
    p.drawLine(QPointF(11, 28), QPointF(21, 28));
  }
  return img;
}

}  // namespace

void AddDialogs(Sink& sink) {
  for (int width : {150, 280, 300, 430, 550, 610})
    sink.Png("GCap" + std::to_string(width), CaptionBar(width, 64));
  for (auto [w, h] :
       {std::pair{200, 100}, {280, 90}, {300, 100}, {360, 100}, {380, 120}, {590, 116}}) {
    char name[32];
    std::snprintf(name, sizeof name, "GLenta%03dx%03d", w, h);
    sink.Png(name, Ribbon(w, h));
  }
  for (bool newLook : {false, true}) {
    for (auto [height, cap] : {std::pair{29, 8}, {44, 13}, {59, 17}}) {
      QImage face = ButtonFace(cap, height, newLook);
      std::string stem = std::string(newLook ? "Q" : "R") + std::to_string(height) + "_";
      sink.Png(stem + "L", face.copy(0, 0, cap, height));
      sink.Png(stem + "R", face.copy(face.width() - cap, 0, cap, height));
      sink.Png(stem + "2", face.copy(cap, 0, 2, height));
    }
  }
  for (const auto& t : kTexts) {
    sink.Png(std::string("Cap") + t.Suffix, Title(t));
    sink.Png(std::string("Elite") + t.Suffix, Heading(t, false));
    sink.Png(std::string("Net__") + t.Suffix, Heading(t, true));
  }
  for (const char* code : {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"})
    sink.Png(std::string("FlagO") + code, Flag(code));
  sink.Png("Logo", Logo());
  sink.Png("GAcNoM", Silhouette(false));
  sink.Png("GAcNoF", Silhouette(true));
  for (const char* kind : {"CURARROW", "CURHAND", "CURWAIT", "CUREDIT"})
    sink.Png(kind, Cursor(kind));
}

}  // namespace tarnel::art
