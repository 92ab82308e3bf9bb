// Any bytes through the portrait frame splitter: no read past the input, and
// every piece lies inside it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/GifFrames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const korvinth::GifSplit split = korvinth::SplitGif(bytes);
  qsizetype total = split.header.size();
  for (const korvinth::GifPiece& piece : split.pieces) {
    if (piece.bytes.isEmpty() || piece.bytes.size() > bytes.size()) std::abort();
    if (piece.bytes.size() < 5 && piece.delayMs) std::abort();
    if (piece.delayMs && (*piece.delayMs < 0 || *piece.delayMs > 655350)) std::abort();
    total += piece.bytes.size();
  }
  if (!split.isGif && !split.pieces.empty()) std::abort();
  if (total > bytes.size() + static_cast<qsizetype>(split.pieces.size())) std::abort();
  return 0;
}
