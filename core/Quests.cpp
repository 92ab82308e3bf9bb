#include "core/Quests.h"

#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "forms/Services.h"

namespace korvinth {
namespace {

struct QuestRules {
  std::int16_t CharacterState::*uses;
  std::int16_t CharacterState::*pending;
  int perDifficulty;  // points per difficulty
  const char* procedureCaption;
  const char* windowCaption;
  const char* linePrefix;
  const char* lineMarker;
  std::array<int, 3> offerLevels;  // from Hell down to Normal
};

const QuestRules& Rules(Quest quest) {
  static const QuestRules kRules[] = {
      {&CharacterState::DenOfEvilUses,
       &CharacterState::DenOfEvilPending,
       1,
       "&Den Of Evil",
       "&Den Of Evil",
       "Den Of Evil:",
       "Den Of Evil:",
       {35, 24, 3}},
      {&CharacterState::BookOfSkillUses,
       &CharacterState::BookOfSkillPending,
       1,
       "&Book Of Skill",
       "&Book of Skill",
       "Book of Skill:",
       "Book of Skill",
       {45, 30, 15}},
      {&CharacterState::DeathOfIzualUses,
       &CharacterState::DeathOfIzualPending,
       2,
       "&Death of Izual",
       "&Death of Izual",
       "Izual Quest Point:",
       "Izual Quest Point:",
       {59, 39, 23}},
  };
  return kRules[static_cast<int>(quest)];
}

constexpr const char* kDifficulties[] = {"Normal", "Nightmare", "Hell"};

}  // namespace

std::int16_t& QuestUses(Quest quest) { return mod_Misc.*Rules(quest).uses; }

std::int16_t& QuestPending(Quest quest) { return mod_Misc.*Rules(quest).pending; }

forms::MenuItem& QuestItem(Quest quest) {
  MenuWindow& menu = *frm_Menu;
  switch (quest) {
    case Quest::DenOfEvil:
      return menu.mnu_DenOfEvil;
    case Quest::BookOfSkill:
      return menu.mnu_BookOfSkill;
    case Quest::DeathOfIzual:
      break;
  }
  return menu.mnu_DeathOfIzual;
}

int QuestMaxUses(Quest quest) { return 3 * Rules(quest).perDifficulty; }

std::optional<QString> QuestCaption(Quest quest, int count, Writer writer) {
  const QuestRules& rules = Rules(quest);
  if (count < 0 || count >= QuestMaxUses(quest)) return std::nullopt;
  const char* prefix = writer == Writer::QuestProcedure ? rules.procedureCaption : rules.windowCaption;
  return QStringLiteral("%1 (%2)").arg(QLatin1String(prefix),
                                       QLatin1String(kDifficulties[count / rules.perDifficulty]));
}

QString QuestDifficulty(Quest quest, int count) {
  const QuestRules& rules = Rules(quest);
  if (count < 1 || count > QuestMaxUses(quest)) return {};
  const QLatin1String difficulty(kDifficulties[(count - 1) / rules.perDifficulty]);
  if (rules.perDifficulty == 1) return QStringLiteral(" %1 ").arg(difficulty);
  return QStringLiteral("(%1) %2 ").arg((count - 1) % rules.perDifficulty + 1).arg(difficulty);
}

QString QuestLinePrefix(Quest quest) { return QString::fromLatin1(Rules(quest).linePrefix); }

QString QuestLineMarker(Quest quest) { return QString::fromLatin1(Rules(quest).lineMarker); }

void ShowQuestLimitMessage() {
  forms::services().MsgBox(QStringLiteral("You may only complete this quest once for each level, 3 times."),
                           forms::kOkOnly | forms::kInformation, QStringLiteral("No Longer valid"));
}

bool QuestOffered(Quest quest, int level, int uses, const std::array<int, 3>& denOfEvilLevels) {
  const QuestRules& rules = Rules(quest);
  const std::array<int, 3>& levels = quest == Quest::DenOfEvil ? denOfEvilLevels : rules.offerLevels;
  const int per = rules.perDifficulty;
  return (level >= levels[0] && uses < 3 * per) || (level >= levels[1] && uses < 2 * per) ||
         (level >= levels[2] && uses < per);
}

}  // namespace korvinth
