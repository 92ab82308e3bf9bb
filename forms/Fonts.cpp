#include "forms/Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cmath>

#ifdef KORVINTH_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace forms {
namespace {

QString FirstInstalled(const QStringList& families) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : families) {
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  }
  return {};
}

const QString& FamilyOf(Face face) {
  static const QString display = FirstInstalled({"Quattrocento", "Liberation Serif", "DejaVu Serif"});
  static const QString arial = FirstInstalled({"Liberation Sans", "Arial", "DejaVu Sans"});
  switch (face) {
    case Face::Display:
      return display;
    case Face::Arial:
    case Face::Sans:
      break;
  }
  return arial;
}

}  // namespace

QFont MakeFont(Face face, double points, int weight) {
  QFont font;
  const QString& family = FamilyOf(face);
  if (!family.isEmpty()) font.setFamily(family);
  font.setStyleHint(face == Face::Display ? QFont::Serif : QFont::SansSerif);
  // Sizes are fixed in pixels so that the layouts come out alike on every screen.
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
  return font;
}

std::thread ReadFontConfiguration() {
#ifdef KORVINTH_FONTCONFIG
  // Fontconfig loads its configuration once per process; Qt's later call
  // finds it loaded.
  return std::thread([] { FcInit(); });
#else
  return std::thread([] {});
#endif
}

}  // namespace forms
