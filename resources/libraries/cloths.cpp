// The table cloths: ten patterns, each woven once as a shade map and dyed in the seven colours.
#include <QRandomGenerator>

#include <cmath>

#include "libraries.h"

namespace tarnel::libraries {
namespace {

constexpr int kW = 1520, kH = 1000;

// Shade maps are grey: 128 is the dye itself, darker and lighter shade it.
QImage Clouds(QRandomGenerator& random, int cellsX, int cellsY, int spread) {
  QImage clouds(cellsX, cellsY, QImage::Format_RGB32);
  for (int y = 0; y < cellsY; ++y)
    for (int x = 0; x < cellsX; ++x) {
      int v = 128 - spread / 2 + static_cast<int>(random.bounded(spread + 1));
      clouds.setPixel(x, y, qRgb(v, v, v));
    }
  return clouds.scaled(kW, kH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void Grain(QImage& shade, QRandomGenerator& random, int amount) {
  for (int y = 0; y < kH; ++y) {
    auto* row = reinterpret_cast<QRgb*>(shade.scanLine(y));
    for (int x = 0; x < kW; ++x) {
      int v = std::clamp(qRed(row[x]) + static_cast<int>(random.bounded(2 * amount + 1)) - amount,
                         0, 255);
      row[x] = qRgb(v, v, v);
    }
  }
}

void Vignette(QImage& shade, double strength) {
  double cx = kW / 2.0, cy = kH / 2.0;
  for (int y = 0; y < kH; ++y) {
    auto* row = reinterpret_cast<QRgb*>(shade.scanLine(y));
    double dy = (y - cy) / cy;
    for (int x = 0; x < kW; ++x) {
      double dx = (x - cx) / cx;
      double f = 1.0 - strength * std::min(1.0, 0.5 * (dx * dx + dy * dy));
      int v = static_cast<int>(qRed(row[x]) * f + 0.5);
      row[x] = qRgb(v, v, v);
    }
  }
}

struct Cloth {
  QImage Shade;   // grey
  QImage Accent;  // printed in its own colours over the dyed cloth
};

Cloth Weave(int pattern) {
  QRandomGenerator random(1000 + pattern);
  Cloth c;
  c.Accent = art::NewImage(kW, kH);
  QPainter a(&c.Accent);
  art::SetupPainter(a);
  switch (pattern) {
    case 1: {  // sun: a bright centre with soft rays
      c.Shade = Clouds(random, 30, 20, 16);
      QPainter p(&c.Shade);
      art::SetupPainter(p);
      QPointF centre(kW / 2.0, kH / 2.0);
      for (int i = 0; i < 36; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 10);
        QPolygonF ray;
        ray << QPointF(0, 0) << QPointF(-60, -1100) << QPointF(60, -1100);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, i % 2 ? 14 : 24));
        p.drawPolygon(ray);
        p.restore();
      }
      QRadialGradient g(centre, 700);
      g.setColorAt(0, QColor(255, 255, 255, 130));
      g.setColorAt(0.4, QColor(255, 255, 255, 40));
      g.setColorAt(1, QColor(0, 0, 0, 90));
      p.fillRect(c.Shade.rect(), g);
      break;
    }
    case 2: {  // felt: clouds, grain and stray fibres
      c.Shade = Clouds(random, 48, 32, 20);
      Vignette(c.Shade, 0.28);
      Grain(c.Shade, random, 8);
      QPainter p(&c.Shade);
      art::SetupPainter(p);
      for (int i = 0; i < kW * kH / 90; ++i) {
        double x = random.bounded(double(kW)), y = random.bounded(double(kH));
        double t = random.bounded(2 * M_PI), len = 4 + random.bounded(10.0);
        p.setPen(QPen(random.bounded(2) ? QColor(255, 255, 255, 30) : QColor(0, 0, 0, 36), 1.2));
        p.drawLine(QPointF(x, y), QPointF(x + len * std::cos(t), y + len * std::sin(t)));
      }
      break;
    }
    case 3: {  // gradient: light from the top left
      c.Shade = QImage(kW, kH, QImage::Format_RGB32);
      QPainter p(&c.Shade);
      QLinearGradient g(0, 0, kW, kH);
      g.setColorAt(0, QColor(200, 200, 200));
      g.setColorAt(0.5, QColor(128, 128, 128));
      g.setColorAt(1, QColor(60, 60, 60));
      p.fillRect(c.Shade.rect(), g);
      p.end();
      Grain(c.Shade, random, 2);  // keeps JPEG from banding
      break;
    }
    case 4: {  // cloth: a linen weave of crossing threads
      c.Shade = Clouds(random, 20, 14, 12);
      QPainter p(&c.Shade);
      for (int x = 0; x < kW; x += 4) {
        p.fillRect(QRect(x, 0, 2, kH), QColor(255, 255, 255, 28 + random.bounded(14)));
      }
      for (int y = 0; y < kH; y += 4) {
        p.fillRect(QRect(0, y, kW, 2), QColor(0, 0, 0, 30 + random.bounded(14)));
      }
      p.end();
      Grain(c.Shade, random, 6);
      break;
    }
    case 5: {  // carpet: borders and a medallion field
      c.Shade = Clouds(random, 60, 40, 10);
      QPainter p(&c.Shade);
      art::SetupPainter(p);
      p.setPen(Qt::NoPen);
      for (int y = 0; y < kH; y += 50)
        for (int x = (y / 50) % 2 * 50; x < kW; x += 100) {
          QPolygonF d;
          d << QPointF(x, y - 22) << QPointF(x + 22, y) << QPointF(x, y + 22) << QPointF(x - 22, y);
          p.setBrush(QColor(0, 0, 0, 40));
          p.drawPolygon(d);
          p.setBrush(QColor(255, 255, 255, 40));
          p.drawEllipse(QPointF(x, y), 6, 6);
        }
      for (int b = 0; b < 3; ++b) {
        QRectF r(20 + b * 30, 20 + b * 30, kW - 40 - b * 60, kH - 40 - b * 60);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(b == 1 ? QColor(255, 255, 255, 70) : QColor(0, 0, 0, 90), 12));
        p.drawRect(r);
      }
      a.setPen(QPen(QColor(230, 190, 90, 200), 3));
      a.setBrush(Qt::NoBrush);
      a.drawEllipse(QPointF(kW / 2.0, kH / 2.0), 260, 180);
      a.drawEllipse(QPointF(kW / 2.0, kH / 2.0), 240, 162);
      for (int i = 0; i < 16; ++i) {
        double t = i * M_PI / 8;
        art::DrawMotif(a, art::Motif::Lily,
                       QPointF(kW / 2.0 + 200 * std::cos(t), kH / 2.0 + 130 * std::sin(t)), 16,
                       QColor(230, 190, 90, 190));
      }
      Grain(c.Shade, random, 5);
      break;
    }
    case 6: {  // tree: a wooden table top of planks
      c.Shade = QImage(kW, kH, QImage::Format_RGB32);
      for (int y = 0; y < kH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(c.Shade.scanLine(y));
        int plank = y / 125;
        double phase = plank * 1.7;
        for (int x = 0; x < kW; ++x) {
          double ring = std::sin((y + 18 * std::sin(x / 140.0 + phase)) / 5.5 + phase +
                                 2.5 * std::sin(x / 310.0 + plank));
          int v = 118 + static_cast<int>(22 * ring);
          if (y % 125 < 2) v = 50;  // the gap between planks
          row[x] = qRgb(v, v, v);
        }
      }
      Grain(c.Shade, random, 7);
      break;
    }
    case 7: {  // casino: felt with the printed lines of a gaming table
      c.Shade = Clouds(random, 48, 32, 16);
      Vignette(c.Shade, 0.35);
      Grain(c.Shade, random, 6);
      QColor gold(240, 205, 110, 210);
      a.setBrush(Qt::NoBrush);
      a.setPen(QPen(gold, 5));
      a.drawEllipse(QRectF(-300, -900, kW + 600, 1700));
      a.setPen(QPen(gold, 2));
      a.drawEllipse(QRectF(-280, -880, kW + 560, 1660));
      QFont font = art::Font("DejaVu Serif", 34, true);
      a.setFont(font);
      a.setPen(gold);
      a.drawText(QRectF(0, 780, kW, 60), Qt::AlignCenter, "DEALER MUST STAND ON 17");
      for (int i = 0; i < 4; ++i)
        a.drawPath(art::SuitPath(i, QRectF(kW / 2.0 - 150 + i * 80, 860, 40, 44)));
      break;
    }
    case 8: {  // pattern: a damask of repeated lilies
      c.Shade = Clouds(random, 24, 16, 10);
      Grain(c.Shade, random, 3);
      for (int y = 40; y < kH; y += 80)
        for (int x = 40 + (y / 80) % 2 * 60; x < kW; x += 120)
          art::DrawMotif(a, art::Motif::Lily, QPointF(x, y), 22, QColor(255, 255, 255, 40));
      break;
    }
    case 9: {  // silk: soft folds and sheen
      c.Shade = QImage(kW, kH, QImage::Format_RGB32);
      for (int y = 0; y < kH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(c.Shade.scanLine(y));
        for (int x = 0; x < kW; ++x) {
          double fold = std::sin(x / 95.0 + 1.6 * std::sin(y / 210.0)) +
                        0.5 * std::sin((x + y) / 47.0 + std::sin(x / 330.0));
          int v = 128 + static_cast<int>(34 * fold);
          row[x] = qRgb(v, v, v);
        }
      }
      Grain(c.Shade, random, 2);
      break;
    }
    case 10: {  // ornament: tiles of rosettes framed by lines
      c.Shade = Clouds(random, 30, 20, 12);
      QPainter p(&c.Shade);
      art::SetupPainter(p);
      p.setPen(QPen(QColor(0, 0, 0, 60), 3));
      for (int x = 0; x < kW; x += 95)
        p.drawLine(x, 0, x, kH);
      for (int y = 0; y < kH; y += 95)
        p.drawLine(0, y, kW, y);
      p.end();
      Grain(c.Shade, random, 3);
      for (int y = 47; y < kH + 47; y += 95)
        for (int x = 47; x < kW + 47; x += 95) {
          art::DrawMotif(a, art::Motif::Rose, QPointF(x, y), 24, QColor(255, 230, 150, 90));
          art::DrawMotif(a, art::Motif::Star, QPointF(x - 47, y - 47), 12,
                         QColor(255, 255, 255, 60));
        }
      break;
    }
  }
  return c;
}

const std::array<QColor, 7> kDyes = {
    QColor(24, 104, 50),  QColor(150, 24, 28), QColor(200, 96, 20), QColor(196, 160, 24),
    QColor(60, 140, 210), QColor(20, 40, 120), QColor(100, 40, 140)};

QImage Dye(const Cloth& cloth, QColor dye) {
  QImage out(kW, kH, QImage::Format_RGB32);
  for (int y = 0; y < kH; ++y) {
    const auto* shade = reinterpret_cast<const QRgb*>(cloth.Shade.constScanLine(y));
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < kW; ++x) {
      double s = qRed(shade[x]) / 128.0;
      auto ch = [&](int c) {
        // Above the dye the shade mixes towards white, below it towards black.
        double v = s <= 1 ? c * s : c + (255 - c) * (s - 1) * 0.8;
        return std::clamp(static_cast<int>(v + 0.5), 0, 255);
      };
      row[x] = qRgb(ch(dye.red()), ch(dye.green()), ch(dye.blue()));
    }
  }
  QPainter p(&out);
  p.drawImage(0, 0, cloth.Accent);
  return out;
}

}  // namespace

void AddCloths(art::Sink& sink) {
  for (int pattern = 1; pattern <= 10; ++pattern) {
    Cloth cloth = Weave(pattern);
    for (int colour = 0; colour < 7; ++colour) {
      // Fon02Gr is never asked for (the program's own felt serves), but a full set keeps
      // the library usable by any reader.
      std::string name = "Fon" + std::string(pattern < 10 ? "0" : "") + std::to_string(pattern) +
                         ColourCode(colour);
      QImage dyed = Dye(cloth, kDyes[colour]);
      sink.Jpeg(name + "B", dyed);
      sink.Jpeg(name, dyed.scaled(kW / 2, kH / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
  }
}

}  // namespace tarnel::libraries
