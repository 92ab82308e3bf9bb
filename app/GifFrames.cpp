#include "app/GifFrames.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

#include "forms/ImageArray.h"
#include "forms/Services.h"
#include "forms/Twips.h"

namespace korvinth {

std::int32_t GifLastFrame = 0;

namespace {

constexpr char kMarker[] = {'\x00', '\x21', '\xF9'};

// The decoder's allocation limit in whole megabytes: a canvas of
// kCanvasPixels at 4 bytes a pixel.
constexpr int kCanvasMegabytes = static_cast<int>(gif_bounds::kCanvasPixels * 4 / (1024 * 1024));
static_assert(kCanvasMegabytes * 1024 * 1024 == gif_bounds::kCanvasPixels * 4);

// The index of the next marker's 00 at or after `from`, or -1.
qsizetype FindMarker(const QByteArray& data, qsizetype from) {
  return data.indexOf(QByteArrayView(kMarker, 3), from);
}

// An unsigned 16-bit little-endian field at a 0-based offset.
std::optional<std::int32_t> Field16(const QByteArray& bytes, qsizetype offset) {
  if (offset + 1 >= bytes.size()) return std::nullopt;
  const auto low = static_cast<std::uint8_t>(bytes[offset]);
  const auto high = static_cast<std::uint8_t>(bytes[offset + 1]);
  return static_cast<std::int32_t>(low) + 256 * static_cast<std::int32_t>(high);
}

GifPiece MakePiece(QByteArray bytes, bool beforeNextMarker) {
  GifPiece piece;
  piece.bytes = std::move(bytes);
  piece.beforeNextMarker = beforeNextMarker;
  if (auto delay = Field16(piece.bytes, 3)) piece.delayMs = *delay * 10;
  piece.left = Field16(piece.bytes, 8);
  piece.top = Field16(piece.bytes, 10);
  piece.width = Field16(piece.bytes, 12);
  piece.height = Field16(piece.bytes, 14);
  return piece;
}

// Whether the logical screen the header declares (every frame is decoded on
// it) is within the bound. A header too short to declare one has nothing to
// decode on, and 0 x 0 leaves the size to the decoder's limit.
bool ScreenFits(const QByteArray& header) {
  const std::int64_t width = Field16(header, 6).value_or(0);
  const std::int64_t height = Field16(header, 8).value_or(0);
  return width * height <= gif_bounds::kCanvasPixels;
}

// One frame as the decoder draws it on the whole screen; null when the bytes
// hold no frame it can decode within the canvas bound.
QImage DecodeFrame(const QByteArray& header, const QByteArray& frameBytes) {
  QByteArray frame;
  frame.reserve(header.size() + frameBytes.size());
  frame.append(header).append(frameBytes);
  QBuffer buffer(&frame);
  QImageReader reader(&buffer, "gif");
  reader.setAllocationLimit(kCanvasMegabytes);
  return reader.read();
}

}  // namespace

GifSplit SplitGif(const QByteArray& data, int maxFrames) {
  GifSplit split;
  const qsizetype first = FindMarker(data, 0);
  // The header runs up to the 21 of the first marker; without a marker it is
  // the first byte alone, which never reads "GIF".
  split.header = first < 0 ? data.left(1) : data.left(first + 2);
  split.isGif = split.header.startsWith("GIF");
  if (!split.isGif) return split;

  // Each search starts where the last one ended, so the file is read once.
  qsizetype i = first + 3;  // the byte after the first marker's F9
  while (static_cast<int>(split.pieces.size()) < maxFrames) {
    const qsizetype next = FindMarker(data, i);
    if (next < 0) {
      // The last frame runs to the end of the file less its last two bytes
      // (in a well-formed file the block terminator and the trailer).
      if (i + 1 < data.size()) split.pieces.push_back(MakePiece(data.mid(i - 1, data.size() - i - 1), false));
      break;
    }
    // From the current F9 up to the next marker's 21.
    split.pieces.push_back(MakePiece(data.mid(i - 1, next + 2 - (i - 1)), true));
    i = next + 3;
  }
  return split;
}

bool LoadGifFrames(const QString& path, forms::ImageArray& images) {
  if (path.isEmpty()) return false;
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile() || info.isHidden()) return false;
  images.UnloadAllButFirst();
  if (info.size() > gif_bounds::kFileBytes) return false;

  GifSplit split;
  {
    QByteArray data;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) data = file.read(gif_bounds::kFileBytes);
    split = SplitGif(data);
  }
  forms::Services& platform = forms::services();
  if (!split.isGif) {
    platform.MsgBox(QStringLiteral("This file is not a *.gif file"), forms::kOkOnly | forms::kCritical,
                    QString::fromLatin1(forms::kAppTitle));
    return false;
  }
  if (!ScreenFits(split.header)) return false;

  // A field a piece is too short for keeps the value it had before.
  std::int32_t delay = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int64_t decodedBytes = 0;
  std::int64_t pictures = 0;
  forms::Image& first = images[0];
  int n = 0;
  // Builds the next element; false when a bound stops the load before it.
  auto build = [&](const GifPiece& piece) {
    decodedBytes += split.header.size() + piece.bytes.size();
    if (decodedBytes > gif_bounds::kDecodedBytes) return false;
    QImage image = DecodeFrame(split.header, piece.bytes);
    if (piece.delayMs) delay = *piece.delayMs;
    if (n > 0) {
      if (piece.left) x = *piece.left;
      if (piece.top) y = *piece.top;
      // The element is moved by the frame's offset, so its picture is the
      // frame's own rectangle of the screen; a frame wholly off the screen
      // has nothing to show.
      const QRect own = QRect(x, y, piece.width.value_or(0), piece.height.value_or(0)) & image.rect();
      if (own != image.rect()) image = own.isEmpty() ? QImage() : image.copy(own);
    }
    const std::int64_t area = static_cast<std::int64_t>(image.width()) * image.height();
    if (pictures + area > gif_bounds::kPicturePixels) return false;
    pictures += area;

    forms::Image* element = &first;
    if (++n > 1) {
      element = &images.LoadNext();
      element->SetLeft(first.Left() + x * forms::kTwipsPerPixel);
      element->SetTop(first.Top() + y * forms::kTwipsPerPixel);
    }
    element->SetTag(QString::number(delay));
    if (!image.isNull()) element->SetPicture(QPixmap::fromImage(image));
    return true;
  };
  // Every search for a further marker lets the event loop run once, so the
  // window keeps answering while the portraits load; the last frame does not.
  bool stopped = false;
  for (const GifPiece& piece : split.pieces) {
    if (!piece.beforeNextMarker) break;
    stopped = !build(piece);
    if (stopped) break;
    platform.DoEvents();
    if (platform.Ending()) return true;
  }
  if (!stopped) {
    platform.DoEvents();
    if (!split.pieces.empty() && !split.pieces.back().beforeNextMarker && !platform.Ending()) {
      build(split.pieces.back());
    }
  }
  GifLastFrame = images.Count() - 1;
  return true;
}

}  // namespace korvinth
