// Splitting an animated GIF into one-frame GIFs for the portraits. The file is
// not parsed: it is cut at every occurrence of the bytes 00 21 F9 (a block
// terminator followed by a Graphic Control Extension), and each frame is
// decoded from the file's header followed by its piece.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

namespace forms {
class ImageArray;
}

namespace korvinth {

struct GifPiece {
  QByteArray bytes;               // from the frame's F9 up to the next marker's 21, or near the end
  bool beforeNextMarker = false;  // cut by a later marker, not the file's end
  // Fields of the piece; absent when the piece is too short to hold them.
  std::optional<std::int32_t> delayMs;  // Delay Time x 10
  std::optional<std::int32_t> left;     // Image Left Position
  std::optional<std::int32_t> top;      // Image Top Position
};

struct GifSplit {
  bool isGif = false;  // the header begins with "GIF" (a file without a marker never does)
  QByteArray header;   // from the first byte to the 21 of the first marker
  std::vector<GifPiece> pieces;
};

// Cuts a whole file's bytes into its header and frame pieces. Every read is
// bounds-checked, so any input is safe.
GifSplit SplitGif(const QByteArray& data);

// The frame count minus 1 of the array filled by the last successful load.
extern std::int32_t GifLastFrame;

// Puts one frame of the GIF file at `path` into each element of `images`:
// element 0 keeps its place, later elements are created hidden at their
// frames' offsets. Each element's Tag holds its frame's delay in ms. Returns
// false for a missing file, or, after a message box, a file that is not a GIF.
// Writes no file: frames are decoded from memory.
bool LoadGifFrames(const QString& path, forms::ImageArray& images);

}  // namespace korvinth
