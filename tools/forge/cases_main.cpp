// Writes the costly portrait files of the end to end run into a folder:
// 200 frames on a 2000 x 2000 screen, 50,000 and 5,000 tiny frames, 900 KB
// and 200 MB of frame markers. Usage: gifcases <folder>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "tools/forge/GifCases.h"

namespace {

bool Write(const QString& folder, const char* name, const QByteArray& bytes) {
  QFile file(QDir(folder).filePath(QString::fromLatin1(name)));
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gifcases <folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  const QSize portrait(122, 168);
  const bool ok = Write(folder, "screen2000.gif", forge::TinyFrames(QSize(2000, 2000), 200)) &&
                  Write(folder, "frames50000.gif", forge::TinyFrames(portrait, 50000)) &&
                  Write(folder, "frames5000.gif", forge::TinyFrames(portrait, 5000)) &&
                  Write(folder, "markers900k.gif", forge::MarkerFlood(900 * 1024)) &&
                  Write(folder, "markers200m.gif", forge::MarkerFlood(200LL * 1024 * 1024));
  if (!ok) std::fprintf(stderr, "gifcases: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
