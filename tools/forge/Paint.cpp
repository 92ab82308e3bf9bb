#include "tools/forge/Paint.h"

#include <cmath>

namespace forge {

QImage Canvas(int w, int h, QColor fill) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

void Bevel(QPainter& p, const QRect& r, QColor light, QColor dark, int width) {
  for (int i = 0; i < width; ++i) {
    const QRect q = r.adjusted(i, i, -i - 1, -i - 1);
    p.setPen(light);
    p.drawLine(q.topLeft(), q.topRight());
    p.drawLine(q.topLeft(), q.bottomLeft());
    p.setPen(dark);
    p.drawLine(q.bottomLeft(), q.bottomRight());
    p.drawLine(q.topRight(), q.bottomRight());
  }
}

void Rune(QPainter& p, QPointF centre, double radius, QColor colour) {
  p.setPen(QPen(colour, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, radius, radius);
  for (int i = 0; i < 6; ++i) {
    const double a = i * M_PI / 3;
    p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.55,
               centre + QPointF(std::cos(a), std::sin(a)) * radius);
  }
}

}  // namespace forge
