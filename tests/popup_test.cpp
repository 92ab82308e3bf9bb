// The right-click popup, quest and reserve points, the level notices and the
// skill hover, in the Necromancer window.
#include <gtest/gtest.h>

#include "core/Colors.h"
#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "core/Notices.h"
#include "core/Quests.h"
#include "skilltrees/ClassWindow.h"
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

const char* const kBase[] = {"&Reserve Skill Point", "&Use Reserved Point"};

class Popup : public testing_support::NecroWindowTest {
 protected:
  QStringList Shown() { return desktop.popups.back().captions; }
  void LevelUp(int times) {
    for (int i = 0; i < times; ++i) {
      W().img_Tree_Click(kBone, 0);
      if (W().trees[kBone].lbl[0]->Caption() == "20") W().trees[kBone].lbl[0]->SetCaption("0");
    }
  }
};

TEST_F(Popup, OnlyTheRightButtonOpensIt) {
  forms::MouseArgs args;
  args.button = forms::kLeftButton;
  W().img_Tree_MouseDown(kBone, 3, args);
  args.button = forms::kMiddleButton;
  W().img_Tree_MouseDown(kBone, 3, args);
  EXPECT_TRUE(desktop.popups.empty());
  EXPECT_EQ(mod_Misc.CurrentTree, "");
}

TEST_F(Popup, RightPressStoresTheSkill) {
  W().trees[kCurse].lbl[4]->SetCaption("7");
  RightClick(kCurse, 4);
  EXPECT_EQ(mod_Misc.CurrentTree, "NecroCurse");
  EXPECT_EQ(mod_Misc.CurrentSkillIndex, 4);
  EXPECT_EQ(mod_Misc.CurrentSkillLevel, 7);
  RightClick(kBone, 2);
  EXPECT_EQ(mod_Misc.CurrentTree, "NecroBone");  // not the arrays' name
  EXPECT_EQ(mod_Misc.CurrentSkillLevel, 0);
}

TEST_F(Popup, QuestItemsAreOfferedByLevelAndUses) {
  RightClick(kBone, 0);
  EXPECT_EQ(Shown(), QStringList({kBase[0], kBase[1], "-", "&Skill Stats"}));
  struct Case {
    int level;
    int den, book, izual;
    bool denShown, bookShown, izualShown;
  };
  const Case cases[] = {
      {3, 0, 0, 0, true, false, false},   {23, 1, 0, 1, false, true, true}, {24, 1, 1, 2, true, false, false},
      {35, 2, 3, 4, true, false, false},  {39, 3, 1, 3, false, true, true}, {59, 3, 3, 5, false, false, true},
      {99, 3, 3, 6, false, false, false}, {45, 2, 2, 4, true, true, false},
  };
  for (const Case& c : cases) {
    mod_Misc.LevelUps = static_cast<std::int16_t>(c.level - 1);
    mod_Misc.DenOfEvilUses = static_cast<std::int16_t>(c.den);
    mod_Misc.BookOfSkillUses = static_cast<std::int16_t>(c.book);
    mod_Misc.DeathOfIzualUses = static_cast<std::int16_t>(c.izual);
    RightClick(kBone, 0);
    const QStringList shown = Shown();
    const bool anyQuest = c.denShown || c.bookShown || c.izualShown;
    EXPECT_EQ(shown.count("-"), anyQuest ? 2 : 1) << c.level;
    EXPECT_EQ(shown.contains(frm_Menu->mnu_DenOfEvil.Caption()), c.denShown) << c.level;
    EXPECT_EQ(shown.contains(frm_Menu->mnu_BookOfSkill.Caption()), c.bookShown) << c.level;
    EXPECT_EQ(shown.contains(frm_Menu->mnu_DeathOfIzual.Caption()), c.izualShown) << c.level;
  }
}

TEST_F(Popup, DenOfEvilUsesThePerTreeLevels) {
  const std::array<int, 3> usual{35, 24, 3};
  const std::array<int, 3> javelin{40, 25, 3};
  using korvinth::Quest;
  EXPECT_TRUE(korvinth::QuestOffered(Quest::DenOfEvil, 24, 1, usual));
  EXPECT_FALSE(korvinth::QuestOffered(Quest::DenOfEvil, 24, 1, javelin));
  EXPECT_TRUE(korvinth::QuestOffered(Quest::DenOfEvil, 25, 1, javelin));
  EXPECT_FALSE(korvinth::QuestOffered(Quest::DenOfEvil, 39, 2, javelin));
  EXPECT_TRUE(korvinth::QuestOffered(Quest::DenOfEvil, 40, 2, javelin));
  EXPECT_FALSE(korvinth::QuestOffered(Quest::DenOfEvil, 99, 3, usual));
}

TEST_F(Popup, QuestCaptionsCycleThroughTheDifficulties) {
  mod_Misc.LevelUps = 60;
  const char* const izual[] = {"&Death of Izual (Normal)",    "&Death of Izual (Nightmare)",
                               "&Death of Izual (Nightmare)", "&Death of Izual (Hell)",
                               "&Death of Izual (Hell)",      "&Death of Izual (Hell)"};
  for (int use = 0; use < 6; ++use) {
    RightClick(kBone, 0, "mnu_DeathOfIzual");
    EXPECT_EQ(mod_Misc.DeathOfIzualUses, use + 1);
    EXPECT_EQ(frm_Menu->mnu_DeathOfIzual.Caption(), izual[use]) << use;
  }
  EXPECT_EQ(LastLine(), "Izual Quest Point:(2) Hell Slvl 6: Teeth");
  const char* const book[] = {"&Book Of Skill (Nightmare)", "&Book Of Skill (Hell)", "&Book Of Skill (Hell)"};
  for (int use = 0; use < 3; ++use) {
    RightClick(kBone, 1, "mnu_BookOfSkill");
    EXPECT_EQ(frm_Menu->mnu_BookOfSkill.Caption(), book[use]) << use;
  }
  EXPECT_EQ(LastLine(), "Book of Skill: Hell Slvl 3: Bone Armor");
  RightClick(kBone, 1);
  EXPECT_FALSE(Shown().contains("&Book Of Skill (Hell)"));
  EXPECT_EQ(mod_Misc.LevelUps, 60);  // quest points raise no level
}

TEST_F(Popup, RefusedQuestPointTakesItsUseBack) {
  mod_Misc.LevelUps = 2;
  W().trees[kBone].lbl[0]->SetCaption("20");
  RightClick(kBone, 0, "mnu_DenOfEvil");
  EXPECT_EQ(mod_Misc.DenOfEvilUses, 0);
  EXPECT_EQ(frm_Menu->mnu_DenOfEvil.Caption(), "&Den Of Evil (Normal)");
  EXPECT_EQ(Notice(), "No more points may be added to this skill.  Maximum points are 20 per skill.");
  RightClick(kBone, 1, "mnu_DenOfEvil");
  EXPECT_EQ(mod_Misc.DenOfEvilUses, 1);
  EXPECT_EQ(frm_Menu->mnu_DenOfEvil.Caption(), "&Den Of Evil (Nightmare)");
  EXPECT_EQ(LastLine(), "Den Of Evil: Normal Slvl 1: Bone Armor");
}

TEST_F(Popup, QuestGuardStopsAnImpossibleCount) {
  mod_Misc.DenOfEvilUses = 3;
  korvinth::UseDenOfEvil();
  ASSERT_EQ(desktop.boxes.size(), 1U);
  EXPECT_EQ(desktop.boxes[0].title, "No Longer valid");
  EXPECT_EQ(mod_Misc.DenOfEvilUses, 4);
  EXPECT_EQ(mod_Misc.DenOfEvilPending, kTrue);
}

TEST_F(Popup, ReserveTakesALevelAndSpendsItLater) {
  mod_Misc.LevelUps = 4;
  RightClick(kBone, 0, "mnu_ReservePoint");
  EXPECT_EQ(mod_Misc.LevelUps, 5);
  EXPECT_EQ(mod_Misc.ReservedPoints, 1);
  EXPECT_EQ(LastLine(), "Clvl 6 Reserved For Later ");
  EXPECT_EQ(W().lb_SkillsPerLevel->ListIndex(), 0);
  EXPECT_EQ(W().lbl_CharLevel->Caption(), "Level 6");
  EXPECT_EQ(W().lbl_SkillLevel->Caption(), "Skill Level  5");
  EXPECT_EQ(W().lbl_Reserved->Caption(), "Reserved Points: 1");
  EXPECT_EQ(W().trees[kBone].lbl[0]->Caption(), "0");
  RightClick(kBone, 2, "mnu_UseReserve");
  EXPECT_EQ(LastLine(), "Reserved Slvl 1: Poison Dagger");
  EXPECT_EQ(mod_Misc.ReservedPoints, 0);
  RightClick(kBone, 0, "mnu_UseReserve");
  EXPECT_EQ(Notice(), "You have no skill points in reserve.");
}

TEST_F(Popup, ReserveIsRefusedAtLevel99) {
  mod_Misc.LevelUps = 98;
  RightClick(kBone, 0, "mnu_ReservePoint");
  EXPECT_EQ(mod_Misc.LevelUps, 98);
  EXPECT_EQ(mod_Misc.ReservedPoints, 0);
  EXPECT_EQ(Notice(), "Character has reached maximum allowable level(99). ");
  EXPECT_EQ(W().lb_SkillsPerLevel->ListCount(), 0);
}

TEST_F(Popup, HeadingsLightOneLevelBelowTheirTier) {
  auto lit = [this] {
    std::vector<bool> result;
    for (int row = 1; row < 6; ++row)
      result.push_back(W().lbl_Level[row]->ForeColor() == korvinth::kPaleYellow);
    return result;
  };
  LevelUp(3);
  EXPECT_EQ(lit(), std::vector<bool>({false, false, false, false, false}));
  LevelUp(1);  // level 5
  EXPECT_EQ(lit(), std::vector<bool>({true, false, false, false, false}));
  LevelUp(6);  // level 11
  EXPECT_EQ(lit(), std::vector<bool>({true, true, false, false, false}));
  W().lbl_UndoLast_Click();  // back to 10: stays lit
  EXPECT_EQ(lit(), std::vector<bool>({true, true, false, false, false}));
  for (int i = 0; i < 5; ++i) W().lbl_UndoLast_Click();  // level 5
  EXPECT_EQ(lit(), std::vector<bool>({true, false, false, false, false}));
  W().lbl_UndoLast_Click();
  EXPECT_EQ(lit(), std::vector<bool>({false, false, false, false, false}));
  mod_Misc.LevelUps = 27;
  LevelUp(1);  // level 29 lights only the last
  EXPECT_EQ(lit(), std::vector<bool>({false, false, false, false, true}));
}

TEST_F(Popup, QuestNoticesAppearAtTheirLevels) {
  struct Case {
    int level;
    std::int16_t korvinth::CharacterState::*uses;
    int count;
    const char* notice;  // nullptr: none
  };
  const Case cases[] = {
      {3, &korvinth::CharacterState::DenOfEvilUses, 0,
       "Den Of Evil (Normal) quest skill point is now available.  Right click to use."},
      {3, &korvinth::CharacterState::DenOfEvilUses, 1, nullptr},
      {25, &korvinth::CharacterState::DenOfEvilUses, 1,
       "Den Of Evil (Nightmare) quest skill point is now available.  Right click to use."},
      {40, &korvinth::CharacterState::DenOfEvilUses, 3,
       "Den Of Evil (Hell) quest skill point is now available.  Right click to use."},
      {40, &korvinth::CharacterState::DenOfEvilUses, 1, nullptr},
      {15, &korvinth::CharacterState::BookOfSkillUses, 0,
       "Book Of Skill (Normal) quest skill point is now available.  Right click to use."},
      {30, &korvinth::CharacterState::BookOfSkillUses, 1,
       "Book Of Skill (Nightmare) quest skill point is now available.  Right click to use."},
      {45, &korvinth::CharacterState::BookOfSkillUses, 2,
       "Book Of Skill (Hell) quest skill point is now available.  Right click to use."},
      {23, &korvinth::CharacterState::DeathOfIzualUses, 1,
       "Death of Izual (Normal) quest skill point is now available.  Right click to use."},
      {23, &korvinth::CharacterState::DeathOfIzualUses, 2, nullptr},
      {39, &korvinth::CharacterState::DeathOfIzualUses, 4,
       "Death of Izual (Nightmare) quest skill point is now available.  Right click to use."},
      {59, &korvinth::CharacterState::DeathOfIzualUses, 4, nullptr},
      {59, &korvinth::CharacterState::DeathOfIzualUses, 5,
       "Death of Izual (Hell) quest skill point is now available.  Right click to use."},
      {24, &korvinth::CharacterState::DenOfEvilUses, 1, nullptr},
  };
  for (const Case& c : cases) {
    mod_Misc = korvinth::CharacterState{};
    W().lbl_UnAvail->SetVisible(false);
    mod_Misc.*c.uses = static_cast<std::int16_t>(c.count);
    mod_Misc.LevelUps = static_cast<std::int16_t>(c.level - 2);
    W().img_Tree_Click(kSummon, 0);  // the point that reaches the level
    EXPECT_EQ(Notice(), c.notice ? QString::fromLatin1(c.notice) : QString()) << c.level << " " << c.count;
  }
}

TEST_F(Popup, NoticeReplacesAShowingRefusal) {
  mod_Misc.LevelUps = 2;
  W().img_Tree_Click(kBone, 2);
  EXPECT_TRUE(Notice().startsWith("Not available yet"));
  const int starts = W().tim_Unavail->Starts();
  korvinth::RefreshLevelNotices();
  EXPECT_EQ(Notice(), "Den Of Evil (Normal) quest skill point is now available.  Right click to use.");
  EXPECT_EQ(W().tim_Unavail->Starts(), starts + 1);
}

TEST_F(Popup, QuestGrantShowsNoNotice) {
  mod_Misc.LevelUps = 2;  // level 3: Den Of Evil would be announced after a level-up
  RightClick(kBone, 0, "mnu_DenOfEvil");
  EXPECT_EQ(Notice(), "");
}

TEST_F(Popup, HoverShowsNameDescriptionAndFramesTheIcon) {
  W().img_Tree_MouseMove(kBone, 0);
  const QStringList lines = W().lbl_Description->Caption().split("\r\n");
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], "Teeth");
  EXPECT_TRUE(lines[1].startsWith("'Fires multiple teeth missiles'."));
  EXPECT_EQ(lines[2], "Right click for reserve options and skill stats.");
  EXPECT_EQ(W().sh_Outline->Left(), 5185);
  EXPECT_EQ(W().sh_Outline->Top(), 370);
  W().img_Tree_MouseMove(kSummon, 3);  // Golem Mastery has no quoted tag line
  EXPECT_TRUE(W().lbl_Description->Caption().split("\r\n")[1].startsWith("(Passive) Adding points"));
  W().Form_MouseMove({});
  EXPECT_EQ(W().lbl_Description->Caption(), "");
  EXPECT_EQ(W().sh_Outline->Left(), -1000);
  EXPECT_EQ(W().sh_Outline->Top(), -1000);
}

TEST_F(Popup, CommandHoverTurnsWhiteUntilTheReset) {
  forms::Label& save = *W().lbl_Save;
  save.onMouseMove({});
  EXPECT_EQ(W().lbl_Description->Caption(), "Save your character To a text file.");
  EXPECT_EQ(save.ForeColor(), korvinth::kWhite);
  W().lbl_ChangeClass->onMouseMove({});
  EXPECT_EQ(W().lbl_Description->Caption(),
            "Change the type of character you are.\r\n          Amazon\r\n          Barbarian\r\n"
            "          Paladin\r\n          Necromancer\r\n          Sorceress");
  W().img_CommandColumn->onMouseMove({});
  EXPECT_EQ(save.ForeColor(), korvinth::kPaleYellow);
  EXPECT_EQ(W().lbl_ChangeClass->ForeColor(), korvinth::kPaleYellow);
  EXPECT_EQ(W().lbl_Description->Caption(), "");
}

TEST_F(Popup, MovesOverLabelsAndPanelsChangeNothing) {
  W().img_Tree_MouseMove(kBone, 0);
  const QString text = W().lbl_Description->Caption();
  // The bottom panel picture and the labels take the move without a handler;
  // a level band or a connector lets it through to the window.
  const QRect panel = W().img_BottomPanel->PixelRect();
  EXPECT_EQ(W().ControlAt(panel.topLeft() + QPoint(5, 5)), W().img_BottomPanel);
  EXPECT_EQ(W().lbl_Description->Caption(), text);
  // On the separator over the level 30 band, between the trees.
  EXPECT_EQ(W().ControlAt(QPoint(4125 / 15, 4800 / 15)), nullptr);
}

}  // namespace
