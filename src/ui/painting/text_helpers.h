// Text placement shared by everything that paints: centred between two edges, ending at an edge,
// and shadowed. `y` is the top of the text.
#pragma once

#include <QColor>
#include <QPainter>
#include <QString>

namespace tarnel {

void TextCentered(QPainter& canvas, const QString& text, int left, int right, int y);
void TextRight(QPainter& canvas, const QString& text, int right, int y);
// Alignment 'l', 'c' or 'r' between x1 and x2; the shadow is the colour at half strength, one
// pixel right and down.
void TextShadowed(QPainter& canvas, const QString& text, int x1, int x2, char alignment,
                  const QColor& colour, int y);

int MeasureText(const QPainter& canvas, const QString& text);
int TextHeight(const QPainter& canvas);

}  // namespace tarnel
