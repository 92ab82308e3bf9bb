#include "assets/Pictures.h"

#include <QHash>
#include <QImage>
#include <QResource>
#include <QString>

#include "assets/PictureList.h"

// The resources live in a static library; naming their initialiser keeps
// the linker from dropping them.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace korvinth {
namespace {

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// An unpacked picture of our forge, shown in place from the executable:
// width, height and QImage format as 32-bit little-endian numbers, then the
// rows of 32-bit pixels. Null when the resource is missing or not so.
QPixmap Unpacked(const QString& path) {
  const QResource resource(path);
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) return {};
  const auto* bytes = resource.data();
  const auto number = [bytes](int index) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | bytes[index * 4 + i];
    return value;
  };
  if (resource.size() < 12) return {};
  const quint32 width = number(0);
  const quint32 height = number(1);
  const auto format = static_cast<QImage::Format>(number(2));
  if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) || width > 4096 ||
      height > 4096 || resource.size() != 12 + qint64{width} * height * 4) {
    return {};
  }
  const QImage image(bytes + 12, static_cast<int>(width), static_cast<int>(height),
                     static_cast<int>(width * 4), format);
  // The pixels must lie on 32-bit boundaries to be used in place.
  return QPixmap::fromImage(reinterpret_cast<quintptr>(bytes) % 4 == 0 ? image : image.copy());
}

// Pictures are loaded once and shared: every class window shows the same ones.
QPixmap Cached(const QString& name) {
  static const bool initialised = (InitPictureResources(), true);
  Q_UNUSED(initialised);
  static QHash<QString, QPixmap> cache;
  auto it = cache.find(name);
  if (it == cache.end()) {
    // Window pictures come unpacked, skill icons as PNG.
    QPixmap picture = Unpacked(QStringLiteral(":/pictures/%1.raw").arg(name));
    if (picture.isNull()) picture = QPixmap(QStringLiteral(":/pictures/%1.png").arg(name));
    it = cache.insert(name, picture);
  }
  return *it;
}

}  // namespace

QPixmap Picture(std::string_view name) {
  // The forge draws only the listed pictures; any other name is a slip.
  if (!FindPicture(name)) qFatal("No picture is named %.*s", static_cast<int>(name.size()), name.data());
  return Cached(Latin1(name));
}

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
