// Thousands of seeded random user actions on every class window, with the
// plan's invariants checked after each one. Replay a failure with
// KORVINTH_SOAK_SEED=<seed printed in the failure>.
#include <gtest/gtest.h>

#include <QDir>
#include <random>

#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "core/Quests.h"
#include "skilltrees/ClassWindow.h"
#include "tests/support/Planner.h"

namespace {

using korvinth::ClassId;
using korvinth::ClassWindow;
using korvinth::mod_Misc;
using korvinth::Quest;

std::uint32_t SeedFromEnvironment() {
  const QByteArray text = qgetenv("KORVINTH_SOAK_SEED");
  return text.isEmpty() ? 20261210U : static_cast<std::uint32_t>(text.toULong());
}

class Soak : public testing_support::PlannerTest, public ::testing::WithParamInterface<ClassId> {
 protected:
  // The invariants of a plan, read back from the window and the shared state.
  void CheckInvariants(ClassWindow& w) {
    int points = 0;
    for (auto& tree : w.trees) {
      for (auto* label : tree.lbl) {
        const int value = label->Caption().toInt();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 20);
        points += value;
      }
    }
    const QStringList lines = w.lb_SkillsPerLevel->Lines();
    int taken = 0, spent = 0, levelUps = 0;
    int quest[3] = {0, 0, 0};
    for (const QString& line : lines) {
      if (line.contains("Reserved For Later")) {
        ++taken;
      } else if (line.contains("Reserved Slvl")) {
        ++spent;
      } else if (line.contains("Den Of Evil:")) {
        ++quest[0];
      } else if (line.contains("Book of Skill")) {
        ++quest[1];
      } else if (line.contains("Izual Quest Point:")) {
        ++quest[2];
      } else {
        ASSERT_TRUE(line.startsWith("Clvl ")) << line.toStdString();
        ++levelUps;
      }
    }
    ASSERT_LE(mod_Misc.LevelUps + 1, 99);
    ASSERT_EQ(lines.size(), points + taken);
    ASSERT_EQ(mod_Misc.LevelUps, levelUps + taken);
    ASSERT_EQ(mod_Misc.ReservedPoints, taken - spent);
    for (int q = 0; q < 3; ++q) {
      const Quest quest_ = korvinth::kQuests[q];
      const int uses = korvinth::QuestUses(quest_);
      ASSERT_EQ(uses, quest[q]);
      ASSERT_GE(uses, 0);
      ASSERT_LE(uses, korvinth::QuestMaxUses(quest_));
      ASSERT_EQ(korvinth::QuestPending(quest_), 0);
      // The caption names the next use's difficulty (the last one once all are taken).
      const int next = std::min(uses, korvinth::QuestMaxUses(quest_) - 1);
      const QString caption = korvinth::QuestItem(quest_).Caption();
      ASSERT_TRUE(caption == *korvinth::QuestCaption(quest_, next, korvinth::Writer::Window) ||
                  caption == *korvinth::QuestCaption(quest_, next, korvinth::Writer::QuestProcedure))
          << caption.toStdString() << " after " << uses;
    }
    ASSERT_EQ(mod_Misc.UseReserve, 0);
  }
};

TEST_P(Soak, RandomActionsKeepThePlanConsistent) {
  // Each class plays on a seed of its own, the given one plus its place in the table.
  const auto offset = static_cast<std::uint32_t>(korvinth::Index(GetParam()));
  const std::uint32_t seed = SeedFromEnvironment() + offset;
  SCOPED_TRACE(::testing::Message() << "KORVINTH_SOAK_SEED=" << seed - offset << " class "
                                    << korvinth::ClassOf(GetParam()).name);
  std::mt19937 random(seed);
  auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<std::uint32_t>(n)); };
  forms::FormRef<ClassWindow>& ref = korvinth::ClassWindowOf(GetParam());
  const char* const items[] = {"mnu_ReservePoint",
                               "mnu_UseReserve",
                               "mnu_DenOfEvil",
                               "mnu_BookOfSkill",
                               "mnu_DeathOfIzual",
                               "mnu_SkillInfo",
                               ""};
  for (int step = 0; step < 4000; ++step) {
    ClassWindow& w = *ref;
    const int action = pick(100);
    const int tree = pick(3);
    const auto index = static_cast<std::int16_t>(pick(10));
    if (action < 55) {
      w.img_Tree_Click(tree, index);
    } else if (action < 80) {
      desktop.menuChoices.push_back(items[pick(7)]);
      forms::MouseArgs right;
      right.button = forms::kRightButton;
      w.img_Tree_MouseDown(tree, index, right);
      if (!desktop.menuChoices.empty()) desktop.menuChoices.clear();  // the item was not shown
    } else if (action < 93) {
      w.lbl_UndoLast_Click();
    } else if (action < 96) {
      w.img_Tree_MouseMove(tree, index);
      w.Form_MouseMove({});
    } else if (action < 97) {
      w.lbl_Reset_Click();
    } else if (action < 98) {
      desktop.inputAnswers.push_back(QString("soak"));
      w.lbl_Save_Click();
    } else {
      w.lbl_ChangeClass_Click();  // the next step loads the window afresh
      continue;
    }
    CheckInvariants(w);
    if (HasFatalFailure()) {
      ADD_FAILURE() << "after step " << step << " (action " << action << ")";
      return;
    }
  }
  // Undoing the whole history brings every counter and label back to zero.
  ClassWindow& w = *ref;
  while (w.lb_SkillsPerLevel->ListCount() > 0) w.lbl_UndoLast_Click();
  EXPECT_EQ(mod_Misc.LevelUps, 0);
  EXPECT_EQ(mod_Misc.ReservedPoints, 0);
  EXPECT_EQ(mod_Misc.DenOfEvilUses + mod_Misc.BookOfSkillUses + mod_Misc.DeathOfIzualUses, 0);
  for (auto& tree : w.trees) {
    for (auto* label : tree.lbl) EXPECT_EQ(label->Caption(), "0");
  }
  EXPECT_TRUE(desktop.boxes.empty() || desktop.boxes.back().title != "No Longer valid");
}

INSTANTIATE_TEST_SUITE_P(Classes, Soak,
                         ::testing::Values(ClassId::Amazon, ClassId::Barbarian, ClassId::Necromancer,
                                           ClassId::Paladin, ClassId::Sorceress),
                         [](const auto& info) { return std::string(korvinth::ClassOf(info.param).name); });

}  // namespace
