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
inline constexpr std::array kClasses{
    ClassInfo{
        .id = ClassId::Amazon,
        .name = "Amazon",
        .window = "frm_AmazonSkill",
        .caption = "Diablo II Korvinth (Amazon)",
        .trees = {"AmazonJS", "AmazonPM", "AmazonBC"},
        .portrait = "portrait_amazon",
        .animationFile = "amazonmove.gif",
        .animationTag = "Amazon",
        .generatorOption = "opt_Amazon",
    },
    ClassInfo{
        .id = ClassId::Barbarian,
        .name = "Barbarian",
        .window = "frm_BarbarianSkill",
        .caption = "Diablo II Korvinth (Barbarian)",
        .trees = {"BarBarCM", "BarBarWC", "BarBarCS"},
        .portrait = "portrait_barbarian",
        .animationFile = "barbarianmove.gif",
        .animationTag = "Barbarian",
        .generatorOption = "opt_Barbarian",
    },
    ClassInfo{
        .id = ClassId::Necromancer,
        .name = "Necromancer",
        .window = "frm_NecroSkill",
        .caption = "Diablo II Korvinth (Necromancer)",
        .trees = {"NecroSummon", "NecroBone", "NecroCurse"},
        .portrait = "portrait_necromancer",
        .animationFile = "necromancermove.gif",
        // The Necromancer's portrait plays as "Necro", under tim_AnimateNecro.
        .animationTag = "Necro",
        .generatorOption = "opt_Necromancer",
    },
    ClassInfo{
        .id = ClassId::Paladin,
        .name = "Paladin",
        .window = "frm_Paladin",
        .caption = "Diablo II Korvinth (Paladin)",
        .trees = {"PaladinOff", "PaladinCom", "PaladinDef"},
        .portrait = "portrait_paladin",
        .animationFile = "paladinmove.gif",
        .animationTag = "Paladin",
        // The one option whose name begins with a capital; kept so.
        .generatorOption = "Opt_Paladin",
    },
    ClassInfo{
        .id = ClassId::Sorceress,
        .name = "Sorceress",
        .window = "frm_Sorceress",
        .caption = "Diablo II Korvinth (Sorceress)",
        .trees = {"SorcFire", "SorcLight", "SorcCold"},
        .portrait = "portrait_sorceress",
        .animationFile = "sorceressmove.gif",
        .animationTag = "Sorceress",
        .generatorOption = "opt_Sorceress",
    },
};

constexpr std::size_t Index(ClassId id) { return static_cast<std::size_t>(id); }
constexpr const ClassInfo& ClassOf(ClassId id) { return kClasses[Index(id)]; }

// Whether a list of the classes in an order of its own holds every class
// exactly once.
template <std::size_t N>
constexpr bool IsClassOrder(const ClassId (&order)[N]) {
  std::array<int, kClasses.size()> seen{};
  for (ClassId id : order) {
    if (Index(id) >= seen.size() || seen[Index(id)]++ != 0) return false;
  }
  return N == kClasses.size();
}

namespace class_table_checks {
constexpr bool IdsFollowTheTable() {
  for (std::size_t i = 0; i < kClasses.size(); ++i) {
    if (Index(kClasses[i].id) != i) return false;
  }
  return true;
}
constexpr bool FieldsAreFilled() {
  for (const ClassInfo& info : kClasses) {
    for (std::string_view field : {info.name, info.window, info.caption, info.portrait, info.animationFile,
                                   info.animationTag, info.generatorOption}) {
      if (field.empty()) return false;
    }
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
static_assert(class_table_checks::FieldsAreFilled(), "every class fills every field");
static_assert(class_table_checks::KeysAreUnique(), "window names, class names and tree codes are unique");

}  // namespace korvinth
