// The statistics window: the marked column, the dispatch by tree code, the
// table contract and the ways to close it.
#include "skillstats/StatsWindow.h"

#include <gtest/gtest.h>

#include "core/Colors.h"
#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "skilltrees/ClassWindow.h"
#include "tests/support/Planner.h"

namespace {

using korvinth::frm_SkillStats;
using korvinth::mod_Misc;
using korvinth::StatsWindow;

class Stats : public testing_support::PlannerTest {
 protected:
  StatsWindow& Open(const char* tree, int index, int points) {
    mod_Misc.CurrentTree = QString::fromLatin1(tree);
    mod_Misc.CurrentSkillIndex = static_cast<std::int16_t>(index);
    mod_Misc.CurrentSkillLevel = static_cast<std::int16_t>(points);
    korvinth::frm_Menu->mnu_SkillInfo_Click();
    return *frm_SkillStats.Loaded();
  }
  static std::vector<int> MarkedColumns(const StatsWindow& w) {
    std::vector<int> marked;
    for (int k = 0; k < 20; ++k) {
      bool all = true;
      for (int row = 0; row < 4; ++row) {
        all = all && w.lbl_Stat[row][k]->ForeColor() == korvinth::kOrange &&
              w.lbl_SkillLevel[row][k]->ForeColor() == korvinth::kOrange;
      }
      if (all) marked.push_back(k);
    }
    return marked;
  }
};

TEST_F(Stats, MarksTheColumnOfTheCurrentPoints) {
  EXPECT_TRUE(MarkedColumns(Open("NecroCurse", 1, 0)).empty());
  EXPECT_EQ(mod_Misc.CurrentSkillLevel, -1);
  EXPECT_EQ(MarkedColumns(Open("NecroCurse", 1, 5)), std::vector<int>{4});
  EXPECT_EQ(MarkedColumns(Open("NecroCurse", 1, 20)), std::vector<int>{19});
  EXPECT_EQ(mod_Misc.CurrentSkillLevel, 19);
}

TEST_F(Stats, FillsEveryCaptionFromTheTable) {
  const StatsWindow& w = Open("NecroCurse", 1, 3);
  EXPECT_EQ(w.lbl_CurrentSkill->Caption(), "Current Skill: Dim Vision");
  EXPECT_EQ(w.lbl_StatTitle[2]->Caption(), "Mana Cost");
  EXPECT_EQ(w.lbl_StatTitle[3]->Caption(), "Not Used");
  for (int k = 0; k < 20; ++k) {
    EXPECT_EQ(w.lbl_Stat[2][k]->Caption(), "9");
    EXPECT_EQ(w.lbl_Stat[3][k]->Caption(), "");
  }
  EXPECT_EQ(w.LevelColumn, 20);  // rows of equal values are written by the loop
  EXPECT_EQ(w.lbl_Stat[0][1]->Caption(), "3.3");
  EXPECT_EQ(w.Caption(), "Skill Stats");
}

TEST_F(Stats, EveryTreeCodeOpensItsOwnTable) {
  const std::pair<const char*, const korvinth::StatTable*> trees[] = {
      {"NecroBone", &korvinth::kNecroBoneStats},     {"NecroCurse", &korvinth::kNecroCurseStats},
      {"NecroSummon", &korvinth::kNecroSummonStats}, {"AmazonBC", &korvinth::kAmazonBCStats},
      {"AmazonJS", &korvinth::kAmazonJSStats},       {"AmazonPM", &korvinth::kAmazonPMStats},
      {"BarBarCM", &korvinth::kBarBarCMStats},       {"BarBarCS", &korvinth::kBarBarCSStats},
      {"BarBarWC", &korvinth::kBarBarWCStats},       {"PaladinCom", &korvinth::kPaladinComStats},
      {"PaladinOff", &korvinth::kPaladinOffStats},   {"PaladinDef", &korvinth::kPaladinDefStats},
      {"SorcCold", &korvinth::kSorcColdStats},       {"SorcFire", &korvinth::kSorcFireStats},
      {"SorcLight", &korvinth::kSorcLightStats}};
  for (const auto& [code, table] : trees) {
    for (int index = 0; index < 10; ++index) {
      const StatsWindow& w = Open(code, index, 0);
      const korvinth::StatSkill& skill = (*table)[static_cast<std::size_t>(index)];
      EXPECT_EQ(w.lbl_CurrentSkill->Caption().toStdString(), skill.caption) << code << index;
      for (int row = 0; row < 4; ++row) {
        const korvinth::StatRow& stats = skill.rows[static_cast<std::size_t>(row)];
        EXPECT_EQ(w.lbl_StatTitle[row]->Caption().toStdString(), stats.title) << code << index;
        for (int k = 0; k < 20; ++k) {
          EXPECT_EQ(w.lbl_Stat[row][k]->Caption().toStdString(), stats.values[stats.same ? 0 : k])
              << code << index;
        }
      }
    }
  }
}

TEST_F(Stats, UnknownTreeOrIndexLeavesTheDesignCaptions) {
  for (auto [code, index] : {std::pair{"BarbarianCM", 0}, std::pair{"necrocurse", 0},
                             std::pair{"NecroCurse", 10}, std::pair{"NecroCurse", -1}}) {
    const StatsWindow& w = Open(code, index, 4);
    EXPECT_EQ(w.lbl_CurrentSkill->Caption(), "Current Skill:") << code;
    EXPECT_EQ(w.lbl_StatTitle[0]->Caption(), "Stat Title 1");
    EXPECT_EQ(w.lbl_Stat[3][19]->Caption(), "Label 1");
    EXPECT_EQ(w.LevelColumn, 0);
    EXPECT_EQ(MarkedColumns(w), std::vector<int>{3});
  }
}

TEST_F(Stats, ReopeningRebuildsTheWindow) {
  Open("NecroCurse", 9, 20);
  const StatsWindow& second = Open("NecroBone", 0, 2);
  EXPECT_EQ(MarkedColumns(second), std::vector<int>{1});
  EXPECT_EQ(second.lbl_CurrentSkill->Caption(), "Current Skill: Teeth");
  EXPECT_TRUE(second.lbl_Stat[0][19]->ForeColor() != korvinth::kOrange);
}

TEST_F(Stats, EscapeAndCloseWindowUnload) {
  StatsWindow& w = Open("NecroCurse", 0, 1);
  std::int16_t other = 'x';
  w.Form_KeyPress(other);
  EXPECT_TRUE(korvinth::IsFormLoaded("frm_SkillStats"));
  std::int16_t escape = 27;
  w.Form_KeyPress(escape);
  EXPECT_FALSE(korvinth::IsFormLoaded("frm_SkillStats"));
  Open("NecroCurse", 0, 1).Label1_Click();
  EXPECT_FALSE(korvinth::IsFormLoaded("frm_SkillStats"));
  Open("NecroCurse", 0, 1).Form_QueryClose();
  EXPECT_FALSE(korvinth::IsFormLoaded("frm_SkillStats"));
}

TEST_F(Stats, CloseLabelHover) {
  StatsWindow& w = Open("NecroCurse", 0, 1);
  w.Label1->onMouseMove({});
  EXPECT_EQ(w.Label1->ForeColor(), korvinth::kGold);
  w.Form_MouseMove({});
  EXPECT_EQ(w.Label1->ForeColor(), korvinth::kPaleYellow);
}

TEST_F(Stats, SkillStatsItemOpensTheRightClickedSkill) {
  korvinth::ClassWindow& necro = *korvinth::frm_NecroSkill;
  necro.trees[1].lbl[6]->SetCaption("4");
  desktop.menuChoices.push_back("mnu_SkillInfo");
  forms::MouseArgs right;
  right.button = forms::kRightButton;
  necro.img_Tree_MouseDown(1, 6, right);
  ASSERT_NE(frm_SkillStats.Loaded(), nullptr);
  EXPECT_EQ(frm_SkillStats.Loaded()->lbl_CurrentSkill->Caption(), "Current Skill: Bone Spear");
  EXPECT_EQ(MarkedColumns(*frm_SkillStats.Loaded()), std::vector<int>{3});
}

TEST_F(Stats, PicturesInTheBlackStripsShowAboveThem) {
  StatsWindow& w = Open("NecroCurse", 1, 3);
  const QImage shot = w.grab().toImage();
  auto black = [&](int xTwips, int yTwips) { return shot.pixelColor(xTwips / 15, yTwips / 15) == Qt::black; };
  // A spot of each picture that lies inside a strip, away from any label text:
  // the button picture behind "Close Window" and the top of the first band.
  EXPECT_FALSE(black(4110 + 60, 6990 + 60));
  EXPECT_FALSE(black(4110 + 2250 - 60, 6990 + 540 - 60));
  EXPECT_FALSE(black(150, 345 + 60));
  // Outside the pictures the strips stay black.
  EXPECT_TRUE(black(150, 90));
  EXPECT_TRUE(black(1500, 7600));
}

}  // namespace
