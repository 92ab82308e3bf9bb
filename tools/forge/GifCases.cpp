#include "tools/forge/GifCases.h"

#include <algorithm>
#include <vector>

#include "tools/forge/GifWriter.h"

namespace forge {

QByteArray RepeatedFrame(QSize screen, const QImage& frame, QPoint offset, int count) {
  std::vector<QRgb> palette{qRgb(0, 0, 0)};
  const QImage argb = frame.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height() && palette.size() < 256; ++y) {
    for (int x = 0; x < argb.width() && palette.size() < 256; ++x) {
      const QRgb c = argb.pixel(x, y) | 0xFF000000U;
      if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
    }
  }
  // The writer's file is the header, one frame from its Graphic Control
  // Extension on, and the trailer byte.
  const QByteArray one = EncodeGif(screen.width(), screen.height(), palette, {{frame, offset, 10}});
  const qsizetype start = one.indexOf(QByteArray("\x21\xF9", 2));
  const QByteArray block = one.mid(start, one.size() - 1 - start);
  QByteArray out = one.left(start);
  out.reserve(start + block.size() * count + 1);
  for (int i = 0; i < count; ++i) out.append(block);
  out.append('\x3B');
  return out;
}

QByteArray TinyFrames(QSize screen, int count) {
  QImage pixel(1, 1, QImage::Format_ARGB32);
  pixel.fill(qRgb(200, 40, 40));
  return RepeatedFrame(screen, pixel, QPoint(0, 0), count);
}

QByteArray MarkerFlood(qint64 bytes) {
  QByteArray out("GIF89a\x7A\x00\xA8\x00\x00\x00\x00", 13);
  out.reserve(bytes);
  while (out.size() + 3 <= bytes) out.append("\x00\x21\xF9", 3);
  return out;
}

}  // namespace forge
