// Draws every picture of the program at build time: window backgrounds,
// plates, arrowheads, the mouse pointer, the window icon, the 150 skill icons
// and the five animated class portraits (as GIF files for the program's
// folder), with a contact sheet of each class's skill icons for review.
// Usage: forge <picture folder> <portrait folder> <contact sheet folder>
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
#include <type_traits>
#include <vector>

#include "assets/PictureList.h"
#include "core/Classes.h"
#include "forms/Fonts.h"
#include "skilltrees/ClassData.h"
#include "tools/forge/GifWriter.h"
#include "tools/forge/Glyphs.h"
#include "tools/forge/Paint.h"

namespace {

using forge::Bevel;
using forge::Canvas;
using forge::Rune;

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

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

unsigned Hash(std::string_view text) {
  unsigned h = 2166136261U;
  for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619U;
  return h;
}

// The window pictures are stored unpacked, as the program shows them: it
// takes their pixels straight from the executable, where a PNG would cost it
// about 10 ns a pixel to decode (5 ms for the start window's background,
// before the window can be shown). The 150 skill icons stay PNG: a class
// window shows 30 of them, and unpacked they would add 0.8 MB.
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

// Only the listed pictures, at their sizes, are what the program can show.
bool Listed(const QImage& image, const QString& name, Storage storage) {
  if (storage == Storage::Png) {
    return name.startsWith("skill_") &&
           image.size() == QSize(korvinth::kSkillIconWidth, korvinth::kSkillIconHeight);
  }
  const korvinth::PictureSize* listed = korvinth::FindPicture(name.toStdString());
  return listed && image.size() == QSize(listed->width, listed->height);
}

void Save(const QImage& image, const QString& name, Storage storage = Storage::Unpacked) {
  if (!Listed(image, name, storage)) {
    std::fprintf(stderr, "forge: %s (%d x %d) is not a listed picture of that size\n", qPrintable(name),
                 image.width(), image.height());
    std::exit(1);
  }
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

// A raised stone plate with a rim, as behind commands and buttons. Names
// stand on its face, so the face stays dark and calm; the light is on the rim.
void Plate(QPainter& p, const QRect& r, unsigned seed) {
  Stone(p, r, QColor(30, 27, 24), seed, 4);
  QLinearGradient shade(r.topLeft(), r.bottomLeft());
  shade.setColorAt(0, QColor(255, 255, 255, 14));
  shade.setColorAt(0.5, QColor(0, 0, 0, 0));
  shade.setColorAt(1, QColor(0, 0, 0, 60));
  p.fillRect(r, shade);
  Bevel(p, r, QColor(120, 108, 92), QColor(20, 17, 14), 2);
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
  // The window stretches this picture to 811 x 223 from pixel row 372 (373 in
  // two windows). Its frame keeps to rows 15 to 214, between the notice line
  // above (down to row 384) and the note below (from row 585), and still
  // closes round the history list and the description (rows 399 to 570).
  QImage image = Canvas(800, 230, Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF frame(5, 18, 790, 193);
  QLinearGradient metal(0, frame.top() - 3, 0, frame.bottom() + 3);
  metal.setColorAt(0, QColor(150, 140, 120));
  metal.setColorAt(0.5, QColor(70, 64, 56));
  metal.setColorAt(1, QColor(120, 110, 95));
  p.setPen(QPen(QBrush(metal), 6));
  p.drawRoundedRect(frame, 10, 10);
  p.setPen(QPen(QColor(40, 36, 30), 2));
  p.drawRoundedRect(frame.adjusted(6, 6, -6, -6), 7, 7);
  for (QPointF corner : {frame.topLeft() + QPointF(9, 9), frame.topRight() + QPointF(-9, 9),
                         frame.bottomLeft() + QPointF(9, -9), frame.bottomRight() + QPointF(-9, -9)}) {
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
  // Two name plates under "Original By:" and "Redesign By:", their light rims
  // below the captions' last row (562).
  const QFont font = forms::MakeFont(forms::Face::Display, 11, 900);
  const struct {
    QRect rect;
    const char* name;
  } plates[] = {{QRect(25, 564, 135, 33), "Hadrenfel"}, {QRect(181, 564, 152, 28), "Tarnavel"}};
  for (const auto& plate : plates) {
    Plate(p, plate.rect, Hash(plate.name));
    p.setFont(font);
    p.setPen(QColor(191, 133, 49));
    p.drawText(plate.rect, Qt::AlignCenter, QString::fromLatin1(plate.name));
  }
  Save(image, "start_background");
}

// Skill icons ---------------------------------------------------------------

void DrawSkillIcons(const QString& sheets) {
  for (const korvinth::ClassInfo& info : korvinth::kClasses) {
    for (const auto& tree : korvinth::ClassDefOf(info.id).trees) {
      const std::vector<forge::Glyph> glyphs = forge::TreeGlyphs(tree);
      for (std::size_t i = 0; i < tree.skills.size(); ++i) {
        Save(forge::SkillIcon(tree.code, tree.skills[i].name, glyphs[i]),
             QStringLiteral("skill_%1_%2").arg(Latin1(tree.code)).arg(i), Storage::Png);
      }
    }
    // A contact sheet of the class's icons for a person to look over; it is
    // not a resource.
    const QString path = sheets + "/contact-" + Latin1(info.name).toLower() + ".png";
    if (!forge::ContactSheet(info).save(path, "PNG")) {
      std::fprintf(stderr, "forge: cannot write %s\n", qPrintable(path));
      std::exit(1);
    }
  }
}

// Portraits -----------------------------------------------------------------

struct ClassLook {
  korvinth::ClassId id;
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
  // Cloak and body. The class's name is laid over the portrait's lowest rows
  // (from row 140), so the cloak fades to black before them.
  QPainterPath body;
  body.moveTo(61, 46 - breathe);
  body.cubicTo(90, 60, 96, 130, 104, 166);
  body.lineTo(18, 166);
  body.cubicTo(26, 130, 32, 60, 61, 46 - breathe);
  QLinearGradient cloth(0, 40, 0, 136);
  cloth.setColorAt(0, look.robe.lighter(140));
  cloth.setColorAt(0.6, look.robe.darker(200));
  cloth.setColorAt(1, Qt::black);
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
  // A weapon at the side, clear of the name below and of the start window's
  // contact lines, which reach down to row 26 of the middle portrait.
  p.setPen(QPen(QColor(200, 190, 170), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(95, 132), QPointF(89, 36 - breathe * 2));
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
  using korvinth::ClassId;
  const ClassLook looks[] = {
      {ClassId::Amazon, QColor(150, 110, 50), QColor(250, 210, 90), 8},
      {ClassId::Barbarian, QColor(120, 60, 30), QColor(250, 90, 40), 8},
      {ClassId::Necromancer, QColor(40, 70, 45), QColor(120, 255, 140), 8},
      {ClassId::Paladin, QColor(70, 80, 140), QColor(200, 220, 255), 8},
      {ClassId::Sorceress, QColor(100, 40, 120), QColor(230, 140, 255), 8},
  };
  static_assert(std::extent_v<decltype(looks)> == korvinth::kClasses.size(), "a look for each class");
  for (const korvinth::ClassInfo& info : korvinth::kClasses) {
    const ClassLook& look = looks[korvinth::Index(info.id)];
    if (look.id != info.id) {
      std::fprintf(stderr, "forge: the portrait looks are not in the classes' order\n");
      std::exit(1);
    }
    Save(Portrait(look, 0, 0), Latin1(info.portrait));
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
    const QString name = Latin1(info.animationFile);
    QFile file(g_portraits + "/" + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(forge::EncodeGif(122, 168, palette, frames)) < 0) {
      std::fprintf(stderr, "forge: cannot write %s\n", qPrintable(name));
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
  if (argc < 4) {
    std::fprintf(stderr, "usage: forge <picture folder> <portrait folder> <contact sheet folder>\n");
    return 2;
  }
  g_pictures = QString::fromLocal8Bit(argv[1]);
  g_portraits = QString::fromLocal8Bit(argv[2]);
  const QString sheets = QString::fromLocal8Bit(argv[3]);
  QDir().mkpath(g_pictures);
  QDir().mkpath(g_portraits);
  QDir().mkpath(sheets);

  DrawCommandColumn();
  DrawBottomPanel();
  DrawArrowheads();
  DrawGauntlet();
  DrawWindowIcon();
  DrawButton();
  DrawStatsBand();
  DrawGeneratorBack();
  DrawStartBackground();
  DrawSkillIcons(sheets);
  DrawPortraits();
  for (const korvinth::PictureSize& picture : korvinth::kPictures) {
    if (!g_written.contains(Latin1(picture.name) + ".raw")) {
      std::fprintf(stderr, "forge: the listed picture %s was not drawn\n", picture.name.data());
      return 1;
    }
  }
  WriteResourceList();
  return 0;
}
