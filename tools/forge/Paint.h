// Small painting helpers shared by the forge's pictures.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>

namespace forge {

QImage Canvas(int w, int h, QColor fill = Qt::transparent);

// A bevelled frame inside a rectangle.
void Bevel(QPainter& p, const QRect& r, QColor light, QColor dark, int width);

// A ring with six spokes pointing inward.
void Rune(QPainter& p, QPointF centre, double radius, QColor colour);

}  // namespace forge
