// The table of the five classes against every place that names a class: a
// portrait opens its class's window, whose title, name label and saved
// class line name that class; every tree of the popup finds its window; every
// generator option makes its class, from its own place and tab stop.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <string>
#include <vector>

#include "app/GeneratorWindow.h"
#include "app/StartWindow.h"
#include "core/Classes.h"
#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "forms/Convert.h"
#include "forms/Twips.h"
#include "skilltrees/ClassWindow.h"
#include "tests/support/Planner.h"

namespace {

using korvinth::ClassInfo;
using korvinth::ClassWindow;
using korvinth::ClassWindowOf;
using korvinth::kClasses;
using korvinth::mod_Misc;

QString Q(std::string_view text) { return forms::Latin1Text(text); }

class ClassTable : public testing_support::PlannerTest {
 protected:
  korvinth::StartWindow& S() { return *korvinth::frm_MainSelect; }
  // The class windows that are loaded, by name.
  static std::vector<std::string> LoadedClassWindows() {
    std::vector<std::string> names;
    for (const ClassInfo& info : kClasses) {
      if (korvinth::IsFormLoaded(info.window)) names.emplace_back(info.window);
    }
    return names;
  }
};

TEST_F(ClassTable, EachPortraitOpensItsClassWindowWhichSavesItsClass) {
  for (std::size_t i = 0; i < kClasses.size(); ++i) {
    const ClassInfo& info = kClasses[i];
    SCOPED_TRACE(std::string(info.name));
    EXPECT_EQ(S().portraits[i].lbl->Caption(), Q(info.name));
    S().ChooseClass(static_cast<int>(i), false);
    EXPECT_EQ(LoadedClassWindows(), std::vector<std::string>{std::string(info.window)});
    ClassWindow* window = ClassWindowOf(info.id).Loaded();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), Q(info.caption));
    EXPECT_EQ(window->lbl_Char->Caption(), Q(info.name));

    desktop.inputAnswers.push_back(Q(info.name));
    window->lbl_Save_Click();
    QFile saved(QDir(folder.path()).filePath(Q(info.name) + ".txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        saved.readAll().contains("\r\nClass: " + QByteArray(info.name.data(), info.name.size()) + "\r\n"));
    window->lbl_ChangeClass_Click();
  }
}

TEST_F(ClassTable, EachTreeOfThePopupFindsItsClassWindow) {
  for (const ClassInfo& info : kClasses) {
    SCOPED_TRACE(std::string(info.name));
    korvinth::ShowClassWindow(ClassWindowOf(info.id));
    for (std::string_view tree : info.trees) {
      mod_Misc.CurrentTree = Q(tree);
      korvinth::ReserveSkillPoint();
    }
    // The three reserved points went to this window and loaded no other.
    EXPECT_EQ(LoadedClassWindows(), std::vector<std::string>{std::string(info.window)});
    EXPECT_EQ(ClassWindowOf(info.id)->lb_SkillsPerLevel->ListCount(), 3);
  }
}

TEST_F(ClassTable, GeneratorOptionsKeepTheirPlacesAndTabOrder) {
  S();
  korvinth::GeneratorWindow& g = *korvinth::frm_RandomGenerator;
  // Sorceress before Paladin in the tab order, as always.
  const struct {
    const char* name;
    const char* caption;
    int top;
  } kOptions[] = {{"opt_Random", "Random", 1905},       {"opt_Amazon", "Amazon", 330},
                  {"opt_Barbarian", "Barbarian", 645},  {"opt_Necromancer", "Necromancer", 960},
                  {"opt_Sorceress", "Sorceress", 1590}, {"Opt_Paladin", "Paladin", 1275}};
  QWidget* stop = g.opt_Random;
  for (const auto& option : kOptions) {
    auto* button = dynamic_cast<forms::OptionButton*>(stop);
    ASSERT_NE(button, nullptr) << option.name;
    EXPECT_EQ(button->Name(), option.name);
    EXPECT_EQ(button->text(), option.caption);
    EXPECT_EQ(button->geometry(), forms::ToPixels(1222, option.top, 1440, 285)) << option.name;
    stop = stop->nextInFocusChain();
  }
  EXPECT_EQ(stop, g.txt_Level);
}

TEST_F(ClassTable, EachGeneratorOptionMakesItsClass) {
  S();
  for (std::size_t i = 0; i < kClasses.size(); ++i) {
    const ClassInfo& info = kClasses[i];
    SCOPED_TRACE(std::string(info.name));
    korvinth::GeneratorWindow& g = *korvinth::frm_RandomGenerator;
    g.opt_Class[i]->click();
    EXPECT_EQ(mod_Misc.RandomClass, Q(info.name));
    g.txt_Level->SetText("12");
    g.lbl_Generate_Click();
    EXPECT_EQ(LoadedClassWindows(), std::vector<std::string>{std::string(info.window)});
    ClassWindow* window = ClassWindowOf(info.id).Loaded();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->lbl_CharLevel->Caption(), "Level 12");
  }
}

}  // namespace
