// The rules that differ between the five class windows: the refusals that
// name a prerequisite, the tiers, undo of names that begin other names, the
// two groups of undo texts, the Javelin and Spear thresholds, the panels the
// random fill's tree draws pick and a random fill of every class.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "skilltrees/ClassWindow.h"
#include "tests/support/CaseNames.h"
#include "tests/support/Planner.h"

namespace {

using korvinth::ClassId;
using korvinth::ClassWindow;
using korvinth::mod_Misc;

ClassWindow& Open(ClassId id) { return *korvinth::ClassWindowOf(id); }
const char* NameOf(ClassId id) { return korvinth::ClassOf(id).name.data(); }

// The panel of a window's tree by its code; -1 with a failure for a code the
// window does not have.
int PanelOf(const ClassWindow& w, std::string_view code) {
  for (int t = 0; t < 3; ++t) {
    if (w.trees[t].def->code == code) return t;
  }
  ADD_FAILURE() << w.Name() << " has no tree " << code;
  return -1;
}

// The index of a skill in a tree by its name; -1 with a failure for a name
// the tree does not have (an index that at() refuses).
int SkillOf(const ClassWindow::Tree& tree, std::string_view name) {
  for (int i = 0; i < 10; ++i) {
    if (tree.def->skills[static_cast<std::size_t>(i)].name == name) return i;
  }
  ADD_FAILURE() << tree.def->code << " has no skill " << name;
  return -1;
}

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
  ClassId window;
  const char* tree;  // the tree's code
  const char* skill;
  std::vector<const char*> held;
  const char* named;  // nullptr: the point is taken
};

void PrintTo(const Refusal& r, std::ostream* out) {
  *out << NameOf(r.window) << ' ' << r.tree << ' ' << r.skill << " holding {";
  for (const char* held : r.held) *out << ' ' << held;
  *out << " }";
}

std::string CaseName(const ::testing::TestParamInfo<Refusal>& info) {
  const Refusal& r = info.param;
  std::string held = r.held.empty() ? "Nothing" : "";
  for (const char* name : r.held) held += testing_support::CaseName({name});
  return testing_support::CaseName({NameOf(r.window), r.tree, r.skill, "Holding", held});
}

class NamedPrerequisites : public Classes, public ::testing::WithParamInterface<Refusal> {};

TEST_P(NamedPrerequisites, FirstMissingOneIsNamed) {
  const Refusal& r = GetParam();
  ClassWindow& w = Open(r.window);
  const int panel = PanelOf(w, r.tree);
  ASSERT_GE(panel, 0);
  const ClassWindow::Tree& tree = w.trees[panel];
  const int index = SkillOf(tree, r.skill);
  ASSERT_GE(index, 0);
  mod_Misc.LevelUps = 40;
  for (const char* held : r.held) {
    const int i = SkillOf(tree, held);
    ASSERT_GE(i, 0);
    tree.lbl[i]->SetCaption("1");
  }
  w.img_Tree_Click(panel, static_cast<std::int16_t>(index));
  if (r.named) {
    EXPECT_EQ(Notice(w), kNeeds + r.named);
  } else {
    EXPECT_EQ(mod_Misc.LevelUps, 41);
    EXPECT_EQ(LastLine(w), QStringLiteral("Clvl 42 Slvl 1: ") + r.skill);
  }
}

// Every skill with two prerequisites has a row holding neither, which names
// the first. Other rows hold one of the two, refuse for a single
// prerequisite, or take the point.
INSTANTIATE_TEST_SUITE_P(
    EveryClass, NamedPrerequisites,
    ::testing::Values(
        Refusal{ClassId::Necromancer, "NecroBone", "Poison Explosion", {}, "Poison Dagger"},
        Refusal{ClassId::Necromancer, "NecroBone", "Bone Prison", {}, "Bone Wall"},
        Refusal{ClassId::Necromancer, "NecroCurse", "Lower Resist", {}, "Life Tap"},
        Refusal{ClassId::Amazon, "AmazonJS", "Plague Javelin", {}, "Lightning Bolt"},
        Refusal{ClassId::Amazon, "AmazonJS", "Plague Javelin", {"Lightning Bolt"}, nullptr},
        Refusal{ClassId::Amazon, "AmazonJS", "Charged Strike", {}, "Power Strike"},
        Refusal{ClassId::Amazon, "AmazonJS", "Charged Strike", {"Power Strike"}, "Lightning Bolt"},
        Refusal{ClassId::Amazon, "AmazonBC", "Exploding Arrow", {}, "Fire Arrow"},
        Refusal{ClassId::Amazon, "AmazonBC", "Exploding Arrow", {"Fire Arrow"}, "Multi-Shot Arrow"},
        Refusal{ClassId::Amazon, "AmazonBC", "Guided Arrow", {}, "Cold Arrow"},
        Refusal{ClassId::Amazon, "AmazonPM", "Valkyrie", {}, "Duplicate"},
        Refusal{ClassId::Amazon, "AmazonPM", "Valkyrie", {"Duplicate"}, "Evade"},
        Refusal{ClassId::Amazon, "AmazonBC", "Multi-Shot Arrow", {}, "Magic Arrow"},
        Refusal{ClassId::Barbarian, "BarBarCS", "Leap Attack", {}, "Leap"},
        Refusal{ClassId::Barbarian, "BarBarCS", "Whirlwind", {}, "Leap Attack"},
        Refusal{ClassId::Barbarian, "BarBarCS", "Whirlwind", {"Leap Attack"}, "Concentrate"},
        Refusal{ClassId::Barbarian, "BarBarWC", "War Cry", {}, "Battlecry"},
        Refusal{ClassId::Barbarian, "BarBarWC", "War Cry", {"Battlecry"}, "Battle Orders"},
        Refusal{ClassId::Barbarian, "BarBarWC", "Taunt", {}, "Howl"},
        Refusal{ClassId::Barbarian, "BarBarWC", "Shout", {}, "Howl"},
        Refusal{ClassId::Barbarian, "BarBarCS", "Double Swing", {}, "Bash"},
        Refusal{ClassId::Barbarian, "BarBarCM", "Iron Skin", {}, nullptr},
        Refusal{ClassId::Paladin, "PaladinOff", "Sanctuary", {}, "Thorns"},
        Refusal{ClassId::Paladin, "PaladinOff", "Sanctuary", {"Holy Freeze"}, "Thorns"},
        Refusal{ClassId::Paladin, "PaladinOff", "Sanctuary", {"Thorns"}, "Holy Freeze"},
        Refusal{ClassId::Paladin, "PaladinCom", "Holy Shield", {}, "Charge"},
        Refusal{ClassId::Paladin, "PaladinCom", "Conversion", {}, "Vengeance"},
        Refusal{ClassId::Paladin, "PaladinCom", "Fist of Heavens", {}, "Blessed Hammer"},
        Refusal{ClassId::Paladin, "PaladinCom", "Fist of Heavens", {"Blessed Hammer"}, "Conversion"},
        Refusal{ClassId::Paladin, "PaladinDef", "Vigor", {}, "Defiance"},
        Refusal{ClassId::Paladin, "PaladinOff", "Holy Fire", {}, "Might"},
        Refusal{ClassId::Paladin, "PaladinDef", "Salvation", {}, nullptr},
        Refusal{ClassId::Sorceress, "SorcCold", "Blizzard", {}, "Frost Nova"},
        Refusal{ClassId::Sorceress, "SorcCold", "Blizzard", {"Glacier Spike"}, "Frost Nova"},
        Refusal{ClassId::Sorceress, "SorcCold", "Blizzard", {"Frost Nova"}, "Clacier Spike"},
        Refusal{ClassId::Sorceress, "SorcLight", "Energy Shield", {}, "Teleport"},
        Refusal{ClassId::Sorceress, "SorcLight", "Thunderstorm", {}, "Nova"},
        Refusal{ClassId::Sorceress, "SorcFire", "Meteor", {}, "Fireball"},
        Refusal{ClassId::Sorceress, "SorcFire", "Enchant", {}, "Warmth"},
        Refusal{ClassId::Sorceress, "SorcCold", "Shiver Armor", {}, "Frozen Armor"},
        Refusal{ClassId::Sorceress, "SorcCold", "Ice Blast", {}, "Ice Bolt"},
        Refusal{ClassId::Sorceress, "SorcLight", "Lightning Mastery", {}, nullptr}),
    CaseName);

// Each window's panels from left to right: their tree codes (the keys of the
// popup and the statistics) and headings.
struct Panels {
  ClassId window;
  std::array<const char*, 3> codes;
  std::array<const char*, 3> headings;
};
const Panels kPanels[] = {
    {ClassId::Necromancer,
     {"NecroSummon", "NecroBone", "NecroCurse"},
     {"Summon Skills", "Poison / Bone Skills", "Curse Skills"}},
    {ClassId::Amazon,
     {"AmazonJS", "AmazonPM", "AmazonBC"},
     {"Javelin + Spear", "Passive + Magic", "Bow + CrossBow"}},
    {ClassId::Barbarian,
     {"BarBarCM", "BarBarWC", "BarBarCS"},
     {"Combat Masteries", "Warcries", "Combat Skills"}},
    {ClassId::Paladin,
     {"PaladinOff", "PaladinCom", "PaladinDef"},
     {"OFFENSIVE AURAS", "COMBAT SKILLS", "DEFENSIVE AURAS"}},
    {ClassId::Sorceress,
     {"SorcFire", "SorcLight", "SorcCold"},
     {"FIRE BASED", "LIGHTNING BASED", "COLD BASED"}},
};

TEST_F(Classes, ConversionLinesUseTheSkillsOwnSpelling) {
  ClassWindow& w = Open(ClassId::Paladin);
  const int combat = PanelOf(w, "PaladinCom");
  ASSERT_GE(combat, 0);
  const ClassWindow::Tree& tree = w.trees[combat];
  auto click = [&](const char* skill) {
    w.img_Tree_Click(combat, static_cast<std::int16_t>(SkillOf(tree, skill)));
  };
  mod_Misc.LevelUps = 40;
  click("Sacrafice");
  click("Zeal");
  click("Vengance");
  EXPECT_EQ(LastLine(w), "Clvl 44 Slvl 1: Vengance");
  click("Conversion");
  EXPECT_EQ(LastLine(w), "Clvl 45 Slvl 1: Conversion");
  w.lbl_UndoLast_Click();
  w.lbl_UndoLast_Click();
  EXPECT_EQ(tree.lbl.at(SkillOf(tree, "Vengance"))->Caption(), "0");
}

TEST_F(Classes, EveryTierOpensOneLevelEarlyInEveryWindow) {
  // For each window and row, a skill of the row with its prerequisites held:
  // refused two levels below the row, taken one level below it.
  for (const korvinth::ClassInfo& info : korvinth::kClasses) {
    for (int t = 0; t < 3; ++t) {
      for (int row : {6, 12, 18, 24, 30}) {
        testing_support::ResetProgram();
        ClassWindow& w = Open(info.id);
        const auto& skills = w.trees[t].def->skills;
        int index = -1;
        for (int i = 0; i < 10 && index < 0; ++i) {
          if (skills[static_cast<std::size_t>(i)].level == row) index = i;
        }
        if (index < 0) continue;
        SCOPED_TRACE(::testing::Message()
                     << info.name << " " << skills[static_cast<std::size_t>(index)].name);
        for (auto* label : w.trees[t].lbl) label->SetCaption("1");
        w.trees[t].lbl[index]->SetCaption("0");
        mod_Misc.LevelUps = static_cast<std::int16_t>(row - 3);
        w.img_Tree_Click(t, static_cast<std::int16_t>(index));
        EXPECT_EQ(Notice(w),
                  QString("Not available yet, you must be character level %1 first (or just getting "
                          "level %1).")
                      .arg(row));
        mod_Misc.LevelUps = static_cast<std::int16_t>(row - 2);
        w.img_Tree_Click(t, static_cast<std::int16_t>(index));
        EXPECT_EQ(w.trees[t].lbl[index]->Caption(), "1");
      }
    }
  }
}

TEST_F(Classes, UndoFindsTheLongerNameFirst) {
  // The line names one of two skills whose names begin alike; only the named
  // one loses its point.
  struct Case {
    ClassId window;
    const char* tree;
    const char* named;
    const char* other;
    const char* line;
  };
  for (const Case& c :
       {Case{ClassId::Barbarian, "BarBarCS", "Leap Attack", "Leap", "Clvl 20 Slvl 1: Leap Attack"},
        Case{ClassId::Barbarian, "BarBarCS", "Leap", "Leap Attack", "Clvl 20 Slvl 1: Leap"},
        Case{ClassId::Sorceress, "SorcLight", "Lightning Mastery", "Lightning",
             "Clvl 31 Slvl 1: Lightning Mastery"},
        Case{ClassId::Sorceress, "SorcLight", "Lightning", "Lightning Mastery", "Clvl 31 Slvl 1: Lightning"},
        Case{ClassId::Sorceress, "SorcLight", "Chain Lightning", "Lightning",
             "Clvl 31 Slvl 1: Chain Lightning"}}) {
    SCOPED_TRACE(c.line);
    testing_support::ResetProgram();
    ClassWindow& w = Open(c.window);
    const int panel = PanelOf(w, c.tree);
    ASSERT_GE(panel, 0);
    const ClassWindow::Tree& tree = w.trees[panel];
    forms::Label& named = *tree.lbl.at(SkillOf(tree, c.named));
    forms::Label& other = *tree.lbl.at(SkillOf(tree, c.other));
    named.SetCaption("3");
    other.SetCaption("3");
    mod_Misc.LevelUps = 19;
    w.lb_SkillsPerLevel->AddItem(QString::fromLatin1(c.line));
    w.lbl_UndoLast_Click();
    EXPECT_EQ(named.Caption(), "2");
    EXPECT_EQ(other.Caption(), "3");
  }
}

TEST_F(Classes, UndoTextsFormTwoGroups) {
  for (const korvinth::ClassInfo& info : korvinth::kClasses) {
    SCOPED_TRACE(info.name);
    testing_support::ResetProgram();
    ClassWindow& w = Open(info.id);
    const bool necroOrPaladin = info.id == ClassId::Necromancer || info.id == ClassId::Paladin;
    w.img_Tree_Click(0, 0);
    w.lbl_UndoLast_Click();
    EXPECT_EQ(w.lbl_SkillLevel->Caption(), necroOrPaladin ? "Skill Points:  0" : "Skill Level  0");
    mod_Misc.LevelUps = 2;
    mod_Misc.CurrentTree = QString::fromLatin1(w.trees[0].def->code.data());
    korvinth::ReserveSkillPoint();
    EXPECT_EQ(LastLine(w), "Clvl 4 Reserved For Later ");
    w.lbl_UndoLast_Click();
    EXPECT_EQ(w.lbl_SkillLevel->Caption(), necroOrPaladin ? "Skill Level  2" : "Skill Points:  2");
    EXPECT_EQ(w.lbl_CharLevel->Caption(), "Level 3");
  }
}

TEST_F(Classes, JavelinAndSpearOffersDenOfEvilLater) {
  ClassWindow& w = Open(ClassId::Amazon);
  const int javelin = PanelOf(w, "AmazonJS");
  const int passive = PanelOf(w, "AmazonPM");
  mod_Misc.DenOfEvilUses = 1;
  mod_Misc.LevelUps = 23;  // level 24
  forms::MouseArgs right;
  right.button = forms::kRightButton;
  w.img_Tree_MouseDown(javelin, 0, right);
  EXPECT_FALSE(desktop.popups.back().captions.contains("&Den Of Evil (Normal)"));
  w.img_Tree_MouseDown(passive, 0, right);
  EXPECT_TRUE(desktop.popups.back().captions.contains("&Den Of Evil (Normal)"));
  EXPECT_EQ(mod_Misc.CurrentTree, "AmazonPM");
  mod_Misc.LevelUps = 24;  // level 25
  w.img_Tree_MouseDown(javelin, 0, right);
  EXPECT_TRUE(desktop.popups.back().captions.contains("&Den Of Evil (Normal)"));
  EXPECT_EQ(mod_Misc.CurrentTree, "AmazonJS");
}

TEST_F(Classes, TreeCodesOfTheRightPressAreTheStatisticsKeys) {
  forms::MouseArgs right;
  right.button = forms::kRightButton;
  for (const Panels& p : kPanels) {
    for (int t = 0; t < 3; ++t) {
      Open(p.window).img_Tree_MouseDown(t, 2, right);
      EXPECT_EQ(mod_Misc.CurrentTree, p.codes[static_cast<std::size_t>(t)]) << NameOf(p.window);
    }
  }
}

TEST_F(Classes, RandomTreeDrawsFallNineTenAndElevenToThePanels) {
  // Draws 1 to 9 pick the left panel's tree, 10 to 19 the middle one's and
  // 20 to 30 the right one's.
  const std::pair<int, int> kEdges[] = {{1, 0}, {9, 0}, {10, 1}, {19, 1}, {20, 2}, {30, 2}};
  for (const Panels& p : kPanels) {
    const ClassWindow& w = Open(p.window);
    for (auto [draw, panel] : kEdges) {
      const int picked = korvinth::PanelOfTreeDraw(draw);
      ASSERT_GE(picked, 0);
      ASSERT_LT(picked, 3);
      EXPECT_EQ(w.trees[static_cast<std::size_t>(picked)].def->code, p.codes[static_cast<std::size_t>(panel)])
          << NameOf(p.window) << ", draw " << draw;
    }
  }
}

TEST_F(Classes, RandomFillOfEveryClass) {
  for (const korvinth::ClassInfo& info : korvinth::kClasses) {
    SCOPED_TRACE(info.name);
    testing_support::ResetProgram();
    desktop.boxes.clear();
    mod_Misc.RandomClassRoll = korvinth::kChosenClassRoll;
    mod_Misc.RandomPointsLeft = 40;
    mod_Misc.RandomRunning = korvinth::kTrue;
    ClassWindow& w = Open(info.id);
    EXPECT_EQ(w.lbl_CharLevel->Caption(), "Level 40");
    EXPECT_EQ(w.lb_SkillsPerLevel->ListCount(), 39);
    for (auto& tree : w.trees) EXPECT_EQ(tree.lbl[9]->Caption(), "0");
    EXPECT_EQ(desktop.boxes.size(), 1U);
  }
}

TEST_F(Classes, CaptionsAndHeadingsOfEachWindow) {
  for (const Panels& p : kPanels) {
    SCOPED_TRACE(NameOf(p.window));
    ClassWindow& w = Open(p.window);
    EXPECT_EQ(w.Caption(), QString("Diablo II Korvinth (%1)").arg(NameOf(p.window)));
    EXPECT_EQ(w.lbl_Char->Caption(), NameOf(p.window));
    for (int t = 0; t < 3; ++t)
      EXPECT_EQ(w.lbl_Heading[t]->Caption(), p.headings[static_cast<std::size_t>(t)]);
  }
  EXPECT_EQ(Open(ClassId::Amazon).lbl_Char->Left(), 1110);
  EXPECT_EQ(Open(ClassId::Barbarian).lbl_Char->Left(), 1140);
  EXPECT_EQ(Open(ClassId::Amazon).img_CommandColumn->Name(), "img_MenuBack");
  EXPECT_EQ(Open(ClassId::Sorceress).img_CommandColumn->Name(), "img_ButtonBack");
}

TEST_F(Classes, MultiShotArrowCarriesItsNote) {
  ClassWindow& w = Open(ClassId::Amazon);
  const int bow = PanelOf(w, "AmazonBC");
  ASSERT_GE(bow, 0);
  const ClassWindow::Tree& tree = w.trees[bow];
  w.img_Tree_MouseMove(bow, static_cast<std::int16_t>(SkillOf(tree, "Multi-Shot Arrow")));
  const QStringList lines = w.lbl_Description->Caption().split("\r\n");
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0], "Multi-Shot Arrow");
  EXPECT_EQ(lines[2],
            "NOTE: Only one arrow will hit a single target.  No 6 arrows at a single monster kill.");
  w.img_Tree_MouseMove(bow, static_cast<std::int16_t>(SkillOf(tree, "Cold Arrow")));
  EXPECT_EQ(w.lbl_Description->Caption().split("\r\n").size(), 3);
}

}  // namespace
