// Splitting an animated GIF into one-frame GIFs for the portraits. The file is
// not parsed: it is cut at every occurrence of the bytes 00 21 F9 (a block
// terminator followed by a Graphic Control Extension), and each frame is
// decoded from the file's header followed by its piece. Only a few blocks
// are walked: those before the first control block, for where the header
// ends, and those from a frame's control block to its Image Descriptor, for
// its offsets.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace forms {
class ImageArray;
}

namespace korvinth {

// What one portrait file may cost, whatever it declares. A portrait is 122 x
// 168 pixels; our own animations have 8 frames and take about 18 KB.
namespace gif_bounds {
// A larger file is not read: the still portrait stays, as for a missing file.
inline constexpr std::int64_t kFileBytes = 4 * 1024 * 1024;
// Every frame is decoded on the file's logical screen; a file declaring a
// larger one is passed over like a file too large. The decoder is held to the
// same size, for a screen of 0 x 0 (then the frame's extent is used).
inline constexpr std::int64_t kCanvasPixels = 512 * 512;
// Frames past these stop the load; the frames loaded by then stay.
inline constexpr int kFrames = 256;
inline constexpr std::int64_t kPicturePixels = 4 * 1024 * 1024;  // all pictures kept, 16 MB
inline constexpr std::int64_t kDecodedBytes = 32 * 1024 * 1024;  // header and frame bytes, all frames
}  // namespace gif_bounds

struct GifPiece {
  QByteArray bytes;               // from the frame's F9 up to the next marker's 21, or near the end
  bool beforeNextMarker = false;  // cut by a later marker, not the file's end
  // Fields of the piece; absent when the piece is too short to hold them.
  std::optional<std::int32_t> delayMs;  // Delay Time x 10
  // The frame's Image Descriptor: behind its control block and any other
  // extensions there (comments, application data), else where it would
  // follow the control block directly.
  std::optional<std::int32_t> left;    // Image Left Position
  std::optional<std::int32_t> top;     // Image Top Position
  std::optional<std::int32_t> width;   // Image Width
  std::optional<std::int32_t> height;  // Image Height
};

struct GifSplit {
  bool isGif = false;  // the header begins with "GIF" (a file without a marker never does)
  QByteArray header;   // from the first byte to the 21 of the first control block
  std::vector<GifPiece> pieces;
};

// Cuts a whole file's bytes into its header and frames, in one pass. After
// `maxFrames` frames the rest of the file is left unsearched (the last frame
// is then one cut by a marker). Every read is bounds-checked, so any input is
// safe.
GifSplit SplitGif(const QByteArray& data, int maxFrames = gif_bounds::kFrames);

// A portrait file as the loader finds it. The path is opened once, without
// waiting (a named pipe put in the file's place would otherwise hold the
// start until some other program wrote to it), and everything after that is
// asked of the open descriptor, never of the name again.
struct PortraitFile {
  enum class Found {
    kNoFile,    // empty path, nothing there, hidden, or not a plain file
    kTooLarge,  // a plain file past gif_bounds::kFileBytes, not read
    kFile,      // a plain file; `bytes` holds it (nothing when it cannot be read)
  };
  Found found = Found::kNoFile;
  QByteArray bytes;
};
PortraitFile ReadPortraitFile(const QString& path);

// The frame count minus 1 of the array filled by the last successful load.
extern std::int32_t GifLastFrame;

// Puts one frame of the GIF file at `path` into each element of `images`:
// element 0 keeps its place and gets the first frame's whole screen; later
// elements are created hidden at their frames' offsets, each with its frame's
// own rectangle (so its pixels land where the screen has them). Each
// element's Tag holds its frame's delay in ms. Returns false for a missing
// file or one past the bounds above, or, after a message box, a file that is
// not a GIF. Writes no file: frames are decoded from memory.
bool LoadGifFrames(const QString& path, forms::ImageArray& images);

}  // namespace korvinth
