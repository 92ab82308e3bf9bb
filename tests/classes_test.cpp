// The rules that differ between the five class windows: the refusals that
// name a prerequisite, the tiers, undo of names that begin other names, the
// two groups of undo texts, the Javelin and Spear thresholds and a random fill
// of every class.
#include <gtest/gtest.h>

#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "skilltrees/ClassWindow.h"
#include "tests/support/Planner.h"

namespace {

using korvinth::ClassWindow;
using korvinth::mod_Misc;

struct Window {
  const char* name;
  forms::FormRef<ClassWindow>* ref;
};
const Window kWindows[] = {{"Necromancer", &korvinth::frm_NecroSkill},
                           {"Amazon", &korvinth::frm_AmazonSkill},
                           {"Barbarian", &korvinth::frm_BarbarianSkill},
                           {"Paladin", &korvinth::frm_Paladin},
                           {"Sorceress", &korvinth::frm_Sorceress}};

ClassWindow& Open(int window) { return **kWindows[window].ref; }

const QString kNeeds = QStringLiteral("Not available yet, you must have at least one skill point in ");

class Classes : public testing_support::PlannerTest {
 protected:
  static QString Notice(ClassWindow& w) {
    return w.lbl_UnAvail->Visible() ? w.lbl_UnAvail->Caption() : QString();
  }
  static QString LastLine(ClassWindow& w) {
    return w.lb_SkillsPerLevel->List(w.lb_SkillsPerLevel->ListCount() - 1);
  }
};

// Refusals read from the classes' own rules: the skill clicked with the given
// skills of its tree holding a point, at a level where every tier is open.
struct Refusal {
  int window;
  int tree;
  int index;
  std::vector<int> held;
  const char* named;  // nullptr: the point is taken
};

class NamedPrerequisites : public Classes, public ::testing::WithParamInterface<Refusal> {};

TEST_P(NamedPrerequisites, FirstMissingOneIsNamed) {
  const Refusal& r = GetParam();
  ClassWindow& w = Open(r.window);
  mod_Misc.LevelUps = 40;
  for (int i : r.held) w.trees[r.tree].lbl[i]->SetCaption("1");
  w.img_Tree_Click(r.tree, static_cast<std::int16_t>(r.index));
  if (r.named) {
    EXPECT_EQ(Notice(w), kNeeds + r.named);
  } else {
    EXPECT_EQ(mod_Misc.LevelUps, 41);
    EXPECT_TRUE(LastLine(w).endsWith(QStringLiteral(": ") +
                                     QString::fromLatin1(w.trees[r.tree].def->skills[r.index].name.data())));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Parts, NamedPrerequisites,
    ::testing::Values(
        // Amazon (Javelin and Spear, Passive and Magic, Bow and Crossbow)
        Refusal{1, 0, 6, {}, "Lightning Bolt"}, Refusal{1, 0, 6, {4}, nullptr},
        Refusal{1, 0, 5, {}, "Power Strike"}, Refusal{1, 0, 5, {1}, "Lightning Bolt"},
        Refusal{1, 2, 4, {}, "Fire Arrow"}, Refusal{1, 2, 4, {1}, "Multi-Shot Arrow"},
        Refusal{1, 2, 6, {}, "Cold Arrow"}, Refusal{1, 1, 8, {}, "Duplicate"}, Refusal{1, 1, 8, {6}, "Evade"},
        Refusal{1, 2, 3, {}, "Magic Arrow"},
        // Barbarian (Combat Masteries, Warcries, Combat Skills)
        Refusal{2, 2, 5, {}, "Leap"}, Refusal{2, 2, 8, {}, "Leap Attack"},
        Refusal{2, 2, 8, {5}, "Concentrate"}, Refusal{2, 1, 8, {}, "Battlecry"},
        Refusal{2, 1, 8, {5}, "Battle Orders"}, Refusal{2, 1, 2, {}, "Howl"}, Refusal{2, 1, 3, {}, "Howl"},
        Refusal{2, 2, 2, {}, "Bash"}, Refusal{2, 0, 7, {}, nullptr},
        // Paladin (Offensive Auras, Combat Skills, Defensive Auras)
        Refusal{3, 0, 7, {5}, "Thorns"}, Refusal{3, 0, 7, {2}, "Holy Freeze"},
        Refusal{3, 1, 7, {}, "Vengeance"}, Refusal{3, 1, 9, {}, "Blessed Hammer"},
        Refusal{3, 1, 9, {6}, "Conversion"}, Refusal{3, 0, 1, {}, "Might"}, Refusal{3, 2, 9, {}, nullptr},
        // Sorceress (Fire, Lightning, Cold)
        Refusal{4, 2, 6, {5}, "Frost Nova"}, Refusal{4, 2, 6, {2}, "Clacier Spike"},
        Refusal{4, 1, 8, {}, "Teleport"}, Refusal{4, 1, 7, {}, "Nova"}, Refusal{4, 0, 7, {}, "Fireball"},
        Refusal{4, 0, 6, {}, "Warmth"}, Refusal{4, 2, 4, {}, "Frozen Armor"},
        Refusal{4, 2, 3, {}, "Ice Bolt"}, Refusal{4, 1, 9, {}, nullptr}));

TEST_F(Classes, ConversionLinesUseTheSkillsOwnSpelling) {
  ClassWindow& w = Open(3);
  mod_Misc.LevelUps = 40;
  w.img_Tree_Click(1, 0);  // Sacrafice
  w.img_Tree_Click(1, 3);  // Zeal
  w.img_Tree_Click(1, 5);
  EXPECT_EQ(LastLine(w), "Clvl 44 Slvl 1: Vengance");
  w.img_Tree_Click(1, 7);
  EXPECT_EQ(LastLine(w), "Clvl 45 Slvl 1: Conversion");
  w.lbl_UndoLast_Click();
  w.lbl_UndoLast_Click();
  EXPECT_EQ(w.trees[1].lbl[5]->Caption(), "0");
}

TEST_F(Classes, EveryTierOpensOneLevelEarlyInEveryWindow) {
  // For each window and row, a skill of the row with its prerequisites held:
  // refused two levels below the row, taken one level below it.
  for (int window = 0; window < 5; ++window) {
    for (int t = 0; t < 3; ++t) {
      for (int row : {6, 12, 18, 24, 30}) {
        testing_support::ResetProgram();
        ClassWindow& w = Open(window);
        const auto& skills = w.trees[t].def->skills;
        int index = -1;
        for (int i = 0; i < 10 && index < 0; ++i) {
          if (skills[static_cast<std::size_t>(i)].level == row) index = i;
        }
        if (index < 0) continue;
        for (auto* label : w.trees[t].lbl) label->SetCaption("1");
        w.trees[t].lbl[index]->SetCaption("0");
        mod_Misc.LevelUps = static_cast<std::int16_t>(row - 3);
        w.img_Tree_Click(t, static_cast<std::int16_t>(index));
        EXPECT_EQ(Notice(w),
                  QString("Not available yet, you must be character level %1 first (or just getting "
                          "level %1).")
                      .arg(row))
            << kWindows[window].name << " " << skills[static_cast<std::size_t>(index)].name;
        mod_Misc.LevelUps = static_cast<std::int16_t>(row - 2);
        w.img_Tree_Click(t, static_cast<std::int16_t>(index));
        EXPECT_EQ(w.trees[t].lbl[index]->Caption(), "1") << kWindows[window].name;
      }
    }
  }
}

TEST_F(Classes, UndoFindsTheLongerNameFirst) {
  struct Case {
    int window, tree, longer, shorter;
    const char* line;
  };
  for (const Case& c :
       {Case{2, 2, 5, 1, "Clvl 20 Slvl 1: Leap Attack"}, Case{2, 2, 1, 5, "Clvl 20 Slvl 1: Leap"},
        Case{4, 1, 9, 4, "Clvl 31 Slvl 1: Lightning Mastery"}, Case{4, 1, 4, 9, "Clvl 31 Slvl 1: Lightning"},
        Case{4, 1, 5, 4, "Clvl 31 Slvl 1: Chain Lightning"}}) {
    testing_support::ResetProgram();
    ClassWindow& w = Open(c.window);
    w.trees[c.tree].lbl[c.longer]->SetCaption("3");
    w.trees[c.tree].lbl[c.shorter]->SetCaption("3");
    mod_Misc.LevelUps = 19;
    w.lb_SkillsPerLevel->AddItem(QString::fromLatin1(c.line));
    w.lbl_UndoLast_Click();
    EXPECT_EQ(w.trees[c.tree].lbl[c.longer]->Caption(), "2") << c.line;
    EXPECT_EQ(w.trees[c.tree].lbl[c.shorter]->Caption(), "3") << c.line;
  }
}

TEST_F(Classes, UndoTextsFormTwoGroups) {
  for (int window = 0; window < 5; ++window) {
    testing_support::ResetProgram();
    ClassWindow& w = Open(window);
    const bool necroOrPaladin = window == 0 || window == 3;
    w.img_Tree_Click(0, 0);
    w.lbl_UndoLast_Click();
    EXPECT_EQ(w.lbl_SkillLevel->Caption(), necroOrPaladin ? "Skill Points:  0" : "Skill Level  0")
        << kWindows[window].name;
    mod_Misc.LevelUps = 2;
    mod_Misc.CurrentTree = QString::fromLatin1(w.trees[0].def->code.data());
    korvinth::ReserveSkillPoint();
    EXPECT_EQ(LastLine(w), "Clvl 4 Reserved For Later ");
    w.lbl_UndoLast_Click();
    EXPECT_EQ(w.lbl_SkillLevel->Caption(), necroOrPaladin ? "Skill Level  2" : "Skill Points:  2")
        << kWindows[window].name;
    EXPECT_EQ(w.lbl_CharLevel->Caption(), "Level 3");
  }
}

TEST_F(Classes, JavelinAndSpearOffersDenOfEvilLater) {
  ClassWindow& w = Open(1);
  mod_Misc.DenOfEvilUses = 1;
  mod_Misc.LevelUps = 23;  // level 24
  forms::MouseArgs right;
  right.button = forms::kRightButton;
  w.img_Tree_MouseDown(0, 0, right);
  EXPECT_FALSE(desktop.popups.back().captions.contains("&Den Of Evil (Normal)"));
  w.img_Tree_MouseDown(1, 0, right);
  EXPECT_TRUE(desktop.popups.back().captions.contains("&Den Of Evil (Normal)"));
  EXPECT_EQ(mod_Misc.CurrentTree, "AmazonPM");
  mod_Misc.LevelUps = 24;  // level 25
  w.img_Tree_MouseDown(0, 0, right);
  EXPECT_TRUE(desktop.popups.back().captions.contains("&Den Of Evil (Normal)"));
  EXPECT_EQ(mod_Misc.CurrentTree, "AmazonJS");
}

TEST_F(Classes, TreeCodesOfTheRightPressAreTheStatisticsKeys) {
  const char* const codes[5][3] = {{"NecroSummon", "NecroBone", "NecroCurse"},
                                   {"AmazonJS", "AmazonPM", "AmazonBC"},
                                   {"BarBarCM", "BarBarWC", "BarBarCS"},
                                   {"PaladinOff", "PaladinCom", "PaladinDef"},
                                   {"SorcFire", "SorcLight", "SorcCold"}};
  forms::MouseArgs right;
  right.button = forms::kRightButton;
  for (int window = 0; window < 5; ++window) {
    for (int t = 0; t < 3; ++t) {
      Open(window).img_Tree_MouseDown(t, 2, right);
      EXPECT_EQ(mod_Misc.CurrentTree, codes[window][t]);
    }
  }
}

TEST_F(Classes, RandomFillOfEveryClass) {
  for (int window = 0; window < 5; ++window) {
    testing_support::ResetProgram();
    desktop.boxes.clear();
    mod_Misc.RandomClassRoll = korvinth::kChosenClassRoll;
    mod_Misc.RandomPointsLeft = 40;
    mod_Misc.RandomRunning = korvinth::kTrue;
    ClassWindow& w = Open(window);
    EXPECT_EQ(w.lbl_CharLevel->Caption(), "Level 40") << kWindows[window].name;
    EXPECT_EQ(w.lb_SkillsPerLevel->ListCount(), 39);
    for (auto& tree : w.trees) EXPECT_EQ(tree.lbl[9]->Caption(), "0");
    EXPECT_EQ(desktop.boxes.size(), 1U);
  }
}

TEST_F(Classes, CaptionsAndHeadingsOfEachWindow) {
  const char* const headings[5][3] = {{"Summon Skills", "Poison / Bone Skills", "Curse Skills"},
                                      {"Javelin + Spear", "Passive + Magic", "Bow + CrossBow"},
                                      {"Combat Masteries", "Warcries", "Combat Skills"},
                                      {"OFFENSIVE AURAS", "COMBAT SKILLS", "DEFENSIVE AURAS"},
                                      {"FIRE BASED", "LIGHTNING BASED", "COLD BASED"}};
  for (int window = 0; window < 5; ++window) {
    ClassWindow& w = Open(window);
    EXPECT_EQ(w.Caption(), QString("Diablo II Korvinth (%1)").arg(kWindows[window].name));
    EXPECT_EQ(w.lbl_Char->Caption(), kWindows[window].name);
    for (int t = 0; t < 3; ++t) EXPECT_EQ(w.lbl_Heading[t]->Caption(), headings[window][t]);
  }
  EXPECT_EQ(Open(1).lbl_Char->Left(), 1110);
  EXPECT_EQ(Open(2).lbl_Char->Left(), 1140);
  EXPECT_EQ(Open(1).img_CommandColumn->Name(), "img_MenuBack");
  EXPECT_EQ(Open(4).img_CommandColumn->Name(), "img_ButtonBack");
}

TEST_F(Classes, MultiShotArrowCarriesItsNote) {
  ClassWindow& w = Open(1);
  w.img_Tree_MouseMove(2, 3);
  const QStringList lines = w.lbl_Description->Caption().split("\r\n");
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0], "Multi-Shot Arrow");
  EXPECT_EQ(lines[2],
            "NOTE: Only one arrow will hit a single target.  No 6 arrows at a single monster kill.");
  w.img_Tree_MouseMove(2, 2);
  EXPECT_EQ(w.lbl_Description->Caption().split("\r\n").size(), 3);
}

}  // namespace
