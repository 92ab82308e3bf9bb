#include "tools/forge/GifWriter.h"

#include <QHash>
#include <algorithm>
#include <cstdint>

namespace forge {
namespace {

void Put16(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>((value >> 8) & 0xFF));
}

// Variable-length LZW as GIF wants it, packed into 255-byte sub-blocks.
class LzwEncoder {
 public:
  LzwEncoder(QByteArray& out, int minCodeSize) : out_(out), minCodeSize_(minCodeSize) {}

  void Encode(const std::vector<std::uint8_t>& pixels) {
    const int clear = 1 << minCodeSize_;
    const int end = clear + 1;
    Reset();
    Emit(clear);
    if (pixels.empty()) {
      Emit(end);
      Flush();
      return;
    }
    int prefix = pixels[0];
    for (std::size_t i = 1; i < pixels.size(); ++i) {
      const int key = (prefix << 8) | pixels[i];
      auto it = table_.constFind(key);
      if (it != table_.constEnd()) {
        prefix = *it;
        continue;
      }
      Emit(prefix);
      if (next_ < 4096) {
        table_.insert(key, next_++);
        if (next_ > (1 << codeSize_) && codeSize_ < 12) ++codeSize_;
      } else {
        Emit(clear);
        Reset();
      }
      prefix = pixels[i];
    }
    Emit(prefix);
    Emit(end);
    Flush();
  }

 private:
  void Reset() {
    table_.clear();
    codeSize_ = minCodeSize_ + 1;
    next_ = (1 << minCodeSize_) + 2;
  }

  void Emit(int code) {
    bits_ |= static_cast<std::uint32_t>(code) << bitCount_;
    bitCount_ += codeSize_;
    while (bitCount_ >= 8) {
      Byte(static_cast<std::uint8_t>(bits_ & 0xFF));
      bits_ >>= 8;
      bitCount_ -= 8;
    }
  }

  void Byte(std::uint8_t byte) {
    block_.append(static_cast<char>(byte));
    if (block_.size() == 255) WriteBlock();
  }

  void WriteBlock() {
    out_.append(static_cast<char>(block_.size()));
    out_.append(block_);
    block_.clear();
  }

  void Flush() {
    if (bitCount_ > 0) Byte(static_cast<std::uint8_t>(bits_ & 0xFF));
    bits_ = 0;
    bitCount_ = 0;
    if (!block_.isEmpty()) WriteBlock();
  }

  QByteArray& out_;
  int minCodeSize_;
  int codeSize_ = 0;
  int next_ = 0;
  QHash<int, int> table_;
  std::uint32_t bits_ = 0;
  int bitCount_ = 0;
  QByteArray block_;
};

int Nearest(const std::vector<QRgb>& palette, QRgb colour) {
  int best = 1;
  int bestDistance = 1 << 30;
  for (std::size_t i = 1; i < palette.size(); ++i) {
    const int dr = qRed(palette[i]) - qRed(colour);
    const int dg = qGreen(palette[i]) - qGreen(colour);
    const int db = qBlue(palette[i]) - qBlue(colour);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
    }
  }
  return best;
}

}  // namespace

QByteArray EncodeGif(int width, int height, const std::vector<QRgb>& palette,
                     const std::vector<GifFrame>& frames) {
  QByteArray out("GIF89a");
  Put16(out, width);
  Put16(out, height);
  out.append(static_cast<char>(0xF7));  // global table of 256 entries, 8 bits of colour
  out.append('\0');                     // background index
  out.append('\0');                     // no aspect ratio
  for (int i = 0; i < 256; ++i) {
    const QRgb c = i < static_cast<int>(palette.size()) ? palette[i] : qRgb(0, 0, 0);
    out.append(static_cast<char>(qRed(c)));
    out.append(static_cast<char>(qGreen(c)));
    out.append(static_cast<char>(qBlue(c)));
  }
  // Loop forever; the extension ends with a block terminator, so the first
  // Graphic Control Extension follows a 00 byte.
  out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
  Put16(out, 0);
  out.append('\0');

  QHash<QRgb, int> lookup;
  for (const GifFrame& frame : frames) {
    out.append("\x21\xF9\x04", 3);
    out.append(static_cast<char>(0x09));  // restore to background, transparent colour given
    Put16(out, frame.delayHundredths);
    out.append('\0');  // transparent index
    out.append('\0');
    out.append(static_cast<char>(0x2C));
    Put16(out, frame.offset.x());
    Put16(out, frame.offset.y());
    Put16(out, frame.image.width());
    Put16(out, frame.image.height());
    out.append('\0');  // no local table, not interlaced

    const QImage image = frame.image.convertToFormat(QImage::Format_ARGB32);
    std::vector<std::uint8_t> pixels;
    pixels.reserve(static_cast<std::size_t>(image.width() * image.height()));
    for (int y = 0; y < image.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        const QRgb c = line[x];
        if (qAlpha(c) < 128) {
          pixels.push_back(0);
          continue;
        }
        const QRgb opaque = c | 0xFF000000U;
        auto it = lookup.constFind(opaque);
        if (it == lookup.constEnd()) it = lookup.insert(opaque, Nearest(palette, opaque));
        pixels.push_back(static_cast<std::uint8_t>(*it));
      }
    }
    out.append(static_cast<char>(8));  // minimum code size
    LzwEncoder(out, 8).Encode(pixels);
    out.append('\0');
  }
  out.append(static_cast<char>(0x3B));
  return out;
}

}  // namespace forge
