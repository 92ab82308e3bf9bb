#include "tests/support/Planner.h"

#include "core/Random.h"

namespace testing_support {

void ResetProgram() {
  forms::UnloadAllForms();
  korvinth::mod_Misc = korvinth::CharacterState{};
}

void PlannerTest::SetUp() {
  ResetProgram();
  desktop.appPath = folder.path();
  forms::SetServices(&desktop);
  korvinth::SeedRandom(20261210);
}

void PlannerTest::TearDown() {
  ResetProgram();
  forms::SetServices(nullptr);
}

}  // namespace testing_support
