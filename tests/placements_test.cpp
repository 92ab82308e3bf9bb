// The places a class window gives the common frame's controls: every name in
// a class's placements is a control of the window, and lands where it says.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/Classes.h"
#include "forms/Twips.h"
#include "skilltrees/ClassWindow.h"

namespace {

using korvinth::ClassDef;
using korvinth::ClassWindow;
using korvinth::Placement;

TEST(Placements, EveryNamedControlExistsAndTakesItsPlace) {
  for (const korvinth::ClassInfo& info : korvinth::kClasses) {
    ClassWindow window(info.id);
    for (const Placement& placement : window.Data().placements) {
      // Left and top, in twips; the list box is a widget and sits on whole pixels.
      using Place = std::pair<int, int>;
      const Place want(placement.rect.left, placement.rect.top);
      if (placement.control == "lb_SkillsPerLevel") {
        const QPoint at = window.lb_SkillsPerLevel->geometry().topLeft();
        EXPECT_EQ(Place(at.x(), at.y()), Place(forms::ToPixels(want.first), forms::ToPixels(want.second)))
            << info.window;
      } else if (const forms::Control* control = window.ControlNamed(std::string(placement.control))) {
        EXPECT_EQ(Place(control->Left(), control->Top()), want) << info.window << ": " << placement.control;
      } else {
        ADD_FAILURE() << info.window << " has no control " << placement.control;
      }
    }
  }
}

TEST(PlacementsDeathTest, AnUnknownNameStopsTheWindowLoudly) {
  static constexpr Placement kSlip[] = {{"lbl_Svae", {9780, 1080, 0, 0}}};
  ClassDef slipped = korvinth::kAmazon;
  slipped.placements = kSlip;
  EXPECT_DEATH(ClassWindow window(korvinth::ClassId::Amazon, slipped),
               "frm_AmazonSkill places a control it does not have: lbl_Svae");
}

}  // namespace
