// The Barbarian's three statistics tables: rows that follow a rule are
// recomputed here from that rule, irregular rows are sampled, and the caption
// forms are checked over every row.
#include <gtest/gtest.h>

#include <string>

#include "skillstats/StatTable.h"
#include "tests/support/StatChecks.h"

namespace {

using namespace stat_checks;

// ---- Rows given by a rule ----

const RuleCase kCombatRules[] = {
    {0, 1, "Damage", [](int l) { return Plus(l); }},
    {0, 2, "Damage + (%)", [](int l) { return Whole(45 + 5 * l); }},
    {0, 3, "Attack + (%)", [](int l) { return Whole(15 + 5 * l); }},
    {0, 4, "Mana Cost", [](int) { return Text("2"); }},
    {1, 2, "Mana Cost", [](int) { return Text("2"); }},
    {2, 1, "Attack + (%)", [](int l) { return Whole(10 + 5 * l); }},
    {2, 2, "Mana Cost", [](int) { return Text("2"); }},
    {3, 1, "Attack + (%)", [](int l) { return Whole(10 + 5 * l); }},
    {3, 2, "Duration (In Seconds)", [](int l) { return Tenths(10 + 2 * l); }},
    {3, 3, "Mana Cost", [](int) { return Text("2"); }},
    {4, 1, "Attack + (%)", [](int l) { return Whole(10 + 10 * l); }},
    {4, 2, "Mana Cost", [](int) { return Text("2"); }},
    {5, 2, "Attack + (%)", [](int l) { return Whole(35 + 15 * l); }},
    {5, 3, "Damage + (%)", [](int l) { return Whole(70 + 30 * l); }},
    {5, 4, "Mana Cost", [](int) { return Text("9"); }},
    {6, 1, "Attack + (%)", [](int l) { return Whole(20 + 5 * l); }},
    {6, 2, "Defense +(%)", [](int l) { return Whole(20 + 10 * l); }},
    {6, 3, "Mana Cost", [](int) { return Text("2"); }},
    {7, 1, "Attack + (%)", [](int l) { return Whole(10 * l); }},
    {7, 2, "Duration (In Seconds)", [](int l) { return Whole(l + 1); }},
    {7, 3, "Mana Cost", [](int) { return Text("2"); }},
    {8, 1, "Attack + (%)", [](int l) { return Plus(5 * (l - 1)); }},
    // Eight points a level from -50, but the last two levels end at +92 and +100.
    {8, 2, "Damage %",
     [](int l) { return l == 19   ? Text("+92")
                        : l == 20 ? Text("+100")
                                  : Plus(-58 + 8 * l); }},
    {8, 3, "Mana Cost", [](int l) { return Whole(24 + l); }},
    {9, 1, "Attack + (%)", [](int l) { return Whole(40 + 16 * l); }},
    {9, 2, "Magic Damage + (%)", [](int l) { return Whole(46 + 10 * l); }},
    {9, 4, "Mana Cost", [](int) { return Text("5"); }},
};

const RuleCase kWarcryRules[] = {
    // Ten thirds of a yard a level from 16, cut to one decimal.
    {0, 1, "Enemy Runs (Yards)", [](int l) { return Cut1(38 + 10 * l, 3); }},
    {0, 2, "Enemy Runs (Seconds)", [](int l) { return Whole(l + 2); }},
    {0, 3, "Mana Cost", [](int) { return Text("4"); }},
    {1, 2, "Mana Cost", [](int) { return Text("2"); }},
    {2, 1, "Target's Damage Decrease (%)", [](int l) { return Whole(3 + 2 * l); }},
    {2, 2, "Target's Attack Rating Decrease (%)", [](int l) { return Whole(3 + 2 * l); }},
    {2, 3, "Mana Cost", [](int) { return Text("2"); }},
    {3, 1, "Defense Bonus (%)", [](int l) { return Whole(90 + 10 * l); }},
    {3, 2, "Duration (In Seconds)", [](int l) { return Whole(14 + 2 * l); }},
    {3, 3, "Mana Cost", [](int) { return Text("6"); }},
    {4, 2, "Mana Cost", [](int) { return Text("7"); }},
    {5, 1, "Duration (Seconds)", [](int l) { return Tenths(96 + 24 * l); }},
    {5, 2, "Target's Defense - (%)", [](int l) { return Whole(48 + 2 * l); }},
    {5, 3, "Target's Damage - (%)", [](int l) { return Whole(24 + l); }},
    {5, 4, "Mana Cost", [](int) { return Text("5"); }},
    {6, 2, "Duration (In Seconds)", [](int l) { return Whole(24 + 6 * l); }},
    {6, 3, "Mana Cost", [](int) { return Text("5"); }},
    // Two thirds of a yard a level from 2, cut to one decimal.
    {7, 1, "Radius (Yards)", [](int l) { return Cut1(2 * l + 4, 3); }},
    {7, 2, "Duration (In Seconds)", [](int) { return Text("40"); }},
    {7, 3, "Mana Cost", [](int) { return Text("4"); }},
    {8, 1, "Damage", [](int l) { return Range(10 + 5 * l, 15 + 5 * l); }},
    {8, 2, "Stun Length (In Seconds)", [](int l) { return Tenths(8 + 2 * l); }},
    {8, 3, "Mana Cost", [](int l) { return Whole(16 + l); }},
    {9, 1, "Duration (In Seconds)", [](int l) { return Whole(8 + 4 * l); }},
    {9, 2, "Mana Cost", [](int) { return Text("11"); }},
};

// Sword, axe and mace start their attack bonus at 26, then 36 and 8 a level.
std::string LightMasteryAttack(int l) { return l == 1 ? Text("26") : Whole(20 + 8 * l); }

const RuleCase kMasteryRules[] = {
    {0, 1, "Damage + (%)", [](int l) { return Whole(23 + 5 * l); }},
    {0, 2, "Attack + (%)", LightMasteryAttack},
    {1, 1, "Damage + (%)", [](int l) { return Whole(23 + 5 * l); }},
    {1, 2, "Attack + (%)", LightMasteryAttack},
    {2, 1, "Damage + (%)", [](int l) { return Whole(23 + 5 * l); }},
    {2, 2, "Attack + (%)", LightMasteryAttack},
    {3, 1, "Damage + (%)", [](int l) { return Whole(25 + 5 * l); }},
    {3, 2, "Attack + (%)", [](int l) { return Whole(22 + 8 * l); }},
    {4, 1, "Damage + (%)", [](int l) { return Whole(25 + 5 * l); }},
    {4, 2, "Attack + (%)", [](int l) { return Whole(22 + 8 * l); }},
    {5, 1, "Damage + (%)", [](int l) { return Whole(25 + 5 * l); }},
    {5, 2, "Attack + (%)", [](int l) { return Whole(22 + 8 * l); }},
    {6, 1, "Stamina Bonus (%)", [](int l) { return Whole(15 + 15 * l); }},
    {7, 1, "Increase Defense Rating (%)", [](int l) { return Whole(20 + 10 * l); }},
};

// ---- Irregular rows: a sample of their cells ----

const SampleCase kCombatSamples[] = {
    {1, 1, "Radius (Yards)", 1, "4.6"},         {1, 1, "Radius (Yards)", 2, "7.3"},
    {1, 1, "Radius (Yards)", 4, "10.0"},        {1, 1, "Radius (Yards)", 9, "14.0"},
    {1, 1, "Radius (Yards)", 10, "14.0"},       {1, 1, "Radius (Yards)", 12, "14.6"},
    {1, 1, "Radius (Yards)", 16, "16.0"},       {1, 1, "Radius (Yards)", 17, "16.6"},
    {1, 1, "Radius (Yards)", 20, "16.6"},       {9, 3, "Duration (In Seconds)", 1, "2.7"},
    {9, 3, "Duration (In Seconds)", 2, "2.4"},  {9, 3, "Duration (In Seconds)", 5, "2.0"},
    {9, 3, "Duration (In Seconds)", 11, "1.6"}, {9, 3, "Duration (In Seconds)", 12, "1.5"},
    {9, 3, "Duration (In Seconds)", 17, "1.4"}, {9, 3, "Duration (In Seconds)", 18, "1.3"},
    {9, 3, "Duration (In Seconds)", 20, "1.3"},
};

const SampleCase kWarcrySamples[] = {
    {1, 1, "Chance to find (%)", 1, "15"},
    {1, 1, "Chance to find (%)", 2, "27"},
    {1, 1, "Chance to find (%)", 10, "68"},
    {1, 1, "Chance to find (%)", 20, "84"},
    {4, 1, "Chance to Find (%)", 1, "14"},
    {4, 1, "Chance to Find (%)", 14, "51"},
    {4, 1, "Chance to Find (%)", 15, "51"},
    {4, 1, "Chance to Find (%)", 16, "53"},
    {4, 1, "Chance to Find (%)", 20, "55"},
    {6, 1, "Max Stamina/Mana Increase (%)", 1, "40"},
    {6, 1, "Max Stamina/Mana Increase (%)", 3, "47"},
    {6, 1, "Max Stamina/Mana Increase (%)", 10, "58"},
    {6, 1, "Max Stamina/Mana Increase (%)", 18, "63"},
    {6, 1, "Max Stamina/Mana Increase (%)", 20, "64"},
};

const SampleCase kMasterySamples[] = {
    {8, 1, "Walk/Run Speed Bonus (%)", 1, "13"},  {8, 1, "Walk/Run Speed Bonus (%)", 8, "33"},
    {8, 1, "Walk/Run Speed Bonus (%)", 14, "40"}, {8, 1, "Walk/Run Speed Bonus (%)", 15, "40"},
    {8, 1, "Walk/Run Speed Bonus (%)", 17, "41"}, {8, 1, "Walk/Run Speed Bonus (%)", 19, "42"},
    {8, 1, "Walk/Run Speed Bonus (%)", 20, "43"}, {9, 1, "Increase Resist All (%)", 1, "12"},
    {9, 1, "Increase Resist All (%)", 2, "21"},   {9, 1, "Increase Resist All (%)", 14, "61"},
    {9, 1, "Increase Resist All (%)", 17, "64"},  {9, 1, "Increase Resist All (%)", 20, "67"},
};

// ---- Headings and the rows a skill leaves unused ----

// Per skill its row mask: 'N' for a "Not Used" row, '.' for a row in use.
const TreeLayout kCombatLayout = {
    {"Bash", "Leap", "Double Swing", "Stun", "Double Throw", "Leap Attack", "Concentrate", "Frenzy",
     "Whirlwind", "Beserk"},
    {"....", "..NN", "..NN", "...N", "..NN", "....", "...N", "...N", "...N", "...."}};

const TreeLayout kWarcryLayout = {
    {"Howl", "Find Health Potion", "Taunt", "Shout", "Find Item", "Battle Cry", "Battle Orders", "Grim Ward",
     "War Cry", "Battle Command"},
    {"...N", "..NN", "...N", "...N", "..NN", "....", "...N", "...N", "...N", "..NN"}};

const TreeLayout kMasteryLayout = {
    {"Sword Mastery (Passive)", "Axe Mastery (Passive)", "Mace Mastery (Passive)",
     "Polearm Mastery (Passive)", "Throwing Mastery (Passive)", "Spear Mastery (Passive)",
     "Increase Stamina (Passive)", "Iron Skin (Passive)", "Increase Speed (Passive)",
     "Natural Resistance (Passive)"},
    {"..NN", "..NN", "..NN", "..NN", "..NN", "..NN", ".NNN", ".NNN", ".NNN", ".NNN"}};

bool SameRow(const StatRow& a, const StatRow& b) {
  if (a.title != b.title) return false;
  for (int level = 1; level <= 20; ++level) {
    if (Cell(a, level) != Cell(b, level)) return false;
  }
  return true;
}

// ---- Per-tree suites ----

TEST(BarBarCSStats, RuleRowsMatchAtEveryLevel) { CheckRuleRows(korvinth::kBarBarCSStats, kCombatRules); }

TEST(BarBarCSStats, IrregularRowSamples) { CheckSamples(korvinth::kBarBarCSStats, kCombatSamples); }

TEST(BarBarCSStats, HeadingsAndUnusedRows) { CheckLayout(korvinth::kBarBarCSStats, kCombatLayout); }

TEST(BarBarCSStats, LeapAndLeapAttackShareTheirRadii) {
  EXPECT_TRUE(SameRow(korvinth::kBarBarCSStats[1].rows[0], korvinth::kBarBarCSStats[5].rows[0]));
}

TEST(BarBarWCStats, RuleRowsMatchAtEveryLevel) { CheckRuleRows(korvinth::kBarBarWCStats, kWarcryRules); }

TEST(BarBarWCStats, IrregularRowSamples) { CheckSamples(korvinth::kBarBarWCStats, kWarcrySamples); }

TEST(BarBarWCStats, HeadingsAndUnusedRows) { CheckLayout(korvinth::kBarBarWCStats, kWarcryLayout); }

TEST(BarBarCMStats, RuleRowsMatchAtEveryLevel) { CheckRuleRows(korvinth::kBarBarCMStats, kMasteryRules); }

TEST(BarBarCMStats, IrregularRowSamples) { CheckSamples(korvinth::kBarBarCMStats, kMasterySamples); }

TEST(BarBarCMStats, HeadingsAndUnusedRows) { CheckLayout(korvinth::kBarBarCMStats, kMasteryLayout); }

// The weapon masteries come in two groups of three skills with identical rows.
TEST(BarBarCMStats, WeaponMasteryGroupsShareTheirRows) {
  const StatTable& t = korvinth::kBarBarCMStats;
  for (int first : {0, 3}) {
    for (int s = first + 1; s < first + 3; ++s) {
      for (int r = 0; r < 4; ++r) {
        EXPECT_TRUE(SameRow(t[first].rows[r], t[s].rows[r])) << "skill " << s << " row " << r + 1;
      }
    }
  }
  EXPECT_FALSE(SameRow(t[0].rows[0], t[3].rows[0]));
}

// ---- Caption shape over every row of the three tables ----

const NamedTable kTables[] = {{"BarBarCS", &korvinth::kBarBarCSStats},
                              {"BarBarWC", &korvinth::kBarBarWCStats},
                              {"BarBarCM", &korvinth::kBarBarCMStats}};

// The rows whose values carry a sign, shown at every level, "+0" included:
// Bash's damage and Whirlwind's attack and damage.
const SignedRow kSignedRows[] = {{{&korvinth::kBarBarCSStats, 0, 1}, Sign::kPlus},
                                 {{&korvinth::kBarBarCSStats, 8, 1}, Sign::kPlus},
                                 {{&korvinth::kBarBarCSStats, 8, 2}, Sign::kPlus}};

TEST(BarbarianStatShapes, HeadingsNameTheSkill) { CheckHeadings(kTables); }

TEST(BarbarianStatShapes, RowsKeepTheirForm) { CheckRowShapes(kTables, {.signedRows = kSignedRows}); }

}  // namespace
