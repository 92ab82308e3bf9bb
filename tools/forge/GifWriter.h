// A small GIF89a writer for the animated portraits: a global palette of up to
// 256 colours, one transparent index, a loop extension and one Graphic
// Control Extension before every frame.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <vector>

namespace forge {

struct GifFrame {
  QImage image;         // drawn in the palette's colours (transparent pixels allowed)
  QPoint offset;        // Image Left and Top Position
  int delayHundredths;  // Delay Time
};

// Encodes the frames on a logical screen of the given size. Colours are
// mapped to the nearest palette entry; fully transparent pixels use the
// transparent index 0.
QByteArray EncodeGif(int width, int height, const std::vector<QRgb>& palette,
                     const std::vector<GifFrame>& frames);

}  // namespace forge
