// The program's windows are known by name through the one registration that
// main() runs at start-up, not through anything the tests do beforehand.
#include <gtest/gtest.h>

#include <string>

#include "app/GeneratorWindow.h"
#include "app/StartWindow.h"
#include "app/Windows.h"
#include "core/MenuWindow.h"
#include "forms/Form.h"
#include "skillstats/StatsWindow.h"
#include "skilltrees/ClassWindow.h"
#include "core/Classes.h"

namespace {

TEST(Registration, StartUpMakesEveryWindowKnownByItsName) {
  forms::FormRefBase* const windows[] = {
      &korvinth::frm_MainSelect,     &korvinth::frm_RandomGenerator, &korvinth::frm_Menu,
      &korvinth::frm_SkillStats,     &korvinth::frm_NecroSkill,      &korvinth::frm_AmazonSkill,
      &korvinth::frm_BarbarianSkill, &korvinth::frm_Paladin,         &korvinth::frm_Sorceress,
  };
  forms::FormRefBase::UnregisterAll();
  for (const forms::FormRefBase* window : windows)
    ASSERT_EQ(forms::FormRefBase::Find(window->Name()), nullptr);

  korvinth::RegisterWindows();
  for (forms::FormRefBase* window : windows) {
    EXPECT_EQ(forms::FormRefBase::Find(window->Name()), window) << window->Name();
  }
  // The class windows are also looked up by the names the class table gives.
  for (const korvinth::ClassInfo& info : korvinth::kClasses) {
    EXPECT_NE(forms::FormRefBase::Find(std::string(info.window)), nullptr) << info.window;
  }
  EXPECT_DEATH(forms::FormRefBase::Require("frm_Nowhere"), "frm_Nowhere");
}

}  // namespace
