// The fixture of the Necromancer window tests: the window loaded first (its
// load resets the level and the reserve), with short ways to click, to
// right-click through the popup and to read the window back.
#pragma once

#include <cstdint>
#include <string>

#include "forms/Control.h"
#include "skilltrees/ClassWindow.h"
#include "tests/support/Planner.h"

namespace testing_support {

// The Necromancer's trees, left to right.
inline constexpr int kSummon = 0;
inline constexpr int kBone = 1;
inline constexpr int kCurse = 2;

class NecroWindowTest : public PlannerTest {
 protected:
  void SetUp() override {
    PlannerTest::SetUp();
    W();
  }
  korvinth::ClassWindow& W() { return *korvinth::frm_NecroSkill; }
  QString Points(int tree, int index) { return W().trees[tree].lbl[index]->Caption(); }
  void SetPoints(int tree, int index, int points) {
    W().trees[tree].lbl[index]->SetCaption(QString::number(points));
  }
  QStringList History() { return W().lb_SkillsPerLevel->Lines(); }
  QString LastLine() { return History().isEmpty() ? QString() : History().last(); }
  // The notice line's text while it shows, else empty.
  QString Notice() { return W().lbl_UnAvail->Visible() ? W().lbl_UnAvail->Caption() : QString(); }
  void Click(int tree, int index) { W().img_Tree_Click(tree, static_cast<std::int16_t>(index)); }
  // A right press on a skill, choosing `item` from the popup ("" dismisses it).
  void RightClick(int tree, int index, const std::string& item = "") {
    desktop.menuChoices.push_back(item);
    forms::MouseArgs args;
    args.button = forms::kRightButton;
    W().img_Tree_MouseDown(tree, static_cast<std::int16_t>(index), args);
  }
};

}  // namespace testing_support
