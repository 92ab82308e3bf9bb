// Undo of every kind of line, reset, change of class, exit, export and the
// random fill, in the Necromancer window.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/StartWindow.h"
#include "core/Colors.h"
#include "core/Export.h"
#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "skilltrees/ClassWindow.h"
#include "tests/support/NecroWindow.h"

namespace {

using korvinth::ClassWindow;
using korvinth::frm_Menu;
using korvinth::frm_NecroSkill;
using korvinth::kChosenClassRoll;
using korvinth::kTrue;
using korvinth::mod_Misc;

using testing_support::kBone;
using testing_support::kCurse;
using testing_support::kSummon;

class Commands : public testing_support::NecroWindowTest {
 protected:
  void Undo() { W().lbl_UndoLast_Click(); }
  QByteArray Exported(const QString& name) {
    QFile file(QDir(folder.path()).filePath(name + ".txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
};

TEST_F(Commands, UndoReversesALevelUpPoint) {
  W().img_Tree_Click(kBone, 0);
  Undo();
  EXPECT_TRUE(History().isEmpty());
  EXPECT_EQ(Points(kBone, 0), "0");
  EXPECT_EQ(mod_Misc.LevelUps, 0);
  EXPECT_EQ(W().lbl_CharLevel->Caption(), "Level 1");
  EXPECT_EQ(W().lbl_SkillLevel->Caption(), "Skill Points:  0");
}

TEST_F(Commands, UndoReversesReserveLines) {
  mod_Misc.LevelUps = 2;
  RightClick(kBone, 1, "mnu_ReservePoint");
  RightClick(kBone, 1, "mnu_ReservePoint");
  RightClick(kBone, 1, "mnu_UseReserve");
  ASSERT_EQ(LastLine(), "Reserved Slvl 1: Bone Armor");
  Undo();
  EXPECT_EQ(Points(kBone, 1), "0");
  EXPECT_EQ(mod_Misc.ReservedPoints, 2);
  EXPECT_EQ(mod_Misc.LevelUps, 4);
  EXPECT_EQ(W().lbl_Reserved->Caption(), "Reserved Points: 2");
  ASSERT_EQ(LastLine(), "Clvl 5 Reserved For Later ");
  Undo();
  EXPECT_EQ(mod_Misc.LevelUps, 3);
  EXPECT_EQ(mod_Misc.ReservedPoints, 1);
  EXPECT_EQ(W().lbl_CharLevel->Caption(), "Level 4");
  EXPECT_EQ(W().lbl_SkillLevel->Caption(), "Skill Level  3");  // this window's reserve-undo text
  EXPECT_EQ(W().lbl_Reserved->Caption(), "Reserved Points: 1");
}

TEST_F(Commands, UndoReversesQuestLinesAndTheirCaptions) {
  mod_Misc.LevelUps = 60;
  W().trees[kCurse].lbl[2]->SetCaption("1");  // Weaken, which Terror needs
  RightClick(kCurse, 4, "mnu_DeathOfIzual");
  RightClick(kCurse, 4, "mnu_DeathOfIzual");
  RightClick(kCurse, 4, "mnu_DeathOfIzual");
  RightClick(kBone, 0, "mnu_DenOfEvil");
  RightClick(kBone, 0, "mnu_DenOfEvil");
  RightClick(kBone, 1, "mnu_BookOfSkill");
  ASSERT_EQ(LastLine(), "Book of Skill: Normal Slvl 1: Bone Armor");
  Undo();
  EXPECT_EQ(mod_Misc.BookOfSkillUses, 0);
  EXPECT_EQ(frm_Menu->mnu_BookOfSkill.Caption(), "&Book of Skill (Normal)");
  ASSERT_EQ(LastLine(), "Den Of Evil: Nightmare Slvl 2: Teeth");
  Undo();
  EXPECT_EQ(Points(kBone, 0), "1");
  EXPECT_EQ(mod_Misc.DenOfEvilUses, 1);
  EXPECT_EQ(frm_Menu->mnu_DenOfEvil.Caption(), "&Den Of Evil (Nightmare)");
  Undo();
  ASSERT_EQ(LastLine(), "Izual Quest Point:(1) Nightmare Slvl 3: Terror");
  Undo();
  EXPECT_EQ(Points(kCurse, 4), "2");
  EXPECT_EQ(mod_Misc.DeathOfIzualUses, 2);
  EXPECT_EQ(frm_Menu->mnu_DeathOfIzual.Caption(), "&Death of Izual (Nightmare)");
  Undo();
  Undo();
  EXPECT_EQ(mod_Misc.DeathOfIzualUses, 0);
  EXPECT_EQ(frm_Menu->mnu_DeathOfIzual.Caption(), "&Death of Izual (Normal)");
  EXPECT_EQ(mod_Misc.LevelUps, 60);  // quest lines change no level
}

TEST_F(Commands, UndoNamesTheSkillByItsOwnText) {
  mod_Misc.LevelUps = 20;
  W().trees[kSummon].lbl[4]->SetCaption("3");
  W().img_Tree_Click(kSummon, 1);  // Raise Skeleton, not Raise Skeletal Mage
  Undo();
  EXPECT_EQ(Points(kSummon, 1), "0");
  EXPECT_EQ(Points(kSummon, 4), "3");
}

TEST_F(Commands, UndoOnAnEmptyListDoesNothing) {
  mod_Misc.LevelUps = 7;
  Undo();
  EXPECT_EQ(mod_Misc.LevelUps, 7);
  EXPECT_EQ(W().lbl_CharLevel->Caption(), "Level: 1");
}

TEST_F(Commands, UndoOfAWholePlanReturnsEveryCounterToZero) {
  for (int i = 0; i < 4; ++i) W().img_Tree_Click(kBone, 0);
  RightClick(kBone, 0, "mnu_DenOfEvil");
  RightClick(kBone, 1, "mnu_ReservePoint");
  W().img_Tree_Click(kSummon, 0);
  RightClick(kSummon, 2, "mnu_UseReserve");
  for (int i = 0; i < 20 && W().lb_SkillsPerLevel->ListCount() > 0; ++i) Undo();
  EXPECT_TRUE(History().isEmpty());
  EXPECT_EQ(mod_Misc.LevelUps, 0);
  EXPECT_EQ(mod_Misc.ReservedPoints, 0);
  EXPECT_EQ(mod_Misc.DenOfEvilUses, 0);
  for (auto& tree : W().trees) {
    for (auto* label : tree.lbl) EXPECT_EQ(label->Caption(), "0");
  }
}

TEST_F(Commands, ResetWritesItsOwnTexts) {
  W().lbl_Reset_Click();  // on a fresh window only two texts change
  EXPECT_EQ(W().lbl_CharLevel->Caption(), "Level 1");
  EXPECT_EQ(W().lbl_SkillLevel->Caption(), "Skill Points: 0");
  EXPECT_EQ(W().lbl_Reserved->Caption(), "Reserve Points: 0");
  mod_Misc.LevelUps = 40;
  RightClick(kBone, 0, "mnu_DenOfEvil");
  RightClick(kBone, 0, "mnu_BookOfSkill");
  RightClick(kBone, 0, "mnu_DeathOfIzual");
  RightClick(kBone, 0, "mnu_ReservePoint");
  W().img_Tree_Click(kBone, 0);
  mod_Misc.RandomRunning = kTrue;
  W().lbl_Reset_Click();
  EXPECT_TRUE(History().isEmpty());
  EXPECT_EQ(mod_Misc.LevelUps, 0);
  EXPECT_EQ(mod_Misc.ReservedPoints, 0);
  EXPECT_EQ(mod_Misc.DenOfEvilUses + mod_Misc.BookOfSkillUses + mod_Misc.DeathOfIzualUses, 0);
  EXPECT_EQ(mod_Misc.RandomRunning, 0);
  EXPECT_EQ(frm_Menu->mnu_DenOfEvil.Caption(), "&Den Of Evil (Normal)");
  EXPECT_EQ(frm_Menu->mnu_BookOfSkill.Caption(), "&Book of Skill (Normal)");
  EXPECT_EQ(frm_Menu->mnu_DeathOfIzual.Caption(), "&Death of Izual (Normal)");
  EXPECT_EQ(Points(kBone, 0), "0");
  for (int row = 1; row < 6; ++row) EXPECT_EQ(W().lbl_Level[row]->ForeColor(), korvinth::kWhite);
  EXPECT_EQ(W().lbl_Level[0]->ForeColor(), korvinth::kPaleYellow);
}

TEST_F(Commands, ChangeClassShowsTheStartWindowAndUnloads) {
  korvinth::frm_MainSelect->Hide();
  W().img_Tree_Click(kBone, 0);
  W().lbl_ChangeClass_Click();
  EXPECT_TRUE(korvinth::frm_MainSelect.Loaded()->isVisible());
  EXPECT_FALSE(korvinth::IsFormLoaded("frm_NecroSkill"));
  EXPECT_EQ(mod_Misc.LevelUps, 0);
  // Chosen again, the window comes back with its design values.
  EXPECT_EQ(W().lbl_CharLevel->Caption(), "Level: 1");
  EXPECT_TRUE(History().isEmpty());
}

TEST_F(Commands, EscapeInTheHistoryAndTheFrameCloseActLikeChangeClass) {
  std::int16_t other = 'a';
  W().lb_SkillsPerLevel_KeyPress(other);
  EXPECT_TRUE(korvinth::IsFormLoaded("frm_NecroSkill"));
  std::int16_t escape = 27;
  W().lb_SkillsPerLevel_KeyPress(escape);
  EXPECT_FALSE(korvinth::IsFormLoaded("frm_NecroSkill"));
  W().Form_QueryClose();
  EXPECT_FALSE(korvinth::IsFormLoaded("frm_NecroSkill"));
  EXPECT_TRUE(korvinth::frm_MainSelect.Loaded()->isVisible());
}

TEST_F(Commands, ExitEndsTheProgram) {
  W().lbl_Close_Click();
  EXPECT_TRUE(desktop.ended);
}

TEST_F(Commands, ExportWritesThePlan) {
  W().img_Tree_Click(kBone, 0);
  mod_Misc.LevelUps = 11;
  W().img_Tree_Click(kBone, 0);
  W().lb_SkillsPerLevel->SetListIndex(0);
  W().lbl_Save_Click();
  ASSERT_EQ(desktop.inputs.size(), 1U);
  EXPECT_EQ(desktop.inputs[0].prompt, "What is the name of this character?");
  EXPECT_EQ(desktop.inputs[0].title, "Character Name");
  EXPECT_EQ(desktop.inputs[0].defaultText, "Character");
  EXPECT_EQ(
      Exported("Character"),
      "Character\r\nClass: Necromancer\r\nLevel: 13\r\n---------------------------------------------\r\n"
      "\r\nClvl 1 Slvl 0: Starting Level\r\nClvl 2 Slvl 1: Teeth\r\nClvl 13 Slvl 2: Teeth\r\n\r\n"
      "---------------------------------------------\r\n");
  EXPECT_TRUE(W().lb_SkillsPerLevel->isVisibleTo(&W()));
  EXPECT_EQ(W().lb_SkillsPerLevel->ListIndex(), 1);
  EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(Commands, ExportCopiesEveryKindOfLine) {
  mod_Misc.LevelUps = 2;
  RightClick(kBone, 0, "mnu_DenOfEvil");
  RightClick(kBone, 1, "mnu_ReservePoint");
  RightClick(kBone, 1, "mnu_UseReserve");
  mod_Misc.LevelUps = 30;
  RightClick(kCurse, 0, "mnu_DeathOfIzual");
  RightClick(kCurse, 0, "mnu_BookOfSkill");
  Click(kSummon, 0);
  desktop.inputAnswers.push_back(QString("Mixed Plan"));
  W().lbl_Save_Click();
  EXPECT_EQ(
      Exported("Mixed Plan"),
      "Mixed Plan\r\nClass: Necromancer\r\nLevel: 32\r\n---------------------------------------------\r\n"
      "\r\nClvl 1 Slvl 0: Starting Level\r\nDen Of Evil: Normal Slvl 1: Teeth\r\n"
      "Clvl 4 Reserved For Later \r\nReserved Slvl 1: Bone Armor\r\n"
      "Izual Quest Point:(1) Normal Slvl 1: Amplify Damage\r\n"
      "Book of Skill: Normal Slvl 2: Amplify Damage\r\n"
      "Clvl 32 Slvl 1: Skeleton Mastery\r\n\r\n---------------------------------------------\r\n");
}

TEST_F(Commands, ExportOfAnEmptyPlanAndReplacingAFile) {
  desktop.inputAnswers.push_back(QString("Zed"));
  W().lbl_Save_Click();
  EXPECT_EQ(Exported("Zed"),
            "No Skills selected, Empty character\r\n\r\nZed\r\nClass: Necromancer\r\nLevel: 1\r\n"
            "---------------------------------------------\r\n\r\nClvl 1 Slvl 0: Starting Level\r\n\r\n\r\n"
            "---------------------------------------------\r\n");
  W().img_Tree_Click(kCurse, 0);
  desktop.inputAnswers.push_back(QString("Zed"));
  W().lbl_Save_Click();
  EXPECT_TRUE(Exported("Zed").startsWith("Zed\r\nClass: Necromancer\r\nLevel: 2\r\n"));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"Zed.txt"}));
}

TEST_F(Commands, BadNamesAndCancelWriteNothing) {
  for (const char* name :
       {"", ".", "..", "a/b", "..\\up", "x:y", "star*", "q?", "\"quoted\"", "<a>", "pipe|", "tab\there"}) {
    desktop.boxes.clear();
    desktop.inputAnswers.push_back(QString::fromLatin1(name));
    W().lbl_Save_Click();
    ASSERT_EQ(desktop.boxes.size(), 1U) << name;
    EXPECT_EQ(desktop.boxes[0].prompt, "52\r\nBad file name or number") << name;
    EXPECT_EQ(desktop.boxes[0].title, "Korvinth");
    EXPECT_TRUE(W().lb_SkillsPerLevel->isVisibleTo(&W()));
  }
  desktop.boxes.clear();
  desktop.inputAnswers.push_back(std::nullopt);
  W().lbl_Save_Click();
  EXPECT_TRUE(desktop.boxes.empty());
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty());
  QDir up(folder.path());
  up.cdUp();
  EXPECT_FALSE(QFileInfo::exists(up.filePath("up.txt")));
}

TEST_F(Commands, FailedExportReportsAndLeavesNoStrayFile) {
  // A folder in the file's place cannot be replaced by the export.
  QDir(folder.path()).mkpath("Character.txt/kept");
  W().img_Tree_Click(kBone, 0);
  W().lbl_Save_Click();
  ASSERT_EQ(desktop.boxes.size(), 1U);
  EXPECT_EQ(desktop.boxes[0].prompt, "75\r\nPath/File access error");
  EXPECT_EQ(desktop.boxes[0].title, "Korvinth");
  EXPECT_TRUE(QFileInfo(QDir(folder.path()).filePath("Character.txt/kept")).isDir());
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({"Character.txt"}));
  EXPECT_TRUE(W().lb_SkillsPerLevel->isVisibleTo(&W()));
}

TEST_F(Commands, FailedExportKeepsTheEarlierFile) {
  W().img_Tree_Click(kBone, 0);
  W().lbl_Save_Click();
  const QByteArray before = Exported("Character");
  QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const bool stillWritable = QFileInfo(folder.path()).isWritable() || ::geteuid() == 0;
  W().img_Tree_Click(kBone, 0);
  W().lbl_Save_Click();
  QFile::setPermissions(folder.path(),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  if (stillWritable) GTEST_SKIP() << "this user writes into read-only folders";
  ASSERT_EQ(desktop.boxes.size(), 1U);
  EXPECT_TRUE(desktop.boxes[0].prompt.contains("\r\n"));
  EXPECT_EQ(Exported("Character"), before);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Character.txt"}));
}

class RandomFill : public Commands, public ::testing::WithParamInterface<int> {};

TEST_P(RandomFill, EndsAtTheRequestedLevel) {
  const int level = GetParam();
  frm_NecroSkill.Unload();  // the fill runs in the next load
  mod_Misc.RandomClassRoll = kChosenClassRoll;
  mod_Misc.RandomPointsLeft = static_cast<std::int16_t>(level);
  mod_Misc.RandomRunning = kTrue;
  ClassWindow& window = W();  // the load runs the fill
  EXPECT_EQ(mod_Misc.LevelUps, level - 1);
  EXPECT_EQ(window.lb_SkillsPerLevel->ListCount(), level - 1);
  EXPECT_EQ(window.lbl_CharLevel->Caption(), level == 1 ? "Level 1" : QString("Level %1").arg(level));
  EXPECT_EQ(mod_Misc.RandomClassRoll, 0);
  EXPECT_EQ(mod_Misc.RandomRunning, 0);
  int total = 0;
  for (auto& tree : window.trees) {
    EXPECT_EQ(tree.lbl[9]->Caption(), "0");
    for (auto* label : tree.lbl) total += label->Caption().toInt();
  }
  EXPECT_EQ(total, level - 1);
  ASSERT_EQ(desktop.boxes.size(), 1U);
  EXPECT_EQ(desktop.boxes[0].title, "Generation Complete");
  EXPECT_GE(desktop.doEvents, 9);
}

INSTANTIATE_TEST_SUITE_P(Levels, RandomFill, ::testing::Values(1, 10, 75),
                         [](const auto& info) { return "Level" + std::to_string(info.param); });

TEST_F(Commands, NoFillWithoutAPendingGeneration) {
  for (auto [roll, points] : {std::pair{0, 10}, std::pair{1000, 0}, std::pair{1000, -4}}) {
    testing_support::ResetProgram();
    mod_Misc.RandomClassRoll = static_cast<std::int16_t>(roll);
    mod_Misc.RandomPointsLeft = static_cast<std::int16_t>(points);
    EXPECT_EQ(W().lb_SkillsPerLevel->ListCount(), 0);
    EXPECT_EQ(desktop.doEvents, 0);
  }
}

}  // namespace
