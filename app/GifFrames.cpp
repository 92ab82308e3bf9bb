#include "app/GifFrames.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The index just past the data sub-blocks that start at `at` and their
// terminator; past the end of `bytes` when they are cut off.
qsizetype SkipSubBlocks(const QByteArray& bytes, qsizetype at) {
  while (at < bytes.size()) {
    const auto size = static_cast<std::uint8_t>(bytes[at]);
    at += 1 + size;
    if (size == 0) break;
  }
  return at;
}

// Where the frame's Image Descriptor starts in its piece (which starts at the
// control block's label F9). GIF89a lets other extensions stand between the
// two: ImageMagick writes one of its own there, other tools comments. Each
// is passed by its sub-block sizes, never past the piece. A piece in which no
// Image Separator turns up is read as if the descriptor followed the control
// block directly, as in every file we write.
qsizetype ImageDescriptorAt(const QByteArray& piece) {
  constexpr qsizetype kDirectlyBehind = 7;  // F9, size 4, four bytes, terminator
  qsizetype at = SkipSubBlocks(piece, 1);
  while (at + 1 < piece.size() && piece[at] == '\x21') at = SkipSubBlocks(piece, at + 2);
  return at < piece.size() && piece[at] == '\x2C' ? at : kDirectlyBehind;
}

// The index of the 21 of the file's first Graphic Control Extension, found
// by walking its leading blocks: the signature and version, the Logical
// Screen Descriptor, the Global Color Table by the size it declares, and each
// extension before the control block by its sub-blocks. A colour table whose
// last byte is not 0 leaves no 00 before that first control block, so a
// search for the marker would miss it. None when the walk meets anything
// else first (an image, the trailer, the file's end).
std::optional<qsizetype> FirstControlBlock(const QByteArray& data) {
  constexpr qsizetype kScreenEnd = 13;  // "GIF89a" and the 7-byte screen descriptor
  if (data.size() <= kScreenEnd || !data.startsWith("GIF")) return std::nullopt;
  const auto packed = static_cast<std::uint8_t>(data[10]);
  qsizetype at = kScreenEnd;
  if (packed & 0x80) at += 3 * (qsizetype{2} << (packed & 0x07));
  while (at + 1 < data.size() && data[at] == '\x21') {
    if (data[at + 1] == '\xF9') return at;
    at = SkipSubBlocks(data, at + 2);
  }
  return std::nullopt;
}

GifPiece MakePiece(QByteArray bytes, bool beforeNextMarker) {
  GifPiece piece;
  piece.bytes = std::move(bytes);
  piece.beforeNextMarker = beforeNextMarker;
  if (auto delay = Field16(piece.bytes, 3)) piece.delayMs = *delay * 10;
  const qsizetype descriptor = ImageDescriptorAt(piece.bytes);
  piece.left = Field16(piece.bytes, descriptor + 1);
  piece.top = Field16(piece.bytes, descriptor + 3);
  piece.width = Field16(piece.bytes, descriptor + 5);
  piece.height = Field16(piece.bytes, descriptor + 7);
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
  // `first` is where the first frame's marker would have its 00: the byte
  // before the first control block the blocks lead to, else the first
  // marker's own.
  const std::optional<qsizetype> control = FirstControlBlock(data);
  const qsizetype first = control ? *control - 1 : FindMarker(data, 0);
  // The header runs up to the 21 of the first control block; without one it
  // is the first byte alone, which never reads "GIF".
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

PortraitFile ReadPortraitFile(const QString& path) {
  using Found = PortraitFile::Found;
  PortraitFile result;
  // On this platform a hidden file is one whose name starts with a dot.
  if (path.isEmpty() || QFileInfo(path).isHidden()) return result;
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    // A plain file that cannot be opened leaves nothing to read: it is then
    // no GIF. Only looked up, never opened a second time.
    if (QFileInfo(path).isFile()) result.found = Found::kFile;
    return result;
  }
  struct stat status {};
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
    result.found = status.st_size > gif_bounds::kFileBytes ? Found::kTooLarge : Found::kFile;
    QFile file;
    if (result.found == Found::kFile && file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
      result.bytes = file.read(gif_bounds::kFileBytes);
    }
  }
  ::close(fd);
  return result;
}

bool LoadGifFrames(const QString& path, forms::ImageArray& images) {
  GifSplit split;
  {
    const PortraitFile file = ReadPortraitFile(path);
    if (file.found == PortraitFile::Found::kNoFile) return false;
    images.UnloadAllButFirst();
    if (file.found == PortraitFile::Found::kTooLarge) return false;
    split = SplitGif(file.bytes);
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
