#include "ui/painting/text_helpers.h"

#include <QFontMetrics>

namespace tarnel {
namespace {

void DrawAt(QPainter& canvas, const QString& text, int x, int y) {
  canvas.drawText(x, y + canvas.fontMetrics().ascent(), text);
}

}  // namespace

int MeasureText(const QPainter& canvas, const QString& text) {
  return canvas.fontMetrics().horizontalAdvance(text);
}

int TextHeight(const QPainter& canvas) { return canvas.fontMetrics().height(); }

void TextCentered(QPainter& canvas, const QString& text, int left, int right, int y) {
  DrawAt(canvas, text, left + (right - left - MeasureText(canvas, text)) / 2, y);
}

void TextRight(QPainter& canvas, const QString& text, int right, int y) {
  DrawAt(canvas, text, right - MeasureText(canvas, text), y);
}

void TextShadowed(QPainter& canvas, const QString& text, int x1, int x2, char alignment,
                  const QColor& colour, int y) {
  const int width = MeasureText(canvas, text);
  int x = x1;
  if (alignment == 'c') x = x1 + (x2 - x1 - width) / 2;
  if (alignment == 'r') x = x2 - width;
  canvas.save();
  canvas.setPen(QColor(colour.red() / 2, colour.green() / 2, colour.blue() / 2));
  DrawAt(canvas, text, x + 1, y + 1);
  canvas.setPen(colour);
  DrawAt(canvas, text, x, y);
  canvas.restore();
}

}  // namespace tarnel
