#include "core/Misc.h"

#include "forms/Form.h"

namespace korvinth {

CharacterState mod_Misc;

bool CanAddLevelSkill(int row) {
  // The gate opens one level early: at level R - 1 the next level-up point
  // makes the character level R ("or just getting level R").
  if (mod_Misc.LevelUps < row - 2) {
    mod_Misc.UnavailMessage = QStringLiteral(
                                  "Not available yet, you must be character level %1 first (or "
                                  "just getting level %1).")
                                  .arg(row);
    return false;
  }
  // A reserved point does not raise the level, so it needs one level more.
  const std::int16_t available =
      static_cast<std::int16_t>(mod_Misc.LevelUps + 1 - mod_Misc.ClickedSkillLevel);
  const int needed = mod_Misc.UseReserve ? row : row - 1;
  if (available >= needed) return true;
  mod_Misc.UnavailMessage =
      QStringLiteral("Skill point cap is limited to 1 point per level the skill has been available.");
  return false;
}

bool CanAddLevel6Skill() { return CanAddLevelSkill(6); }
bool CanAddLevel12Skill() { return CanAddLevelSkill(12); }
bool CanAddLevel18Skill() { return CanAddLevelSkill(18); }
bool CanAddLevel24Skill() { return CanAddLevelSkill(24); }
bool CanAddLevel30Skill() { return CanAddLevelSkill(30); }

forms::Form* FindLoadedForm(std::string_view name) {
  const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toUpper();
  for (forms::Form* form : forms::LoadedForms()) {
    if (QString::fromStdString(form->Name()).toUpper() == wanted) return form;
  }
  return nullptr;
}

bool IsFormLoaded(std::string_view name) { return FindLoadedForm(name) != nullptr; }

}  // namespace korvinth
