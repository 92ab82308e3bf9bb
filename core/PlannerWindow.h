// What the planner's shared procedures need of a class window: the controls
// they write and the tree click they re-run. The class windows implement it.
#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

#include "core/Classes.h"

namespace forms {
class Label;
class ListBox;
class Timer;
}  // namespace forms

namespace korvinth {

class PlannerWindow {
 public:
  virtual ~PlannerWindow() = default;

  virtual forms::Label& UnAvailLabel() = 0;       // lbl_UnAvail, the notice line
  virtual forms::Timer& UnAvailTimer() = 0;       // tim_Unavail
  virtual forms::Label& LevelLabel(int row) = 0;  // lbl_Level6 ... lbl_Level30
  virtual forms::Label& ReservedLabel() = 0;      // lbl_Reserved
  virtual forms::Label& CharLevelLabel() = 0;     // lbl_CharLevel
  virtual forms::Label& SkillLevelLabel() = 0;    // lbl_SkillLevel
  virtual forms::ListBox& History() = 0;          // lb_SkillsPerLevel

  // Runs the click handler of the tree with this code, as a click on the
  // skill's icon would; nothing happens for a code of another window.
  virtual void TreeClick(std::string_view treeCode, std::int16_t index) = 0;
};

// The first loaded class window, in the order the planner asks for them,
// with its class; both nullptr when none is loaded.
struct LoadedClassWindowOf {
  const ClassInfo* info = nullptr;
  PlannerWindow* window = nullptr;
};
LoadedClassWindowOf LoadedClass();
// The first loaded class window in that order, or nullptr.
PlannerWindow* LoadedClassWindow();
// The loaded class window of this name, or nullptr.
PlannerWindow* LoadedClassWindow(std::string_view name);

// Shows a text on the notice line for 5000 ms from now, replacing what it shows.
void ShowNotice(PlannerWindow& window, const QString& text);

// The status line after a change of level: "Level " and the character level,
// and the points label as `pointsText` ("Skill Points: " or "Skill Level ")
// followed by the level-up count as a signed field.
void ShowLevel(PlannerWindow& window, const QString& pointsText);
// "Reserved Points: " and the reserve in plain decimal.
void ShowReservedPoints(PlannerWindow& window);

// The refusal of every kind of point at the highest level (trailing blank kept).
inline const QString kLevelCapMessage = QStringLiteral("Character has reached maximum allowable level(99). ");

}  // namespace korvinth
