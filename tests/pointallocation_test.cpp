// Points by left click in the Necromancer window: every check and refusal,
// the kinds of point and their precedence, the history lines and labels.
#include <gtest/gtest.h>

#include <ostream>
#include <source_location>
#include <string>
#include <string_view>

#include "core/Colors.h"
#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "skilltrees/ClassWindow.h"
#include "tests/support/CaseNames.h"
#include "tests/support/NecroWindow.h"

namespace {

using korvinth::ClassWindow;
using korvinth::frm_Menu;
using korvinth::frm_NecroSkill;
using korvinth::kTrue;
using korvinth::mod_Misc;

using testing_support::kBone;
using testing_support::kCurse;
using testing_support::kSummon;

class PointAllocation : public testing_support::NecroWindowTest {
 protected:
  // Refuses and checks that nothing but the notice changed. A failure names
  // the line that called it.
  void ExpectRefused(int tree, int index, const QString& message,
                     const std::source_location where = std::source_location::current()) {
    const testing::ScopedTrace trace(where.file_name(), static_cast<int>(where.line()),
                                     "refusal checked here");
    const int lines = W().lb_SkillsPerLevel->ListCount();
    const QString before = Points(tree, index);
    mod_Misc.LastClickRefused = 0;
    Click(tree, index);
    EXPECT_EQ(Notice(), message);
    EXPECT_EQ(mod_Misc.LastClickRefused, kTrue);
    EXPECT_EQ(W().lb_SkillsPerLevel->ListCount(), lines);
    EXPECT_EQ(Points(tree, index), before);
  }
};

TEST_F(PointAllocation, FreshWindowShowsDesignValues) {
  EXPECT_EQ(W().Caption(), "Diablo II Korvinth (Necromancer)");
  EXPECT_EQ(W().lbl_CharLevel->Caption(), "Level: 1");
  EXPECT_EQ(W().lbl_SkillLevel->Caption(), "Skill Points: 0");
  EXPECT_EQ(W().lbl_Reserved->Caption(), "Reserved Points: 0");
  EXPECT_EQ(W().lb_SkillsPerLevel->ListCount(), 0);
  EXPECT_FALSE(W().lbl_UnAvail->Visible());
  EXPECT_FALSE(W().tim_Unavail->Enabled());
  EXPECT_EQ(W().lbl_Level[0]->ForeColor(), korvinth::kPaleYellow);
  for (int row = 1; row < 6; ++row) EXPECT_EQ(W().lbl_Level[row]->ForeColor(), korvinth::kWhite);
  EXPECT_EQ(W().sh_Outline->Left(), -1000);
  for (auto& tree : W().trees) {
    for (auto* label : tree.lbl) EXPECT_EQ(label->Caption(), "0");
  }
  EXPECT_EQ(W().lbl_Char->Caption(), "Necromancer");
  EXPECT_EQ(W().lbl_Heading[0]->Caption(), "Summon Skills");
  EXPECT_EQ(W().lbl_Heading[1]->Caption(), "Poison / Bone Skills");
  EXPECT_EQ(W().lbl_Heading[2]->Caption(), "Curse Skills");
}

TEST_F(PointAllocation, LevelUpPointWritesLineAndLabels) {
  Click(kBone, 0);
  EXPECT_EQ(LastLine(), "Clvl 2 Slvl 1: Teeth");
  EXPECT_EQ(Points(kBone, 0), "1");
  EXPECT_EQ(mod_Misc.LevelUps, 1);
  EXPECT_EQ(W().lbl_CharLevel->Caption(), "Level 2");
  EXPECT_EQ(W().lbl_SkillLevel->Caption(), "Skill Points:  1");  // signed field: two blanks
  EXPECT_EQ(W().lb_SkillsPerLevel->ListIndex(), 0);
  for (int i = 0; i < 10; ++i) Click(kBone, 0);
  EXPECT_EQ(LastLine(), "Clvl 12 Slvl 11: Teeth");
  EXPECT_EQ(W().lbl_SkillLevel->Caption(), "Skill Points:  11");
  EXPECT_EQ(W().lb_SkillsPerLevel->ListIndex(), 10);
}

TEST_F(PointAllocation, RefusalsComeInOrderOfPrecedence) {
  // 20 points comes before the level cap, the cap before the tier, the tier
  // before the prerequisites.
  SetPoints(kBone, 3, 20);
  mod_Misc.LevelUps = 98;
  ExpectRefused(kBone, 3, "No more points may be added to this skill.  Maximum points are 20 per skill.");
  SetPoints(kBone, 3, 0);
  ExpectRefused(kBone, 3, "Character has reached maximum allowable level(99). ");
  mod_Misc.LevelUps = 3;
  ExpectRefused(kBone, 3,
                "Not available yet, you must be character level 6 first (or just getting level 6).");
  mod_Misc.LevelUps = 4;
  ExpectRefused(kBone, 3, "Not available yet, you must have at least one skill point in Teeth");
}

TEST_F(PointAllocation, FirstMissingPrerequisiteIsNamed) {
  mod_Misc.LevelUps = 17;  // level 18
  ExpectRefused(kBone, 5, "Not available yet, you must have at least one skill point in Poison Dagger");
  SetPoints(kBone, 3, 1);  // the second prerequisite alone does not help
  ExpectRefused(kBone, 5, "Not available yet, you must have at least one skill point in Poison Dagger");
  SetPoints(kBone, 3, 0);
  SetPoints(kBone, 2, 1);
  ExpectRefused(kBone, 5, "Not available yet, you must have at least one skill point in Corpse Explosion");
  SetPoints(kBone, 3, 1);
  Click(kBone, 5);
  EXPECT_EQ(LastLine(), "Clvl 19 Slvl 1: Poison Explosion");
  mod_Misc.LevelUps = 29;
  SetPoints(kCurse, 6, 1);
  ExpectRefused(kCurse, 9, "Not available yet, you must have at least one skill point in Decrepify");
}

TEST_F(PointAllocation, RowOneSkillsNeedNoConnectorPrerequisite) {
  Click(kSummon, 1);  // Raise Skeleton, although a connector joins it to Skeleton Mastery
  EXPECT_EQ(LastLine(), "Clvl 2 Slvl 1: Raise Skeleton");
  mod_Misc.LevelUps = 4;
  Click(kCurse, 1);  // Dim Vision opens at 6 and needs nothing
  EXPECT_EQ(LastLine(), "Clvl 6 Slvl 1: Dim Vision");
}

TEST_F(PointAllocation, PoisonDaggerOpensOneLevelEarly) {
  mod_Misc.LevelUps = 3;
  ExpectRefused(kBone, 2,
                "Not available yet, you must be character level 6 first (or just getting level 6).");
  mod_Misc.LevelUps = 4;
  Click(kBone, 2);
  EXPECT_EQ(LastLine(), "Clvl 6 Slvl 1: Poison Dagger");
  mod_Misc.LevelUps = 4;  // at the same level, one point is all the skill may hold
  ExpectRefused(kBone, 2, "Skill point cap is limited to 1 point per level the skill has been available.");
}

TEST_F(PointAllocation, LevelUpHidesShowingNotice) {
  ExpectRefused(kBone, 2,
                "Not available yet, you must be character level 6 first (or just getting level 6).");
  EXPECT_TRUE(W().tim_Unavail->Enabled());
  Click(kBone, 0);
  EXPECT_FALSE(W().lbl_UnAvail->Visible());
  EXPECT_FALSE(W().tim_Unavail->Enabled());
}

TEST_F(PointAllocation, NoticeLineRestartsAndHidesOnTick) {
  ExpectRefused(kBone, 2,
                "Not available yet, you must be character level 6 first (or just getting level 6).");
  const int starts = W().tim_Unavail->Starts();
  ExpectRefused(kBone, 3,
                "Not available yet, you must be character level 6 first (or just getting level 6).");
  EXPECT_EQ(W().tim_Unavail->Starts(), starts + 1);  // the period starts anew
  W().tim_Unavail->Fire();
  EXPECT_FALSE(W().lbl_UnAvail->Visible());
  EXPECT_FALSE(W().tim_Unavail->Enabled());
}

TEST_F(PointAllocation, ReservedPointSpentWithItsOwnLine) {
  mod_Misc.ReservedPoints = 2;
  mod_Misc.LevelUps = 5;
  mod_Misc.UseReserve = kTrue;
  Click(kBone, 1);
  EXPECT_EQ(LastLine(), "Reserved Slvl 1: Bone Armor");
  EXPECT_EQ(mod_Misc.ReservedPoints, 1);
  EXPECT_EQ(mod_Misc.UseReserve, 0);
  EXPECT_EQ(mod_Misc.LevelUps, 5);
  EXPECT_EQ(W().lbl_Reserved->Caption(), "Reserved Points: 1");
  EXPECT_EQ(W().lbl_CharLevel->Caption(), "Level: 1");  // the level labels stay
}

TEST_F(PointAllocation, ReservedPointIsTestedOneLevelStricter) {
  mod_Misc.ReservedPoints = 1;
  mod_Misc.LevelUps = 4;
  mod_Misc.UseReserve = kTrue;
  ExpectRefused(kBone, 2, "Skill point cap is limited to 1 point per level the skill has been available.");
  EXPECT_EQ(mod_Misc.UseReserve, 0);
  EXPECT_EQ(mod_Misc.ReservedPoints, 1);
}

TEST_F(PointAllocation, NoReserveHeldIsANoticeNotARefusal) {
  mod_Misc.UseReserve = kTrue;
  mod_Misc.LastClickRefused = 0;
  Click(kBone, 0);
  EXPECT_EQ(Notice(), "You have no skill points in reserve.");
  EXPECT_EQ(mod_Misc.LastClickRefused, 0);
  EXPECT_EQ(mod_Misc.UseReserve, 0);
  EXPECT_EQ(W().lb_SkillsPerLevel->ListCount(), 0);
  EXPECT_EQ(Points(kBone, 0), "0");
}

struct QuestGrant {
  std::int16_t korvinth::CharacterState::*uses;
  std::int16_t korvinth::CharacterState::*pending;
  int count;
  const char* line;
};

void PrintTo(const QuestGrant& g, std::ostream* out) { *out << '"' << g.line << "\" at use " << g.count; }

// The case's name: its line up to the skill level ("DenOfEvilNormal").
std::string CaseName(const ::testing::TestParamInfo<QuestGrant>& info) {
  const std::string_view line = info.param.line;
  return testing_support::CaseName({line.substr(0, line.find(" Slvl"))});
}

class QuestGrants : public PointAllocation, public ::testing::WithParamInterface<QuestGrant> {};

TEST_P(QuestGrants, GrantWritesItsLineAndChangesNoLevel) {
  const QuestGrant& g = GetParam();
  Click(kBone, 0);
  mod_Misc.*g.uses = static_cast<std::int16_t>(g.count);
  mod_Misc.*g.pending = kTrue;
  Click(kBone, 0);
  EXPECT_EQ(LastLine(), g.line);
  EXPECT_EQ(mod_Misc.*g.pending, 0);
  EXPECT_EQ(mod_Misc.*g.uses, g.count);
  EXPECT_EQ(mod_Misc.LevelUps, 1);
  EXPECT_EQ(W().lbl_CharLevel->Caption(), "Level 2");
  Click(kBone, 0);  // the next ordinary point goes on from the same level
  EXPECT_EQ(LastLine(), "Clvl 3 Slvl 3: Teeth");
}

INSTANTIATE_TEST_SUITE_P(Kinds, QuestGrants,
                         ::testing::Values(QuestGrant{&korvinth::CharacterState::DenOfEvilUses,
                                                      &korvinth::CharacterState::DenOfEvilPending, 1,
                                                      "Den Of Evil: Normal Slvl 2: Teeth"},
                                           QuestGrant{&korvinth::CharacterState::DenOfEvilUses,
                                                      &korvinth::CharacterState::DenOfEvilPending, 3,
                                                      "Den Of Evil: Hell Slvl 2: Teeth"},
                                           QuestGrant{&korvinth::CharacterState::BookOfSkillUses,
                                                      &korvinth::CharacterState::BookOfSkillPending, 2,
                                                      "Book of Skill: Nightmare Slvl 2: Teeth"},
                                           QuestGrant{&korvinth::CharacterState::DeathOfIzualUses,
                                                      &korvinth::CharacterState::DeathOfIzualPending, 1,
                                                      "Izual Quest Point:(1) Normal Slvl 2: Teeth"},
                                           QuestGrant{&korvinth::CharacterState::DeathOfIzualUses,
                                                      &korvinth::CharacterState::DeathOfIzualPending, 4,
                                                      "Izual Quest Point:(2) Nightmare Slvl 2: Teeth"},
                                           QuestGrant{&korvinth::CharacterState::DeathOfIzualUses,
                                                      &korvinth::CharacterState::DeathOfIzualPending, 6,
                                                      "Izual Quest Point:(2) Hell Slvl 2: Teeth"}),
                         CaseName);

TEST_F(PointAllocation, QuestGrantComesBeforeReserve) {
  mod_Misc.DenOfEvilUses = 1;
  mod_Misc.DenOfEvilPending = kTrue;
  mod_Misc.UseReserve = kTrue;
  mod_Misc.ReservedPoints = 1;
  Click(kBone, 0);
  EXPECT_EQ(LastLine(), "Den Of Evil: Normal Slvl 1: Teeth");
  EXPECT_EQ(mod_Misc.UseReserve, kTrue);  // a quest grant leaves the reserve flag
  EXPECT_EQ(mod_Misc.ReservedPoints, 1);
}

TEST_F(PointAllocation, RefusedGrantIsTakenBack) {
  SetPoints(kBone, 0, 20);
  mod_Misc.DenOfEvilUses = 1;
  mod_Misc.DenOfEvilPending = kTrue;
  frm_Menu->mnu_DenOfEvil.SetCaption("&Den Of Evil (Nightmare)");
  mod_Misc.DeathOfIzualUses = 3;
  mod_Misc.DeathOfIzualPending = kTrue;
  ExpectRefused(kBone, 0, "No more points may be added to this skill.  Maximum points are 20 per skill.");
  EXPECT_EQ(mod_Misc.DenOfEvilUses, 0);
  EXPECT_EQ(mod_Misc.DenOfEvilPending, 0);
  EXPECT_EQ(frm_Menu->mnu_DenOfEvil.Caption(), "&Den Of Evil (Normal)");
  EXPECT_EQ(mod_Misc.DeathOfIzualUses, 2);
  EXPECT_EQ(frm_Menu->mnu_DeathOfIzual.Caption(), "&Death of Izual (Nightmare)");
  mod_Misc.BookOfSkillUses = 3;
  mod_Misc.BookOfSkillPending = kTrue;
  ExpectRefused(kBone, 0, "No more points may be added to this skill.  Maximum points are 20 per skill.");
  EXPECT_EQ(mod_Misc.BookOfSkillUses, 2);
  EXPECT_EQ(frm_Menu->mnu_BookOfSkill.Caption(), "&Book of Skill (Hell)");  // the window's spelling
}

TEST_F(PointAllocation, ImpossibleGrantCountStopsWithNoLongerValid) {
  SetPoints(kBone, 0, 20);
  mod_Misc.BookOfSkillUses = 0;  // lowered to -1
  mod_Misc.BookOfSkillPending = kTrue;
  Click(kBone, 0);
  ASSERT_EQ(desktop.boxes.size(), 1U);
  EXPECT_EQ(desktop.boxes[0].prompt, "You may only complete this quest once for each level, 3 times.");
  EXPECT_EQ(desktop.boxes[0].title, "No Longer valid");
  EXPECT_EQ(mod_Misc.BookOfSkillUses, -1);
  EXPECT_EQ(mod_Misc.BookOfSkillPending, kTrue);
  EXPECT_FALSE(W().lbl_UnAvail->Visible());  // the handler ends before the notice
}

TEST_F(PointAllocation, CompletionMessageComesOnceAtTheLastPoint) {
  mod_Misc.RandomRunning = kTrue;
  mod_Misc.RandomPointsLeft = 0;
  ExpectRefused(kBone, 2,
                "Not available yet, you must be character level 6 first (or just getting level 6).");
  Click(kBone, 0);
  ASSERT_EQ(desktop.boxes.size(), 1U);
  EXPECT_EQ(desktop.boxes[0].prompt,
            "Random Charater Generator has completed.\r\nHave fun trying to win with it.");
  EXPECT_EQ(desktop.boxes[0].title, "Generation Complete");
  EXPECT_EQ(mod_Misc.RandomRunning, 0);
}

}  // namespace
