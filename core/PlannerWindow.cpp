#include "core/PlannerWindow.h"

#include "core/Misc.h"
#include "forms/Control.h"
#include "forms/Convert.h"
#include "forms/Form.h"
#include "forms/Timer.h"

namespace korvinth {

PlannerWindow* LoadedClassWindow(std::string_view name) {
  return dynamic_cast<PlannerWindow*>(FindLoadedForm(name));
}

namespace {

// The order the planner has always asked in; the program keeps one class
// window loaded at a time, so it seldom decides anything.
constexpr ClassId kLookupOrder[] = {ClassId::Necromancer, ClassId::Sorceress, ClassId::Paladin,
                                    ClassId::Barbarian, ClassId::Amazon};
static_assert(IsClassOrder(kLookupOrder));

}  // namespace

LoadedClassWindowOf LoadedClass() {
  for (ClassId id : kLookupOrder) {
    if (PlannerWindow* window = LoadedClassWindow(ClassOf(id).window)) return {&ClassOf(id), window};
  }
  return {};
}

PlannerWindow* LoadedClassWindow() { return LoadedClass().window; }

void ShowLevel(PlannerWindow& window, const QString& pointsText) {
  window.CharLevelLabel().SetCaption(QStringLiteral("Level ") + forms::PlainDecimal(mod_Misc.LevelUps + 1));
  window.SkillLevelLabel().SetCaption(pointsText + forms::SignedField(mod_Misc.LevelUps));
}

void ShowReservedPoints(PlannerWindow& window) {
  window.ReservedLabel().SetCaption(QStringLiteral("Reserved Points: ") +
                                    forms::PlainDecimal(mod_Misc.ReservedPoints));
}

void ShowNotice(PlannerWindow& window, const QString& text) {
  window.UnAvailLabel().SetCaption(text);
  window.UnAvailLabel().SetVisible(true);
  // Turning the timer off and on starts its period anew.
  forms::Timer& timer = window.UnAvailTimer();
  if (timer.Enabled()) timer.SetEnabled(false);
  timer.SetEnabled(true);
}

}  // namespace korvinth
