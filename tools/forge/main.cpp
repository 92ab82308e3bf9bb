// Draws every picture of the program at build time: window backgrounds,
// plates, arrowheads, the mouse pointer, the window icon, the 150 skill icons
// and the five animated class portraits (as GIF files for the program's
// folder). Usage: forge <picture folder> <portrait folder>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

#include "forms/Fonts.h"
#include "skilltrees/ClassData.h"
#include "tools/forge/GifWriter.h"

namespace {

using korvinth::ClassDef;

QString g_pictures;
QString g_portraits;
QStringList g_written;

// A repeatable pseudo-random sequence for textures.
class Noise {
 public:
  explicit Noise(unsigned seed) : state_(seed * 2654435761U + 1U) {}
  int Next(int n) {
    state_ = state_ * 1103515245U + 12345U;
    return static_cast<int>((state_ >> 8) % static_cast<unsigned>(n));
  }

 private:
  unsigned state_;
};

unsigned Hash(std::string_view text) {
  unsigned h = 2166136261U;
  for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619U;
  return h;
}

QImage Canvas(int w, int h, QColor fill = Qt::transparent) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

// The window pictures are stored unpacked, as the program shows them: it
// takes their pixels straight from the executable, where a PNG would cost it
// about 10 ns a pixel to decode (5 ms for the start window's background,
// before the window can be shown). The 150 skill icons stay PNG: a class
// window shows 30 of 40 x 40 pixels, and unpacked they would add 1 MB.
enum class Storage { Unpacked, Png };

// As the program's pictures would be: opaque ones without alpha.
bool Opaque(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    if (!std::all_of(line, line + argb.width(), [](QRgb c) { return qAlpha(c) == 255; })) return false;
  }
  return true;
}

bool SaveUnpacked(const QImage& image, const QString& path) {
  const QImage pixels =
      image.convertToFormat(Opaque(image) ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  QByteArray bytes;
  for (const quint32 value : {quint32(pixels.width()), quint32(pixels.height()), quint32(pixels.format())}) {
    for (int shift = 0; shift < 32; shift += 8) bytes.append(static_cast<char>((value >> shift) & 0xFF));
  }
  for (int y = 0; y < pixels.height(); ++y) {
    bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
  }
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void Save(const QImage& image, const QString& name, Storage storage = Storage::Unpacked) {
  const bool unpacked = storage == Storage::Unpacked;
  const QString file = name + (unpacked ? ".raw" : ".png");
  const QString path = g_pictures + "/" + file;
  if (!(unpacked ? SaveUnpacked(image, path) : image.save(path, "PNG"))) {
    std::fprintf(stderr, "forge: cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
  g_written << file;
}

// Speckled stone in a base colour.
void Stone(QPainter& p, const QRect& r, QColor base, unsigned seed, int grain = 22) {
  p.fillRect(r, base);
  Noise noise(seed);
  const int count = r.width() * r.height() / 3;
  for (int i = 0; i < count; ++i) {
    const int x = r.left() + noise.Next(r.width());
    const int y = r.top() + noise.Next(r.height());
    const int d = noise.Next(2 * grain + 1) - grain;
    p.setPen(QColor(std::clamp(base.red() + d, 0, 255), std::clamp(base.green() + d, 0, 255),
                    std::clamp(base.blue() + d, 0, 255)));
    p.drawPoint(x, y);
  }
}

// A bevelled frame inside a rectangle.
void Bevel(QPainter& p, const QRect& r, QColor light, QColor dark, int width) {
  for (int i = 0; i < width; ++i) {
    const QRect q = r.adjusted(i, i, -i - 1, -i - 1);
    p.setPen(light);
    p.drawLine(q.topLeft(), q.topRight());
    p.drawLine(q.topLeft(), q.bottomLeft());
    p.setPen(dark);
    p.drawLine(q.bottomLeft(), q.bottomRight());
    p.drawLine(q.topRight(), q.bottomRight());
  }
}

// A raised stone plate with a rim, as behind commands and buttons.
void Plate(QPainter& p, const QRect& r, unsigned seed) {
  Stone(p, r, QColor(58, 52, 46), seed, 14);
  QLinearGradient shade(r.topLeft(), r.bottomLeft());
  shade.setColorAt(0, QColor(255, 255, 255, 40));
  shade.setColorAt(0.5, QColor(0, 0, 0, 0));
  shade.setColorAt(1, QColor(0, 0, 0, 90));
  p.fillRect(r, shade);
  Bevel(p, r, QColor(120, 108, 92), QColor(20, 17, 14), 2);
}

void Rune(QPainter& p, QPointF centre, double radius, QColor colour) {
  p.setPen(QPen(colour, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, radius, radius);
  for (int i = 0; i < 6; ++i) {
    const double a = i * M_PI / 3;
    p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.55,
               centre + QPointF(std::cos(a), std::sin(a)) * radius);
  }
}

// The program's emblem: a horned helm over crossed blades.
void Emblem(QPainter& p, QPointF c, double s, QColor metal, QColor glow) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient halo(c, s * 1.4);
  halo.setColorAt(0, QColor(glow.red(), glow.green(), glow.blue(), 140));
  halo.setColorAt(1, QColor(glow.red(), glow.green(), glow.blue(), 0));
  p.setBrush(halo);
  p.setPen(Qt::NoPen);
  p.drawEllipse(c, s * 1.4, s * 1.4);
  p.setPen(QPen(metal.darker(180), s * 0.06));
  p.setBrush(metal);
  for (int side : {-1, 1}) {
    QPainterPath blade;
    blade.moveTo(c + QPointF(side * s * 0.9, s * 0.9));
    blade.lineTo(c + QPointF(-side * s * 0.7, -s * 0.8));
    blade.lineTo(c + QPointF(-side * s * 0.62, -s * 0.9));
    blade.lineTo(c + QPointF(side * s * 0.98, s * 0.82));
    blade.closeSubpath();
    p.drawPath(blade);
  }
  QPainterPath helm;
  helm.moveTo(c + QPointF(-s * 0.45, s * 0.45));
  helm.cubicTo(c + QPointF(-s * 0.55, -s * 0.3), c + QPointF(s * 0.55, -s * 0.3),
               c + QPointF(s * 0.45, s * 0.45));
  helm.lineTo(c + QPointF(s * 0.12, s * 0.45));
  helm.lineTo(c + QPointF(s * 0.1, s * 0.1));
  helm.lineTo(c + QPointF(-s * 0.1, s * 0.1));
  helm.lineTo(c + QPointF(-s * 0.12, s * 0.45));
  helm.closeSubpath();
  p.drawPath(helm);
  for (int side : {-1, 1}) {
    QPainterPath horn;
    horn.moveTo(c + QPointF(side * s * 0.4, -s * 0.05));
    horn.quadTo(c + QPointF(side * s * 0.95, -s * 0.2), c + QPointF(side * s * 0.75, -s * 0.75));
    horn.quadTo(c + QPointF(side * s * 0.7, -s * 0.3), c + QPointF(side * s * 0.3, -s * 0.2));
    horn.closeSubpath();
    p.drawPath(horn);
  }
  p.restore();
}

// Window pictures ---------------------------------------------------------

void DrawCommandColumn() {
  QImage image = Canvas(160, 349, Qt::black);
  QPainter p(&image);
  Stone(p, image.rect(), QColor(30, 27, 25), 11, 12);
  Bevel(p, image.rect(), QColor(70, 62, 54), QColor(8, 7, 6), 3);
  Emblem(p, QPointF(80, 34), 26, QColor(150, 138, 120), QColor(190, 40, 20));
  // One plate behind each command label.
  const int tops[] = {70, 123, 177, 233, 288};
  for (int i = 0; i < 5; ++i) Plate(p, QRect(10, tops[i], 140, 27), 100 + i);
  Save(image, "command_column");
}

void DrawBottomPanel() {
  QImage image = Canvas(800, 230, Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient metal(0, 0, 0, 230);
  metal.setColorAt(0, QColor(150, 140, 120));
  metal.setColorAt(0.5, QColor(70, 64, 56));
  metal.setColorAt(1, QColor(120, 110, 95));
  p.setPen(QPen(QBrush(metal), 6));
  p.drawRoundedRect(QRectF(5, 5, 790, 220), 10, 10);
  p.setPen(QPen(QColor(40, 36, 30), 2));
  p.drawRoundedRect(QRectF(11, 11, 778, 208), 7, 7);
  for (QPointF corner : {QPointF(14, 14), QPointF(786, 14), QPointF(14, 216), QPointF(786, 216)}) {
    p.setBrush(QColor(160, 150, 125));
    p.setPen(QPen(QColor(50, 44, 36), 1.5));
    p.drawEllipse(corner, 7, 7);
    Rune(p, corner, 5, QColor(60, 40, 20));
  }
  Save(image, "bottom_panel");
}

void DrawArrowheads() {
  const QColor brown(168, 143, 121);
  QImage down = Canvas(30, 30);
  {
    QPainter p(&down);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(brown);
    p.drawPolygon(QPolygonF({QPointF(4, 6), QPointF(26, 6), QPointF(15, 27)}));
  }
  Save(down, "arrow_down");
  Save(down.transformed(QTransform().rotate(-90)), "arrow_right");
}

void DrawGauntlet() {
  QImage image = Canvas(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // A mailed hand pointing up and to the left, its finger tip at (1, 1).
  QPainterPath hand;
  hand.moveTo(1, 1);
  hand.lineTo(10, 4);
  hand.lineTo(8, 7);
  hand.lineTo(18, 12);
  hand.lineTo(24, 13);
  hand.lineTo(30, 20);
  hand.lineTo(27, 29);
  hand.lineTo(18, 30);
  hand.lineTo(12, 24);
  hand.lineTo(10, 15);
  hand.lineTo(4, 9);
  hand.closeSubpath();
  QLinearGradient steel(0, 0, 32, 32);
  steel.setColorAt(0, QColor(230, 225, 210));
  steel.setColorAt(1, QColor(90, 84, 76));
  p.setBrush(steel);
  p.setPen(QPen(QColor(20, 18, 16), 1.2));
  p.drawPath(hand);
  p.setPen(QPen(QColor(60, 55, 50), 1));
  for (int i = 0; i < 3; ++i) p.drawLine(QPointF(14 + i * 4, 17 + i), QPointF(18 + i * 3, 27 - i));
  Save(image, "gauntlet");
}

void DrawWindowIcon() {
  QImage image = Canvas(32, 32, QColor(20, 10, 8));
  QPainter p(&image);
  Emblem(p, QPointF(16, 17), 13, QColor(190, 175, 150), QColor(220, 60, 20));
  Save(image, "window_icon");
}

void DrawButton() {
  QImage image = Canvas(150, 36, Qt::black);
  QPainter p(&image);
  Plate(p, image.rect(), 7);
  Save(image, "button");
}

void DrawStatsBand() {
  QImage image = Canvas(670, 111, Qt::black);
  QPainter p(&image);
  Stone(p, image.rect(), QColor(38, 30, 24), 21, 10);
  Bevel(p, image.rect(), QColor(120, 100, 80), QColor(10, 8, 6), 3);
  Save(image, "stats_band");
}

void DrawGeneratorBack() {
  QImage image = Canvas(256, 256, Qt::black);
  QPainter p(&image);
  Stone(p, image.rect(), QColor(26, 20, 16), 31, 10);
  Emblem(p, QPointF(128, 40), 18, QColor(90, 80, 66), QColor(120, 30, 10));
  Bevel(p, image.rect(), QColor(110, 92, 70), QColor(8, 6, 4), 3);
  Save(image, "generator_back");
}

void DrawStartBackground() {
  QImage image = Canvas(800, 600, Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient dusk(QPointF(400, 200), 520);
  dusk.setColorAt(0, QColor(60, 18, 8));
  dusk.setColorAt(0.6, QColor(18, 6, 4));
  dusk.setColorAt(1, QColor(0, 0, 0));
  p.fillRect(image.rect(), dusk);
  Emblem(p, QPointF(400, 120), 80, QColor(160, 146, 120), QColor(230, 70, 20));
  // Two name plates under "Original By:" and "Redesign By:".
  const QFont font = forms::MakeFont(forms::Face::Display, 11, 900);
  const struct {
    QRect rect;
    const char* name;
  } plates[] = {{QRect(25, 561, 135, 36), "Hadrenfel"}, {QRect(181, 562, 152, 30), "Tarnavel"}};
  for (const auto& plate : plates) {
    Plate(p, plate.rect, Hash(plate.name));
    p.setFont(font);
    p.setPen(QColor(191, 133, 49));
    p.drawText(plate.rect, Qt::AlignCenter, QString::fromLatin1(plate.name));
  }
  Save(image, "start_background");
}

// Skill icons ---------------------------------------------------------------

enum class Glyph {
  Flame,
  Frost,
  Bolt,
  Poison,
  Bone,
  Golem,
  Arrow,
  Spear,
  Star,
  Eye,
  Ring,
  Shield,
  Wave,
  Swirl,
  Blade,
  Hand,
  Rune
};

bool Has(std::string_view name, std::initializer_list<std::string_view> words) {
  for (std::string_view w : words) {
    if (name.find(w) != std::string_view::npos) return true;
  }
  return false;
}

Glyph GlyphFor(std::string_view name, std::string_view tree) {
  if (Has(name, {"Fire", "Blaze", "Inferno", "Meteor", "Immolat", "Warmth", "Hydra", "Enchant"}))
    return Glyph::Flame;
  if (Has(name, {"Cold", "Ice", "Frozen", "Frost", "Glacier", "Blizzard", "Chill", "Shiver", "Freez"}))
    return Glyph::Frost;
  if (Has(name, {"Lightning", "Charged", "Static", "Thunder", "Nova", "Energy", "Shock", "Power Strike"}))
    return Glyph::Bolt;
  if (Has(name, {"Poison", "Plague", "Cleansing"})) return Glyph::Poison;
  if (Has(name, {"Bone", "Skelet", "Teeth", "Revive", "Corpse"})) return Glyph::Bone;
  if (Has(name, {"Golem", "Valkyrie", "Duplicate"})) return Glyph::Golem;
  if (Has(name, {"Arrow", "Shot", "Pierce", "Penetrate", "Missile", "Guided"})) return Glyph::Arrow;
  if (Has(name, {"Jab", "Javelin", "Spear", "Impale", "Fend", "Throw", "Pole"})) return Glyph::Spear;
  if (Has(name, {"Mastery", "Resist", "Summon"})) return Glyph::Star;
  if (Has(name, {"Vision", "Sight", "Find", "Attract", "Confuse", "Terror", "Telekinesis"}))
    return Glyph::Eye;
  if (tree.rfind("Paladin", 0) == 0 &&
      Has(name, {"Might", "Thorns", "Concentration", "Holy", "Sanctuary", "Fanaticism", "Conviction",
                 "Prayer", "Defiance", "Vigor", "Meditation", "Redemption", "Salvation", "Blessed Aim"}))
    return Glyph::Ring;
  if (Has(name, {"Armor", "Skin", "Shield", "Iron", "Dodge", "Avoid", "Evade"})) return Glyph::Shield;
  if (Has(name, {"Howl", "Shout", "Cry", "Taunt", "Orders", "Command", "Ward"})) return Glyph::Wave;
  if (Has(name, {"Leap", "Whirlwind", "Charge", "Teleport", "Speed", "Stamina", "Frenzy", "Zeal"}))
    return Glyph::Swirl;
  if (Has(name, {"Bash", "Swing", "Stun", "Strike", "Smite", "Sacrafice", "Vengance", "Beserker", "Hammer",
                 "Conversion", "Heavens"}))
    return Glyph::Blade;
  if (Has(name, {"Damage", "Weaken", "Maiden", "Tap", "Decrepify", "Critical", "Inner", "Slow"}))
    return Glyph::Hand;
  return Glyph::Rune;
}

QColor TreeHue(std::string_view tree) {
  if (tree.rfind("Necro", 0) == 0) return QColor(80, 170, 90);
  if (tree.rfind("Amazon", 0) == 0) return QColor(200, 160, 70);
  if (tree.rfind("BarBar", 0) == 0) return QColor(190, 90, 50);
  if (tree.rfind("Paladin", 0) == 0) return QColor(120, 150, 230);
  return QColor(190, 110, 220);
}

void DrawGlyph(QPainter& p, Glyph glyph, QColor c, unsigned seed) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QColor light = c.lighter(150);
  p.setPen(QPen(light, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  const double tilt = static_cast<int>(seed % 5) - 2;
  p.translate(24, 23);
  p.rotate(tilt * 6);
  switch (glyph) {
    case Glyph::Flame: {
      QPainterPath flame;
      flame.moveTo(0, 14);
      flame.cubicTo(-14, 8, -8, -6, 0, -16);
      flame.cubicTo(2, -6, 12, -2, 8, 8);
      flame.cubicTo(6, 12, 3, 14, 0, 14);
      p.setBrush(c);
      p.drawPath(flame);
      p.setBrush(light);
      p.drawEllipse(QPointF(0, 7), 3.5, 5);
      break;
    }
    case Glyph::Frost:
      for (int i = 0; i < 3; ++i) {
        p.save();
        p.rotate(i * 60);
        p.drawLine(QPointF(0, -15), QPointF(0, 15));
        p.drawLine(QPointF(0, -10), QPointF(-4, -14));
        p.drawLine(QPointF(0, -10), QPointF(4, -14));
        p.drawLine(QPointF(0, 10), QPointF(-4, 14));
        p.drawLine(QPointF(0, 10), QPointF(4, 14));
        p.restore();
      }
      break;
    case Glyph::Bolt:
      p.setBrush(c);
      p.drawPolygon(QPolygonF({QPointF(4, -16), QPointF(-8, 2), QPointF(-1, 2), QPointF(-5, 16),
                               QPointF(9, -3), QPointF(2, -3), QPointF(7, -16)}));
      break;
    case Glyph::Poison: {
      QPainterPath drop;
      drop.moveTo(0, -15);
      drop.cubicTo(12, 2, 10, 14, 0, 14);
      drop.cubicTo(-10, 14, -12, 2, 0, -15);
      p.setBrush(c);
      p.drawPath(drop);
      p.drawEllipse(QPointF(-3, 6), 2, 2);
      break;
    }
    case Glyph::Bone:
      p.setBrush(light);
      p.drawEllipse(QPointF(0, -4), 10, 9);
      p.setBrush(Qt::black);
      p.drawEllipse(QPointF(-4, -5), 2.8, 3);
      p.drawEllipse(QPointF(4, -5), 2.8, 3);
      p.setBrush(light);
      p.drawRect(QRectF(-5, 4, 10, 7));
      p.drawLine(QPointF(-2, 5), QPointF(-2, 11));
      p.drawLine(QPointF(2, 5), QPointF(2, 11));
      break;
    case Glyph::Golem:
      p.setBrush(c);
      p.drawRect(QRectF(-5, -15, 10, 8));
      p.drawRect(QRectF(-9, -6, 18, 12));
      p.drawRect(QRectF(-8, 7, 6, 9));
      p.drawRect(QRectF(2, 7, 6, 9));
      break;
    case Glyph::Arrow:
      p.drawLine(QPointF(-14, 14), QPointF(12, -12));
      p.setBrush(light);
      p.drawPolygon(QPolygonF({QPointF(14, -14), QPointF(4, -11), QPointF(11, -4)}));
      p.drawLine(QPointF(-14, 14), QPointF(-14, 7));
      p.drawLine(QPointF(-14, 14), QPointF(-7, 14));
      break;
    case Glyph::Spear:
      p.drawLine(QPointF(0, 16), QPointF(0, -8));
      p.setBrush(light);
      p.drawPolygon(QPolygonF({QPointF(0, -17), QPointF(-5, -6), QPointF(5, -6)}));
      break;
    case Glyph::Star: {
      QPolygonF star;
      for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 6 : 15;
        const double a = i * M_PI / 5 - M_PI / 2;
        star << QPointF(std::cos(a) * r, std::sin(a) * r);
      }
      p.setBrush(c);
      p.drawPolygon(star);
      break;
    }
    case Glyph::Eye:
      p.drawEllipse(QPointF(0, 0), 15, 8);
      p.setBrush(c);
      p.drawEllipse(QPointF(0, 0), 5.5, 5.5);
      break;
    case Glyph::Ring:
      p.drawEllipse(QPointF(0, 0), 13, 13);
      p.drawEllipse(QPointF(0, 0), 7, 7);
      for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawPoint(QPointF(std::cos(a) * 10, std::sin(a) * 10));
      }
      break;
    case Glyph::Shield: {
      QPainterPath shield;
      shield.moveTo(-12, -14);
      shield.lineTo(12, -14);
      shield.lineTo(11, 2);
      shield.quadTo(8, 11, 0, 16);
      shield.quadTo(-8, 11, -11, 2);
      shield.closeSubpath();
      p.setBrush(c.darker(130));
      p.drawPath(shield);
      p.drawLine(QPointF(0, -12), QPointF(0, 13));
      break;
    }
    case Glyph::Wave:
      for (int i = 1; i <= 3; ++i) p.drawArc(QRectF(-6 - i * 5, -i * 5, i * 10, i * 10), -50 * 16, 100 * 16);
      p.setBrush(c);
      p.drawEllipse(QPointF(-10, 0), 3.5, 3.5);
      break;
    case Glyph::Swirl: {
      QPainterPath swirl;
      swirl.moveTo(0, 0);
      for (int i = 1; i < 40; ++i) {
        const double a = i * 0.35;
        swirl.lineTo(std::cos(a) * i * 0.4, std::sin(a) * i * 0.4);
      }
      p.drawPath(swirl);
      break;
    }
    case Glyph::Blade:
      p.setBrush(light);
      p.drawPolygon(
          QPolygonF({QPointF(-3, 6), QPointF(-3, -13), QPointF(0, -17), QPointF(3, -13), QPointF(3, 6)}));
      p.drawLine(QPointF(-9, 7), QPointF(9, 7));
      p.drawLine(QPointF(0, 8), QPointF(0, 16));
      break;
    case Glyph::Hand:
      p.setBrush(c);
      p.drawRoundedRect(QRectF(-9, -2, 18, 15), 4, 4);
      for (int i = 0; i < 4; ++i) p.drawRoundedRect(QRectF(-9 + i * 4.6, -15, 3.6, 14), 1.5, 1.5);
      break;
    case Glyph::Rune:
      Rune(p, QPointF(0, 0), 14, light);
      break;
  }
  p.restore();
}

QString Initials(std::string_view name) {
  QString letters;
  bool start = true;
  for (char ch : name) {
    if (start && std::isalpha(static_cast<unsigned char>(ch))) letters += QChar(ch);
    start = ch == ' ' || ch == '-';
  }
  return letters.left(2).toUpper();
}

constexpr int kGlyphCount = static_cast<int>(Glyph::Rune) + 1;

// Skills of one tree that call for the same glyph tell themselves apart by a
// variant: plain, with a small twin, in a ring, or with sparks.
constexpr int kVariants = 4;

void DrawVariantMarks(QPainter& p, int variant, QColor c) {
  p.setRenderHint(QPainter::Antialiasing);
  const QColor light = c.lighter(150);
  p.setPen(QPen(light, 1.6));
  p.setBrush(Qt::NoBrush);
  if (variant == 2) p.drawEllipse(QPointF(24, 23), 20, 20);
  if (variant == 3) {
    for (QPointF at : {QPointF(6, 6), QPointF(42, 6), QPointF(6, 40), QPointF(42, 40)}) {
      p.drawLine(at - QPointF(2.5, 0), at + QPointF(2.5, 0));
      p.drawLine(at - QPointF(0, 2.5), at + QPointF(0, 2.5));
    }
  }
}

void DrawSkillIcon(std::string_view tree, int index, std::string_view name, Glyph glyph, int variant) {
  QImage image = Canvas(48, 49, Qt::black);
  QPainter p(&image);
  const QColor hue = TreeHue(tree);
  QRadialGradient back(QPointF(24, 22), 30);
  back.setColorAt(0, hue.darker(260));
  back.setColorAt(1, QColor(8, 6, 5));
  p.fillRect(image.rect(), back);
  if (variant == 1) {
    // A small twin in the upper left, the glyph itself a little smaller.
    p.save();
    p.translate(2, 2);
    p.scale(0.45, 0.45);
    DrawGlyph(p, glyph, hue, Hash(name));
    p.restore();
    p.save();
    p.translate(9, 9);
    p.scale(0.8, 0.8);
    DrawGlyph(p, glyph, hue, Hash(name));
    p.restore();
  } else {
    DrawGlyph(p, glyph, hue, Hash(name));
    DrawVariantMarks(p, variant, hue);
  }
  // The initials keep every icon of a tree apart.
  p.setFont(forms::MakeFont(forms::Face::Arial, 6.5, 700));
  p.setPen(QColor(235, 225, 200));
  p.drawText(QRect(2, 36, 44, 11), Qt::AlignRight | Qt::AlignVCenter, Initials(name));
  Bevel(p, image.rect(), hue.darker(120), QColor(10, 8, 6), 2);
  Save(image,
       QStringLiteral("skill_%1_%2")
           .arg(QString::fromLatin1(tree.data(), static_cast<int>(tree.size())))
           .arg(index),
       Storage::Png);
}

// Portraits -----------------------------------------------------------------

struct ClassLook {
  const char* name;
  const char* file;
  QColor robe;
  QColor glow;
  int frames;
};

void DrawFigure(QPainter& p, const ClassLook& look, double breathe, double glow) {
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient aura(QPointF(61, 70), 70);
  aura.setColorAt(
      0, QColor(look.glow.red(), look.glow.green(), look.glow.blue(), static_cast<int>(60 + 120 * glow)));
  aura.setColorAt(1, QColor(0, 0, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(aura);
  p.drawEllipse(QPointF(61, 70), 60, 80);
  // Cloak and body.
  QPainterPath body;
  body.moveTo(61, 46 - breathe);
  body.cubicTo(90, 60, 96, 130, 104, 166);
  body.lineTo(18, 166);
  body.cubicTo(26, 130, 32, 60, 61, 46 - breathe);
  QLinearGradient cloth(0, 40, 0, 168);
  cloth.setColorAt(0, look.robe.lighter(140));
  cloth.setColorAt(1, look.robe.darker(200));
  p.setBrush(cloth);
  p.setPen(QPen(QColor(10, 8, 6), 1.5));
  p.drawPath(body);
  // Head and eyes.
  p.setBrush(QColor(40, 32, 28));
  p.drawEllipse(QPointF(61, 34 - breathe), 13, 15);
  p.setBrush(QColor(look.glow.red(), look.glow.green(), look.glow.blue())
                 .lighter(static_cast<int>(100 + 80 * glow)));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(56, 33 - breathe), 2.4, 1.6);
  p.drawEllipse(QPointF(66, 33 - breathe), 2.4, 1.6);
  // A weapon at the side.
  p.setPen(QPen(QColor(200, 190, 170), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(96, 150), QPointF(88, 20 - breathe * 2));
}

QImage Portrait(const ClassLook& look, double breathe, double glow) {
  QImage image = Canvas(122, 168);
  QPainter p(&image);
  DrawFigure(p, look, breathe, glow);
  return image;
}

// Index 0 is transparent; the other 255 entries are the frames' most
// frequent colours, at 5 bits a channel.
std::vector<QRgb> PaletteOf(const std::vector<QImage>& images) {
  QHash<QRgb, int> counts;
  for (const QImage& image : images) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
      for (int x = 0; x < argb.width(); ++x) {
        if (qAlpha(line[x]) < 128) continue;
        ++counts[qRgb(qRed(line[x]) & 0xF8, qGreen(line[x]) & 0xF8, qBlue(line[x]) & 0xF8)];
      }
    }
  }
  std::vector<std::pair<int, QRgb>> ranked;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) ranked.emplace_back(it.value(), it.key());
  std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  std::vector<QRgb> palette{qRgb(0, 0, 0)};
  for (const auto& [count, colour] : ranked) {
    if (palette.size() == 256) break;
    palette.push_back(colour | 0x040404U);
  }
  return palette;
}

void DrawPortraits() {
  const ClassLook looks[] = {
      {"amazon", "amazonmove.gif", QColor(150, 110, 50), QColor(250, 210, 90), 8},
      {"barbarian", "barbarianmove.gif", QColor(120, 60, 30), QColor(250, 90, 40), 8},
      {"necromancer", "necromancermove.gif", QColor(40, 70, 45), QColor(120, 255, 140), 8},
      {"paladin", "paladinmove.gif", QColor(70, 80, 140), QColor(200, 220, 255), 8},
      {"sorceress", "sorceressmove.gif", QColor(100, 40, 120), QColor(230, 140, 255), 8},
  };
  for (const ClassLook& look : looks) {
    Save(Portrait(look, 0, 0), QStringLiteral("portrait_%1").arg(QLatin1String(look.name)));
    std::vector<forge::GifFrame> frames;
    std::vector<QImage> images;
    for (int i = 0; i < look.frames; ++i) {
      const double phase = std::sin(i * 2 * M_PI / look.frames);
      images.push_back(Portrait(look, 2 * phase, 0.5 + 0.5 * phase));
    }
    const std::vector<QRgb> palette = PaletteOf(images);
    for (int i = 0; i < look.frames; ++i) {
      forge::GifFrame frame{images[static_cast<std::size_t>(i)], QPoint(0, 0), i == 0 ? 30 : 12};
      if (i == look.frames / 2) {
        // One frame is stored smaller, at an offset, as a flicker of the aura.
        frame.image = images[static_cast<std::size_t>(i)].copy(QRect(2, 2, 118, 164));
        frame.offset = QPoint(2, 2);
      }
      frames.push_back(frame);
    }
    QFile file(g_portraits + "/" + QLatin1String(look.file));
    if (!file.open(QIODevice::WriteOnly) || file.write(forge::EncodeGif(122, 168, palette, frames)) < 0) {
      std::fprintf(stderr, "forge: cannot write %s\n", look.file);
      std::exit(1);
    }
  }
}

void WriteResourceList() {
  QFile qrc(g_pictures + "/pictures.qrc");
  if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text)) std::exit(1);
  QByteArray text = "<RCC>\n  <qresource prefix=\"/pictures\">\n";
  for (const QString& file : g_written) {
    // Unpacked pictures stay so in the executable, to be shown in place.
    const char* attributes = file.endsWith(".raw") ? " compression-algorithm=\"none\"" : "";
    text += "    <file" + QByteArray(attributes) + ">" + file.toUtf8() + "</file>\n";
  }
  text += "  </qresource>\n</RCC>\n";
  qrc.write(text);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: forge <picture folder> <portrait folder>\n");
    return 2;
  }
  g_pictures = QString::fromLocal8Bit(argv[1]);
  g_portraits = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(g_pictures);
  QDir().mkpath(g_portraits);

  DrawCommandColumn();
  DrawBottomPanel();
  DrawArrowheads();
  DrawGauntlet();
  DrawWindowIcon();
  DrawButton();
  DrawStatsBand();
  DrawGeneratorBack();
  DrawStartBackground();
  for (const ClassDef* def : {&korvinth::kNecromancer, &korvinth::kAmazon, &korvinth::kBarbarian,
                              &korvinth::kPaladin, &korvinth::kSorceress}) {
    for (const auto& tree : def->trees) {
      // Each skill of a tree gets a picture of its own: the glyph its name
      // calls for in its next unused variant, or the next glyph with one free.
      int used[kGlyphCount] = {};
      for (int i = 0; i < 10; ++i) {
        const std::string_view name = tree.skills[static_cast<std::size_t>(i)].name;
        int glyph = static_cast<int>(GlyphFor(name, tree.code));
        while (used[glyph] == kVariants) glyph = (glyph + 1) % kGlyphCount;
        DrawSkillIcon(tree.code, i, name, static_cast<Glyph>(glyph), used[glyph]++);
      }
    }
  }
  DrawPortraits();
  WriteResourceList();
  return 0;
}
