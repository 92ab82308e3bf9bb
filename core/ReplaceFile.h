// Writing a whole file into a folder so that it either holds the complete new
// text or is left exactly as it was: the bytes go to a short temporary name
// beside it, every write is checked and synced, and only then is the
// temporary renamed over the file.
#pragma once

#include <QByteArray>
#include <QString>

namespace korvinth {

enum class ReplaceResult {
  kDone,
  kDiskFull,  // no space or quota left
  kDenied,    // no permission, or a read-only file system
  kFailed,    // anything else, a link or a read-only file in the file's place among them
};

// Writes `bytes` as `fileName` (a bare name) in `folder`, replacing a plain
// file of that name and keeping its permissions. A symbolic link, a folder or
// a read-only file in that place is refused, so nothing is written outside
// the folder; the folder itself may be reached through links. On failure no
// temporary file is left and an earlier file keeps every byte.
ReplaceResult ReplaceFileInFolder(const QString& folder, const QString& fileName, const QByteArray& bytes);

// For tests: called with the temporary file's descriptor right after it is
// created, before anything is written (a test can put another file, such as
// /dev/full, in its place). nullptr for none.
using TemporaryFileHook = void (*)(int descriptor);
void SetTemporaryFileHook(TemporaryFileHook hook);

}  // namespace korvinth
