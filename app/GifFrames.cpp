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

// The index of the next marker's 00 at or after `from`, or -1.
qsizetype FindMarker(const QByteArray& data, qsizetype from) {
  return data.indexOf(QByteArrayView(kMarker, 3), from);
}

// An unsigned 16-bit little-endian field at a 0-based offset of the piece.
std::optional<std::int32_t> Field16(const QByteArray& piece, qsizetype offset) {
  if (offset + 1 >= piece.size()) return std::nullopt;
  const auto low = static_cast<std::uint8_t>(piece[offset]);
  const auto high = static_cast<std::uint8_t>(piece[offset + 1]);
  return static_cast<std::int32_t>(low) + 256 * static_cast<std::int32_t>(high);
}

GifPiece MakePiece(QByteArray bytes, bool beforeNextMarker) {
  GifPiece piece;
  piece.bytes = std::move(bytes);
  piece.beforeNextMarker = beforeNextMarker;
  if (auto delay = Field16(piece.bytes, 3)) piece.delayMs = *delay * 10;
  piece.left = Field16(piece.bytes, 8);
  piece.top = Field16(piece.bytes, 10);
  return piece;
}

}  // namespace

GifSplit SplitGif(const QByteArray& data) {
  GifSplit split;
  const qsizetype first = FindMarker(data, 0);
  // The header runs up to the 21 of the first marker; without a marker it is
  // the first byte alone, which never reads "GIF".
  split.header = first < 0 ? data.left(1) : data.left(first + 2);
  split.isGif = split.header.startsWith("GIF");
  if (!split.isGif) return split;

  qsizetype i = first + 3;  // the byte after the first marker's F9
  for (;;) {
    const qsizetype next = FindMarker(data, i);
    if (next < 0) break;
    // From the current F9 up to the next marker's 21.
    split.pieces.push_back(MakePiece(data.mid(i - 1, next + 2 - (i - 1)), true));
    i = next + 3;
  }
  // The last frame runs to the end of the file less its last two bytes (in a
  // well-formed file the block terminator and the trailer).
  if (i + 1 < data.size()) split.pieces.push_back(MakePiece(data.mid(i - 1, data.size() - i - 1), false));
  return split;
}

bool LoadGifFrames(const QString& path, forms::ImageArray& images) {
  if (path.isEmpty()) return false;
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile() || info.isHidden()) return false;
  images.UnloadAllButFirst();

  QByteArray data;
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) data = file.readAll();
  const GifSplit split = SplitGif(data);
  forms::Services& platform = forms::services();
  if (!split.isGif) {
    platform.MsgBox(QStringLiteral("This file is not a *.gif file"), forms::kOkOnly | forms::kCritical,
                    QString::fromLatin1(forms::kAppTitle));
    return false;
  }

  // A field a piece is too short for keeps the value it had before.
  std::int32_t delay = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  forms::Image& first = images[0];
  int n = 0;
  auto build = [&](const GifPiece& piece) {
    ++n;
    if (piece.delayMs) delay = *piece.delayMs;
    forms::Image* element = &first;
    if (n > 1) {
      if (piece.left) x = *piece.left;
      if (piece.top) y = *piece.top;
      element = &images.LoadNext();
      element->SetLeft(first.Left() + x * forms::kTwipsPerPixel);
      element->SetTop(first.Top() + y * forms::kTwipsPerPixel);
    }
    element->SetTag(QString::number(delay));
    QByteArray frame = split.header + piece.bytes;
    QBuffer buffer(&frame);
    QImageReader reader(&buffer, "gif");
    const QImage image = reader.read();
    if (!image.isNull()) element->SetPicture(QPixmap::fromImage(image));
  };
  // Every search for a further marker lets the event loop run once, so the
  // window keeps answering while the portraits load; the last frame does not.
  for (const GifPiece& piece : split.pieces) {
    if (!piece.beforeNextMarker) break;
    build(piece);
    platform.DoEvents();
    if (platform.Ending()) return true;
  }
  platform.DoEvents();
  if (!split.pieces.empty() && !split.pieces.back().beforeNextMarker && !platform.Ending()) {
    build(split.pieces.back());
  }
  GifLastFrame = images.Count() - 1;
  return true;
}

}  // namespace korvinth
