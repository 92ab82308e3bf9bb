// The skill icons: which picture each skill has, and how it is drawn.
//
// A picture is a motif (what the skill is of: an element such as flame or
// frost, or a kind of thing such as a sword, a skull or an eye) in a form
// (how the skill uses it: a bolt, a nova ring, a wall, an armour, a mastery's
// star...). One table gives every skill of every tree its motif and form;
// skills of one tree that share both are told apart by a variant mark (a
// ring, sparks, a frame...).
#pragma once

#include <QImage>
#include <string_view>
#include <vector>

#include "assets/PictureList.h"
#include "core/Classes.h"
#include "skilltrees/ClassData.h"

namespace forge {

enum class Element { None, Fire, Cold, Lightning, Poison, Bone };

enum class Motif {
  // The elements, each in its own colours and shape on every class.
  Flame,
  Frost,
  Lightning,
  Poison,
  Bone,
  // Kinds of things, in their own materials or the class's colour.
  Skull,
  Mage,
  Figure,
  Golem,
  Blood,
  Hand,
  Eye,
  Swirl,
  Thorns,
  Target,
  Hourglass,
  BrokenShield,
  Spear,
  Sword,
  Axe,
  Mace,
  Polearm,
  Knife,
  Arrow,
  Magic,
  Valkyrie,
  Heart,
  Shield,
  Boot,
  Prism,
  Warcry,
  Potion,
  Chest,
  Banner,
  Totem,
  Horn,
  Fist,
  Leap,
  Stun,
  Whirl,
  Cross,
  Holy,
  Hammer,
  Heal,
  Chalice,
  Moon,
  Ankh,
  Portal,
  Wolf,
  Rage,
  Rune,
};

enum class Form {
  Plain,    // the motif alone
  Missile,  // flying, with a trail
  Orb,      // a glowing sphere
  Nova,     // a ring of small ones
  Wall,     // a row standing on the ground
  Armor,    // a breastplate of it
  Mastery,  // before a radiant star
  Arrow,    // at the head of an arrow
  Javelin,  // at the head of a javelin
  Strike,   // at a weapon's point as it hits
  Aura,     // inside a ring of light
  Resist,   // on a shield
  Storm,    // falling from a cloud
  Burst,    // in an explosion
  Chain,    // leaping from one foe to the next
  Meteor,   // a burning rock falling
  Hydra,    // a three-headed serpent
  Spear,    // a spear made of it
  Cage,     // a cage made of it
  Spirit,   // a skull spirit trailing it
  Raise,    // rising from a grave
  Sparks,   // scattering small ones
  Field,    // crackling on the ground
  Stream,   // a spreading jet
  Trail,    // a trail on the ground
  Enchant,  // wreathing a sword
  Spike,    // a great shard
  Golem,    // a golem made of it
  Cloud,    // a cloud of it
  Fan,      // three at once, fanned
  Twin,     // two at once
  Guided,   // following a curved path to its mark
  Rain,     // a volley of small ones
  Dagger,   // dripping from a dagger
  Fangs,    // a spray of teeth
  Leaping,  // brought down on a foe at the end of a leap
};

// Marks that set apart skills of a tree sharing a motif and form: none, a
// ring, corner sparks, a small twin, rays, a frame, a dotted ring, a diamond,
// a double ring, bars at the sides. Ten, enough for a whole tree.
constexpr int kVariants = 10;

struct Glyph {
  Motif motif = Motif::Rune;
  Form form = Form::Plain;
  int variant = 0;
  bool operator==(const Glyph&) const = default;
};

// The element a motif shows; Element::None for kinds of things.
Element ElementOf(Motif motif);

// The glyph of skill `index` (0 to 9) of the tree with this code; the rune
// for a skill the table does not know.
Glyph GlyphOf(std::string_view treeCode, int index);

// The glyphs of a tree's skills in order.
std::vector<Glyph> TreeGlyphs(const korvinth::TreeDef& tree);

// Icons are drawn at the size the class window shows them.
constexpr int kIconWidth = korvinth::kSkillIconWidth;
constexpr int kIconHeight = korvinth::kSkillIconHeight;

// A skill icon: the glyph on the tree's background in a bevel, with the
// skill's initials at the lower right.
QImage SkillIcon(std::string_view treeCode, std::string_view name, const Glyph& glyph);
// The same picture without the initials.
QImage SkillPicture(std::string_view treeCode, const Glyph& glyph);
// The initials of a skill's name alone, as the icon carries them: light
// letters of whole pixels in a dark halo, transparent elsewhere.
QImage InitialsStamp(std::string_view name);
// A motif alone on a transparent canvas of the icon's size, as a tree of
// this code draws it.
QImage MotifPicture(Motif motif, std::string_view treeCode);

// The class's 30 icons as the window shows them, enlarged and at 100%, each
// on its row's band colour with its name under it.
QImage ContactSheet(const korvinth::ClassInfo& info);

}  // namespace forge
