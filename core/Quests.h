// The three quests that grant extra skill points: Den Of Evil and Book of
// Skill once per difficulty, Death of Izual twice. One set of rules serves all
// three: the use counters, the pending flags, the popup item's caption (which
// names the difficulty of the next use), the history line and the offer rule.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace forms {
class MenuItem;
}

namespace korvinth {

enum class Quest { DenOfEvil, BookOfSkill, DeathOfIzual };

inline constexpr Quest kQuests[] = {Quest::DenOfEvil, Quest::BookOfSkill, Quest::DeathOfIzual};

// Who writes a caption. The popup's own quest procedure spells the Book of
// Skill item "&Book Of Skill"; the class windows and the start window write
// "&Book of Skill". Both spellings are kept on purpose.
enum class Writer { QuestProcedure, Window };

std::int16_t& QuestUses(Quest quest);
std::int16_t& QuestPending(Quest quest);
// The quest's item in the popup menu (creates the menu window when needed).
forms::MenuItem& QuestItem(Quest quest);

// Uses in all: 3, or 6 for Death of Izual.
int QuestMaxUses(Quest quest);
// The caption naming the difficulty of the next use after `count` uses;
// nullopt for a count outside 0 to max - 1.
std::optional<QString> QuestCaption(Quest quest, int count, Writer writer);
// " Normal " / "(2) Nightmare " ...: the difficulty of the `count`-th use as
// its history line writes it; empty outside 1 to max.
QString QuestDifficulty(Quest quest, int count);
// The start of its history line ("Den Of Evil:", "Book of Skill:", "Izual Quest Point:").
QString QuestLinePrefix(Quest quest);
// The text undo recognises its history line by.
QString QuestLineMarker(Quest quest);
// Whether the popup offers the quest at this level after `uses` uses.
// `denOfEvilLevels` are the Den Of Evil levels of the clicked tree.
bool QuestOffered(Quest quest, int level, int uses, const std::array<int, 3>& denOfEvilLevels);
// The box shown for a quest count outside its range; no click follows it.
void ShowQuestLimitMessage();

}  // namespace korvinth
