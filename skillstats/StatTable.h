// The statistics tables: for each skill of a tree, the caption of the
// statistics window's heading and four rows of 20 captions (skill levels 1 to
// 20). Every caption is a fixed display text; nothing is computed at run time.
//
// One file per tree under skillstats/tables/, plain constant data.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/Limits.h"

namespace korvinth {

struct StatRow {
  std::string_view title;
  // All 20 values are the same text: the window writes it with its
  // LevelColumn loop, and only values[0] is stored.
  bool same = false;
  std::array<std::string_view, kMaxSkillPoints> values{};
};

struct StatSkill {
  std::string_view caption;  // "Current Skill: Amplify Damage"
  std::array<StatRow, 4> rows{};
};

using StatTable = std::array<StatSkill, 10>;

// A row that shows one text at every level.
constexpr StatRow Same(std::string_view title, std::string_view value) {
  return StatRow{title, true, {value}};
}

// A row the skill does not use: the title "Not Used" and 20 empty captions.
constexpr StatRow NotUsed() { return Same("Not Used", ""); }

// A row with a value of its own at each level, level 1 first. The array
// reference makes a row of any other length a compile error.
template <std::size_t N>
constexpr StatRow Levels(std::string_view title, const char* const (&values)[N]) {
  static_assert(N == kMaxSkillPoints, "a per-level row holds exactly 20 values");
  StatRow row{title, false, {}};
  for (std::size_t i = 0; i < N; ++i) row.values[i] = values[i];
  return row;
}

extern const StatTable kNecroCurseStats;
extern const StatTable kNecroBoneStats;
extern const StatTable kNecroSummonStats;
extern const StatTable kAmazonBCStats;
extern const StatTable kAmazonPMStats;
extern const StatTable kAmazonJSStats;
extern const StatTable kBarBarCSStats;
extern const StatTable kBarBarWCStats;
extern const StatTable kBarBarCMStats;
extern const StatTable kPaladinComStats;
extern const StatTable kPaladinOffStats;
extern const StatTable kPaladinDefStats;
extern const StatTable kSorcFireStats;
extern const StatTable kSorcColdStats;
extern const StatTable kSorcLightStats;

}  // namespace korvinth
