#include "assets/Pictures.h"

#include <QHash>
#include <QString>

// The resources live in a static library; naming their initialiser keeps
// the linker from dropping them.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace korvinth {
namespace {

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Pictures are loaded once and shared: every class window shows the same ones.
QPixmap Cached(const QString& name) {
  static const bool initialised = (InitPictureResources(), true);
  Q_UNUSED(initialised);
  static QHash<QString, QPixmap> cache;
  auto it = cache.find(name);
  if (it == cache.end()) it = cache.insert(name, QPixmap(QStringLiteral(":/pictures/%1.png").arg(name)));
  return *it;
}

}  // namespace

QPixmap Picture(std::string_view name) { return Cached(Latin1(name)); }

QPixmap SkillIcon(std::string_view treeCode, int index) {
  return Cached(QStringLiteral("skill_%1_%2").arg(Latin1(treeCode)).arg(index));
}

const QCursor& GauntletCursor() {
  static const QCursor cursor(Picture("gauntlet"), 1, 1);
  return cursor;
}

const QIcon& WindowIcon() {
  static const QIcon icon(Picture("window_icon"));
  return icon;
}

}  // namespace korvinth
