// Any typed character name: a name the export accepts never leaves the
// program's folder and fits a file name, and the file text always ends its
// lines with CR LF.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/Export.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString name = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  if (korvinth::IsValidCharacterName(name)) {
    const QString folder = QStringLiteral("/korvinth/folder");
    const QString path = QDir(folder).filePath(name + QStringLiteral(".txt"));
    if (QFileInfo(path).absolutePath() != folder) std::abort();
    if (name.contains(u'/') || name.contains(u'\\') || name == QStringLiteral("..")) std::abort();
    if (QFile::encodeName(QFileInfo(path).fileName()).size() > 255) std::abort();
  }
  const QString text = korvinth::CharacterText(name, QStringLiteral("Class: Amazon"), 1, {name});
  if (!text.endsWith(QStringLiteral("\r\n"))) std::abort();
  return 0;
}
