#include <cstdio>
#include <cstdlib>

#include "art.h"
#include "platform/picture_codecs.h"
#include "platform/wave_format.h"
#include "ui/pictures/picture_image.h"

namespace tarnel::art {

void Sink::Add(std::string fileName, Bytes data) {
  if (data.empty()) {
    std::fprintf(stderr, "artwork: could not encode %s\n", fileName.c_str());
    std::exit(1);
  }
  for (const auto& e : entries_) {
    if (AsciiLower(e.FileName) == AsciiLower(fileName)) {
      std::fprintf(stderr, "artwork: %s made twice\n", fileName.c_str());
      std::exit(1);
    }
  }
  entries_.push_back({std::move(fileName), std::move(data)});
}

void Sink::Png(const std::string& name, const QImage& image, std::uint32_t keyColour) {
  Png(name, PictureFromImage(image), keyColour);
}

void Sink::Png(const std::string& name, Picture picture, std::uint32_t keyColour) {
  if (keyColour != 0) {
    for (auto& p : picture.Pixels)
      if (AlphaOf(p) == 0) p = keyColour & 0x00FFFFFFu;
  }
  Add(name + ".png", EncodePng(picture));
}

void Sink::Jpeg(const std::string& name, const QImage& image, int quality) {
  Add(name + ".jpg", EncodeJpeg(PictureFromImage(image), quality));
}

void Sink::Gif(const std::string& name, const std::vector<QImage>& frames, int delayMs,
               int loopCount) {
  Animation animation;
  animation.Width = frames.front().width();
  animation.Height = frames.front().height();
  animation.LoopCount = loopCount;
  for (const auto& f : frames)
    animation.Frames.push_back({PictureFromImage(f), delayMs});
  Add(name + ".gif", EncodeGif(animation));
}

void Sink::Wav(const std::string& name, const std::vector<float>& samples, int sampleRate) {
  Add(name + ".wav", EncodeWave(samples, sampleRate));
}

void Sink::Midi(const std::string& name, Bytes standardMidiFile) {
  Add(name + ".mid", std::move(standardMidiFile));
}

QPainterPath SuitPath(int suit, const QRectF& b) {
  auto P = [&](double x, double y) {
    return QPointF(b.left() + x * b.width(), b.top() + y * b.height());
  };
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  switch (suit) {
    case kHearts:
      path.moveTo(P(0.5, 0.24));
      path.cubicTo(P(0.40, 0.0), P(0.0, 0.02), P(0.02, 0.34));
      path.cubicTo(P(0.04, 0.62), P(0.38, 0.76), P(0.5, 0.99));
      path.cubicTo(P(0.62, 0.76), P(0.96, 0.62), P(0.98, 0.34));
      path.cubicTo(P(1.0, 0.02), P(0.60, 0.0), P(0.5, 0.24));
      break;
    case kDiamonds:
      path.moveTo(P(0.5, 0.0));
      path.quadTo(P(0.64, 0.27), P(0.9, 0.5));
      path.quadTo(P(0.64, 0.73), P(0.5, 1.0));
      path.quadTo(P(0.36, 0.73), P(0.1, 0.5));
      path.quadTo(P(0.36, 0.27), P(0.5, 0.0));
      break;
    case kClubs: {
      double r = 0.215;
      path.addEllipse(QRectF(P(0.5 - r, 0.04), P(0.5 + r, 0.04 + 2 * r)));
      path.addEllipse(QRectF(P(0.05, 0.36), P(0.05 + 2 * r, 0.36 + 2 * r)));
      path.addEllipse(QRectF(P(0.95 - 2 * r, 0.36), P(0.95, 0.36 + 2 * r)));
      path.addEllipse(QRectF(P(0.38, 0.38), P(0.62, 0.62)));
      QPainterPath stem;
      stem.moveTo(P(0.46, 0.55));
      stem.quadTo(P(0.45, 0.86), P(0.28, 0.99));
      stem.lineTo(P(0.72, 0.99));
      stem.quadTo(P(0.55, 0.86), P(0.54, 0.55));
      stem.closeSubpath();
      path.addPath(stem);
      break;
    }
    case kSpades: {
      path.moveTo(P(0.5, 0.0));
      path.cubicTo(P(0.40, 0.18), P(0.02, 0.36), P(0.03, 0.6));
      path.cubicTo(P(0.04, 0.84), P(0.34, 0.88), P(0.47, 0.7));
      path.quadTo(P(0.45, 0.88), P(0.28, 0.99));
      path.lineTo(P(0.72, 0.99));
      path.quadTo(P(0.55, 0.88), P(0.53, 0.7));
      path.cubicTo(P(0.66, 0.88), P(0.96, 0.84), P(0.97, 0.6));
      path.cubicTo(P(0.98, 0.36), P(0.60, 0.18), P(0.5, 0.0));
      break;
    }
  }
  path.closeSubpath();
  return path;
}

QColor SuitColour(int suit) {
  return suit == kHearts || suit == kDiamonds ? QColor(206, 17, 38) : QColor(22, 22, 26);
}

QImage NewImage(int width, int height, QColor fill) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

void SetupPainter(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont Font(const char* family, double pixelSize, bool bold) {
  QFont f(family);
  f.setPixelSize(std::max(1, static_cast<int>(pixelSize + 0.5)));
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  QColor fill, QColor outline, double outlineWidth) {
  QPainterPath path;
  QFontMetricsF m(font);
  double w = m.horizontalAdvance(text);
  double x = box.center().x() - w / 2;
  double y = box.center().y() + (m.ascent() - m.descent()) / 2;
  path.addText(QPointF(x, y), font, text);
  p.save();
  p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

void PointingHand(QPainter& p, QColor fill, QColor cuff) {
  p.save();
  p.setPen(QPen(QColor(30, 20, 20), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
  QPainterPath hand;
  hand.setFillRule(Qt::WindingFill);
  hand.addRoundedRect(QRectF(4, 0.5, 4.5, 15), 2.25, 2.25);  // index finger
  hand.addRoundedRect(QRectF(3, 11, 16, 12.5), 4, 4);        // palm
  hand.addRoundedRect(QRectF(0, 13, 6, 4.2), 2, 2);          // thumb
  p.drawPath(hand.simplified());
  // The folded fingers' knuckles.
  p.drawRoundedRect(QRectF(8.5, 8, 4, 7), 2, 2);
  p.drawRoundedRect(QRectF(12.5, 9, 3.6, 6.5), 1.8, 1.8);
  p.drawRoundedRect(QRectF(16.1, 10.5, 3.2, 5.5), 1.6, 1.6);
  p.setBrush(cuff);
  p.drawRoundedRect(QRectF(4.5, 23, 13, 4.5), 1.5, 1.5);
  p.restore();
}

QLinearGradient Vertical(const QRectF& box, QColor top, QColor bottom) {
  QLinearGradient g(box.topLeft(), box.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return g;
}

}  // namespace tarnel::art
