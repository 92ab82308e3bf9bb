#include "tools/forge/Glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "forms/Fonts.h"
#include "tools/forge/Paint.h"

namespace forge {
namespace {

// The table of glyphs ------------------------------------------------------

struct TreeGlyphTable {
  std::string_view code;
  std::array<Glyph, 10> glyphs;  // in the tree's skill order
};

// Every skill's picture, tree by tree, its name beside it. A name that names
// an element is drawn with it; within a tree no two skills share a motif, a
// form and a variant.
constexpr TreeGlyphTable kGlyphTables[] = {
    {"NecroSummon",
     {{
         {Motif::Skull, Form::Mastery, 0},  // Skeleton Mastery
         {Motif::Skull, Form::Raise, 0},    // Raise Skeleton
         {Motif::Golem, Form::Plain, 0},    // Clay Golem
         {Motif::Golem, Form::Mastery, 0},  // Golem Mastery
         {Motif::Mage, Form::Raise, 0},     // Raise Skeletal Mage
         {Motif::Blood, Form::Golem, 0},    // Blood Golem
         {Motif::Skull, Form::Resist, 0},   // Summon Resistance
         {Motif::Sword, Form::Golem, 0},    // Iron Golem
         {Motif::Flame, Form::Golem, 0},    // Fire Golem
         {Motif::Figure, Form::Raise, 0},   // Revive
     }}},
    {"NecroBone",
     {{
         {Motif::Bone, Form::Fangs, 0},     // Teeth
         {Motif::Bone, Form::Armor, 0},     // Bone Armor
         {Motif::Poison, Form::Dagger, 0},  // Poison Dagger
         {Motif::Skull, Form::Burst, 0},    // Corpse Explosion
         {Motif::Bone, Form::Wall, 0},      // Bone Wall
         {Motif::Poison, Form::Burst, 0},   // Poison Explosion
         {Motif::Bone, Form::Spear, 0},     // Bone Spear
         {Motif::Bone, Form::Cage, 0},      // Bone Prison
         {Motif::Poison, Form::Nova, 0},    // Poison Nova
         {Motif::Bone, Form::Spirit, 0},    // Bone Spirit
     }}},
    {"NecroCurse",
     {{
         {Motif::Hand, Form::Burst, 0},          // Amplify Damage
         {Motif::Eye, Form::Plain, 0},           // Dim Vision
         {Motif::Hand, Form::Plain, 0},          // Weaken
         {Motif::Thorns, Form::Plain, 0},        // Iron Maiden
         {Motif::Skull, Form::Plain, 0},         // Terror
         {Motif::Swirl, Form::Plain, 0},         // Confuse
         {Motif::Blood, Form::Plain, 0},         // Life Tap
         {Motif::Target, Form::Plain, 0},        // Attract
         {Motif::Hourglass, Form::Plain, 0},     // Decrepify
         {Motif::BrokenShield, Form::Plain, 0},  // Lower Resist
     }}},
    {"AmazonJS",
     {{
         {Motif::Spear, Form::Plain, 0},        // Jab
         {Motif::Lightning, Form::Strike, 0},   // Power Strike
         {Motif::Poison, Form::Javelin, 0},     // Poison Javelin
         {Motif::Spear, Form::Strike, 0},       // Impale
         {Motif::Lightning, Form::Missile, 0},  // Lightning Bolt
         {Motif::Lightning, Form::Sparks, 0},   // Charged Strike
         {Motif::Poison, Form::Cloud, 0},       // Plague Javelin
         {Motif::Spear, Form::Fan, 0},          // Fend
         {Motif::Lightning, Form::Chain, 0},    // Lightning Strike
         {Motif::Lightning, Form::Fan, 0},      // Lightning Fury
     }}},
    {"AmazonPM",
     {{
         {Motif::Eye, Form::Plain, 0},        // Inner Sight
         {Motif::Sword, Form::Burst, 0},      // Critical Strike
         {Motif::Figure, Form::Plain, 0},     // Dodge
         {Motif::Hourglass, Form::Plain, 0},  // Slow Missiles
         {Motif::Figure, Form::Plain, 1},     // Avoid
         {Motif::Target, Form::Plain, 0},     // Penetrate
         {Motif::Figure, Form::Twin, 0},      // Duplicate
         {Motif::Figure, Form::Missile, 0},   // Evade
         {Motif::Valkyrie, Form::Plain, 0},   // Valkyrie
         {Motif::Arrow, Form::Plain, 0},      // Pierce
     }}},
    {"AmazonBC",
     {{
         {Motif::Magic, Form::Arrow, 0},   // Magic Arrow
         {Motif::Flame, Form::Arrow, 0},   // Fire Arrow
         {Motif::Frost, Form::Arrow, 0},   // Cold Arrow
         {Motif::Arrow, Form::Fan, 0},     // Multi-Shot Arrow
         {Motif::Arrow, Form::Burst, 0},   // Exploding Arrow
         {Motif::Frost, Form::Arrow, 1},   // Ice Arrow
         {Motif::Arrow, Form::Guided, 0},  // Guided Arrow
         {Motif::Arrow, Form::Rain, 0},    // Strafing Arrow
         {Motif::Flame, Form::Burst, 0},   // Immolating Arrow
         {Motif::Frost, Form::Burst, 0},   // Freezing Arrow
     }}},
    {"BarBarCM",
     {{
         {Motif::Sword, Form::Mastery, 0},    // Sword Mastery
         {Motif::Axe, Form::Mastery, 0},      // Axe Mastery
         {Motif::Mace, Form::Mastery, 0},     // Mace Mastery
         {Motif::Polearm, Form::Mastery, 0},  // Pole-Arm Mastery
         {Motif::Knife, Form::Mastery, 0},    // Throwing Mastery
         {Motif::Spear, Form::Mastery, 0},    // Spear Mastery
         {Motif::Heart, Form::Plain, 0},      // Increase Stamina
         {Motif::Shield, Form::Plain, 0},     // Iron Skin
         {Motif::Boot, Form::Plain, 0},       // Increase Speed
         {Motif::Prism, Form::Resist, 0},     // Natural Resistance
     }}},
    {"BarBarWC",
     {{
         {Motif::Wolf, Form::Plain, 0},    // Howl
         {Motif::Potion, Form::Plain, 0},  // Find Health Potion
         {Motif::Fist, Form::Plain, 0},    // Taunt
         {Motif::Warcry, Form::Armor, 0},  // Shout
         {Motif::Chest, Form::Plain, 0},   // Find Item
         {Motif::Warcry, Form::Plain, 0},  // Battlecry
         {Motif::Banner, Form::Plain, 0},  // Battle Orders
         {Motif::Totem, Form::Plain, 0},   // Grim Ward
         {Motif::Warcry, Form::Burst, 0},  // War Cry
         {Motif::Horn, Form::Plain, 0},    // Battle Command
     }}},
    {"BarBarCS",
     {{
         {Motif::Mace, Form::Strike, 0},    // Bash
         {Motif::Leap, Form::Plain, 0},     // Leap
         {Motif::Axe, Form::Twin, 0},       // Double Swing
         {Motif::Stun, Form::Plain, 0},     // Stun
         {Motif::Knife, Form::Twin, 0},     // Double Throw
         {Motif::Sword, Form::Leaping, 0},  // Leap Attack
         {Motif::Target, Form::Plain, 0},   // Concentrate
         {Motif::Sword, Form::Twin, 0},     // Frenzy
         {Motif::Whirl, Form::Plain, 0},    // Whirlwind
         {Motif::Rage, Form::Burst, 0},     // Beserker
     }}},
    {"PaladinOff",
     {{
         {Motif::Sword, Form::Aura, 0},         // Might
         {Motif::Flame, Form::Aura, 0},         // Holy Fire
         {Motif::Thorns, Form::Aura, 0},        // Thorns
         {Motif::Target, Form::Aura, 0},        // Blessed Aim
         {Motif::Fist, Form::Aura, 0},          // Concentration
         {Motif::Frost, Form::Aura, 0},         // Holy Freeze
         {Motif::Lightning, Form::Aura, 0},     // Holy Shock
         {Motif::Cross, Form::Aura, 0},         // Sanctuary
         {Motif::Heart, Form::Aura, 0},         // Fanaticism
         {Motif::BrokenShield, Form::Aura, 0},  // Conviction
     }}},
    {"PaladinCom",
     {{
         {Motif::Blood, Form::Enchant, 0},   // Sacrafice
         {Motif::Shield, Form::Burst, 0},    // Smite
         {Motif::Holy, Form::Missile, 0},    // Holy Bolt
         {Motif::Sword, Form::Fan, 0},       // Zeal
         {Motif::Shield, Form::Missile, 0},  // Charge
         {Motif::Sword, Form::Burst, 0},     // Vengance
         {Motif::Hammer, Form::Plain, 0},    // Blessed Hammer
         {Motif::Swirl, Form::Plain, 0},     // Conversion
         {Motif::Shield, Form::Plain, 0},    // Holy Shield
         {Motif::Holy, Form::Storm, 0},      // Fist of Heavens
     }}},
    {"PaladinDef",
     {{
         {Motif::Heal, Form::Aura, 0},         // Prayer
         {Motif::Flame, Form::Resist, 0},      // Resist Fire
         {Motif::Shield, Form::Aura, 0},       // Defiance
         {Motif::Frost, Form::Resist, 0},      // Resist Cold
         {Motif::Chalice, Form::Aura, 0},      // Cleansing
         {Motif::Lightning, Form::Resist, 0},  // Resist Lightning
         {Motif::Boot, Form::Aura, 0},         // Vigor
         {Motif::Moon, Form::Aura, 0},         // Meditation
         {Motif::Ankh, Form::Aura, 0},         // Redemption
         {Motif::Prism, Form::Aura, 0},        // Salvation
     }}},
    {"SorcFire",
     {{
         {Motif::Flame, Form::Missile, 0},  // Fire Bolt
         {Motif::Flame, Form::Plain, 0},    // Warmth
         {Motif::Flame, Form::Stream, 0},   // Inferno
         {Motif::Flame, Form::Trail, 0},    // Blaze
         {Motif::Flame, Form::Orb, 0},      // Fireball
         {Motif::Flame, Form::Wall, 0},     // Firewall
         {Motif::Flame, Form::Enchant, 0},  // Enchant
         {Motif::Flame, Form::Meteor, 0},   // Meteor
         {Motif::Flame, Form::Mastery, 0},  // Fire Mastery
         {Motif::Flame, Form::Hydra, 0},    // Hydra
     }}},
    {"SorcLight",
     {{
         {Motif::Lightning, Form::Sparks, 0},   // Charged Bolt
         {Motif::Lightning, Form::Field, 0},    // Static Field
         {Motif::Hand, Form::Plain, 0},         // Telekinesis
         {Motif::Lightning, Form::Nova, 0},     // Nova
         {Motif::Lightning, Form::Plain, 0},    // Lightning
         {Motif::Lightning, Form::Chain, 0},    // Chain Lightning
         {Motif::Portal, Form::Plain, 0},       // Teleport
         {Motif::Lightning, Form::Storm, 0},    // Thunderstorm
         {Motif::Shield, Form::Plain, 0},       // Energy Shield
         {Motif::Lightning, Form::Mastery, 0},  // Lightning Mastery
     }}},
    {"SorcCold",
     {{
         {Motif::Frost, Form::Missile, 0},  // Ice Bolt
         {Motif::Frost, Form::Armor, 0},    // Frozen Armor
         {Motif::Frost, Form::Nova, 0},     // Frost Nova
         {Motif::Frost, Form::Burst, 0},    // Ice Blast
         {Motif::Frost, Form::Armor, 1},    // Shiver Armor
         {Motif::Frost, Form::Spike, 0},    // Glacier Spike
         {Motif::Frost, Form::Storm, 0},    // Blizzard
         {Motif::Frost, Form::Armor, 2},    // Chilling Armor
         {Motif::Frost, Form::Orb, 0},      // Frozen Orb
         {Motif::Frost, Form::Mastery, 0},  // Cold Mastery
     }}},
};

// Colours ------------------------------------------------------------------

struct Palette {
  QColor base;
  QColor light;
  QColor dark;
};

const Palette kFlame{QColor(238, 98, 18), QColor(255, 200, 72), QColor(120, 20, 4)};
const Palette kFrost{QColor(150, 206, 255), QColor(238, 250, 255), QColor(22, 64, 132)};
const Palette kLightning{QColor(255, 240, 80), QColor(255, 255, 236), QColor(120, 84, 0)};
const Palette kPoison{QColor(108, 214, 44), QColor(206, 255, 150), QColor(22, 80, 14)};
const Palette kBone{QColor(230, 220, 192), QColor(252, 249, 238), QColor(92, 80, 58)};
const Palette kIvory{QColor(206, 206, 190), QColor(246, 246, 234), QColor(70, 68, 56)};
const Palette kSteel{QColor(176, 184, 198), QColor(240, 244, 252), QColor(46, 50, 60)};
const Palette kGold{QColor(230, 184, 64), QColor(255, 238, 156), QColor(100, 66, 8)};
const Palette kWood{QColor(150, 100, 58), QColor(210, 160, 104), QColor(56, 34, 14)};
const Palette kBlood{QColor(206, 30, 40), QColor(255, 136, 136), QColor(84, 4, 10)};
const Palette kClay{QColor(178, 124, 82), QColor(224, 180, 134), QColor(70, 44, 24)};
const Palette kArcane{QColor(176, 130, 255), QColor(240, 226, 255), QColor(60, 30, 120)};
const Palette kFur{QColor(150, 150, 160), QColor(214, 214, 222), QColor(40, 40, 50)};

bool TreeOf(std::string_view tree, std::string_view prefix) {
  return tree.substr(0, prefix.size()) == prefix;
}

// The tint of a tree's icon backgrounds.
QColor TreeHue(std::string_view tree) {
  if (TreeOf(tree, "Necro")) return QColor(80, 170, 90);
  if (TreeOf(tree, "Amazon")) return QColor(200, 160, 70);
  if (TreeOf(tree, "BarBar")) return QColor(190, 90, 50);
  if (TreeOf(tree, "Paladin")) return QColor(120, 150, 230);
  return QColor(190, 110, 220);
}

// The colour of a class's magical kinds (eyes, hands, figures, sound). It is
// kept clear of the element colours: the Necromancer's curses are violet, not
// the green of poison, and the Barbarian's cries are not flame orange.
Palette MagicOf(std::string_view tree) {
  if (TreeOf(tree, "Necro")) return {QColor(184, 142, 236), QColor(236, 222, 255), QColor(56, 30, 96)};
  if (TreeOf(tree, "Amazon")) return {QColor(236, 200, 132), QColor(255, 242, 210), QColor(90, 60, 20)};
  if (TreeOf(tree, "BarBar")) return {QColor(226, 204, 170), QColor(255, 246, 228), QColor(84, 64, 40)};
  if (TreeOf(tree, "Paladin")) return {QColor(246, 214, 120), QColor(255, 246, 206), QColor(96, 70, 12)};
  return {QColor(206, 150, 246), QColor(244, 228, 255), QColor(70, 30, 100)};
}

Palette ColoursOf(Motif motif, const Palette& magic) {
  switch (motif) {
    case Motif::Flame:
      return kFlame;
    case Motif::Frost:
      return kFrost;
    case Motif::Lightning:
      return kLightning;
    case Motif::Poison:
      return kPoison;
    case Motif::Bone:
      return kBone;
    case Motif::Skull:
    case Motif::Mage:
    case Motif::Horn:
      return kIvory;
    case Motif::Golem:
      return kClay;
    case Motif::Wolf:
      return kFur;
    case Motif::Blood:
    case Motif::Rage:
    case Motif::Heart:
    case Motif::Potion:
    case Motif::Banner:
      return kBlood;
    case Motif::Thorns:
    case Motif::Chest:
    case Motif::Totem:
    case Motif::Boot:
      return kWood;
    case Motif::Hourglass:
    case Motif::Valkyrie:
    case Motif::Prism:
    case Motif::Cross:
    case Motif::Holy:
    case Motif::Hammer:
    case Motif::Heal:
    case Motif::Chalice:
    case Motif::Moon:
    case Motif::Ankh:
      return kGold;
    case Motif::BrokenShield:
    case Motif::Spear:
    case Motif::Sword:
    case Motif::Axe:
    case Motif::Mace:
    case Motif::Polearm:
    case Motif::Knife:
    case Motif::Arrow:
    case Motif::Shield:
    case Motif::Fist:
    case Motif::Whirl:
      return kSteel;
    case Motif::Magic:
      return kArcane;
    case Motif::Figure:
    case Motif::Hand:
    case Motif::Eye:
    case Motif::Swirl:
    case Motif::Target:
    case Motif::Warcry:
    case Motif::Leap:
    case Motif::Stun:
    case Motif::Portal:
    case Motif::Rune:
      break;
  }
  return magic;
}

// What is being drawn: a motif in its colours, with the class's colour at
// hand for the parts that take it.
struct Art {
  Motif motif;
  Palette colours;
  Palette magic;
};

// Drawing helpers ----------------------------------------------------------

QPen Outline(QColor colour, double width = 1.5) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A top-to-bottom shading from the light colour through the base colour.
QLinearGradient Shade(const Palette& c, double top, double bottom) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, c.light);
  g.setColorAt(0.45, c.base);
  g.setColorAt(1, c.base.darker(150));
  return g;
}

// Fills a shape in a palette, outlined in its dark colour.
void Fill(QPainter& p, const QPainterPath& path, const Palette& c, double width = 1.5) {
  const QRectF box = path.boundingRect();
  p.setPen(Outline(c.dark, width));
  p.setBrush(Shade(c, box.top(), box.bottom()));
  p.drawPath(path);
}

// A stroke drawn twice, dark under light, so that it reads on any ground.
void Stroke(QPainter& p, const QPainterPath& path, const Palette& c, double width) {
  p.setBrush(Qt::NoBrush);
  p.strokePath(path, Outline(c.dark, width + 2));
  p.strokePath(path, Outline(c.base, width));
}

QPainterPath Line(QPointF a, QPointF b) {
  QPainterPath path(a);
  path.lineTo(b);
  return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  path.closeSubpath();
  return path;
}

QPainterPath Ellipse(QPointF centre, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  return path;
}

QPainterPath RoundRect(double x, double y, double w, double h, double r) {
  QPainterPath path;
  path.addRoundedRect(QRectF(x, y, w, h), r, r);
  return path;
}

// Overlapping parts joined into one outline.
QPainterPath Merged(QPainterPath path) {
  path.setFillRule(Qt::WindingFill);
  return path.simplified();
}

// Overlapping round puffs, as a cloud.
QPainterPath Puffs(std::initializer_list<std::pair<QPointF, double>> puffs) {
  QPainterPath path;
  for (const auto& [at, r] : puffs) path.addEllipse(at, r, r);
  return Merged(path);
}

QPainterPath ShieldPath() {
  QPainterPath shield;
  shield.moveTo(-12, -14);
  shield.lineTo(12, -14);
  shield.lineTo(11.5, 1);
  shield.quadTo(9, 11, 0, 16);
  shield.quadTo(-9, 11, -11.5, 1);
  shield.closeSubpath();
  return shield;
}

// An n-pointed star, its points at radius `outer`.
QPainterPath StarPath(int points, double outer, double inner, double turn = -M_PI / 2) {
  QPolygonF star;
  for (int i = 0; i < 2 * points; ++i) {
    const double r = i % 2 ? inner : outer;
    const double a = turn + i * M_PI / points;
    star << QPointF(std::cos(a) * r, std::sin(a) * r);
  }
  QPainterPath path;
  path.addPolygon(star);
  path.closeSubpath();
  return path;
}

QPainterPath SkullPath() { return Ellipse(QPointF(0, -3), 11.5, 10.5).united(RoundRect(-7, 3, 14, 10, 3)); }

void DrawSkullFace(QPainter& p, const Palette& c) {
  Fill(p, SkullPath(), c);
  p.setPen(Qt::NoPen);
  p.setBrush(c.dark);
  p.drawEllipse(QPointF(-4.5, -3), 3.3, 3.7);
  p.drawEllipse(QPointF(4.5, -3), 3.3, 3.7);
  p.drawPath(Polygon({{0, 1}, {-1.8, 4.5}, {1.8, 4.5}}));
  p.setPen(Outline(c.dark, 1.1));
  for (double x : {-3.0, 0.0, 3.0}) p.drawLine(QPointF(x, 8), QPointF(x, 12.5));
}

// A blade pointing up, its hilt at the bottom; `length` from guard to tip.
void DrawSwordShape(QPainter& p, double length) {
  Fill(p, Polygon({{-2.6, 6}, {-2.6, 6 - length + 5}, {0, 6 - length}, {2.6, 6 - length + 5}, {2.6, 6}}),
       kSteel, 1.3);
  p.setPen(Outline(kSteel.light, 0.9));
  p.drawLine(QPointF(0, 6 - length + 5), QPointF(0, 4));
  Fill(p, RoundRect(-8, 5, 16, 3.4, 1.2), kGold, 1.2);
  Fill(p, RoundRect(-1.7, 8.4, 3.4, 6, 1), kWood, 1.1);
  Fill(p, Ellipse(QPointF(0, 16), 2.3, 2.3), kGold, 1.1);
}

// A shaft from `from` to `to`, outlined.
void Shaft(QPainter& p, QPointF from, QPointF to, const Palette& c, double width = 2.4) {
  Stroke(p, Line(from, to), c, width);
}

// A tapering horn or neck along a quadratic curve, from width w0 to w1.
QPainterPath Tapered(QPointF a, QPointF control, QPointF b, double w0, double w1) {
  QPolygonF left;
  QPolygonF right;
  const int steps = 16;
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const QPointF at = (1 - t) * (1 - t) * a + 2 * (1 - t) * t * control + t * t * b;
    const QPointF d = 2 * (1 - t) * (control - a) + 2 * t * (b - control);
    const double len = std::max(1e-6, std::hypot(d.x(), d.y()));
    const QPointF n(-d.y() / len, d.x() / len);
    const double w = (w0 + (w1 - w0) * t) / 2;
    left << at + n * w;
    right.prepend(at - n * w);
  }
  QPainterPath path;
  path.addPolygon(left + right);
  path.closeSubpath();
  return path;
}

// Motifs: each drawn about the origin within +-16 ------------------------

void DrawFlame(QPainter& p, const Palette& c) {
  QPainterPath outer;
  outer.moveTo(0, 15);
  outer.cubicTo(-10, 15, -14, 6, -10, -3);
  outer.cubicTo(-9, 2, -6, 4, -5, 2);
  outer.cubicTo(-8, -5, -4, -11, 1, -16);
  outer.cubicTo(0, -10, 5, -7, 5, -2);
  outer.cubicTo(7, -4, 8, -8, 8, -12);
  outer.cubicTo(15, -3, 13, 13, 0, 15);
  outer.closeSubpath();
  QLinearGradient fill(0, -16, 0, 15);
  fill.setColorAt(0, c.base.darker(130));
  fill.setColorAt(0.5, c.base);
  fill.setColorAt(1, c.light);
  p.setPen(Outline(c.dark, 1.4));
  p.setBrush(fill);
  p.drawPath(outer);
  QPainterPath core;
  core.moveTo(0, 14);
  core.cubicTo(-7, 13, -7, 5, -2, -3);
  core.cubicTo(-1, 2, 2, 3, 3, 0);
  core.cubicTo(7, 5, 6, 13, 0, 14);
  p.setPen(Qt::NoPen);
  p.setBrush(c.light);
  p.drawPath(core);
}

void DrawFrost(QPainter& p, const Palette& c) {
  QPainterPath arms;
  for (int i = 0; i < 6; ++i) {
    const QTransform turn = QTransform().rotate(i * 60);
    arms.moveTo(turn.map(QPointF(0, -3)));
    arms.lineTo(turn.map(QPointF(0, -15)));
    for (double side : {-1.0, 1.0}) {
      arms.moveTo(turn.map(QPointF(0, -8.5)));
      arms.lineTo(turn.map(QPointF(side * 4.5, -13)));
    }
  }
  p.setBrush(Qt::NoBrush);
  p.strokePath(arms, Outline(c.dark, 4.6));
  p.strokePath(arms, Outline(c.base, 2.6));
  p.strokePath(arms, Outline(c.light, 1.0));
  QPolygonF hexagon;
  for (int i = 0; i < 6; ++i) hexagon << QPointF(std::sin(i * M_PI / 3), -std::cos(i * M_PI / 3)) * 4.2;
  p.setPen(Outline(c.dark, 1.2));
  p.setBrush(c.light);
  p.drawPolygon(hexagon);
}

void DrawLightning(QPainter& p, const Palette& c) {
  const QPainterPath bolt = Polygon({{5, -16}, {-8, 1}, {-1, 1}, {-6, 16}, {10, -4}, {3, -4}, {10, -16}});
  QLinearGradient fill(0, -16, 0, 16);
  fill.setColorAt(0, c.light);
  fill.setColorAt(1, c.base);
  p.setPen(Outline(c.dark, 1.4));
  p.setBrush(fill);
  p.drawPath(bolt);
  p.setPen(Outline(c.light, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(6, -14), QPointF(-4, 0), QPointF(1.5, 0), QPointF(-3, 11)}));
}

void DrawPoison(QPainter& p, const Palette& c) {
  const struct {
    QPointF at;
    double r;
  } bubbles[] = {{{-7, 7}, 7.5},  {{8, -5}, 6},    {{7, 10}, 3.8},
                 {{-6, -9}, 3.8}, {{1, -16}, 2.2}, {{-14, -4}, 2}};
  for (const auto& b : bubbles) {
    QRadialGradient fill(b.at - QPointF(b.r, b.r) * 0.35, b.r * 1.3);
    fill.setColorAt(0, c.light);
    fill.setColorAt(0.5, c.base);
    fill.setColorAt(1, c.dark);
    p.setPen(Outline(c.dark, 1.3));
    p.setBrush(fill);
    p.drawEllipse(b.at, b.r, b.r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(b.at - QPointF(b.r, b.r) * 0.4, b.r * 0.25, b.r * 0.2);
  }
}

QPainterPath BonePath() {
  QPainterPath bone;
  bone.addRect(QRectF(-2.6, -11, 5.2, 22));
  for (double y : {-12.0, 12.0}) {
    for (double x : {-3.0, 3.0}) bone.addEllipse(QPointF(x, y), 3.6, 3.6);
  }
  return Merged(bone);
}

// A bone upright; the plain bone lies across.
void DrawBone(QPainter& p, const Palette& c) { Fill(p, BonePath(), c, 1.4); }

void DrawMage(QPainter& p, const Art& art) {
  QPainterPath hood;
  hood.moveTo(0, -17);
  hood.quadTo(13, -4, 14, 15);
  hood.lineTo(-14, 15);
  hood.quadTo(-13, -4, 0, -17);
  Fill(p, hood, {art.magic.base.darker(160), art.magic.base, art.magic.dark});
  p.save();
  p.translate(0, 4);
  p.scale(0.62, 0.62);
  DrawSkullFace(p, art.colours);
  p.restore();
}

void DrawFigure(QPainter& p, const Palette& c) {
  QPainterPath body = Ellipse(QPointF(0, -11), 4.6, 4.6);
  body.addPath(
      Polygon({{-9, -4.5}, {9, -4.5}, {7, 5}, {9, 16}, {3, 16}, {0, 8}, {-3, 16}, {-9, 16}, {-7, 5}}));
  Fill(p, Merged(body), c);
}

void DrawGolem(QPainter& p, const Palette& c) {
  QPainterPath body = RoundRect(-5, -16, 10, 8, 2);
  body.addPath(RoundRect(-10, -7, 20, 13, 2));
  body.addPath(RoundRect(-15, -6, 5, 14, 2));
  body.addPath(RoundRect(10, -6, 5, 14, 2));
  body.addPath(RoundRect(-8, 6, 6, 10, 1.5));
  body.addPath(RoundRect(2, 6, 6, 10, 1.5));
  Fill(p, Merged(body), c);
  p.setPen(Qt::NoPen);
  p.setBrush(c.light);
  p.drawEllipse(QPointF(-2, -12), 1.2, 1.2);
  p.drawEllipse(QPointF(2, -12), 1.2, 1.2);
}

void DrawBlood(QPainter& p, const Palette& c) {
  QPainterPath drop;
  drop.moveTo(0, -15);
  drop.cubicTo(11, 0, 11, 14, 0, 14);
  drop.cubicTo(-11, 14, -11, 0, 0, -15);
  Fill(p, drop, c);
  p.setPen(Qt::NoPen);
  p.setBrush(c.light);
  p.drawEllipse(QPointF(-3.5, 5), 1.8, 3);
}

void DrawHand(QPainter& p, const Palette& c) {
  QPainterPath hand = RoundRect(-8, -1, 16, 14, 4);
  const double tops[] = {-11, -15, -14, -10};
  for (int i = 0; i < 4; ++i) hand.addPath(RoundRect(-8 + i * 4.3, tops[i], 3.4, 14, 1.6));
  QPainterPath thumb = RoundRect(-4, -2, 3.6, 12, 1.6);
  hand.addPath(QTransform().translate(-8, 4).rotate(-50).map(thumb));
  Fill(p, Merged(hand), c);
}

void DrawEye(QPainter& p, const Palette& c) {
  QPainterPath almond;
  almond.moveTo(-15, 0);
  almond.quadTo(0, -13, 15, 0);
  almond.quadTo(0, 13, -15, 0);
  p.setPen(Outline(c.dark, 1.6));
  p.setBrush(QColor(236, 232, 218));
  p.drawPath(almond);
  QRadialGradient iris(QPointF(0, 0), 6);
  iris.setColorAt(0, c.light);
  iris.setColorAt(1, c.base);
  p.setBrush(iris);
  p.drawEllipse(QPointF(0, 0), 5.8, 5.8);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(10, 8, 8));
  p.drawEllipse(QPointF(0, 0), 1.7, 4.6);
}

void DrawSwirl(QPainter& p, const Palette& c) {
  QPainterPath swirl(QPointF(0, 0));
  for (int i = 1; i < 44; ++i) {
    const double a = i * 0.33;
    swirl.lineTo(std::cos(a) * i * 0.36, std::sin(a) * i * 0.36);
  }
  Stroke(p, swirl, c, 2.4);
}

void DrawThorns(QPainter& p, const Palette& c) {
  // A curved branch with great thorns on both sides.
  const QPointF a(-13, 14);
  const QPointF control(-6, -12);
  const QPointF b(13, -14);
  const Palette thorn{QColor(214, 196, 150), QColor(246, 236, 206), c.dark};
  for (int i = 1; i <= 5; ++i) {
    const double t = i / 6.0;
    const QPointF at = (1 - t) * (1 - t) * a + 2 * (1 - t) * t * control + t * t * b;
    const QPointF d = 2 * (1 - t) * (control - a) + 2 * t * (b - control);
    const QPointF along = d / std::hypot(d.x(), d.y());
    const QPointF side = QPointF(-along.y(), along.x()) * (i % 2 ? 1 : -1);
    Fill(p, Polygon({at - along * 3.4, at + side * 9 + along * 3, at + along * 3.4}), thorn, 1.1);
  }
  Fill(p, Tapered(a, control, b, 5.5, 2.5), c, 1.3);
}

void DrawTarget(QPainter& p, const Palette& c) {
  Stroke(p, Ellipse(QPointF(0, 0), 13, 13), c, 2.2);
  Stroke(p, Ellipse(QPointF(0, 0), 7.5, 7.5), c, 2.2);
  QPainterPath cross;
  for (int i = 0; i < 4; ++i) {
    const QTransform turn = QTransform().rotate(i * 90);
    cross.moveTo(turn.map(QPointF(0, -10)));
    cross.lineTo(turn.map(QPointF(0, -17)));
  }
  Stroke(p, cross, c, 1.8);
  p.setPen(Outline(c.dark, 1.2));
  p.setBrush(QColor(220, 40, 40));
  p.drawEllipse(QPointF(0, 0), 3, 3);
}

void DrawHourglass(QPainter& p, const Palette& c) {
  QPainterPath glass;
  glass.moveTo(-8, -12.5);
  glass.lineTo(8, -12.5);
  glass.quadTo(8, -4, 1.5, 0);
  glass.quadTo(8, 4, 8, 12.5);
  glass.lineTo(-8, 12.5);
  glass.quadTo(-8, 4, -1.5, 0);
  glass.quadTo(-8, -4, -8, -12.5);
  p.setPen(Outline(QColor(230, 236, 244), 1.3));
  p.setBrush(QColor(200, 214, 230, 90));
  p.drawPath(glass);
  p.setPen(Qt::NoPen);
  p.setBrush(c.light);
  p.drawPath(Polygon({{-5, -7}, {5, -7}, {0, -1}}));
  p.drawPath(Polygon({{-7, 12}, {7, 12}, {0, 5}}));
  Fill(p, RoundRect(-11, -16, 22, 4, 1.2), kWood, 1.2);
  Fill(p, RoundRect(-11, 12, 22, 4, 1.2), kWood, 1.2);
}

void DrawBrokenShield(QPainter& p, const Palette& c) {
  const QPainterPath shield = ShieldPath();
  const QPainterPath left =
      Polygon({{-20, -20}, {1, -20}, {1, -14}, {-2, -6}, {2, -1}, {-1, 5}, {1, 16}, {1, 20}, {-20, 20}});
  p.save();
  p.translate(-2.5, 0);
  p.rotate(-7);
  Fill(p, shield.intersected(left), c);
  p.restore();
  p.save();
  p.translate(2.5, 1);
  p.rotate(7);
  Fill(p, shield.subtracted(left), c);
  p.restore();
}

void DrawShield(QPainter& p, const Art& art) {
  Fill(p, ShieldPath(), art.colours);
  const QPainterPath field = QTransform().scale(0.7, 0.7).translate(0, -1).map(ShieldPath());
  p.setPen(Outline(art.magic.dark, 1));
  p.setBrush(art.magic.base.darker(130));
  p.drawPath(field);
  Fill(p, Ellipse(QPointF(0, -2), 2.8, 2.8), kGold, 1);
}

void DrawSpear(QPainter& p) {
  p.rotate(45);
  p.scale(1.2, 1.2);
  Shaft(p, QPointF(0, 16), QPointF(0, -6), kWood, 2.4);
  Fill(p, Polygon({{0, -17}, {-4.2, -8}, {0, -4.5}, {4.2, -8}}), kSteel, 1.2);
}

void DrawAxe(QPainter& p) {
  Shaft(p, QPointF(0, 16), QPointF(0, -15), kWood, 2.6);
  QPainterPath head;
  head.moveTo(1, -13);
  head.lineTo(6, -12);
  head.cubicTo(13, -17, 16, -5, 14, 2);
  head.cubicTo(11, -1, 8, -2, 6, -3);
  head.lineTo(1, -5);
  head.closeSubpath();
  Fill(p, head, kSteel, 1.3);
  Fill(p, Polygon({{-1, -12}, {-7, -9}, {-1, -7}}), kSteel, 1.2);
}

void DrawMace(QPainter& p) {
  Shaft(p, QPointF(0, 16), QPointF(0, -4), kWood, 2.6);
  QPainterPath head = StarPath(8, 10.5, 6.5);
  head.translate(0, -8);
  Fill(p, head, kSteel, 1.3);
  Fill(p, Ellipse(QPointF(0, -8), 4, 4), kSteel, 1);
}

// A halberd leaning up and left, apart from the upright axe and the spear.
void DrawPolearm(QPainter& p) {
  p.rotate(-45);
  p.scale(1.15, 1.15);
  Shaft(p, QPointF(0, 17), QPointF(0, -12), kWood, 2.4);
  Fill(p, Polygon({{-1.6, -11}, {0, -18}, {1.6, -11}}), kSteel, 1);
  QPainterPath blade;
  blade.moveTo(1, -13);
  blade.lineTo(9, -16);
  blade.quadTo(13, -8, 9, 0);
  blade.lineTo(1, -4);
  blade.closeSubpath();
  Fill(p, blade, kSteel, 1.3);
  Fill(p, Polygon({{-1, -10}, {-7, -6}, {-1, -6}}), kSteel, 1);
}

// A throwing knife flying to the right.
void DrawKnife(QPainter& p) {
  p.rotate(90);
  p.scale(1.1, 1.1);
  Fill(p, Polygon({{0, -17}, {-3.4, -4}, {0, -1.5}, {3.4, -4}}), kSteel, 1.2);
  Fill(p, RoundRect(-1.6, -1.5, 3.2, 10, 1), kWood, 1);
  Stroke(p, Ellipse(QPointF(0, 11.5), 2.6, 2.6), kSteel, 1.2);
}

void DrawArrow(QPainter& p) {
  p.rotate(45);
  p.scale(1.2, 1.2);
  Shaft(p, QPointF(0, 15), QPointF(0, -10), kWood, 2.0);
  Fill(p, Polygon({{0, -17}, {-4.5, -9}, {4.5, -9}}), kSteel, 1.2);
  const Palette feather{QColor(226, 222, 210), QColor(255, 255, 250), QColor(70, 64, 56)};
  Fill(p, Polygon({{0, 8}, {-4.5, 13}, {-4.5, 17}, {0, 12.5}}), feather, 1);
  Fill(p, Polygon({{0, 8}, {4.5, 13}, {4.5, 17}, {0, 12.5}}), feather, 1);
}

void DrawMagic(QPainter& p, const Palette& c) {
  const QPainterPath big = StarPath(4, 16, 3.6);
  const QPainterPath small = StarPath(4, 9, 2.6, -M_PI / 4);
  QRadialGradient glow(QPointF(0, 0), 16);
  glow.setColorAt(0, Qt::white);
  glow.setColorAt(0.35, c.light);
  glow.setColorAt(1, c.base);
  p.setPen(Outline(c.dark, 1.3));
  p.setBrush(glow);
  p.drawPath(small);
  p.drawPath(big);
}

void DrawValkyrie(QPainter& p, const Palette& c) {
  const Palette wing{QColor(232, 234, 240), QColor(255, 255, 255), QColor(70, 72, 86)};
  for (double side : {-1.0, 1.0}) {
    QPainterPath w;
    w.moveTo(side * 7, -1);
    w.cubicTo(side * 11, -8, side * 14, -13, side * 16, -16);
    w.cubicTo(side * 16, -8, side * 16, -1, side * 13, 5);
    w.lineTo(side * 7, 5);
    w.closeSubpath();
    Fill(p, w, wing, 1.2);
    p.setPen(Outline(wing.dark, 0.9));
    p.drawLine(QPointF(side * 9, 1), QPointF(side * 14, -8));
  }
  QPainterPath helm;
  helm.moveTo(-9, 12);
  helm.lineTo(-9, -1);
  helm.quadTo(-9, -13, 0, -13);
  helm.quadTo(9, -13, 9, -1);
  helm.lineTo(9, 12);
  helm.lineTo(3, 12);
  helm.lineTo(2, 3);
  helm.lineTo(-2, 3);
  helm.lineTo(-3, 12);
  helm.closeSubpath();
  Fill(p, helm, c);
  p.setPen(Outline(c.dark, 1.6));
  p.drawLine(QPointF(0, -13), QPointF(0, 3));
}

void DrawHeart(QPainter& p, const Palette& c) {
  QPainterPath heart;
  heart.moveTo(0, 14);
  heart.cubicTo(-17, 2, -14, -15, -4, -12);
  heart.cubicTo(-1, -11, 0, -8, 0, -7);
  heart.cubicTo(0, -8, 1, -11, 4, -12);
  heart.cubicTo(14, -15, 17, 2, 0, 14);
  Fill(p, heart, c);
  p.setPen(Qt::NoPen);
  p.setBrush(c.light);
  p.drawEllipse(QPointF(-6, -6), 2.4, 1.6);
}

void DrawBoot(QPainter& p, const Palette& c) {
  const Palette feather{QColor(232, 234, 240), QColor(255, 255, 255), QColor(70, 72, 86)};
  for (int i = 0; i < 3; ++i) {
    QPainterPath f;
    f.moveTo(-4, -9 + i * 4);
    f.quadTo(-12, -14 + i * 4, -16, -15 + i * 5);
    f.quadTo(-12, -8 + i * 4, -4, -5 + i * 4);
    f.closeSubpath();
    Fill(p, f, feather, 1);
  }
  QPainterPath boot;
  boot.moveTo(-6, -14);
  boot.lineTo(4, -14);
  boot.lineTo(4, 3);
  boot.lineTo(12, 7);
  boot.quadTo(15, 13, 10, 14);
  boot.lineTo(-6, 14);
  boot.closeSubpath();
  Fill(p, boot, c);
  Fill(p, RoundRect(-7, -15, 12, 4, 1.2), {c.light, c.light, c.dark}, 1);
}

void DrawPrism(QPainter& p) {
  const QRectF disc(-13, -13, 26, 26);
  const QColor quarters[] = {kFlame.base, kFrost.base, kPoison.base, kLightning.base};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    p.setBrush(quarters[i]);
    p.drawPie(disc, i * 90 * 16, 90 * 16);
  }
  Stroke(p, Line(QPointF(-13, 0), QPointF(13, 0)), kGold, 1.6);
  Stroke(p, Line(QPointF(0, -13), QPointF(0, 13)), kGold, 1.6);
  Stroke(p, Ellipse(QPointF(0, 0), 13, 13), kGold, 2);
}

void DrawWarcry(QPainter& p, const Art& art) {
  // A horned helm shouting, its cry spreading both ways.
  for (double side : {-1.0, 1.0}) {
    QPainterPath horn = Tapered({side * 5, -3}, {side * 12, -5}, {side * 10, -14}, 3.4, 0.6);
    Fill(p, horn, kIvory, 1.1);
  }
  QPainterPath helm;
  helm.moveTo(-6, 7);
  helm.lineTo(-6, -2);
  helm.quadTo(-6, -9, 0, -9);
  helm.quadTo(6, -9, 6, -2);
  helm.lineTo(6, 7);
  helm.closeSubpath();
  Fill(p, helm, kSteel, 1.3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 14, 10));
  p.drawEllipse(QPointF(0, 3.5), 2.6, 3);
  QPainterPath arcs;
  for (int i = 0; i < 3; ++i) {
    const double r = 9 + i * 3.6;
    arcs.arcMoveTo(QRectF(-r, 2 - r, 2 * r, 2 * r), -35);
    arcs.arcTo(QRectF(-r, 2 - r, 2 * r, 2 * r), -35, 70);
    arcs.arcMoveTo(QRectF(-r, 2 - r, 2 * r, 2 * r), 145);
    arcs.arcTo(QRectF(-r, 2 - r, 2 * r, 2 * r), 145, 70);
  }
  Stroke(p, arcs, art.colours, 1.6);
}

void DrawPotion(QPainter& p, const Palette& c) {
  const QPainterPath flask = Ellipse(QPointF(0, 5), 10, 10).united(RoundRect(-3.2, -11, 6.4, 8, 1));
  p.setPen(Outline(QColor(226, 232, 240), 1.4));
  p.setBrush(QColor(200, 214, 230, 70));
  p.drawPath(flask);
  p.save();
  p.setClipRect(QRectF(-12, 2, 24, 14));
  p.setPen(Qt::NoPen);
  p.setBrush(c.base);
  p.drawEllipse(QPointF(0, 5), 8.6, 8.6);
  p.restore();
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(-4, 0), 1.6, 2.4);
  Fill(p, RoundRect(-4, -16, 8, 5, 1.5), kWood, 1.2);
}

void DrawChest(QPainter& p, const Palette& c) {
  QPainterPath lid;
  lid.moveTo(-13, -2);
  lid.lineTo(-13, -6);
  lid.quadTo(0, -17, 13, -6);
  lid.lineTo(13, -2);
  lid.closeSubpath();
  Fill(p, lid, c);
  Fill(p, RoundRect(-13, -2, 26, 15, 1.5), c);
  p.setPen(Outline(kGold.base, 2));
  for (double x : {-8.0, 8.0}) p.drawLine(QPointF(x, -10), QPointF(x, 12));
  Fill(p, RoundRect(-3, -4, 6, 7, 1), kGold, 1);
}

void DrawBanner(QPainter& p, const Palette& c) {
  Shaft(p, QPointF(-10, 16), QPointF(-10, -14), kWood, 2.2);
  Fill(p, Ellipse(QPointF(-10, -15.5), 2.2, 2.2), kGold, 1);
  Fill(p, Polygon({{-9, -13}, {14, -11}, {8, -4}, {14, 3}, {-9, 1}}), c);
  Fill(p, StarPath(5, 4, 1.8).translated(1.5, -5), kGold, 0.8);
}

void DrawTotem(QPainter& p, const Palette& c) {
  Shaft(p, QPointF(0, 16), QPointF(0, 0), c, 3);
  for (double side : {-1.0, 1.0}) {
    p.setPen(Outline(QColor(30, 20, 10), 1));
    p.drawLine(QPointF(side * 5, 0), QPointF(side * 8, 10));
    Fill(p, Ellipse(QPointF(side * 8, 12), 1.6, 3.4), kBlood, 0.8);
  }
  p.save();
  p.translate(0, -7);
  p.scale(0.62, 0.62);
  DrawSkullFace(p, kIvory);
  p.restore();
}

void DrawHorn(QPainter& p, const Palette& c) {
  Fill(p, Tapered({9, -15}, {18, 14}, {-11, 5}, 2.6, 14), c);
  p.setPen(Outline(kGold.base, 2.4));
  p.drawLine(QPointF(9, -3), QPointF(14, -4));
  p.drawLine(QPointF(1, 4), QPointF(4, 11));
  Fill(p, QTransform().translate(-11, 5).rotate(-20).map(Ellipse(QPointF(0, 0), 2.6, 7.2)),
       {QColor(40, 30, 20), QColor(70, 54, 40), kGold.base}, 1.4);
}

void DrawFist(QPainter& p, const Palette& c) {
  QPainterPath fist = RoundRect(-10, -9, 20, 15, 4);
  for (int i = 0; i < 4; ++i) fist.addPath(Ellipse(QPointF(-7.5 + i * 5, -9), 2.8, 2.8));
  Fill(p, Merged(fist), c);
  p.setPen(Outline(c.dark, 1));
  for (double x : {-5.0, 0.0, 5.0}) p.drawLine(QPointF(x, -9), QPointF(x, -3));
  Fill(p, RoundRect(-11, -1, 13, 5, 2.4), c, 1.2);
  Fill(p, RoundRect(-8, 6, 16, 9, 1.5), {c.base.darker(130), c.base, c.dark}, 1.3);
}

void DrawLeap(QPainter& p, const Palette& c) {
  QPainterPath arc(QPointF(-13, 12));
  arc.cubicTo(-10, -16, 8, -16, 11, 6);
  QPen dashes = Outline(c.base, 2.4);
  dashes.setDashPattern({2.0, 1.4});
  p.setBrush(Qt::NoBrush);
  p.strokePath(arc, Outline(c.dark, 4.4));
  p.strokePath(arc, dashes);
  Fill(p, Polygon({{11, 13}, {6, 4}, {15, 3}}), c, 1.2);
  Stroke(p, Line(QPointF(-16, 15), QPointF(16, 15)), c, 1.6);
}

void DrawStun(QPainter& p, const Palette& c) {
  QPainterPath helm;
  helm.moveTo(-9, 15);
  helm.lineTo(-9, 8);
  helm.quadTo(-9, -1, 0, -1);
  helm.quadTo(9, -1, 9, 8);
  helm.lineTo(9, 15);
  helm.closeSubpath();
  Fill(p, helm, kSteel);
  Stroke(p, Ellipse(QPointF(0, -8), 14, 5), c, 1.4);
  const Palette star{QColor(255, 250, 236), Qt::white, c.dark};
  for (QPointF at : {QPointF(-12, -7), QPointF(2, -13), QPointF(11, -5)}) {
    Fill(p, StarPath(5, 4.6, 2).translated(at), star, 1);
  }
}

void DrawWhirl(QPainter& p, const Art& art) {
  // A funnel of wind, widest at the top, with blades caught in it.
  QPainterPath funnel;
  for (int i = 0; i < 5; ++i) {
    const double y = -13 + i * 6.5;
    const double r = 15 - i * 3;
    const QRectF ring(-r + (i % 2 ? 1.5 : -1.5), y - r * 0.28, 2 * r, r * 0.56);
    funnel.arcMoveTo(ring, 200);
    funnel.arcTo(ring, 200, 300);
  }
  Stroke(p, funnel, art.magic, 1.8);
  for (double side : {-1.0, 1.0}) {
    p.save();
    p.translate(side * 12, side * 2 - 3);
    p.rotate(side * 60);
    p.scale(0.5, 0.5);
    DrawSwordShape(p, 20);
    p.restore();
  }
}

void DrawCross(QPainter& p, const Palette& c) {
  Fill(p, RoundRect(-2.6, -16, 5.2, 32, 1).united(RoundRect(-10, -9, 20, 5.2, 1)), c);
}

void DrawHoly(QPainter& p, const Palette& c) {
  QPainterPath rays;
  for (int i = 0; i < 8; ++i) {
    const double a = M_PI / 8 + i * M_PI / 4;
    rays.moveTo(std::cos(a) * 8, std::sin(a) * 8);
    rays.lineTo(std::cos(a) * 16, std::sin(a) * 16);
  }
  p.setBrush(Qt::NoBrush);
  p.strokePath(rays, Outline(c.base, 1.8));
  Fill(p, RoundRect(-3.2, -14, 6.4, 28, 1.2).united(RoundRect(-14, -3.2, 28, 6.4, 1.2)),
       {QColor(255, 250, 226), Qt::white, c.dark});
}

void DrawHammer(QPainter& p, const Palette& c) {
  Shaft(p, QPointF(0, 16), QPointF(0, -6), kWood, 2.6);
  Fill(p, RoundRect(-11, -15, 22, 10, 2), c);
  p.setPen(Outline(c.dark, 1.2));
  for (double x : {-6.0, 6.0}) p.drawLine(QPointF(x, -15), QPointF(x, -5));
}

void DrawHeal(QPainter& p, const Palette& c) {
  Fill(p, Ellipse(QPointF(0, 0), 14, 14), {QColor(200, 36, 44), QColor(240, 90, 90), c.dark});
  p.setPen(Outline(QColor(120, 20, 20), 1));
  p.setBrush(QColor(252, 248, 236));
  p.drawPath(RoundRect(-3.2, -10, 6.4, 20, 1).united(RoundRect(-10, -3.2, 20, 6.4, 1)));
}

void DrawChalice(QPainter& p, const Palette& c) {
  QPainterPath cup;
  cup.moveTo(-11, -13);
  cup.lineTo(11, -13);
  cup.quadTo(11, 1, 2, 3);
  cup.lineTo(2, 9);
  cup.lineTo(8, 14);
  cup.lineTo(-8, 14);
  cup.lineTo(-2, 9);
  cup.lineTo(-2, 3);
  cup.quadTo(-11, 1, -11, -13);
  cup.closeSubpath();
  Fill(p, cup, c);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 245));
  p.drawEllipse(QPointF(0, -12), 9.5, 2.4);
}

void DrawMoon(QPainter& p, const Palette& c) {
  Fill(p, Ellipse(QPointF(0, 0), 14, 14).subtracted(Ellipse(QPointF(6, -5), 11.5, 11.5)), c);
  Fill(p, StarPath(4, 4.4, 1.4).translated(8, -6), {Qt::white, Qt::white, c.dark}, 0.8);
}

void DrawAnkh(QPainter& p, const Palette& c) {
  QPainterPath ankh = Ellipse(QPointF(0, -9), 5, 6.5);
  ankh.moveTo(-10, -1);
  ankh.lineTo(10, -1);
  ankh.moveTo(0, -2.5);
  ankh.lineTo(0, 16);
  Stroke(p, ankh, c, 3.2);
}

void DrawPortal(QPainter& p, const Palette& c) {
  QRadialGradient inside(QPointF(0, 0), 15);
  inside.setColorAt(0, Qt::white);
  inside.setColorAt(0.4, c.light);
  inside.setColorAt(1, c.base.darker(140));
  p.setPen(Outline(c.dark, 2.4));
  p.setBrush(inside);
  p.drawEllipse(QPointF(0, 0), 10, 15);
  QPainterPath swirl(QPointF(0, 0));
  for (int i = 1; i < 30; ++i) {
    const double a = i * 0.4;
    swirl.lineTo(std::cos(a) * i * 0.28, std::sin(a) * i * 0.42);
  }
  p.setBrush(Qt::NoBrush);
  p.strokePath(swirl, Outline(c.dark, 1.2));
}

// A wolf's head raised to howl at the moon.
void DrawWolf(QPainter& p, const Palette& c) {
  Fill(p, Ellipse(QPointF(11, -9), 6.5, 6.5), {kGold.light, Qt::white, kGold.base}, 1);
  const QPainterPath head = Polygon({{-16, 17},
                                     {-14, 5},
                                     {-13, -2},
                                     {-14, -13},
                                     {-7, -7},
                                     {-4, -8},
                                     {4, -16},
                                     {7, -15},
                                     {8, -12},
                                     {0, -3},
                                     {7, -5},
                                     {1, 1},
                                     {-1, 6},
                                     {1, 17}});
  Fill(p, head, c, 1.4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 236, 150));
  p.drawEllipse(QPointF(-7, -4), 1.5, 1.2);
}

// A face in a berserk rage: red, with glowing slanted eyes and bared teeth.
void DrawRage(QPainter& p, const Palette& c) {
  Fill(p, Ellipse(QPointF(0, 1), 11, 13.5), c, 1.6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 232, 80));
  p.drawPath(Polygon({{-8.5, -4}, {-1.5, -1}, {-7, 0.5}}));
  p.drawPath(Polygon({{8.5, -4}, {1.5, -1}, {7, 0.5}}));
  p.setPen(Outline(c.dark, 2.2));
  p.drawLine(QPointF(-9.5, -7.5), QPointF(-1, -3));
  p.drawLine(QPointF(9.5, -7.5), QPointF(1, -3));
  Fill(p, Polygon({{-6.5, 5}, {6.5, 5}, {4.5, 11.5}, {-4.5, 11.5}}),
       {QColor(30, 6, 6), QColor(30, 6, 6), c.dark}, 1.2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 244, 230));
  for (double x : {-4.5, -1.5, 1.5, 4.5}) p.drawPath(Polygon({{x - 1.3, 5}, {x + 1.3, 5}, {x, 8}}));
}

void DrawMotif(QPainter& p, const Art& art) {
  const Palette& c = art.colours;
  switch (art.motif) {
    case Motif::Flame:
      return DrawFlame(p, c);
    case Motif::Frost:
      return DrawFrost(p, c);
    case Motif::Lightning:
      return DrawLightning(p, c);
    case Motif::Poison:
      return DrawPoison(p, c);
    case Motif::Bone:
      p.rotate(45);
      return DrawBone(p, c);
    case Motif::Skull:
      return DrawSkullFace(p, c);
    case Motif::Mage:
      return DrawMage(p, art);
    case Motif::Figure:
      return DrawFigure(p, c);
    case Motif::Golem:
      return DrawGolem(p, c);
    case Motif::Blood:
      return DrawBlood(p, c);
    case Motif::Hand:
      return DrawHand(p, c);
    case Motif::Eye:
      return DrawEye(p, c);
    case Motif::Swirl:
      return DrawSwirl(p, c);
    case Motif::Thorns:
      return DrawThorns(p, c);
    case Motif::Target:
      return DrawTarget(p, c);
    case Motif::Hourglass:
      return DrawHourglass(p, c);
    case Motif::BrokenShield:
      return DrawBrokenShield(p, c);
    case Motif::Spear:
      return DrawSpear(p);
    case Motif::Sword:
      return DrawSwordShape(p, 22);
    case Motif::Axe:
      return DrawAxe(p);
    case Motif::Mace:
      return DrawMace(p);
    case Motif::Polearm:
      return DrawPolearm(p);
    case Motif::Knife:
      return DrawKnife(p);
    case Motif::Arrow:
      return DrawArrow(p);
    case Motif::Magic:
      return DrawMagic(p, c);
    case Motif::Valkyrie:
      return DrawValkyrie(p, c);
    case Motif::Heart:
      return DrawHeart(p, c);
    case Motif::Shield:
      return DrawShield(p, art);
    case Motif::Boot:
      return DrawBoot(p, c);
    case Motif::Prism:
      return DrawPrism(p);
    case Motif::Warcry:
      return DrawWarcry(p, art);
    case Motif::Potion:
      return DrawPotion(p, c);
    case Motif::Chest:
      return DrawChest(p, c);
    case Motif::Banner:
      return DrawBanner(p, c);
    case Motif::Totem:
      return DrawTotem(p, c);
    case Motif::Horn:
      return DrawHorn(p, c);
    case Motif::Fist:
      return DrawFist(p, c);
    case Motif::Leap:
      return DrawLeap(p, c);
    case Motif::Stun:
      return DrawStun(p, c);
    case Motif::Whirl:
      return DrawWhirl(p, art);
    case Motif::Cross:
      return DrawCross(p, c);
    case Motif::Holy:
      return DrawHoly(p, c);
    case Motif::Hammer:
      return DrawHammer(p, c);
    case Motif::Heal:
      return DrawHeal(p, c);
    case Motif::Chalice:
      return DrawChalice(p, c);
    case Motif::Moon:
      return DrawMoon(p, c);
    case Motif::Ankh:
      return DrawAnkh(p, c);
    case Motif::Portal:
      return DrawPortal(p, c);
    case Motif::Wolf:
      return DrawWolf(p, c);
    case Motif::Rage:
      return DrawRage(p, c);
    case Motif::Rune:
      return Rune(p, QPointF(0, 0), 14, c.light);
  }
}

// How far a motif leans from upright, in degrees clockwise (the spear points
// up and right, the halberd up and left, the knife flies right); a form that
// lines several up stands them upright.
double LeanOf(Motif motif) {
  switch (motif) {
    case Motif::Bone:
    case Motif::Spear:
    case Motif::Arrow:
      return 45;
    case Motif::Polearm:
      return -45;
    case Motif::Knife:
      return 90;
    default:
      return 0;
  }
}

// The motif at a place of the 48 x 49 design grid, scaled and turned.
void Put(QPainter& p, const Art& art, QPointF at, double scale, double angle = 0) {
  p.save();
  p.translate(at);
  p.rotate(angle);
  p.scale(scale, scale);
  DrawMotif(p, art);
  p.restore();
}

// The same, stood upright if it leans.
void PutUpright(QPainter& p, const Art& art, QPointF at, double scale, double angle = 0) {
  Put(p, art, at, scale, angle - LeanOf(art.motif));
}

QColor Alpha(QColor colour, int alpha) {
  colour.setAlpha(alpha);
  return colour;
}

// Forms --------------------------------------------------------------------

const QPointF kCentre(24, 23);

void DrawGlow(QPainter& p, QPointF at, double radius, QColor colour, int alpha) {
  QRadialGradient glow(at, radius);
  glow.setColorAt(0, Alpha(colour, alpha));
  glow.setColorAt(1, Alpha(colour, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(at, radius, radius);
}

void DrawMissile(QPainter& p, const Art& art) {
  // Flying up and right; short motion lines behind it, and a flame turned so
  // that its tongues stream back.
  const QPointF at(29, 18);
  const QPointF back = QPointF(-1, 1) / std::sqrt(2.0);
  const QPointF across = QPointF(1, 1) / std::sqrt(2.0);
  for (int i = -1; i <= 1; ++i) {
    const QPointF from = at + back * (i == 0 ? 25 : 21) + across * (i * 6.5);
    const QPointF to = at + back * (i == 0 ? 9 : 11) + across * (i * 6.5);
    QLinearGradient streak(from, to);
    streak.setColorAt(0, Alpha(art.colours.base, 0));
    streak.setColorAt(1, Alpha(art.colours.light, 230));
    p.setPen(QPen(QBrush(streak), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
  }
  Put(p, art, at, 0.7, art.motif == Motif::Flame ? 225 : 0);
}

void DrawOrb(QPainter& p, const Art& art) {
  QRadialGradient sphere(kCentre - QPointF(4, 4), 17);
  sphere.setColorAt(0, art.colours.light);
  sphere.setColorAt(0.5, art.colours.base);
  sphere.setColorAt(1, art.colours.dark);
  p.setPen(Outline(art.colours.dark, 1.4));
  p.setBrush(sphere);
  p.drawEllipse(kCentre, 14, 14);
  Put(p, art, kCentre, 0.58);
  p.setPen(Outline(Alpha(Qt::white, 200), 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(kCentre - QPointF(10, 10), QSizeF(20, 20)), 100 * 16, 60 * 16);
}

void DrawNova(QPainter& p, const Art& art) {
  p.setPen(Outline(Alpha(art.colours.base, 150), 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(kCentre, 14, 14);
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4;
    Put(p, art, kCentre + QPointF(std::sin(a), -std::cos(a)) * 14, 0.34, i * 45);
  }
  DrawGlow(p, kCentre, 7, art.colours.light, 200);
}

void DrawWall(QPainter& p, const Art& art) {
  Fill(p, RoundRect(5, 35, 38, 3, 1.2), {QColor(90, 70, 50), QColor(120, 96, 70), QColor(30, 22, 14)}, 1);
  PutUpright(p, art, QPointF(12, 27), 0.5);
  PutUpright(p, art, QPointF(36, 27), 0.5);
  PutUpright(p, art, QPointF(24, 23), 0.68);
}

void DrawArmor(QPainter& p, const Art& art) {
  // A breastplate with broad shoulders and a round neck, of the element
  // itself or of steel.
  QPainterPath plate;
  plate.moveTo(-17, -9);
  plate.quadTo(-15, -15, -7, -16);
  plate.quadTo(0, -9, 7, -16);
  plate.quadTo(15, -15, 17, -9);
  plate.lineTo(12, -6);
  plate.lineTo(11, 4);
  plate.quadTo(9, 12, 0, 16);
  plate.quadTo(-9, 12, -11, 4);
  plate.lineTo(-12, -6);
  plate.closeSubpath();
  plate.translate(kCentre);
  const Palette& metal = ElementOf(art.motif) == Element::None ? kSteel : art.colours;
  QLinearGradient fill(0, 7, 0, 39);
  fill.setColorAt(0, metal.base);
  fill.setColorAt(1, metal.dark);
  p.setPen(Outline(metal.light, 1.8));
  p.setBrush(fill);
  p.drawPath(plate);
  p.setPen(Outline(Alpha(metal.light, 160), 1.2));
  p.drawLine(QPointF(24, 10), QPointF(24, 38));
  Put(p, art, kCentre + QPointF(0, 2), 0.52);
}

void DrawMastery(QPainter& p, const Art& art) {
  QPainterPath star = StarPath(8, 21, 12, -M_PI / 2);
  star.translate(kCentre);
  QRadialGradient fill(kCentre, 21);
  fill.setColorAt(0, Alpha(kGold.light, 230));
  fill.setColorAt(1, Alpha(kGold.base, 170));
  p.setPen(Outline(kGold.dark, 1.2));
  p.setBrush(fill);
  p.drawPath(star);
  p.setBrush(QColor(20, 14, 10, 210));
  p.drawEllipse(kCentre, 13, 13);
  Put(p, art, kCentre, 0.74);
}

// An arrow or javelin flying up to the right with the motif at its head.
void DrawHeaded(QPainter& p, const Art& art, bool fletched) {
  const QPointF tail = fletched ? QPointF(8, 40) : QPointF(6, 43);
  const QPointF head(30, 18);
  Shaft(p, tail, head, kWood, 2.2);
  if (fletched) {
    const Palette feather{QColor(226, 222, 210), QColor(255, 255, 250), QColor(70, 64, 56)};
    Fill(p, Polygon({{11, 37}, {5, 37}, {3, 41}, {8, 40}}), feather, 1);
    Fill(p, Polygon({{11, 37}, {11, 43}, {7, 45}, {8, 40}}), feather, 1);
  }
  DrawGlow(p, QPointF(33, 15), 11, art.colours.base, 160);
  Put(p, art, QPointF(33, 15), 0.5, 45);
}

bool IsWeapon(Motif motif) {
  switch (motif) {
    case Motif::Sword:
    case Motif::Axe:
    case Motif::Mace:
    case Motif::Polearm:
    case Motif::Spear:
      return true;
    default:
      return false;
  }
}

void DrawImpact(QPainter& p, const Art& art, QPointF at, double size) {
  QPainterPath impact = StarPath(8, size, size * 0.38);
  impact.translate(at);
  p.setPen(Outline(Alpha(art.colours.light, 230), 1));
  p.setBrush(Alpha(art.colours.base, 150));
  p.drawPath(impact);
}

void DrawStrike(QPainter& p, const Art& art) {
  if (IsWeapon(art.motif)) {
    // The weapon itself, its point in the impact.
    DrawImpact(p, art, QPointF(34, 13), 10);
    Put(p, art, QPointF(21, 26), 0.85, 45 - LeanOf(art.motif));
  } else if (ElementOf(art.motif) != Element::None) {
    // A spear whose point carries the element.
    Shaft(p, QPointF(6, 42), QPointF(26, 22), kWood, 2.4);
    Fill(p, Polygon({{31, 17}, {23, 20}, {25, 23}, {28, 25}}), kSteel, 1.1);
    DrawImpact(p, art, QPointF(33, 15), 12);
    Put(p, art, QPointF(33, 15), 0.5);
  } else {
    // The motif, and the impact where it lands.
    Put(p, art, kCentre, 0.9);
    DrawImpact(p, art, QPointF(35, 31), 9);
  }
}

void DrawAura(QPainter& p, const Art& art) {
  // The ring is the element's, or the class's light.
  const Palette& light = ElementOf(art.motif) == Element::None ? art.magic : art.colours;
  DrawGlow(p, kCentre, 21, light.base, 90);
  p.setPen(Outline(light.light, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(kCentre, 19.5, 19.5);
  Put(p, art, kCentre, 0.76);
}

void DrawResist(QPainter& p, const Art& art) {
  Fill(p, QTransform().translate(24, 23).scale(1.2, 1.2).map(ShieldPath()), kSteel, 1.6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(24, 20, 18));
  p.drawPath(QTransform().translate(24, 22).scale(0.95, 0.95).map(ShieldPath()));
  Put(p, art, QPointF(24, 21), 0.6);
}

void DrawStorm(QPainter& p, const Art& art) {
  const QPointF falls[] = {{13, 33}, {25, 37}, {36, 32}};
  for (QPointF at : falls) Put(p, art, at, 0.36);
  Fill(p, Puffs({{{14, 17}, 6.5}, {{23, 12}, 8.5}, {{33, 15}, 7}, {{24, 20}, 7}}),
       {QColor(130, 136, 150), QColor(196, 200, 212), QColor(30, 32, 40)}, 1.3);
}

void DrawBurst(QPainter& p, const Art& art) {
  QPainterPath burst = StarPath(12, 20, 9, 0.1);
  burst.translate(kCentre);
  QRadialGradient fill(kCentre, 20);
  fill.setColorAt(0, Alpha(art.colours.light, 200));
  fill.setColorAt(1, Alpha(art.colours.base, 90));
  p.setPen(Outline(Alpha(art.colours.light, 220), 1.2));
  p.setBrush(fill);
  p.drawPath(burst);
  DrawGlow(p, kCentre, 12, QColor(20, 14, 10), 200);
  Put(p, art, kCentre, 0.7);
}

void DrawChain(QPainter& p, const Art& art) {
  // Jagged links from the caster at the lower left through three foes.
  const QPointF foes[] = {{12, 30}, {24, 10}, {39, 27}};
  QPainterPath links(QPointF(3, 45));
  QPointF from(3, 45);
  for (QPointF to : foes) {
    const QPointF along = to - from;
    const QPointF across = QPointF(-along.y(), along.x()) / std::hypot(along.x(), along.y());
    for (int k = 1; k < 4; ++k) links.lineTo(from + along * (k / 4.0) + across * (k % 2 ? 3.2 : -3.2));
    links.lineTo(to);
    from = to;
  }
  p.setBrush(Qt::NoBrush);
  p.strokePath(links, Outline(art.colours.dark, 4.4));
  p.strokePath(links, Outline(art.colours.base, 2.6));
  p.strokePath(links, Outline(art.colours.light, 1));
  for (QPointF at : foes) {
    DrawGlow(p, at, 7, art.colours.light, 230);
    Fill(p, Ellipse(at, 3, 3), {art.colours.light, Qt::white, art.colours.dark}, 1.2);
  }
}

void DrawMeteor(QPainter& p, const Art& art) {
  // The tail streams up and right behind the rock as it falls.
  Put(p, art, QPointF(29, 17), 0.95, 45);
  const Palette rock{QColor(104, 86, 74), QColor(160, 140, 120), QColor(28, 20, 16)};
  Fill(p, Ellipse(QPointF(18, 29), 8, 7.5), rock, 1.4);
  p.setPen(Qt::NoPen);
  p.setBrush(rock.dark);
  p.drawEllipse(QPointF(15, 27), 1.8, 1.5);
  p.drawEllipse(QPointF(20, 32), 1.4, 1.2);
  p.setBrush(Alpha(art.colours.light, 220));
  p.drawEllipse(QPointF(22, 25), 2.2, 1.8);
}

void DrawHydra(QPainter& p, const Art& art) {
  // Three serpent necks from one body, each head with open jaws; the middle
  // one breathes the motif.
  const Palette& c = art.colours;
  const Palette scales{c.base.darker(125), c.base, c.dark};
  const struct {
    QPointF root;
    QPointF bend;
    QPointF head;
    double facing;  // degrees, 0 to the right
  } necks[] = {{{20, 41}, {2, 34}, {11, 17}, 200},
               {{27, 41}, {46, 32}, {37, 17}, -20},
               {{24, 41}, {33, 26}, {22, 12}, -30}};
  for (const auto& neck : necks) Fill(p, Tapered(neck.root, neck.bend, neck.head, 8, 4.5), scales, 1.3);
  Fill(p, Ellipse(QPointF(24, 41), 11, 3.5), scales, 1.3);
  for (const auto& neck : necks) {
    p.save();
    p.translate(neck.head);
    p.rotate(neck.facing);
    if (std::abs(neck.facing) > 90) p.scale(1, -1);
    QPainterPath skull = Ellipse(QPointF(0, 0), 5, 4);
    skull.addPath(Polygon({{1.5, -3.6}, {10, -1.6}, {2, 0}}));
    skull.addPath(Polygon({{1.5, 0.8}, {8.5, 3.8}, {1.5, 3.6}}));
    Fill(p, Merged(skull), c, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 200));
    p.drawEllipse(QPointF(0, -1.5), 1.3, 1.3);
    if (neck.facing == -30) Put(p, art, QPointF(11.5, 0.8), 0.24, 90);
    p.restore();
  }
}

void DrawSpearOf(QPainter& p, const Art& art) {
  const Palette& c = art.colours;
  Fill(p, Polygon({{38, 10}, {29, 15}, {11, 35}, {13, 37}, {33, 19}}), c, 1.3);
  Fill(p, Ellipse(QPointF(10, 38), 3, 3).united(Ellipse(QPointF(8, 35.5), 2.6, 2.6)), c, 1.2);
  p.setPen(Outline(c.light, 1));
  p.drawLine(QPointF(35, 13), QPointF(17, 31));
}

void DrawCage(QPainter& p, const Art& art) {
  const Palette& c = art.colours;
  QPainterPath bars;
  for (int i = 0; i < 5; ++i) {
    const double x = 12 + i * 6;
    const double top = 12 + std::abs(i - 2) * 2.5;
    bars.moveTo(x, top);
    bars.lineTo(x, 38);
  }
  bars.moveTo(10, 38);
  bars.lineTo(38, 38);
  bars.moveTo(12, 17);
  bars.quadTo(24, 2, 36, 17);
  Stroke(p, bars, c, 2.4);
  p.setPen(Outline(c.dark, 1));
  p.setBrush(c.light);
  for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(12 + i * 6, 38), 2.2, 2.2);
  p.drawEllipse(QPointF(24, 7), 2.6, 2.6);
}

void DrawSpirit(QPainter& p, const Art& art) {
  const Palette& c = art.colours;
  QPainterPath tail;
  tail.moveTo(21, 16);
  tail.cubicTo(10, 22, 20, 32, 8, 42);
  tail.cubicTo(24, 36, 20, 28, 34, 22);
  tail.closeSubpath();
  QLinearGradient fade(30, 18, 8, 42);
  fade.setColorAt(0, Alpha(c.light, 230));
  fade.setColorAt(1, Alpha(c.base, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(fade);
  p.drawPath(tail);
  DrawGlow(p, QPointF(29, 15), 13, c.light, 150);
  p.save();
  p.translate(29, 15);
  p.scale(0.72, 0.72);
  DrawSkullFace(p, c);
  p.restore();
}

void DrawRaise(QPainter& p, const Art& art) {
  Put(p, art, QPointF(24, 19), 0.7);
  Fill(p, Ellipse(QPointF(24, 39), 17, 5), {QColor(84, 62, 44), QColor(120, 92, 66), QColor(24, 16, 10)},
       1.2);
  QPainterPath rising;
  for (double x : {8.0, 40.0}) {
    rising.moveTo(x - 3, 18);
    rising.lineTo(x, 14);
    rising.lineTo(x + 3, 18);
    rising.moveTo(x - 3, 25);
    rising.lineTo(x, 21);
    rising.lineTo(x + 3, 25);
  }
  Stroke(p, rising, art.colours, 1.2);
}

void DrawSparks(QPainter& p, const Art& art) {
  const struct {
    QPointF at;
    double angle;
  } sparks[] = {{{9, 10}, -40},  {{39, 10}, 40}, {{7, 30}, -100},
                {{41, 30}, 100}, {{24, 5}, 0},   {{14, 40}, -150}};
  for (const auto& s : sparks) Put(p, art, s.at, 0.28, s.angle);
  Put(p, art, kCentre, 0.62);
}

void DrawField(QPainter& p, const Art& art) {
  QRadialGradient ground(QPointF(24, 32), 20);
  ground.setColorAt(0, Alpha(art.colours.light, 200));
  ground.setColorAt(1, Alpha(art.colours.base, 60));
  p.setPen(Outline(art.colours.base, 1.6));
  p.setBrush(ground);
  p.drawEllipse(QPointF(24, 32), 20, 7);
  for (QPointF at : {QPointF(13, 25), QPointF(24, 19), QPointF(35, 25)}) Put(p, art, at, 0.45);
}

void DrawStream(QPainter& p, const Art& art) {
  QPainterPath jet;
  jet.moveTo(6, 41);
  jet.lineTo(44, 6);
  jet.quadTo(48, 24, 43, 28);
  jet.closeSubpath();
  QLinearGradient fill(6, 41, 42, 16);
  fill.setColorAt(0, Alpha(art.colours.light, 240));
  fill.setColorAt(0.5, Alpha(art.colours.base, 220));
  fill.setColorAt(1, Alpha(art.colours.dark, 120));
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(jet);
  Put(p, art, QPointF(33, 17), 0.48, 60);
  Put(p, art, QPointF(22, 28), 0.36, 50);
}

void DrawTrail(QPainter& p, const Art& art) {
  Stroke(p, Line(QPointF(6, 42), QPointF(42, 24)),
         {QColor(90, 70, 50), QColor(120, 96, 70), QColor(30, 22, 14)}, 1.6);
  Put(p, art, QPointF(11, 36), 0.34);
  Put(p, art, QPointF(21, 30), 0.46);
  Put(p, art, QPointF(34, 20), 0.64);
}

void DrawEnchant(QPainter& p, const Art& art) {
  DrawGlow(p, kCentre, 18, art.colours.base, 140);
  p.save();
  p.translate(kCentre);
  p.scale(1.05, 1.05);
  DrawSwordShape(p, 22);
  p.restore();
  Put(p, art, QPointF(15, 12), 0.34, -20);
  Put(p, art, QPointF(33, 18), 0.34, 20);
  Put(p, art, QPointF(16, 27), 0.3, -20);
}

void DrawSpike(QPainter& p, const Art& art) {
  const Palette& c = art.colours;
  auto shard = [&](QPointF base, double height, double width, double lean) {
    const QPointF tip = base + QPointF(lean, -height);
    QPainterPath path = Polygon({base + QPointF(-width, 0), base + QPointF(-width * 0.7, -height * 0.6), tip,
                                 base + QPointF(width * 0.7, -height * 0.6), base + QPointF(width, 0)});
    QLinearGradient fill(base.x() - width, 0, base.x() + width, 0);
    fill.setColorAt(0, c.light);
    fill.setColorAt(0.5, c.base);
    fill.setColorAt(1, c.dark.lighter(160));
    p.setPen(Outline(c.dark, 1.3));
    p.setBrush(fill);
    p.drawPath(path);
    p.setPen(Outline(c.light, 0.9));
    p.drawLine(base, tip);
  };
  shard(QPointF(13, 39), 16, 4.5, -3);
  shard(QPointF(36, 39), 13, 4, 3);
  shard(QPointF(24, 40), 33, 7, 1);
}

void DrawGolemOf(QPainter& p, const Art& art) {
  p.save();
  p.translate(kCentre);
  p.scale(1.05, 1.05);
  DrawGolem(p, art.colours);
  p.restore();
  Put(p, art, kCentre + QPointF(0, -1), 0.36);
}

void DrawCloud(QPainter& p, const Art& art) {
  for (QPointF at : {QPointF(15, 36), QPointF(31, 38)}) Put(p, art, at, 0.34);
  const Palette& c = art.colours;
  Fill(p, Puffs({{{13, 21}, 7}, {{23, 15}, 9}, {{34, 19}, 8}, {{24, 25}, 7.5}}),
       {c.base.darker(115), c.light, c.dark}, 1.3);
}

void DrawFan(QPainter& p, const Art& art) {
  const QPointF pivot(24, 42);
  for (int angle : {-38, 38, 0}) {
    const double a = angle * M_PI / 180;
    PutUpright(p, art, pivot + QPointF(std::sin(a), -std::cos(a)) * 21, 0.62, angle);
  }
}

void DrawTwin(QPainter& p, const Art& art) {
  if (IsWeapon(art.motif)) {
    // Two weapons crossed, the second mirrored.
    PutUpright(p, art, kCentre, 0.92, -32);
    p.save();
    p.translate(kCentre);
    p.scale(-1, 1);
    p.translate(-kCentre);
    PutUpright(p, art, kCentre, 0.92, -32);
    p.restore();
    return;
  }
  p.setOpacity(0.55);
  Put(p, art, QPointF(31, 21), 0.8);
  p.setOpacity(1);
  Put(p, art, QPointF(17, 25), 0.8);
}

void DrawGuided(QPainter& p, const Art& art) {
  QPainterPath path(QPointF(5, 42));
  path.cubicTo(6, 10, 30, 44, 36, 14);
  QPen dots = Outline(Alpha(art.colours.light, 220), 1.6);
  dots.setDashPattern({1.0, 2.0});
  p.setBrush(Qt::NoBrush);
  p.strokePath(path, dots);
  Stroke(p, Ellipse(QPointF(37, 12), 6, 6), {QColor(220, 50, 50), QColor(255, 140, 140), QColor(60, 10, 10)},
         1.6);
  Put(p, art, QPointF(30, 22), 0.72, -30);
}

void DrawRain(QPainter& p, const Art& art) {
  for (QPointF at : {QPointF(14, 14), QPointF(29, 10), QPointF(18, 31), QPointF(34, 27)}) {
    Put(p, art, at, 0.58);
  }
}

void DrawDagger(QPainter& p, const Art& art) {
  p.save();
  p.translate(20, 19);
  p.rotate(180 + 30);
  p.scale(1.2, 1.2);
  DrawSwordShape(p, 15);
  p.restore();
  Put(p, art, QPointF(33, 33), 0.42);
  Put(p, art, QPointF(39, 42), 0.24);
}

void DrawFangs(QPainter& p, const Art& art) {
  const Palette& c = art.colours;
  const struct {
    QPointF at;
    double size;
  } teeth[] = {{{34, 11}, 1.0}, {{22, 16}, 0.85}, {{36, 27}, 0.85}, {{12, 25}, 0.7}, {{24, 33}, 0.7}};
  for (const auto& t : teeth) {
    p.setPen(Outline(Alpha(c.light, 140), 1.2));
    p.drawLine(t.at - QPointF(8, -8) * t.size, t.at - QPointF(3, -3) * t.size);
    QPainterPath fang;
    fang.moveTo(0, -9);
    fang.quadTo(3.6, -2, 3, 5);
    fang.lineTo(-3, 5);
    fang.quadTo(-3, -2, 0, -9);
    Fill(p, QTransform().translate(t.at.x(), t.at.y()).rotate(45).scale(t.size, t.size).map(fang), c, 1.2);
  }
}

void DrawLeaping(QPainter& p, const Art& art) {
  // Up from the right in a dashed arc, and down point first on the foe at
  // the lower left.
  QPainterPath arc(QPointF(42, 33));
  arc.cubicTo(43, 4, 24, 0, 17, 12);
  QPen dashes = Outline(art.magic.base, 2.2);
  dashes.setDashPattern({2.0, 1.4});
  p.setBrush(Qt::NoBrush);
  p.strokePath(arc, Outline(art.magic.dark, 4));
  p.strokePath(arc, dashes);
  DrawImpact(p, art, QPointF(15, 39), 9);
  PutUpright(p, art, QPointF(15, 24), 0.8, 180);
}

void DrawForm(QPainter& p, const Art& art, Form form) {
  switch (form) {
    case Form::Plain:
      return Put(p, art, kCentre, 1);
    case Form::Missile:
      return DrawMissile(p, art);
    case Form::Orb:
      return DrawOrb(p, art);
    case Form::Nova:
      return DrawNova(p, art);
    case Form::Wall:
      return DrawWall(p, art);
    case Form::Armor:
      return DrawArmor(p, art);
    case Form::Mastery:
      return DrawMastery(p, art);
    case Form::Arrow:
      return DrawHeaded(p, art, true);
    case Form::Javelin:
      return DrawHeaded(p, art, false);
    case Form::Strike:
      return DrawStrike(p, art);
    case Form::Aura:
      return DrawAura(p, art);
    case Form::Resist:
      return DrawResist(p, art);
    case Form::Storm:
      return DrawStorm(p, art);
    case Form::Burst:
      return DrawBurst(p, art);
    case Form::Chain:
      return DrawChain(p, art);
    case Form::Meteor:
      return DrawMeteor(p, art);
    case Form::Hydra:
      return DrawHydra(p, art);
    case Form::Spear:
      return DrawSpearOf(p, art);
    case Form::Cage:
      return DrawCage(p, art);
    case Form::Spirit:
      return DrawSpirit(p, art);
    case Form::Raise:
      return DrawRaise(p, art);
    case Form::Sparks:
      return DrawSparks(p, art);
    case Form::Field:
      return DrawField(p, art);
    case Form::Stream:
      return DrawStream(p, art);
    case Form::Trail:
      return DrawTrail(p, art);
    case Form::Enchant:
      return DrawEnchant(p, art);
    case Form::Spike:
      return DrawSpike(p, art);
    case Form::Golem:
      return DrawGolemOf(p, art);
    case Form::Cloud:
      return DrawCloud(p, art);
    case Form::Fan:
      return DrawFan(p, art);
    case Form::Twin:
      return DrawTwin(p, art);
    case Form::Guided:
      return DrawGuided(p, art);
    case Form::Rain:
      return DrawRain(p, art);
    case Form::Dagger:
      return DrawDagger(p, art);
    case Form::Fangs:
      return DrawFangs(p, art);
    case Form::Leaping:
      return DrawLeaping(p, art);
  }
}

void DrawVariantMark(QPainter& p, const Art& art, int variant) {
  const QColor ink = Alpha(art.colours.light, 220);
  p.setPen(Outline(ink, 2.2));
  p.setBrush(Qt::NoBrush);
  const QPointF corners[] = {{7, 7}, {41, 7}, {7, 40}, {41, 40}};
  switch (variant) {
    case 1:  // a ring
      p.drawEllipse(kCentre, 20.5, 20.5);
      break;
    case 2:  // sparks in the corners
      for (QPointF at : corners) {
        p.drawLine(at - QPointF(4, 0), at + QPointF(4, 0));
        p.drawLine(at - QPointF(0, 4), at + QPointF(0, 4));
      }
      break;
    case 3:  // a small twin above left
      DrawGlow(p, QPointF(11, 11), 10, QColor(8, 6, 5), 230);
      Put(p, art, QPointF(11, 11), 0.52);
      break;
    case 4:  // rays
      for (int i = 0; i < 8; ++i) {
        const QPointF d(std::cos(i * M_PI / 4), std::sin(i * M_PI / 4));
        p.drawLine(kCentre + d * 17, kCentre + d * 23);
      }
      break;
    case 5:  // a square frame
      p.drawRect(QRectF(5.5, 5.5, 37, 36));
      break;
    case 6:  // a ring of dots
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      for (int i = 0; i < 12; ++i) {
        p.drawEllipse(kCentre + QPointF(std::cos(i * M_PI / 6), std::sin(i * M_PI / 6)) * 20.5, 1.6, 1.6);
      }
      break;
    case 7:  // a diamond
      p.drawPolygon(QPolygonF({QPointF(24, 2.5), QPointF(45.5, 23), QPointF(24, 44.5), QPointF(2.5, 23)}));
      break;
    case 8:  // a double ring
      p.drawEllipse(kCentre, 18.5, 18.5);
      p.drawEllipse(kCentre, 21.5, 21.5);
      break;
    case 9:  // bars at both sides
      p.setPen(Outline(ink, 3));
      p.drawLine(QPointF(6, 9), QPointF(6, 37));
      p.drawLine(QPointF(42, 9), QPointF(42, 37));
      break;
    default:
      break;
  }
}

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
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

// The capital letters of the initials, drawn pixel by pixel: 5 x 7, strokes
// one pixel wide, so that each stays whole at the icon's size.
constexpr int kLetterWidth = 5;
constexpr int kLetterHeight = 7;
constexpr const char* kLetters[26][kLetterHeight] = {
    {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"},  // A
    {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."},  // B
    {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."},  // C
    {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."},  // D
    {"#####", "#....", "#....", "####.", "#....", "#....", "#####"},  // E
    {"#####", "#....", "#....", "####.", "#....", "#....", "#...."},  // F
    {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"},  // G
    {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"},  // H
    {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."},  // I
    {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."},  // J
    {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"},  // K
    {"#....", "#....", "#....", "#....", "#....", "#....", "#####"},  // L
    {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"},  // M
    {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"},  // N
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},  // O
    {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."},  // P
    {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"},  // Q
    {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"},  // R
    {".####", "#....", "#....", ".###.", "....#", "....#", "####."},  // S
    {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."},  // T
    {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},  // U
    {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."},  // V
    {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."},  // W
    {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"},  // X
    {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."},  // Y
    {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"},  // Z
};

constexpr int kBevelWidth = 2;

// The pictures are designed on a 48 x 49 grid and drawn straight onto the
// icon at its own size, smoothed, by scaling the painter.
void OnDesignGrid(QPainter& p) {
  constexpr double kDesignWidth = 48;
  constexpr double kDesignHeight = 49;
  const double scale = kIconWidth / kDesignWidth;
  p.translate(0, (kIconHeight - kDesignHeight * scale) / 2);
  p.scale(scale, scale);
}

QImage Icon(std::string_view treeCode, const Glyph& glyph, std::string_view initialsOf) {
  QImage image = Canvas(kIconWidth, kIconHeight, Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.save();
  OnDesignGrid(p);
  const QColor hue = TreeHue(treeCode);
  QRadialGradient back(QPointF(24, 22), 30);
  back.setColorAt(0, hue.darker(260));
  back.setColorAt(1, QColor(8, 6, 5));
  p.fillRect(QRectF(0, -1, 48, 51), back);
  const Palette magic = MagicOf(treeCode);
  const Art art{glyph.motif, ColoursOf(glyph.motif, magic), magic};
  DrawForm(p, art, glyph.form);
  DrawVariantMark(p, art, glyph.variant);
  p.restore();
  p.setRenderHint(QPainter::Antialiasing, false);
  if (!initialsOf.empty()) p.drawImage(0, 0, InitialsStamp(initialsOf));
  Bevel(p, image.rect(), hue.darker(120), QColor(10, 8, 6), kBevelWidth);
  return image;
}

}  // namespace

Element ElementOf(Motif motif) {
  switch (motif) {
    case Motif::Flame:
      return Element::Fire;
    case Motif::Frost:
      return Element::Cold;
    case Motif::Lightning:
      return Element::Lightning;
    case Motif::Poison:
      return Element::Poison;
    case Motif::Bone:
      return Element::Bone;
    default:
      return Element::None;
  }
}

Glyph GlyphOf(std::string_view treeCode, int index) {
  for (const TreeGlyphTable& table : kGlyphTables) {
    if (table.code == treeCode && index >= 0 && index < static_cast<int>(table.glyphs.size())) {
      return table.glyphs[static_cast<std::size_t>(index)];
    }
  }
  return {};
}

std::vector<Glyph> TreeGlyphs(const korvinth::TreeDef& tree) {
  std::vector<Glyph> glyphs;
  for (std::size_t i = 0; i < tree.skills.size(); ++i)
    glyphs.push_back(GlyphOf(tree.code, static_cast<int>(i)));
  return glyphs;
}

QImage SkillIcon(std::string_view treeCode, std::string_view name, const Glyph& glyph) {
  return Icon(treeCode, glyph, name);
}

QImage SkillPicture(std::string_view treeCode, const Glyph& glyph) { return Icon(treeCode, glyph, {}); }

QImage InitialsStamp(std::string_view name) {
  QImage stamp = Canvas(kIconWidth, kIconHeight);
  const QString letters = Initials(name);
  // The ink ends a pixel inside the bevel, where the halo lies.
  const int inkRight = kIconWidth - kBevelWidth - 2;
  const int inkBottom = kIconHeight - kBevelWidth - 2;
  const int left = inkRight + 1 - (static_cast<int>(letters.size()) * (kLetterWidth + 1) - 1);
  const int top = inkBottom + 1 - kLetterHeight;
  std::vector<QPoint> ink;
  for (qsizetype i = 0; i < letters.size(); ++i) {
    const int letter = letters[i].unicode() - 'A';
    if (letter < 0 || letter >= 26) continue;
    for (int y = 0; y < kLetterHeight; ++y) {
      for (int x = 0; x < kLetterWidth; ++x) {
        if (kLetters[letter][y][x] == '#')
          ink.emplace_back(left + static_cast<int>(i) * (kLetterWidth + 1) + x, top + y);
      }
    }
  }
  QPainter p(&stamp);
  for (const QPoint& at : ink) p.fillRect(QRect(at - QPoint(1, 1), QSize(3, 3)), QColor(10, 8, 6));
  for (const QPoint& at : ink) p.fillRect(QRect(at, QSize(1, 1)), QColor(235, 225, 200));
  return stamp;
}

QImage MotifPicture(Motif motif, std::string_view treeCode) {
  QImage image = Canvas(kIconWidth, kIconHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  OnDesignGrid(p);
  const Palette magic = MagicOf(treeCode);
  Put(p, {motif, ColoursOf(motif, magic), magic}, kCentre, 1);
  return image;
}

QImage ContactSheet(const korvinth::ClassInfo& info) {
  const korvinth::ClassDef& def = korvinth::ClassDefOf(info.id);
  constexpr int kZoom = 3;
  constexpr int kHeadingWidth = 150;
  constexpr int kCellWidth = 168;
  constexpr int kCellHeight = 168;
  constexpr int kTitleHeight = 40;
  QImage sheet = Canvas(kHeadingWidth + 10 * kCellWidth, kTitleHeight + 3 * kCellHeight, QColor(16, 14, 12));
  QPainter p(&sheet);
  p.setPen(QColor(230, 214, 180));
  p.setFont(forms::MakeFont(forms::Face::Display, 16, 700));
  p.drawText(QRect(12, 0, sheet.width(), kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
             Latin1(info.name) + QStringLiteral(": the skill icons as the window shows them, x3 and x1"));
  const int levels[] = {1, 6, 12, 18, 24, 30};
  for (int t = 0; t < 3; ++t) {
    const korvinth::TreeDef& tree = def.trees[static_cast<std::size_t>(t)];
    const std::vector<Glyph> glyphs = TreeGlyphs(tree);
    const int top = kTitleHeight + t * kCellHeight;
    p.setPen(QColor(230, 214, 180));
    p.setFont(forms::MakeFont(forms::Face::Display, 12, 700));
    p.drawText(QRect(8, top, kHeadingWidth - 12, 124), Qt::AlignVCenter | Qt::TextWordWrap,
               Latin1(tree.heading) + "\n(" + Latin1(tree.code) + ")");
    for (int i = 0; i < 10; ++i) {
      const korvinth::SkillDef& skill = tree.skills[static_cast<std::size_t>(i)];
      const int row = static_cast<int>(std::find(std::begin(levels), std::end(levels), skill.level) - levels);
      const std::uint32_t rgb = def.bands[static_cast<std::size_t>(std::min(row, 5))].rgb;
      const QRect cell(kHeadingWidth + i * kCellWidth, top, kCellWidth - 6, kCellHeight - 8);
      p.fillRect(cell.adjusted(0, 0, 0, -36), QColor::fromRgb(rgb));
      const QImage shown = SkillIcon(tree.code, skill.name, glyphs[static_cast<std::size_t>(i)]);
      p.drawImage(cell.topLeft() + QPoint(6, 6), shown.scaled(shown.size() * kZoom));
      p.drawImage(cell.topLeft() + QPoint(8 + kIconWidth * kZoom + 6, 6), shown);
      p.setPen(QColor(236, 228, 210));
      p.setFont(forms::MakeFont(forms::Face::Arial, 9, 700));
      p.drawText(QRect(cell.left(), cell.bottom() - 34, cell.width(), 34),
                 Qt::AlignHCenter | Qt::TextWordWrap, Latin1(skill.name));
    }
  }
  return sheet;
}

}  // namespace forge
