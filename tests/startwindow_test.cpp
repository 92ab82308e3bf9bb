// The start window (load, class choice, hover, portrait animation, credits)
// and the random character generator.
#include "app/StartWindow.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QRegularExpression>
#include <cmath>
#include <map>

#include "app/GeneratorWindow.h"
#include "app/GifFrames.h"
#include "assets/Pictures.h"
#include "core/Colors.h"
#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "core/Random.h"
#include "skilltrees/ClassWindow.h"
#include "tests/support/Planner.h"
#include "tools/forge/GifWriter.h"

namespace {

using korvinth::frm_MainSelect;
using korvinth::frm_RandomGenerator;
using korvinth::GeneratorWindow;
using korvinth::mod_Misc;
using korvinth::StartWindow;

constexpr int kAmazon = 0;
constexpr int kNecromancer = 2;
constexpr int kSorceress = 4;

QByteArray Portrait(int frames, int delay) {
  std::vector<forge::GifFrame> list;
  for (int i = 0; i < frames; ++i) {
    QImage image(6, 6, QImage::Format_ARGB32);
    image.fill(qRgb(i * 30, 100, 200 - i * 20));
    list.push_back({image, QPoint(i % 2, 0), delay});
  }
  std::vector<QRgb> palette{qRgb(0, 0, 0)};
  for (int i = 1; i < 256; ++i) palette.push_back(qRgb(i, (i * 7) % 256, (i * 13) % 256));
  return forge::EncodeGif(6, 6, palette, list);
}

class Start : public testing_support::PlannerTest {
 protected:
  void Place(const char* file, int frames, int delay = 5) {
    QFile out(QDir(folder.path()).filePath(file));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(Portrait(frames, delay));
  }
  StartWindow& S() { return *frm_MainSelect; }
  forms::ImageArray& Frames(int c) { return *S().portraits[static_cast<std::size_t>(c)].img; }
  int Shown(int c) {
    int shown = -1;
    for (int i = Frames(c).Count() - 1; i >= 0; --i) {
      if (Frames(c)[i].Visible()) shown = i;
    }
    return shown;
  }
};

TEST_F(Start, LoadResetsThePlanAndLoadsThePortraits) {
  Place("amazonmove.gif", 10, 7);
  Place("sorceressmove.gif", 8);
  mod_Misc.LevelUps = 9;
  mod_Misc.DenOfEvilUses = 2;
  mod_Misc.BookOfSkillUses = 2;
  mod_Misc.RandomRunning = korvinth::kTrue;
  StartWindow& s = S();
  EXPECT_TRUE(s.isVisible());
  EXPECT_EQ(mod_Misc.LevelUps, 0);
  EXPECT_EQ(mod_Misc.BookOfSkillUses, 0);
  EXPECT_EQ(mod_Misc.DenOfEvilUses, 2);  // not touched by the start window
  EXPECT_EQ(mod_Misc.RandomRunning, 0);
  EXPECT_EQ(korvinth::frm_Menu->mnu_BookOfSkill.Caption(), "&Book of Skill (Normal)");
  EXPECT_EQ(korvinth::frm_Menu->mnu_DenOfEvil.Caption(), "&Den Of Evil (Normal)");
  EXPECT_EQ(Frames(kAmazon).Count(), 10);
  EXPECT_EQ(Frames(kNecromancer).Count(), 1);  // no file: the still portrait stays
  EXPECT_EQ(korvinth::GifLastFrame, 7);        // the Sorceress, loaded last
  EXPECT_EQ(s.portraits[kAmazon].tim->Interval(), 70);
  EXPECT_FALSE(s.portraits[kAmazon].tim->Enabled());
  EXPECT_EQ(s.portraits[kNecromancer].tim->Interval(), 0);
  EXPECT_FALSE(s.lbl_Loading->Visible());
  EXPECT_EQ(s.lbl_Loading->Caption(), "Loading Images...");
  EXPECT_EQ(s.Caption(), "Diablo II Korvinth");
}

// The window is drawn before the portraits load, and answers while they
// load: a class chosen then hides it, and it is not shown again.
TEST_F(Start, AClassChosenDuringTheLoadHidesTheWindow) {
  Place("amazonmove.gif", 4);
  Place("sorceressmove.gif", 4);
  const qint64 still = korvinth::Picture("portrait_amazon").cacheKey();
  bool stillAtFirstPass = false;
  desktop.onDoEvents = [&] {
    StartWindow& s = *frm_MainSelect;  // loading: the window is there already
    if (desktop.doEvents == 1) stillAtFirstPass = Frames(kAmazon)[0].Picture().cacheKey() == still;
    if (desktop.doEvents == 3) s.ChooseClass(kNecromancer, true);
  };
  StartWindow& s = S();
  desktop.onDoEvents = nullptr;
  EXPECT_TRUE(stillAtFirstPass);  // no frame loaded yet
  EXPECT_FALSE(s.isVisible());
  EXPECT_TRUE(korvinth::frm_NecroSkill.Loaded()->isVisible());
  EXPECT_EQ(Frames(kSorceress).Count(), 4);  // the load went on to the end
  EXPECT_FALSE(s.lbl_Loading->Visible());
  ASSERT_NE(s.txt_Focus, nullptr);
  std::int16_t key = 27;
  s.txt_Focus->onKeyPress(key);  // the focus holder ends the program on Escape
  EXPECT_TRUE(desktop.ended);
}

TEST_F(Start, AnimationWrapsAtTheSharedBound) {
  Place("amazonmove.gif", 10);
  Place("paladinmove.gif", 6);
  Place("sorceressmove.gif", 8);
  StartWindow& s = S();
  s.ClassHover(kAmazon);
  EXPECT_EQ(s.AnimClass, "Amazon");
  EXPECT_TRUE(s.portraits[kAmazon].tim->Enabled());
  std::vector<int> seen;
  for (int tick = 0; tick < 9; ++tick) {
    s.AnimationTick(kAmazon);
    seen.push_back(s.AnimFrame);
  }
  EXPECT_EQ(seen, std::vector<int>({1, 2, 3, 4, 5, 6, 7, 0, 1}));  // frames 8 and 9 never show
  s.ResetHover(true);
  EXPECT_EQ(s.AnimClass, "blank");
  s.ClassHover(3);  // the Paladin has 6 frames against the bound of 7
  std::vector<int> shown;
  for (int tick = 0; tick < 8; ++tick) {
    s.AnimationTick(3);
    shown.push_back(Shown(3));
  }
  // After frame 5 two ticks show nothing, then frame 0 comes back.
  EXPECT_EQ(shown, std::vector<int>({1, 2, 3, 4, 5, -1, -1, 0}));
}

TEST_F(Start, MovingStraightToAnotherClassKeepsBothHighlighted) {
  Place("amazonmove.gif", 4);
  Place("sorceressmove.gif", 4);
  StartWindow& s = S();
  s.ClassHover(kAmazon);
  s.AnimationTick(kAmazon);
  s.ClassHover(kSorceress);
  EXPECT_EQ(s.portraits[kAmazon].lbl->ForeColor(), korvinth::kGoldHighlight);
  EXPECT_EQ(s.portraits[kSorceress].lbl->ForeColor(), korvinth::kGoldHighlight);
  EXPECT_FALSE(s.portraits[kAmazon].tim->Enabled());
  EXPECT_EQ(Shown(kAmazon), 1);  // frozen on the frame it showed
  s.ClassHover(kSorceress);      // the running animation is not restarted
  EXPECT_TRUE(s.portraits[kSorceress].tim->Enabled());
  s.Form_MouseMove({});
  for (auto& p : s.portraits) EXPECT_EQ(p.lbl->ForeColor(), korvinth::kGold);
  EXPECT_TRUE(Frames(kAmazon)[0].Visible());
}

TEST_F(Start, ChoosingAClassByPortraitOrByLabel) {
  Place("necromancermove.gif", 3);
  StartWindow& s = S();
  s.ClassHover(kNecromancer);
  s.ChooseClass(kNecromancer, false);  // by the name label
  EXPECT_FALSE(s.isVisible());
  EXPECT_TRUE(korvinth::frm_NecroSkill.Loaded()->isVisible());
  EXPECT_EQ(s.portraits[kNecromancer].lbl->ForeColor(), korvinth::kGoldHighlight);
  EXPECT_TRUE(s.portraits[kNecromancer].tim->Enabled());
  korvinth::frm_NecroSkill->lbl_ChangeClass_Click();
  EXPECT_TRUE(s.isVisible());
  s.ChooseClass(kAmazon, true);  // by the portrait: the hover is reset
  EXPECT_FALSE(s.portraits[kNecromancer].tim->Enabled());
  EXPECT_EQ(s.portraits[kNecromancer].lbl->ForeColor(), korvinth::kGold);
  EXPECT_NE(korvinth::frm_AmazonSkill.Loaded(), nullptr);
}

TEST_F(Start, ExitsEndTheProgram) {
  StartWindow& s = S();
  std::int16_t key = 'a';
  s.Form_KeyPress(key);
  EXPECT_FALSE(desktop.ended);
  key = 27;
  s.Form_KeyPress(key);
  EXPECT_TRUE(desktop.ended);
  desktop.ended = false;
  s.Form_QueryClose();
  EXPECT_TRUE(desktop.ended);
}

TEST_F(Start, CreditsShowContactsAndOpenLinks) {
  StartWindow& s = S();
  s.lbl_Loading->SetVisible(true);
  s.img_Orlowain_MouseMove();
  EXPECT_TRUE(s.lbl_ContactInfo->Caption().startsWith("Battle Net ID: Hadrenfel\r\nE-Mail:  "));
  EXPECT_TRUE(s.lbl_Loading->Visible());
  s.img_Tarnavel_MouseMove();
  EXPECT_EQ(s.lbl_ContactInfo->Caption().split("\r\n").size(), 5);
  EXPECT_FALSE(s.lbl_Loading->Visible());
  s.lbl_Title->onMouseMove({});  // the title keeps the contact text
  EXPECT_FALSE(s.lbl_ContactInfo->Caption().isEmpty());
  desktop.menuChoices.push_back("mnu_TarnavelSite");
  s.img_Tarnavel_MouseDown();
  EXPECT_EQ(desktop.popups.back().captions, QStringList({"Email Tarnavel", "Visit Website"}));
  desktop.menuChoices.push_back("mnu_OrlowainEmail");
  s.img_Orlowain_MouseDown();
  ASSERT_EQ(desktop.links.size(), 2U);
  EXPECT_TRUE(desktop.links[0].startsWith("https://") && desktop.links[0].contains("example.org"));
  EXPECT_TRUE(desktop.links[1].startsWith("mailto:") && desktop.links[1].contains("example.org"));
  s.Form_MouseMove({});
  EXPECT_TRUE(s.lbl_ContactInfo->Caption().isEmpty());
  EXPECT_EQ(s.lb_Info->ListCount(), 9);
}

TEST_F(Start, RandomLabelOpensTheGenerator) {
  StartWindow& s = S();
  s.lbl_Random_MouseMove();
  EXPECT_EQ(s.lbl_ContactInfo->Caption(), "Generate a random character.");
  s.lbl_Random_Click();
  EXPECT_FALSE(s.isVisible());
  ASSERT_NE(frm_RandomGenerator.Loaded(), nullptr);
  EXPECT_EQ(mod_Misc.RandomClass, "Random");
  EXPECT_EQ(s.lbl_ContactInfo->Caption(), "Generate a random character.");
}

class Generator : public Start {
 protected:
  GeneratorWindow& G() {
    S();
    return *frm_RandomGenerator;
  }
};

TEST_F(Generator, ChosenClassAndTypedLevel) {
  G().opt_Sorceress->click();
  G().txt_Level->SetText("75");
  G().lbl_Generate_Click();
  ASSERT_EQ(desktop.boxes.size(), 2U);  // the question, then the completion
  EXPECT_EQ(desktop.boxes[0].prompt,
            "This will generate a Sorceress, Level 75.\r\nDo you want to continue? (This may take awhile)");
  EXPECT_EQ(desktop.boxes[0].title, "Character Generator");
  EXPECT_EQ(desktop.boxes[1].title, "Generation Complete");
  EXPECT_FALSE(korvinth::IsFormLoaded("frm_RandomGenerator"));
  ASSERT_NE(korvinth::frm_Sorceress.Loaded(), nullptr);
  EXPECT_EQ(korvinth::frm_Sorceress.Loaded()->lbl_CharLevel->Caption(), "Level 75");
  EXPECT_EQ(mod_Misc.RandomClassRoll, 0);
}

// Many generations from the Random option and level "0", each answered No:
// every level from 12 to 75 comes up and no other, and each class about as
// often as its share of the 999 rolls that pick one (1-199 Amazon, then 200
// each). The band is five standard deviations of its count, so no seed
// trips it, while a roll short of its 1000 moves some class out of it.
TEST_F(Generator, DrawnClassAndLevel) {
  constexpr int kDraws = 6000;
  struct Share {
    const char* name;
    int rolls;
  };
  constexpr Share kShares[] = {
      {"Amazon", 199}, {"Barbarian", 200}, {"Necromancer", 200}, {"Paladin", 200}, {"Sorceress", 200}};
  constexpr int kLowest = 12;
  constexpr int kHighest = 75;
  const QRegularExpression form(
      "^This will generate a (Amazon|Barbarian|Necromancer|Paladin|Sorceress), Level "
      "(\\d+)\\.\r\nDo you want to continue\\? \\(This may take awhile\\)$");
  korvinth::SeedRandom(27);
  G().txt_Level->SetText("0");
  std::map<QString, int> classes;
  std::map<int, int> levels;
  for (int run = 0; run < kDraws; ++run) {
    desktop.boxes.clear();
    desktop.answers.push_back(forms::kNo);
    G().lbl_Generate_Click();
    ASSERT_EQ(desktop.boxes.size(), 1U) << "generation " << run;
    const QRegularExpressionMatch match = form.match(desktop.boxes[0].prompt);
    ASSERT_TRUE(match.hasMatch()) << desktop.boxes[0].prompt.toStdString();
    ++classes[match.captured(1)];
    ++levels[match.captured(2).toInt()];
    // No after a drawn class brings the Random option back; nothing stays pending.
    ASSERT_EQ(mod_Misc.RandomClass, "Random");
    ASSERT_TRUE(G().opt_Random->isChecked());
    ASSERT_EQ(mod_Misc.RandomClassRoll, 0);
    ASSERT_EQ(G().txt_Level->Text(), "0");
  }
  for (const auto& [level, count] : levels) {
    EXPECT_TRUE(level >= kLowest && level <= kHighest) << "level " << level << " drawn " << count << " times";
  }
  for (int level = kLowest; level <= kHighest; ++level) {
    EXPECT_TRUE(levels.contains(level)) << "level " << level << " never drawn";
  }
  for (const Share& share : kShares) {
    const double p = share.rolls / 999.0;
    const double expected = kDraws * p;
    const double band = 5 * std::sqrt(kDraws * p * (1 - p));
    const int count = classes[QString::fromLatin1(share.name)];
    EXPECT_NEAR(count, expected, band) << share.name << " drawn " << count << " times of " << kDraws;
  }
}

TEST_F(Generator, NoAfterAChosenClassKeepsTheChoice) {
  desktop.answers.push_back(forms::kNo);
  G().Opt_Paladin->click();
  G().txt_Level->SetText("30");
  G().lbl_Generate_Click();
  EXPECT_TRUE(G().Opt_Paladin->isChecked());
  EXPECT_EQ(mod_Misc.RandomClass, "Paladin");
  EXPECT_EQ(mod_Misc.RandomClassRoll, 0);
  EXPECT_EQ(korvinth::frm_Paladin->lb_SkillsPerLevel->ListCount(), 0);  // nothing stays pending
}

TEST_F(Generator, RollsMapToClasses) {
  EXPECT_EQ(korvinth::ClassOfRoll(1), "Amazon");
  EXPECT_EQ(korvinth::ClassOfRoll(199), "Amazon");
  EXPECT_EQ(korvinth::ClassOfRoll(200), "Barbarian");
  EXPECT_EQ(korvinth::ClassOfRoll(599), "Necromancer");
  EXPECT_EQ(korvinth::ClassOfRoll(600), "Paladin");
  EXPECT_EQ(korvinth::ClassOfRoll(999), "Sorceress");
  EXPECT_EQ(korvinth::ClassOfRoll(1000), "Random");
}

TEST_F(Generator, LevelBoxRefusesBadTextAtEveryKey) {
  for (const char* bad : {"76", "80", "-5", "a", "1e2", "0x1", "7 5"}) {
    desktop.boxes.clear();
    G().txt_Level->SetText(QString::fromLatin1(bad));
    G().txt_Level_KeyUp();
    ASSERT_EQ(desktop.boxes.size(), 1U) << bad;
    EXPECT_EQ(desktop.boxes[0].prompt, "Level must be 0 - 75");
    EXPECT_EQ(desktop.boxes[0].title, "Entry Error");
    EXPECT_EQ(G().txt_Level->Text(), "0");
  }
  desktop.boxes.clear();
  for (const char* good : {"", "7", "75", "74.9", "+3", "2.5"}) {
    G().txt_Level->SetText(QString::fromLatin1(good));
    G().txt_Level_KeyUp();
  }
  EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(Generator, HalvesRoundToEven) {
  for (auto [text, level] : {std::pair{"2.5", 2}, std::pair{"3.5", 4}}) {
    desktop.boxes.clear();
    desktop.answers.push_back(forms::kNo);
    G().opt_Necromancer->click();
    G().txt_Level->SetText(QString::fromLatin1(text));
    G().lbl_Generate_Click();
    ASSERT_EQ(desktop.boxes.size(), 1U);
    EXPECT_TRUE(desktop.boxes[0].prompt.startsWith(
        QString("This will generate a Necromancer, Level %1.").arg(level)));
  }
}

TEST_F(Generator, EmptyLevelGeneratesNothing) {
  G().txt_Level->SetText("");
  G().lbl_Generate_Click();
  ASSERT_EQ(desktop.boxes.size(), 1U);
  EXPECT_EQ(desktop.boxes[0].prompt, "Level must be 0 - 75");
  EXPECT_EQ(mod_Misc.RandomClassRoll, 0);
  EXPECT_TRUE(korvinth::IsFormLoaded("frm_RandomGenerator"));
}

TEST_F(Generator, EnterGeneratesAndEscapeCloses) {
  desktop.answers.push_back(forms::kNo);
  std::int16_t enter = 13;
  G().opt_Amazon->onKeyPress(enter);
  EXPECT_EQ(desktop.boxes.size(), 1U);
  S().Hide();
  std::int16_t escape = 27;
  G().txt_Level->onKeyPress(escape);
  EXPECT_FALSE(korvinth::IsFormLoaded("frm_RandomGenerator"));
  EXPECT_TRUE(S().isVisible());  // never left with no window shown
}

TEST_F(Generator, CancelAndTheFrameCloseShowTheStartWindow) {
  S().Hide();
  G().lbl_Cancel_Click();
  EXPECT_TRUE(S().isVisible());
  EXPECT_FALSE(korvinth::IsFormLoaded("frm_RandomGenerator"));
  S().Hide();
  G().Form_QueryClose();
  EXPECT_TRUE(S().isVisible());
}

TEST_F(Generator, NoOpenClassWindowIsFilledLater) {
  desktop.answers.push_back(forms::kNo);
  G().txt_Level->SetText("0");
  G().lbl_Generate_Click();
  EXPECT_EQ(korvinth::frm_Paladin->lb_SkillsPerLevel->ListCount(), 0);
}

// Only one class window is ever open, whichever way it was reached: the windows
// share one character state, and an export must describe the window it was
// saved from.
int LoadedClassWindows() {
  int loaded = 0;
  for (auto* ref : {&korvinth::frm_NecroSkill, &korvinth::frm_AmazonSkill, &korvinth::frm_BarbarianSkill,
                    &korvinth::frm_Paladin, &korvinth::frm_Sorceress}) {
    if (ref->Loaded()) ++loaded;
  }
  return loaded;
}

TEST_F(Generator, KeyboardEntryThenAPortraitKeepsOneClassWindow) {
  // Command1 leaves the start window usable beside the generator.
  S().Command1_Click();
  ASSERT_TRUE(S().isVisible());
  S().ChooseClass(kAmazon, true);
  EXPECT_FALSE(S().isVisible());
  G().Opt_Paladin->click();
  G().txt_Level->SetText("12");
  G().lbl_Generate_Click();
  EXPECT_EQ(LoadedClassWindows(), 1);
  ASSERT_NE(korvinth::frm_Paladin.Loaded(), nullptr);
  EXPECT_EQ(korvinth::frm_Paladin.Loaded()->lbl_CharLevel->Caption(), "Level 12");
  EXPECT_FALSE(S().isVisible());
  // Cancel from another generator shows the start window beside the class
  // window; a class chosen there replaces the open one.
  G().lbl_Cancel_Click();
  S().ChooseClass(kSorceress, false);
  EXPECT_EQ(LoadedClassWindows(), 1);
  EXPECT_NE(korvinth::frm_Sorceress.Loaded(), nullptr);
  EXPECT_EQ(mod_Misc.LevelUps, 0);
}

TEST_F(Generator, GeneratingTheOpenClassFillsItAtOnceAndLeavesNothingPending) {
  S().ChooseClass(kNecromancer, true);
  korvinth::ClassWindow& necro = *korvinth::frm_NecroSkill;
  necro.img_Tree_Click(0, 0);
  necro.img_Tree_Click(0, 0);
  mod_Misc.DenOfEvilUses = 1;
  S().Command1_Click();
  G().opt_Necromancer->click();
  G().txt_Level->SetText("20");
  G().lbl_Generate_Click();
  korvinth::ClassWindow* filled = korvinth::frm_NecroSkill.Loaded();
  ASSERT_NE(filled, nullptr);
  EXPECT_TRUE(filled->isVisible());
  EXPECT_EQ(filled->lbl_CharLevel->Caption(), "Level 20");
  EXPECT_EQ(filled->lb_SkillsPerLevel->ListCount(), 19);  // the old plan is gone
  EXPECT_EQ(mod_Misc.DenOfEvilUses, 0);
  EXPECT_EQ(mod_Misc.RandomClassRoll, 0);
  EXPECT_EQ(mod_Misc.RandomRunning, 0);
  // The next class window opened by hand starts empty.
  filled->lbl_ChangeClass_Click();
  S().ChooseClass(kAmazon, true);
  EXPECT_EQ(korvinth::frm_AmazonSkill->lb_SkillsPerLevel->ListCount(), 0);
}

TEST_F(Start, EnterAndSpacePressTheFocusedHiddenButton) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    frm_RandomGenerator.Unload();
    S().Command1->setFocus();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "\r");
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "\r");
    QCoreApplication::sendEvent(S().Command1, &press);
    QCoreApplication::sendEvent(S().Command1, &release);
    EXPECT_NE(frm_RandomGenerator.Loaded(), nullptr) << key;
    EXPECT_TRUE(S().isVisible());
  }
}

}  // namespace
