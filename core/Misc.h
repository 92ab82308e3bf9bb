// The character being planned: one set of shared variables for the whole run,
// read and written by every window. Integers are 16 bits wide and flags hold
// -1 for true and 0 for false, the widths the planner's arithmetic is defined
// in. Skill points are not kept here: a skill's points are the caption of its
// point label in the class window.
#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

namespace forms {
class Form;
}

namespace korvinth {

inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// RandomClassRoll for a class chosen in the generator rather than drawn.
inline constexpr std::int16_t kChosenClassRoll = 1000;

struct CharacterState {
  QString UnavailMessage;              // reason of the last refused click
  std::int16_t LevelUps = 0;           // level-up points taken; the level is LevelUps + 1
  std::int16_t ClickedSkillLevel = 0;  // points of the skill being clicked
  std::int16_t ReservedPoints = 0;     // level-up points held back
  QString CurrentTree;                 // tree code of the last right-clicked skill
  std::int16_t CurrentSkillIndex = 0;  // its index, 0-9
  std::int16_t UseReserve = kFalse;    // the next click spends a reserved point
  std::int16_t DenOfEvilUses = 0;      // 0-3
  std::int16_t DenOfEvilPending = kFalse;
  std::int16_t BookOfSkillUses = 0;  // 0-3
  std::int16_t BookOfSkillPending = kFalse;
  std::int16_t DeathOfIzualUses = 0;  // 0-6, two per difficulty
  std::int16_t DeathOfIzualPending = kFalse;
  std::int16_t CurrentSkillLevel = 0;  // points of the last right-clicked skill
  std::int16_t RandomClassRoll = 0;    // 0 none pending, 1-999 drawn, kChosenClassRoll chosen
  std::int16_t RandomPointsLeft = 0;   // points the random fill still places
  QString RandomClass;                 // the generator's class name
  std::int16_t RandomSkillIndex = 0;   // index 0-8 drawn by the random fill
  std::int16_t LastClickRefused = kFalse;
  std::int16_t RandomRunning = kFalse;  // a confirmed generation is being filled
};

// The one character state of the run.
extern CharacterState mod_Misc;

// The tier checks: whether a skill of row R (6, 12, 18, 24 or 30) may take one
// more point at the current level. A false result leaves its reason in
// UnavailMessage. The caller sets ClickedSkillLevel first.
bool CanAddLevelSkill(int row);
bool CanAddLevel6Skill();
bool CanAddLevel12Skill();
bool CanAddLevel18Skill();
bool CanAddLevel24Skill();
bool CanAddLevel30Skill();

// Whether a window of this name is loaded; names compare without regard to case.
bool IsFormLoaded(std::string_view name);
// The loaded window of this name (compared without regard to case), or nullptr.
forms::Form* FindLoadedForm(std::string_view name);

}  // namespace korvinth
