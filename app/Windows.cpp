#include "app/Windows.h"

#include "app/GeneratorWindow.h"
#include "app/StartWindow.h"
#include "core/MenuWindow.h"
#include "skillstats/StatsWindow.h"
#include "skilltrees/ClassWindow.h"

namespace korvinth {

void RegisterWindows() {
  // Naming each reference here also keeps every window in the program,
  // whatever the linker would otherwise drop from the static libraries.
  forms::FormRefBase* const windows[] = {&frm_MainSelect, &frm_RandomGenerator, &frm_Menu, &frm_SkillStats};
  for (forms::FormRefBase* window : windows) forms::FormRefBase::Register(*window);
  for (const ClassInfo& info : kClasses) forms::FormRefBase::Register(ClassWindowOf(info.id));
}

}  // namespace korvinth
