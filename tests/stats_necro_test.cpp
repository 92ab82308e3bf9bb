// The Necromancer's three statistics tables: rows that follow a rule are
// recomputed here from that rule, listed rows are sampled, and the caption forms
// are checked over every row.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>

#include "skillstats/StatTable.h"
#include "tests/support/StatChecks.h"

namespace {

using namespace stat_checks;

// Entry i (from 1) of the curse radius series: (2i + 4) / 3 yards.
std::string Radius(int i) { return Cut1(2 * i + 4, 3); }

// ---- Rows given by a rule ----

const RuleCase kCurseRules[] = {
    {0, 1, "Radius (Yards)", [](int l) { return Radius(l); }},
    {0, 2, "Duration (In Seconds)", [](int l) { return Whole(8 + 3 * (l - 1)); }},
    {0, 3, "Damage Returned (%)", [](int) { return std::string("100"); }},
    {0, 4, "Mana Cost", [](int) { return std::string("4"); }},
    {1, 1, "Radius (Yards)", [](int l) { return Radius(l + 1); }},
    {1, 2, "Duration (In Seconds)", [](int l) { return Whole(7 + 2 * (l - 1)); }},
    {1, 3, "Mana Cost", [](int) { return std::string("9"); }},
    {2, 1, "Radius (Yards)", [](int l) { return Radius(l + 6); }},
    {2, 2, "Duration (In Seconds)", [](int l) { return Cut1(140 + 24 * (l - 1), 10); }},
    {2, 3, "Target's Damage (%)", [](int) { return std::string("-33"); }},
    {2, 4, "Mana Cost", [](int) { return std::string("4"); }},
    {3, 1, "Damage Returned (%)", [](int l) { return Whole(200 + 25 * (l - 1)); }},
    {3, 2, "Duration (In Seconds)", [](int l) { return Cut1(120 + 24 * (l - 1), 10); }},
    {3, 3, "Radius (Yards)", [](int) { return std::string("4.6"); }},
    {3, 4, "Mana Cost", [](int) { return std::string("5"); }},
    {4, 1, "Duration (In Seconds)", [](int l) { return Whole(8 + (l - 1)); }},
    {4, 2, "Radius (Yards)", [](int) { return std::string("2.6"); }},
    {4, 3, "Mana Cost", [](int) { return std::string("7"); }},
    {5, 1, "Duration (In Seconds)", [](int l) { return Whole(10 + 2 * (l - 1)); }},
    {5, 2, "Radius (Yards)", [](int l) { return Radius(l + 3); }},
    {5, 3, "Mana Cost", [](int) { return std::string("13"); }},
    {6, 1, "Duration (In Seconds)", [](int l) { return Cut1(160 + 24 * (l - 1), 10); }},
    {6, 2, "Radius (Yards)", [](int l) { return Radius(l + 1); }},
    {6, 3, "Attacker Healed % of Attack", [](int) { return std::string("50"); }},
    {6, 4, "Mana Cost", [](int) { return std::string("9"); }},
    {7, 1, "Duration (In Seconds)", [](int l) { return Cut1(120 + 36 * (l - 1), 10); }},
    {7, 2, "Radius", [](int) { return std::string("6.0"); }},
    {7, 3, "Mana Cost", [](int) { return std::string("17"); }},
    {8, 1, "Duration (In Seconds)", [](int l) { return Cut1(20 + 2 * (l - 1), 10); }},
    {8, 2, "Radius", [](int l) { return Radius(l + 1); }},
    {8, 3, "Mana Cost", [](int) { return std::string("11"); }},
    {9, 1, "Duration (In Seconds)", [](int l) { return Whole(20 + 2 * (l - 1)); }},
    {9, 3, "Radius (Yards)", [](int l) { return Radius(l + 4); }},
    {9, 4, "Mana Cost", [](int) { return std::string("22"); }},
};

const RuleCase kBoneRules[] = {
    {0, 1, "Number of Teeth", [](int l) { return Whole(l + 1); }},
    // 2.5 + 0.5 L in halves; level 20 stays at 12.
    {0, 2, "Mana Cost", [](int l) { return l < 20 ? Halves(5 + l) : std::string("12"); }},
    {0, 3, "Damage", [](int l) { return Range(l + 1, l + 3); }},
    {1, 1, "Damage Shield", [](int l) { return Whole(10 + 10 * l); }},
    {1, 2, "Mana Cost", [](int l) { return Whole(10 + l); }},
    {2, 2, "Duration (In Seconds)", [](int l) { return Whole(3 + l); }},
    {2, 3, "Armor Bonus (%)", [](int l) { return Whole(5 + 10 * l); }},
    // 2.75 + 0.25 L, in quarters; level 1 is shown without a decimal.
    {2, 4, "Mana Cost", [](int l) { return l == 1 ? std::string("3") : Cut1(11 + l, 4); }},
    {3, 1, "Mana Cost", [](int l) { return Whole(14 + l); }},
    {3, 2, "Radius (Yards)", [](int l) { return l == 1 ? std::string("2.8") : Cut1(2 * l + 6, 3); }},
    {4, 2, "Mana Cost", [](int) { return std::string("17"); }},
    {5, 1, "Poison Damage", [](int l) { return Range(20 + 5 * l, 2 * (20 + 5 * l)); }},
    {5, 2, "Duration (In Seconds)", [](int l) { return Cut1(32 + 8 * l, 10); }},
    {5, 3, "Mana Cost", [](int) { return std::string("8"); }},
    {6, 1, "Damage", [](int l) { return Range(8 + 8 * l, 16 + 8 * l); }},
    {6, 2, "Mana Cost", [](int l) { return Cut1(27 + l, 4); }},
    {7, 2, "Mana Cost", [](int l) { return Whole(std::max(1, 29 - 2 * l)); }},
    {8, 1, "Poison Damage", [](int l) { return Range(45 + 5 * l, 3 * (45 + 5 * l) / 2); }},
    {8, 2, "Duration (In Seconds)", [](int l) { return Cut1(72 + 8 * l, 10); }},
    {8, 3, "Mana Cost", [](int) { return std::string("25"); }},
    {9, 1, "Damage", [](int l) { return Range(4 + 16 * l, 14 + 16 * l); }},
    {9, 2, "Mana Cost", [](int l) { return Whole(12 + (l - 1) / 2); }},
};

const RuleCase kSummonRules[] = {
    {0, 1, "Skeleton Hit Points", [](int l) { return Whole(7 * l); }},
    {0, 2, "Skeleton Damage", [](int l) { return Whole(2 * l); }},
    {0, 3, "Monster Hit Points (%)", [](int l) { return Whole(7 * l); }},
    {0, 4, "Monster Damage (%)", [](int l) { return Whole(2 * l); }},
    {1, 1, "Number Of Skeletons", [](int l) { return Whole(l); }},
    {1, 2, "Mana Cost", [](int l) { return Whole(5 + l); }},
    {2, 1, "Hit Points", [](int l) { return Whole(100 + 35 * (l - 1)); }},
    {2, 3, "Mana Cost", [](int l) { return Whole(15 + 3 * (l - 1)); }},
    {3, 1, "Increased Hit Points (%)", [](int l) { return Whole(20 * l); }},
    {4, 1, "Number of Mages", [](int l) { return Whole(l); }},
    {4, 2, "Mana Cost", [](int l) { return Whole(7 + l); }},
    {5, 3, "Mana Cost", [](int l) { return Whole(25 + 4 * (l - 1)); }},
    {5, 4, "Hit Points", [](int) { return std::string("201"); }},
    {7, 1, "Thorns (%)", [](int l) { return l == 1 ? std::string("0") : Whole(150 + 15 * (l - 2)); }},
    {7, 2, "Damage", [](int) { return std::string("7- 19"); }},
    {7, 3, "Mana Cost", [](int) { return std::string("35"); }},
    {7, 4, "Hit Points", [](int) { return std::string("367"); }},
    {8, 3, "Mana Cost", [](int l) { return Whole(50 + 10 * (l - 1)); }},
    {8, 4, "Hit Points", [](int) { return std::string("375"); }},
    {9, 1, "Number of Monster", [](int l) { return Whole(l); }},
    {9, 2, "% of Monsters Health", [](int) { return std::string("200"); }},
    {9, 3, "Mana Cost ", [](int) { return std::string("45"); }},  // trailing blank is the window's own
    {9, 4, "Duration (In Seconds)", [](int) { return std::string("180"); }},
};

// ---- Rows listed value by value: a sample of their cells ----

const SampleCase kCurseSamples[] = {
    {9, 2, "Resist All Reduced (%)", 1, "31"},  {9, 2, "Resist All Reduced (%)", 2, "37"},
    {9, 2, "Resist All Reduced (%)", 10, "55"}, {9, 2, "Resist All Reduced (%)", 16, "61"},
    {9, 2, "Resist All Reduced (%)", 18, "61"}, {9, 2, "Resist All Reduced (%)", 19, "62"},
    {9, 2, "Resist All Reduced (%)", 20, "62"},
};

const SampleCase kBoneSamples[] = {
    {2, 1, "Poison Damage", 1, "7- 15"},    {2, 1, "Poison Damage", 4, "18- 33"},
    {2, 1, "Poison Damage", 12, "74- 106"}, {2, 1, "Poison Damage", 20, "168- 217"},
    {4, 1, "Hit Points", 1, "19"},          {4, 1, "Hit Points", 3, "29"},
    {4, 1, "Hit Points", 10, "61"},         {4, 1, "Hit Points", 20, "109"},
    {7, 1, "Hit Points", 3, "28"},          {7, 1, "Hit Points", 18, "99"},
};

const SampleCase kSummonSamples[] = {
    {2, 2, "Damage", 1, "2- 5"},
    {2, 2, "Damage", 10, "8- 20"},
    {2, 2, "Damage", 20, "15- 38"},
    {5, 2, "Life Tap", 5, "35"},
    {5, 2, "Life Tap", 7, "35"},
    {5, 2, "Life Tap", 20, "38"},
    {3, 2, "Increased Running Speed (%)", 1, "8"},
    {3, 2, "Increased Running Speed (%)", 14, "30"},
    {3, 2, "Increased Running Speed (%)", 20, "33"},
    {6, 1, "Resist All (%)", 15, "62"},
    {6, 1, "Resist All (%)", 16, "64"},
    {6, 1, "Resist All (%)", 20, "66"},
    {8, 2, "Fire damage Absorbed", 2, "45"},
    {8, 2, "Fire damage Absorbed", 17, "85"},
    {5, 1, "Damage", 12, "29- 77"},
    {5, 1, "Damage", 20, "45- 122"},
    {8, 1, "Damage", 12, "37- 101"},
    {8, 1, "Damage", 20, "57- 155"},
};

// ---- Headings and the rows a skill leaves unused ----

// Per skill its row mask: 'N' for a "Not Used" row, '.' for a row in use.
const TreeLayout kCurseLayout = {
    {"Amplify Damage", "Dim Vision", "Weaken", "Iron Maiden", "Terror", "Confuse", "Life Tap", "Attract",
     "Decrepify", "Lower Resist"},
    {"....", "...N", "....", "....", "...N", "...N", "....", "...N", "...N", "...."}};

const TreeLayout kBoneLayout = {
    {"Teeth", "Bone Armor", "Poison Dagger", "Corpse Explosion", "Bone Wall", "Poison Explosion",
     "Bone Spear", "Bone Prison", "Poison Nova", "Bone Spirit"},
    {"...N", "..NN", "....", "..NN", "..NN", "...N", "..NN", "..NN", "...N", "..NN"}};

const TreeLayout kSummonLayout = {
    {"Skeleton Mastery (Passive)", "Raise Skeleton", "Clay Golem", "Golem Mastery (Passive)", "Skeletal Mage",
     "Blood Golem", "Summon Resistance (Passive)", "Iron Golem", "Fire Golem", "Revive"},
    {"....", "..NN", "...N", "..NN", "..NN", "....", ".NNN", "....", "....", "...."}};

// ---- Per-tree suites ----

TEST(NecroCurseStats, RuleRowsMatchAtEveryLevel) { CheckRuleRows(korvinth::kNecroCurseStats, kCurseRules); }

TEST(NecroCurseStats, ListedRowSamples) { CheckSamples(korvinth::kNecroCurseStats, kCurseSamples); }

TEST(NecroCurseStats, HeadingsAndUnusedRows) { CheckLayout(korvinth::kNecroCurseStats, kCurseLayout); }

TEST(NecroBoneStats, RuleRowsMatchAtEveryLevel) { CheckRuleRows(korvinth::kNecroBoneStats, kBoneRules); }

TEST(NecroBoneStats, ListedRowSamples) { CheckSamples(korvinth::kNecroBoneStats, kBoneSamples); }

TEST(NecroBoneStats, HeadingsAndUnusedRows) { CheckLayout(korvinth::kNecroBoneStats, kBoneLayout); }

// Bone Wall and Bone Prison share their hit points at every level but level 3.
TEST(NecroBoneStats, WallAndPrisonHitPointsDifferOnlyAtLevel3) {
  const StatRow& wall = korvinth::kNecroBoneStats[4].rows[0];
  const StatRow& prison = korvinth::kNecroBoneStats[7].rows[0];
  for (int level = 1; level <= 20; ++level) {
    if (level == 3) {
      EXPECT_NE(Cell(wall, level), Cell(prison, level));
    } else {
      EXPECT_EQ(Cell(wall, level), Cell(prison, level)) << "level " << level;
    }
  }
}

TEST(NecroSummonStats, RuleRowsMatchAtEveryLevel) {
  CheckRuleRows(korvinth::kNecroSummonStats, kSummonRules);
}

TEST(NecroSummonStats, ListedRowSamples) { CheckSamples(korvinth::kNecroSummonStats, kSummonSamples); }

TEST(NecroSummonStats, HeadingsAndUnusedRows) { CheckLayout(korvinth::kNecroSummonStats, kSummonLayout); }

// No summon value ever drops from one level to the next (both ends of a range).
TEST(NecroSummonStats, ValuesNeverFallWithLevel) {
  const std::regex number(R"((\d+)(?:- (\d+))?)");
  for (int s = 0; s < 10; ++s) {
    for (int r = 0; r < 4; ++r) {
      const StatRow& row = korvinth::kNecroSummonStats[s].rows[r];
      if (row.title == "Not Used") continue;
      SCOPED_TRACE("skill " + std::to_string(s) + " row " + std::to_string(r + 1));
      int lastLow = -1, lastHigh = -1;
      for (int level = 1; level <= 20; ++level) {
        const std::string text = Cell(row, level);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(text, m, number)) << text;
        const int low = std::stoi(m[1]);
        const int high = m[2].matched ? std::stoi(m[2]) : low;
        EXPECT_GE(low, lastLow) << "level " << level;
        EXPECT_GE(high, lastHigh) << "level " << level;
        lastLow = low;
        lastHigh = high;
      }
    }
  }
}

// ---- Caption shape over every row of the three tables ----

const NamedTable kTables[] = {{"NecroCurse", &korvinth::kNecroCurseStats},
                              {"NecroBone", &korvinth::kNecroBoneStats},
                              {"NecroSummon", &korvinth::kNecroSummonStats}};

// The one value with a sign: Weaken lowers the target's damage.
const SignedRow kSignedRows[] = {{{&korvinth::kNecroCurseStats, 2, 3}, Sign::kMinus}};

// Rows that mix a bare whole number with one-decimal or half values: the mana
// costs of Teeth and Poison Dagger.
const RowRef kMixedRows[] = {{&korvinth::kNecroBoneStats, 0, 2}, {&korvinth::kNecroBoneStats, 2, 4}};

TEST(NecroStatShapes, HeadingsNameTheSkill) { CheckHeadings(kTables); }

TEST(NecroStatShapes, RowsKeepTheirForm) {
  CheckRowShapes(kTables, {.signedRows = kSignedRows, .mixedRows = kMixedRows});
}

}  // namespace
