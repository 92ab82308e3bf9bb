// The statistics tables of the Sorceress trees: Fire, Cold and Lightning.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "skillstats/StatTable.h"
#include "tests/support/CaseNames.h"
#include "tests/support/StatChecks.h"

namespace {

using namespace stat_checks;
// The series below add overloads of their own to these formers.
using stat_checks::HalfPointMana;
using stat_checks::Range;
using stat_checks::Whole;

const NamedTable kTrees[] = {
    {"Fire", &korvinth::kSorcFireStats},
    {"Cold", &korvinth::kSorcColdStats},
    {"Light", &korvinth::kSorcLightStats},
};

struct Span {
  int low;
  int high;
};

Span ParseRange(std::string_view s) {
  const auto dash = s.find("- ");
  return {std::stoi(std::string(s.substr(0, dash))), std::stoi(std::string(s.substr(dash + 2)))};
}

// ---- shape of every row -------------------------------------------------

TEST(SorceressStatsShape, HeadingsNameTheSkill) { CheckHeadings(kTrees); }

// No Sorceress row carries a sign, mixes forms or has half points in a range.
TEST(SorceressStatsShape, RowsAreWellFormed) { CheckRowShapes(kTrees); }

// Skill names in tree order, and which rows each skill uses and how they are
// written: 'L' a value per level, 'S' one text at every level, 'N' not used.
const TreeLayout kLayouts[3] = {
    {{"Fire Bolt", "Warmth (Passive)", "Inferno", "Blaze", "Fireball", "Fire Wall", "Enchant", "Meteor",
      "Fire Mastery (Passive)", "Hydra"},
     {"LSNN", "LNNN", "LLLN", "LLLN", "LSLN", "LLLN", "LLLN", "LLSL", "LNNN", "LLLN"}},
    {{"Ice Bolt", "Frozen Armor", "Frost Nova", "Ice Blast", "Shiver Armor (Cold Length : 4 seconds)",
      "Glacier Spike", "Blizzard", "Chilling Armor", "Frozen Orb", "Cold Mastery (Passive)"},
     {"LLSN", "LLLS", "LLLN", "LLLN", "LLLS", "LLLN", "LLLN", "LLLS", "LLLN", "LNNN"}},
    {{"Charged Bolt", "Static Field", "Telekinesis", "Nova", "Lightning", "Chain Lightning", "Teleport",
      "Thunderstorm", "Energy Shield", "Lightning Mastery (Passive)"},
     {"LLLN", "LSSN", "LSNN", "LLNN", "LLNN", "LLSN", "LNNN", "LLSN", "LLSN", "LNNN"}},
};

TEST(SorceressStatsShape, RowKindsPerSkill) {
  for (std::size_t t = 0; t < 3; ++t) {
    SCOPED_TRACE(kTrees[t].name);
    CheckRowKinds(*kTrees[t].table, kLayouts[t]);
  }
}

TEST(SorceressStatsShape, SkillsInTreeOrder) {
  for (std::size_t t = 0; t < 3; ++t) {
    SCOPED_TRACE(kTrees[t].name);
    CheckSkillNames(*kTrees[t].table, kLayouts[t]);
  }
}

// ---- rows that follow a series ------------------------------------------

using Series = LevelText;  // level 1-20 -> text

Series Whole(int start, int step) {
  return [=](int l) { return Whole(start + step * (l - 1)); };
}

Series Decimal(int startTenths, int stepTenths) {
  return [=](int l) { return Tenths(startTenths + stepTenths * (l - 1)); };
}

Series Range(int low, int lowStep, int high, int highStep) {
  return [=](int l) { return Range(low + lowStep * (l - 1), high + highStep * (l - 1)); };
}

// Half a point a level up to 12.0; from there each whole number at two levels.
Series HalfPointMana(int startTenths) {
  return [=](int l) { return HalfPointMana(startTenths / 5, l); };
}

// Two thirds of a yard a level from 3 1/3, cut (not rounded) to one decimal.
Series ThirdsCut(int startThirds, int stepThirds) {
  return [=](int l) { return Cut1(startThirds + stepThirds * (l - 1), 3); };
}

struct SeriesCase {
  const char* name;
  const StatTable* table;
  int skill;
  int row;  // 1-4
  const char* title;
  Series expected;
};

void PrintTo(const SeriesCase& c, std::ostream* out) {
  *out << c.name << " (skill " << c.skill << ", row " << c.row << " \"" << c.title << "\")";
}

class SorceressStatsSeries : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(SorceressStatsSeries, MatchesAtEveryLevel) {
  const SeriesCase& c = GetParam();
  const StatRow& row = (*c.table)[c.skill].rows[c.row - 1];
  ASSERT_FALSE(row.same);
  CheckRowAtEveryLevel(row, c.title, c.expected);
}

const StatTable& Fire = korvinth::kSorcFireStats;
const StatTable& Cold = korvinth::kSorcColdStats;
const StatTable& Light = korvinth::kSorcLightStats;

const SeriesCase kSeries[] = {
    {"WarmthMana", &Fire, 1, 1, "Regenerate Mana (%)", Whole(30, 12)},
    {"BlazeDuration", &Fire, 3, 2, "Duration (In Seconds)", Decimal(46, 10)},
    {"BlazeMana", &Fire, 3, 3, "Mana Cost", HalfPointMana(110)},
    {"FireballDamage", &Fire, 4, 1, "Damage", Range(6, 7, 14, 7)},
    {"FireballMana", &Fire, 4, 3, "Mana Cost", HalfPointMana(50)},
    {"FireWallDuration", &Fire, 5, 2, "Duration (In Seconds)", Decimal(46, 10)},
    {"FireWallMana", &Fire, 5, 3, "Mana Cost", Whole(22, 2)},
    {"EnchantDamage", &Fire, 6, 1, "Damage", Range(8, 1, 10, 1)},
    {"EnchantDuration", &Fire, 6, 2, "Duration (In Seconds)", Whole(144, 24)},
    {"EnchantMana", &Fire, 6, 3, "Mana Cost", Whole(25, 5)},
    {"MeteorDamage", &Fire, 7, 1, "Damage", Range(40, 12, 50, 12)},
    {"MeteorBurn", &Fire, 7, 2, "Fire Damage Per Second", Range(16, 7, 21, 7)},
    {"MeteorMana", &Fire, 7, 4, "Mana Cost", Whole(17, 1)},
    {"HydraDamage", &Fire, 9, 1, "Damage", Range(6, 2, 12, 2)},
    {"HydraDuration", &Fire, 9, 2, "Duration (In Seconds)", Whole(12, 1)},
    {"HydraMana", &Fire, 9, 3, "Mana Cost", Whole(21, 2)},

    {"IceBoltDamage", &Cold, 0, 1, "Damage", Range(3, 1, 5, 1)},
    {"IceBoltChill", &Cold, 0, 2, "Cold Length (In Seconds)", Decimal(60, 14)},
    {"FrozenArmorDefense", &Cold, 1, 1, "Defense Bonus (%)", Whole(30, 5)},
    {"FrozenArmorDuration", &Cold, 1, 2, "Duration (In Seconds)", Whole(120, 12)},
    {"FrostNovaDamage", &Cold, 2, 1, "Cold Damage", Range(2, 2, 4, 2)},
    {"FrostNovaChill", &Cold, 2, 2, "Cold Length (In Seconds)", Whole(8, 1)},
    {"FrostNovaMana", &Cold, 2, 3, "Mana Cost", Whole(9, 2)},
    {"IceBlastDamage", &Cold, 3, 1, "Damage", Whole(10, 7)},
    {"IceBlastFreeze", &Cold, 3, 2, "Freeze Length (In Seconds)", Decimal(30, 2)},
    {"IceBlastMana", &Cold, 3, 3, "Mana Cost", HalfPointMana(60)},
    {"ShiverArmorDamage", &Cold, 4, 1, "Damage", Range(6, 2, 8, 2)},
    {"ShiverArmorDefense", &Cold, 4, 2, "Defense Bonus (%)", Whole(45, 6)},
    {"ShiverArmorDuration", &Cold, 4, 3, "Duration (In Seconds)", Whole(120, 12)},
    {"GlacierSpikeDamage", &Cold, 5, 1, "Damage", Range(16, 7, 24, 7)},
    {"GlacierSpikeMana", &Cold, 5, 3, "Mana Cost", HalfPointMana(100)},
    {"BlizzardDamage", &Cold, 6, 1, "Damage Per Seconds", Range(16, 4, 24, 4)},
    {"BlizzardFreeze", &Cold, 6, 2, "Freeze Length (In Seconds)", Whole(4, 1)},
    {"BlizzardMana", &Cold, 6, 3, "Mana Cost", Whole(23, 1)},
    {"ChillingArmorDamage", &Cold, 7, 1, "Damage", Range(4, 1, 6, 1)},
    {"ChillingArmorDefense", &Cold, 7, 2, "Defense Bonus (%)", Whole(45, 5)},
    {"ChillingArmorDuration", &Cold, 7, 3, "Duration (In Seconds)", Whole(144, 6)},
    {"FrozenOrbDamage", &Cold, 8, 1, "Damage", Range(32, 6, 35, 6)},
    {"FrozenOrbChill", &Cold, 8, 2, "Cold Length (In Seconds)", Whole(8, 1)},
    {"FrozenOrbMana", &Cold, 8, 3, "Mana Cost", Whole(25, 2)},

    {"ChargedBoltDamage", &Light, 0, 1, "Damage",
     [](int l) { return Range(2 + (l - 1) / 2, 4 + (l - 1) / 2); }},
    {"ChargedBoltCount", &Light, 0, 2, "Number of Bolts", Whole(3, 1)},
    {"ChargedBoltMana", &Light, 0, 3, "Mana Cost", HalfPointMana(30)},
    {"StaticFieldRadius", &Light, 1, 1, "Radius (Yards)", ThirdsCut(10, 2)},
    {"TelekinesisDamage", &Light, 2, 1, "Damage", Range(1, 1, 2, 1)},
    {"NovaDamage", &Light, 3, 1, "Damage", Range(1, 7, 20, 7)},
    {"NovaMana", &Light, 3, 2, "Mana Cost", Whole(15, 1)},
    {"LightningDamage", &Light, 4, 1, "Damage", Range(1, 0, 40, 8)},
    {"LightningMana", &Light, 4, 2, "Mana Cost", HalfPointMana(80)},
    {"ChainLightningDamage", &Light, 5, 1, "Damage", Range(1, 0, 40, 10)},
    {"ChainLightningMana", &Light, 5, 2, "Mana Cost", Whole(9, 1)},
    {"TeleportMana", &Light, 6, 1, "Mana Cost", Whole(24, -1)},
    {"ThunderstormDamage", &Light, 7, 1, "Damage", Range(1, 10, 100, 10)},
    {"ThunderstormDuration", &Light, 7, 2, "Duration (In Seconds)", Whole(32, 8)},
    {"EnergyShieldDuration", &Light, 8, 2, "Duration (In Seconds)", Whole(144, 48)},
};

INSTANTIATE_TEST_SUITE_P(Rows, SorceressStatsSeries, ::testing::ValuesIn(kSeries),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- rows listed value by value: cells read off the list ----------------

struct CellCase {
  const StatTable* table;
  int skill;
  int row;    // 1-4
  int level;  // 1-20, or 0 for a row with one text at every level
  const char* title;
  const char* text;
};

// The tree of a case's table, as the statistics window's trees are named here.
const char* TreeOf(const StatTable* table) {
  for (const NamedTable& tree : kTrees) {
    if (tree.table == table) return tree.name;
  }
  return "?";
}

void PrintTo(const CellCase& c, std::ostream* out) {
  *out << TreeOf(c.table) << " skill " << c.skill << ", row " << c.row << " \"" << c.title << "\", level "
       << c.level << ": \"" << c.text << '"';
}

class SorceressStatsCells : public ::testing::TestWithParam<CellCase> {};

TEST_P(SorceressStatsCells, ShowsTheListedText) {
  const CellCase& c = GetParam();
  const StatRow& row = (*c.table)[c.skill].rows[c.row - 1];
  EXPECT_EQ(row.same, c.level == 0);
  CheckSample(row, c.title, c.level == 0 ? 1 : c.level, c.text);
}

const CellCase kCells[] = {
    {&Fire, 0, 1, 1, "Damage", "3- 6"},
    {&Fire, 0, 1, 2, "Damage", "4- 7"},
    {&Fire, 0, 1, 20, "Damage", "31- 34"},
    {&Fire, 0, 2, 0, "Mana Cost", "2.5"},
    {&Fire, 2, 1, 13, "Damage (Per Second)", "125- 137"},
    {&Fire, 2, 1, 16, "Damage (Per Second)", "153- 165"},
    {&Fire, 2, 1, 20, "Damage (Per Second)", "190- 203"},
    {&Fire, 2, 2, 1, "Range (Yards)", "3.3"},
    {&Fire, 2, 2, 2, "Range (Yards)", "3.3"},
    {&Fire, 2, 2, 4, "Range (Yards)", "4.6"},
    {&Fire, 2, 2, 15, "Range (Yards)", "10.0"},
    {&Fire, 2, 2, 20, "Range (Yards)", "12.6"},
    {&Fire, 2, 3, 1, "Mana Cost", "7"},
    {&Fire, 2, 3, 11, "Mana Cost", "14"},
    {&Fire, 2, 3, 20, "Mana Cost", "21"},
    {&Fire, 3, 1, 1, "Damage", "18- 37"},
    {&Fire, 3, 1, 20, "Damage", "196- 215"},
    {&Fire, 4, 2, 0, "Radius (Yards)", "2"},
    {&Fire, 5, 1, 1, "Damage Per Second", "32- 42"},
    {&Fire, 5, 1, 20, "Damage Per Second", "389- 398"},
    {&Fire, 7, 3, 0, "Radius (Yards)", "4"},
    {&Fire, 8, 1, 1, "Fire Damage Increased (%)", "18"},
    {&Fire, 8, 1, 2, "Fire Damage Increased (%)", "32"},
    {&Fire, 8, 1, 8, "Fire Damage Increased (%)", "74"},
    {&Fire, 8, 1, 9, "Fire Damage Increased (%)", "79"},
    {&Fire, 8, 1, 10, "Fire Damage Increased (%)", "81"},
    {&Fire, 8, 1, 20, "Fire Damage Increased (%)", "100"},

    {&Cold, 0, 3, 0, "Mana Cost", "3"},
    {&Cold, 1, 3, 5, "Freeze Length (In Seconds)", "1.6"},
    {&Cold, 1, 3, 6, "Freeze Length (In Seconds)", "1.8"},
    {&Cold, 1, 3, 20, "Freeze Length (In Seconds)", "3.4"},
    {&Cold, 1, 4, 0, "Mana cost", "7"},
    {&Cold, 4, 4, 0, "Mana Cost", "11"},
    {&Cold, 5, 1, 20, "Damage", "149- 157"},
    {&Cold, 5, 2, 1, "Freeze Length (In Seconds)", "2.0"},
    {&Cold, 5, 2, 6, "Freeze Length (In Seconds)", "2.6"},
    {&Cold, 5, 2, 20, "Freeze Length (In Seconds)", "4.2"},
    {&Cold, 6, 1, 20, "Damage Per Seconds", "92- 100"},
    {&Cold, 7, 4, 0, "Mana Cost", "17"},
    {&Cold, 8, 1, 20, "Damage", "146- 149"},
    {&Cold, 9, 1, 1, "Enemy Resistance - (%)", "23"},
    {&Cold, 9, 1, 15, "Enemy Resistance - (%)", "80"},
    {&Cold, 9, 1, 16, "Enemy Resistance - (%)", "82"},
    {&Cold, 9, 1, 17, "Enemy Resistance - (%)", "82"},
    {&Cold, 9, 1, 20, "Enemy Resistance - (%)", "85"},

    {&Light, 1, 2, 0, "Damage (%)", "25"},
    {&Light, 1, 3, 0, "Mana Cost", "9"},
    {&Light, 2, 2, 0, "Mana Cost", "7"},
    {&Light, 5, 3, 0, "Number of Tagets Hit", "5"},
    {&Light, 7, 3, 0, "Mana Cost", "19"},
    {&Light, 8, 1, 1, "Damage Absorbed (%)", "15"},
    {&Light, 8, 1, 16, "Damage Absorbed (%)", "61"},
    {&Light, 8, 1, 17, "Damage Absorbed (%)", "61"},
    {&Light, 8, 1, 20, "Damage Absorbed (%)", "63"},
    {&Light, 8, 2, 20, "Duration (In Seconds)", "1056"},
    {&Light, 8, 3, 0, "Mana Cost", "5"},
    {&Light, 9, 1, 1, "Lightning Cost Reduced (%)", "15"},
    {&Light, 9, 1, 9, "Lightning Cost Reduced (%)", "51"},
    {&Light, 9, 1, 20, "Lightning Cost Reduced (%)", "63"},
};

// "Fire_FireBolt_Row1_Level20"; level 0 stands for every level.
INSTANTIATE_TEST_SUITE_P(Listed, SorceressStatsCells, ::testing::ValuesIn(kCells), [](const auto& info) {
  const CellCase& c = info.param;
  const std::string_view caption = (*c.table)[static_cast<std::size_t>(c.skill)].caption;
  return testing_support::CaseName(
      {TreeOf(c.table), caption.substr(caption.find(": ") + 2), "Row" + std::to_string(c.row),
       c.level == 0 ? std::string("EveryLevel") : "Level" + std::to_string(c.level)});
});

// Energy Shield's absorption and Lightning Mastery's cost reduction share
// one list of values under their own titles.
TEST(SorcLightStats, ShieldAndMasteryShareTheirValues) {
  EXPECT_EQ(Light[8].rows[0].values, Light[9].rows[0].values);
}

// Levels 14 and 15 of Inferno's damage are filled in to continue the row:
// low ends 134 and 143, and, as at every other level, each end rising by
// 9 or 10 a level with the high end 12 or 13 above the low end.
TEST(SorcFireStats, InfernoDamageKeepsItsSteps) {
  const StatRow& row = Fire[2].rows[0];
  ASSERT_EQ(row.title, "Damage (Per Second)");
  EXPECT_EQ(ParseRange(row.values[13]).low, 134);
  EXPECT_EQ(ParseRange(row.values[14]).low, 143);
  for (int k = 0; k < 20; ++k) {
    SCOPED_TRACE("level " + std::to_string(k + 1));
    ASSERT_EQ(FormOf(row.values[k]), Form::kRange);
    const Span here = ParseRange(row.values[k]);
    EXPECT_GE(here.high - here.low, 12);
    EXPECT_LE(here.high - here.low, 13);
    if (k == 0) continue;
    const Span before = ParseRange(row.values[k - 1]);
    EXPECT_GE(here.low - before.low, 9);
    EXPECT_LE(here.low - before.low, 10);
    EXPECT_GE(here.high - before.high, 9);
    EXPECT_LE(here.high - before.high, 10);
  }
}

}  // namespace
