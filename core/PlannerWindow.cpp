#include "core/PlannerWindow.h"

#include "core/Misc.h"
#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/Timer.h"

namespace korvinth {

PlannerWindow* LoadedClassWindow(std::string_view name) {
  return dynamic_cast<PlannerWindow*>(FindLoadedForm(name));
}

PlannerWindow* LoadedClassWindow() {
  for (std::string_view name : kClassWindowNames) {
    if (IsFormLoaded(name)) return LoadedClassWindow(name);
  }
  return nullptr;
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
