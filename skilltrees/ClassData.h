// The data that turns the one class window design into a class's window.
//
// Everything here is plain constant data, one file per class under
// skilltrees/classes/. The shared handlers read it and hold no class-specific
// code. Coordinates are twips (15 twips = 1 pixel) from the top left corner of
// the client area.
#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <span>
#include <string_view>
#include <tuple>

#include "core/Classes.h"

namespace korvinth {

struct TwipsPoint {
  int left = 0;
  int top = 0;
};

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;   // 0: keep the frame's default width
  int height = 0;  // 0: keep the frame's default height
};

// One prerequisite of a skill: a skill of the same tree that must hold at
// least one point. `messageName` is the name the refusal names; it is usually
// the prerequisite's own skill name, but a few windows spell it apart.
struct Prerequisite {
  int index = -1;  // -1: no prerequisite in this slot
  std::string_view messageName;
};

struct SkillDef {
  // The name exactly as the history line writes it after ": "; it also heads
  // the hover text and is what undo searches for.
  std::string_view name;
  int level = 1;                                // opening character level: 1, 6, 12, 18, 24 or 30
  std::array<Prerequisite, 2> prerequisites{};  // in test order
  TwipsPoint icon;                              // Left, Top of img_<Tree>(Index), 540 x 555 twips
  TwipsPoint label;                             // Left, Top of lbl_<Tree>(Index), 225 x 225 twips
  std::string_view tooltip;
  std::string_view description;  // the tag line, then the prose
  std::string_view note;         // an extra hover line; empty for none
};

struct TreeDef {
  std::string_view code;       // tree code written into CurrentTree ("NecroBone")
  std::string_view arrayName;  // control arrays img_<arrayName>, lbl_<arrayName>
  std::string_view heading;    // caption of the panel's heading label
  // Den Of Evil offer levels for 2, 1 and 0 uses taken (one tree differs).
  std::array<int, 3> denOfEvilLevels{35, 24, 3};
  std::array<SkillDef, 10> skills{};
  // Order in which undo tests this tree's skill names: a name that begins
  // another name of the tree comes after the longer one.
  std::array<int, 10> undoOrder{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
};

// A prerequisite connector, drawn in the point labels' colour.
struct Connector {
  std::string_view name;  // "Line7(0)"
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
};

// An arrowhead picture on a connector: 345 x 375 twips pointing down, or
// 315 x 315 twips pointing right.
struct Arrowhead {
  std::string_view name;  // "Image3(2)"
  int left = 0;
  int top = 0;
  bool pointsRight = false;
};

// A level band behind one row of icons, 10155 x 675 twips, solid fill.
struct Band {
  int left = 0;
  int top = 0;
  std::uint32_t rgb = 0;  // 0xRRGGBB
};

// A common control of the frame that this window places apart from the
// frame's defaults (which are the Necromancer window's places).
struct Placement {
  std::string_view control;  // "lbl_Save", "img_MenuBack", "lbl_Summon", ...
  TwipsRect rect;
};

// A class's window; its names and tree codes stand in the table of the
// classes (core/Classes.h).
struct ClassDef {
  bool charCentred = false;            // lbl_Char alignment
  std::string_view commandColumnName;  // "img_ButtonBack" or "img_MenuBack"
  std::string_view bottomPanelName;    // "Image12" or "Image10"
  // Shape6 (level 1 row) first, Shape1 (level 30 row) last.
  std::array<Band, 6> bands{};
  // Panels left, middle, right: also the random buckets 1, 2, 3 and the order
  // in which undo tests the trees.
  std::array<TreeDef, std::tuple_size_v<decltype(ClassInfo::trees)>> trees{};
  std::span<const Connector> connectors;
  std::span<const Arrowhead> arrowheads;
  std::span<const Placement> placements;
  // lbl_SkillLevel texts that undo writes; the windows form two groups.
  std::string_view reserveUndoText;  // after a ReserveTakenLine
  std::string_view levelUndoText;    // after a LevelUpLine
};

extern const ClassDef kNecromancer;
extern const ClassDef kAmazon;
extern const ClassDef kBarbarian;
extern const ClassDef kPaladin;
extern const ClassDef kSorceress;

// The data of each class of the table, in the table's order; the classes'
// tests check that each holds its class's tree codes.
inline constexpr const ClassDef* kClassDefs[] = {&kAmazon, &kBarbarian, &kNecromancer, &kPaladin,
                                                 &kSorceress};
static_assert(std::size(kClassDefs) == kClasses.size(), "every class has its data");

constexpr const ClassDef& ClassDefOf(ClassId id) { return *kClassDefs[Index(id)]; }

}  // namespace korvinth
