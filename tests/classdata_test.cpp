// Consistency of the five classes' data: the faults a slip in a table would
// cause (a skill in the wrong row, a prerequisite out of its tree, an undo
// order that lets a short name swallow a longer one).
#include "skilltrees/ClassData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using korvinth::ClassDef;
using korvinth::ClassInfo;
using korvinth::kClassDefs;

std::string_view Name(const ClassDef& def) {
  for (const ClassInfo& info : korvinth::kClasses) {
    if (&korvinth::ClassDefOf(info.id) == &def) return info.name;
  }
  return "?";
}

constexpr int kRowTops[] = {390, 1200, 2010, 2850, 3705, 4530};
constexpr int kRowLevels[] = {1, 6, 12, 18, 24, 30};

int RowOf(int level) {
  for (int i = 0; i < 6; ++i) {
    if (kRowLevels[i] == level) return i;
  }
  return -1;
}

TEST(ClassData, SkillsStandInTheRowOfTheirLevel) {
  for (const ClassDef* c : kClassDefs) {
    for (const auto& tree : c->trees) {
      for (const auto& skill : tree.skills) {
        const int row = RowOf(skill.level);
        ASSERT_GE(row, 0) << skill.name;
        EXPECT_LE(std::abs(skill.icon.top - kRowTops[row]), 30) << Name(*c) << " " << skill.name;
        const int dx = skill.label.left - skill.icon.left;
        const int dy = skill.label.top - skill.icon.top;
        EXPECT_TRUE(dx >= 525 && dx <= 600 && dy >= 300 && dy <= 390) << skill.name;
      }
    }
  }
}

TEST(ClassData, PrerequisitesStayInTheirTreeAndOpenEarlier) {
  for (const ClassDef* c : kClassDefs) {
    for (const auto& tree : c->trees) {
      for (int i = 0; i < 10; ++i) {
        const auto& skill = tree.skills[static_cast<std::size_t>(i)];
        for (const auto& p : skill.prerequisites) {
          if (p.index < 0) continue;
          ASSERT_LT(p.index, 10) << skill.name;
          EXPECT_NE(p.index, i) << skill.name;
          EXPECT_LT(tree.skills[static_cast<std::size_t>(p.index)].level, skill.level) << skill.name;
          EXPECT_FALSE(p.messageName.empty()) << skill.name;
        }
        // A second prerequisite never stands alone.
        EXPECT_FALSE(skill.prerequisites[0].index < 0 && skill.prerequisites[1].index >= 0) << skill.name;
      }
    }
  }
}

TEST(ClassData, RefusalsNameThePrerequisiteExceptTheKnownSpellings) {
  // The two refusals that spell their prerequisite apart, kept on purpose.
  const std::set<std::string> exceptions = {"Conversion>Vengeance", "Blizzard>Clacier Spike"};
  for (const ClassDef* c : kClassDefs) {
    for (const auto& tree : c->trees) {
      for (const auto& skill : tree.skills) {
        for (const auto& p : skill.prerequisites) {
          if (p.index < 0) continue;
          const auto& named = tree.skills[static_cast<std::size_t>(p.index)].name;
          if (p.messageName == named) continue;
          EXPECT_TRUE(exceptions.count(std::string(skill.name) + ">" + std::string(p.messageName)))
              << skill.name << " names " << p.messageName;
        }
      }
    }
  }
}

TEST(ClassData, UndoFindsTheLongerNameFirst) {
  for (const ClassDef* c : kClassDefs) {
    std::vector<std::string> order;
    for (const auto& tree : c->trees) {
      std::vector<int> indices(tree.undoOrder.begin(), tree.undoOrder.end());
      std::sort(indices.begin(), indices.end());
      ASSERT_EQ(indices, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9})) << Name(*c);
      for (int i : tree.undoOrder)
        order.push_back(": " + std::string(tree.skills[static_cast<std::size_t>(i)].name));
    }
    // Whatever line a skill writes, the first skill text found in it is its own.
    for (std::size_t i = 0; i < order.size(); ++i) {
      for (std::size_t j = 0; j < i; ++j) {
        EXPECT_EQ(order[i].find(order[j]), std::string::npos)
            << Name(*c) << ": " << order[j] << " is tested before " << order[i];
      }
    }
  }
}

TEST(ClassData, EveryTreeHasADrawableFirstRowSkill) {
  // The random fill draws indices 0 to 8 and needs a skill it can always take.
  for (const ClassDef* c : kClassDefs) {
    for (const auto& tree : c->trees) {
      const bool any = std::any_of(tree.skills.begin(), tree.skills.begin() + 9, [](const auto& s) {
        return s.level == 1 && s.prerequisites[0].index < 0;
      });
      EXPECT_TRUE(any) << tree.code;
    }
  }
}

TEST(ClassData, TreeCodesAreTheFifteenKnownOnes) {
  std::set<std::string_view> codes;
  for (const ClassDef* c : kClassDefs) {
    for (const auto& tree : c->trees) codes.insert(tree.code);
  }
  const std::set<std::string_view> expected = {
      "NecroBone", "NecroCurse", "NecroSummon", "AmazonBC",   "AmazonJS", "AmazonPM", "BarBarCM", "BarBarCS",
      "BarBarWC",  "PaladinCom", "PaladinOff",  "PaladinDef", "SorcCold", "SorcFire", "SorcLight"};
  EXPECT_EQ(codes, expected);
}

// The windows, the popup and the statistics window find a class's trees by
// the codes of the table of the classes; its data must hold the same ones.
TEST(ClassData, EachClassHoldsTheTreesOfTheTable) {
  for (const ClassInfo& info : korvinth::kClasses) {
    const ClassDef& def = korvinth::ClassDefOf(info.id);
    for (std::size_t panel = 0; panel < info.trees.size(); ++panel) {
      EXPECT_EQ(def.trees[panel].code, info.trees[panel]) << info.name << ", panel " << panel;
    }
  }
}

TEST(ClassData, HoverTextsAreComplete) {
  for (const ClassDef* c : kClassDefs) {
    for (const auto& tree : c->trees) {
      for (const auto& skill : tree.skills) {
        EXPECT_GE(skill.description.size(), 60U) << skill.name;
        EXPECT_FALSE(skill.tooltip.empty()) << skill.name;
        EXPECT_EQ(skill.description.find('\n'), std::string_view::npos) << skill.name;
      }
    }
  }
}

}  // namespace
