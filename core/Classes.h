// The five classes in one table: every list of the classes in the program
// (windows, lookups, portraits, generator options, export lines) is read
// from here. Plain constant data without Qt, so that every layer and the
// picture forge can read it.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>

namespace korvinth {

// The classes in the table's order.
enum class ClassId : std::size_t { Amazon, Barbarian, Necromancer, Paladin, Sorceress };

struct ClassInfo {
  ClassId id;
  std::string_view name;     // "Necromancer": lbl_Char, the export's class line, the generator's choice
  std::string_view window;   // "frm_NecroSkill": the class window, also looked up by this name
  std::string_view caption;  // the class window's title
  // Tree codes of the panels left, middle and right; the popup and the
  // statistics window key on them, and each has a statistics table.
  std::array<std::string_view, 3> trees;
  std::string_view portrait;         // the still portrait's picture
  std::string_view animationFile;    // the animated portrait in the program's folder
  std::string_view animationTag;     // AnimClass while it plays, and the end of its timer's name
  std::string_view generatorOption;  // the generator's option button for the class
};

// Left to right on the start window; the generator lists its options and
// splits its roll of 1 to 999 in the same order.
inline constexpr std::array<ClassInfo, 5> kClasses{{
    {ClassId::Amazon,
     "Amazon",
     "frm_AmazonSkill",
     "Diablo II Korvinth (Amazon)",
     {"AmazonJS", "AmazonPM", "AmazonBC"},
     "portrait_amazon",
     "amazonmove.gif",
     "Amazon",
     "opt_Amazon"},
    {ClassId::Barbarian,
     "Barbarian",
     "frm_BarbarianSkill",
     "Diablo II Korvinth (Barbarian)",
     {"BarBarCM", "BarBarWC", "BarBarCS"},
     "portrait_barbarian",
     "barbarianmove.gif",
     "Barbarian",
     "opt_Barbarian"},
    // The Necromancer's portrait plays as "Necro", under tim_AnimateNecro.
    {ClassId::Necromancer,
     "Necromancer",
     "frm_NecroSkill",
     "Diablo II Korvinth (Necromancer)",
     {"NecroSummon", "NecroBone", "NecroCurse"},
     "portrait_necromancer",
     "necromancermove.gif",
     "Necro",
     "opt_Necromancer"},
    // "Opt_Paladin" is the one option whose name starts in capitals; kept so.
    {ClassId::Paladin,
     "Paladin",
     "frm_Paladin",
     "Diablo II Korvinth (Paladin)",
     {"PaladinOff", "PaladinCom", "PaladinDef"},
     "portrait_paladin",
     "paladinmove.gif",
     "Paladin",
     "Opt_Paladin"},
    {ClassId::Sorceress,
     "Sorceress",
     "frm_Sorceress",
     "Diablo II Korvinth (Sorceress)",
     {"SorcFire", "SorcLight", "SorcCold"},
     "portrait_sorceress",
     "sorceressmove.gif",
     "Sorceress",
     "opt_Sorceress"},
}};

constexpr std::size_t Index(ClassId id) { return static_cast<std::size_t>(id); }
constexpr const ClassInfo& ClassOf(ClassId id) { return kClasses[Index(id)]; }

// A list of the classes in an order of its own: every class exactly once.
using ClassOrder = std::array<ClassId, kClasses.size()>;

constexpr bool IsClassOrder(const ClassOrder& order) {
  std::array<int, kClasses.size()> seen{};
  for (ClassId id : order) {
    if (Index(id) >= seen.size() || seen[Index(id)]++ != 0) return false;
  }
  return true;
}

namespace class_table_checks {
constexpr bool IdsFollowTheTable() {
  for (std::size_t i = 0; i < kClasses.size(); ++i) {
    if (Index(kClasses[i].id) != i) return false;
  }
  return true;
}
// Window names, class names and tree codes are what the program looks
// classes up by.
constexpr bool KeysAreUnique() {
  constexpr std::size_t kTrees = std::tuple_size_v<decltype(ClassInfo::trees)>;
  for (std::size_t i = 0; i < kClasses.size() * kTrees; ++i) {
    const std::string_view code = kClasses[i / kTrees].trees[i % kTrees];
    if (code.empty()) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (code == kClasses[j / kTrees].trees[j % kTrees]) return false;
    }
  }
  for (std::size_t i = 0; i < kClasses.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (kClasses[i].window == kClasses[j].window || kClasses[i].name == kClasses[j].name) return false;
    }
  }
  return true;
}
}  // namespace class_table_checks
static_assert(class_table_checks::IdsFollowTheTable(), "each class stands at the place of its ClassId");
static_assert(class_table_checks::KeysAreUnique(), "window names, class names and tree codes are unique");

}  // namespace korvinth
