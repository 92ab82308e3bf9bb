// The skill icons: which picture a skill's name calls for, and how it is
// drawn.
//
// A picture is a motif (what the skill is of: an element such as flame or
// frost, or a kind of thing such as a sword, a skull or an eye) in a form
// (how the skill uses it: a bolt, a nova ring, a wall, an armour, a mastery's
// star...). Both come from the skill's name, read against keyword tables
// strongest word first. Skills of one tree that still call for the same motif
// and form are told apart by a variant mark (a ring, sparks, a frame...).
#pragma once

#include <QImage>
#include <span>
#include <string_view>
#include <vector>

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

// The motif and form a skill's name calls for (variant 0). `treeCode` gives
// the default form of a tree whose skills are all of one kind (the Paladin's
// auras).
Glyph GlyphFor(std::string_view name, std::string_view treeCode);

// The glyphs of a tree's skills in order: a skill that calls for the motif
// and form of an earlier skill of the tree takes the next variant.
std::vector<Glyph> TreeGlyphs(std::span<const std::string_view> names, std::string_view treeCode);
std::vector<Glyph> TreeGlyphs(const korvinth::TreeDef& tree);

// A skill icon, 48 x 49 (the window shows it at 36 x 37): the glyph on the
// tree's background in a bevel, with the skill's initials at the lower right.
QImage SkillIcon(std::string_view treeCode, std::string_view name, const Glyph& glyph);
// The same picture without the initials.
QImage SkillPicture(std::string_view treeCode, const Glyph& glyph);
// A motif alone on a transparent 48 x 49 canvas, as a tree of this code
// draws it.
QImage MotifPicture(Motif motif, std::string_view treeCode);

// The class's 30 icons at the size the window shows them, enlarged, each on
// its row's band colour with its name under it.
QImage ContactSheet(const korvinth::ClassInfo& info);

}  // namespace forge
