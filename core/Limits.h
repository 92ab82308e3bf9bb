// The character's fixed limits. Plain constants without Qt, so that the
// statistics tables can size their rows by them too.
#pragma once

namespace korvinth {

// The highest character level: at it, a skill click or a reservation is refused.
inline constexpr int kMaxLevel = 99;
// The points a skill holds at most; the statistics window shows its levels 1 to 20.
inline constexpr int kMaxSkillPoints = 20;

}  // namespace korvinth
