#include "core/Notices.h"

#include <QColor>
#include <cstdint>
#include <limits>

#include "core/Colors.h"
#include "core/Misc.h"
#include "core/PlannerWindow.h"
#include "forms/Control.h"

namespace korvinth {
namespace {

constexpr int kTierRows[] = {6, 12, 18, 24, 30};

// A quest point becomes available when the level is exactly `level` and the
// quest's use count lies in [low, high].
struct QuestNotice {
  int level;
  std::int16_t CharacterState::*uses;
  int low;
  int high;
  const char* text;
};

constexpr int kMin = std::numeric_limits<std::int16_t>::min();
constexpr int kMax = std::numeric_limits<std::int16_t>::max();

// The levels and count conditions are fixed; they are not the menu's offer
// thresholds (Death of Izual at 39 includes 4 uses on purpose).
constexpr QuestNotice kQuestNotices[] = {
    {3, &CharacterState::DenOfEvilUses, 0, 0,
     "Den Of Evil (Normal) quest skill point is now available.  Right click to use."},
    {25, &CharacterState::DenOfEvilUses, 1, 1,
     "Den Of Evil (Nightmare) quest skill point is now available.  Right click to use."},
    {40, &CharacterState::DenOfEvilUses, 2, kMax,
     "Den Of Evil (Hell) quest skill point is now available.  Right click to use."},
    {15, &CharacterState::BookOfSkillUses, 0, 0,
     "Book Of Skill (Normal) quest skill point is now available.  Right click to use."},
    {30, &CharacterState::BookOfSkillUses, 1, 1,
     "Book Of Skill (Nightmare) quest skill point is now available.  Right click to use."},
    {45, &CharacterState::BookOfSkillUses, 2, kMax,
     "Book Of Skill (Hell) quest skill point is now available.  Right click to use."},
    {23, &CharacterState::DeathOfIzualUses, kMin, 1,
     "Death of Izual (Normal) quest skill point is now available.  Right click to use."},
    {39, &CharacterState::DeathOfIzualUses, kMin, 4,
     "Death of Izual (Nightmare) quest skill point is now available.  Right click to use."},
    {59, &CharacterState::DeathOfIzualUses, 5, kMax,
     "Death of Izual (Hell) quest skill point is now available.  Right click to use."},
};

void PaintTierHeadings(PlannerWindow& window, int level) {
  // A heading lights one level below its tier and stays lit while the level
  // climbs; the higher tiers turn white only at these exact levels or below 5.
  if (level < 5) {
    for (int row : kTierRows) window.LevelLabel(row).SetForeColor(kWhite);
    return;
  }
  for (int i = 0; i < 5; ++i) {
    if (level != kTierRows[i] - 1) continue;
    window.LevelLabel(kTierRows[i]).SetForeColor(kPaleYellow);
    for (int j = i + 1; j < 5; ++j) window.LevelLabel(kTierRows[j]).SetForeColor(kWhite);
    return;
  }
}

}  // namespace

void RefreshLevelNotices() {
  PlannerWindow* window = LoadedClassWindow();
  if (!window) return;
  const int level = mod_Misc.LevelUps + 1;
  PaintTierHeadings(*window, level);
  for (const QuestNotice& notice : kQuestNotices) {
    const int uses = mod_Misc.*notice.uses;
    if (level == notice.level && uses >= notice.low && uses <= notice.high) {
      ShowNotice(*window, QString::fromLatin1(notice.text));
    }
  }
}

}  // namespace korvinth
