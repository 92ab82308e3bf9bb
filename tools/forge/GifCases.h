// Portrait files that look small and cost much: many frames, a huge screen,
// nothing but frame markers. The loader's tests, the benchmarks and the end
// to end run write them.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace forge {

// One frame, drawn in a palette of black and the picture's own colours at
// `offset`, repeated `count` times on a screen of `screen`.
QByteArray RepeatedFrame(QSize screen, const QImage& frame, QPoint offset, int count);
// The same with a 1 x 1 frame: about 24 bytes a frame.
QByteArray TinyFrames(QSize screen, int count);
// "GIF89a", a 122 x 168 screen without a colour table, then frame markers
// (00 21 F9) up to `bytes` bytes.
QByteArray MarkerFlood(qint64 bytes);

}  // namespace forge
