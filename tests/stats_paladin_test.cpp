// The Paladin's three statistics tables. Rows that follow a rule are rebuilt
// here from that rule and compared at every level; rows with irregular values
// are sampled; headings, row kinds and caption forms are checked throughout.
#include <gtest/gtest.h>

#include <string>

#include "skillstats/StatTable.h"
#include "tests/support/StatChecks.h"

namespace {

using namespace stat_checks;

// ---- Rows given by a rule ----

const RuleCase kCombatRules[] = {
    {0, 1, "Damage to Self (%)", [](int) { return Text("8"); }},
    {0, 2, "Attack Rating + (%)", [](int l) { return Whole(15 + 5 * l); }},
    {0, 3, "Damage (%)", [](int l) { return Whole(168 + 12 * l); }},
    {1, 1, "Damage + (%)", [](int l) { return Whole(15 * l); }},
    {1, 2, "Stun (In Seconds)", [](int l) { return Tenths(4 + 2 * l); }},
    {1, 3, "Mana Cost", [](int) { return Text("2"); }},
    {2, 1, "Magic Damage", [](int l) { return Range(6 * l + 2, 6 * l + 10); }},
    {2, 2, "Healing", [](int l) { return Range(2 * l - 1, 2 * l + 4); }},
    {2, 3, "Mana Cost", [](int) { return Text("4"); }},
    {3, 1, "Attack + (%)", [](int l) { return Whole(5 + 5 * l); }},
    {3, 2, "Number of Hits", [](int l) { return Whole(l + 1); }},
    {3, 3, "Mana Cost", [](int) { return Text("2"); }},
    {4, 1, "Damage + (%)", [](int l) { return Whole(75 + 25 * l); }},
    {4, 2, "Attack + (%)", [](int l) { return Whole(35 + 15 * l); }},
    {4, 3, "Mana Cost", [](int) { return Text("9"); }},
    {5, 1, "Cold Length", [](int l) { return Tenths(6 + 6 * l); }},
    {5, 2, "Elemental Damage + (%)", [](int l) { return Whole(30 + 5 * l); }},
    {5, 3, "Attack + (%)", [](int) { return Text("20"); }},
    {5, 4, "Mana Cost", [](int l) { return HalfPointMana(8, l); }},
    {6, 1, "Damage", [](int l) { return Range(8 * l + 4, 8 * l + 8); }},
    // A quarter point a level from 5, cut: 5.0, 5.2, 5.5, 5.7, ...
    {6, 2, "Mana Cost", [](int l) { return Cut1(19 + l, 4); }},
    {7, 2, "Duration (In Seconds)", [](int l) { return Whole(10 + 10 * l); }},
    {7, 3, "Mana Cost", [](int) { return Text("4"); }},
    {8, 1, "Duration (In Seconds)", [](int l) { return Whole(20 + 10 * l); }},
    {8, 2, "Defense + (%)", [](int l) { return Whole(10 + 15 * l); }},
    {8, 4, "Mana Cost", [](int) { return Text("35"); }},
    {9, 1, "Holy Bolt Damage", [](int l) { return Range(1, 6 * l + 10); }},
    {9, 2, "Lightning Damage", [](int l) { return Range(8 * l - 7, 8 * l + 32); }},
    {9, 3, "Mana Cost", [](int l) { return Whole(23 + 2 * l); }},
};

// Radii in thirds of a yard, cut to one decimal.
std::string AuraRadius(int l) { return Cut1(18 + 4 * l, 3); }        // 7.3 to 32.6
std::string SmallRadius(int l) { return Cut1(10 + 2 * l, 3); }       // 4.0 to 16.6
std::string SmallerRadius(int l) { return Cut1(8 + 2 * l, 3); }      // 3.3 to 16.0
std::string ConvictionRadius(int l) { return Cut1(16 + 2 * l, 3); }  // 6.0 to 18.6

// Holy Shock's low end gains one and a half a level, cut; the span is 4.
std::string ShockDamage(int l) {
  const int lo = 3 * (l - 1) / 2 + 1;
  return Range(lo, lo + 4);
}

// Holy Fire's low end gains three quarters a level, cut to half points; the
// span is 2.
std::string FireDamage(int l) {
  const int lo = (3 * l + 1) / 2;  // in half points
  return Halves(lo) + "- " + Halves(lo + 4);
}

const RuleCase kOffensiveRules[] = {
    {0, 1, "Radius (Yards)", AuraRadius},
    {0, 2, "Damage + (%)", [](int l) { return Whole(30 + 10 * l); }},
    {1, 1, "Radius (Yards)", SmallRadius},
    {1, 2, "Fire Damage", FireDamage},
    {2, 1, "Radius (Yards)", AuraRadius},
    {2, 2, "Damage Return (%)", [](int l) { return Whole(210 + 40 * l); }},
    {3, 1, "Radius (Yards)", AuraRadius},
    {3, 2, "Attack + (%)", [](int l) { return Whole(60 + 15 * l); }},
    {4, 1, "Radius (Yards)", AuraRadius},
    {4, 2, "Damage + (%)", [](int l) { return Whole(45 + 15 * l); }},
    {4, 3, "Uninterrupt Chance (%)", [](int) { return Text("20"); }},
    {5, 1, "Radius (Yards)", SmallRadius},
    {6, 1, "Radius (Yards)", SmallerRadius},
    {6, 2, "Lightning Damage", ShockDamage},
    {7, 1, "Radius (Yards)", SmallerRadius},
    {7, 2, "Magic Damage", [](int l) { return Range(4 * l + 4, 4 * l + 12); }},
    {8, 1, "Radius (Yards)", [](int) { return Text("7.3"); }},
    {8, 3, "Attack + (%)", [](int l) { return Whole(35 + 5 * l); }},
    {9, 1, "Radius (Yards)", ConvictionRadius},
};

const RuleCase kDefensiveRules[] = {
    {0, 1, "Radius (Yards)", AuraRadius},
    {0, 2, "Healing", [](int l) { return Whole(l + 1); }},
    // Three sixteenths of a point a level from 1, cut: 1.0, 1.1, 1.3, ...
    {0, 3, "Mana Cost", [](int l) { return Cut1(13 + 3 * l, 16); }},
    {1, 1, "Radius (Yards)", AuraRadius},
    {2, 1, "Radius (Yards)", AuraRadius},
    {2, 2, "Defense + (%)", [](int l) { return Whole(60 + 10 * l); }},
    {3, 1, "Radius (Yards)", AuraRadius},
    {4, 1, "Radius (Yards)", AuraRadius},
    {5, 1, "Radius (Yards)", AuraRadius},
    {6, 1, "Radius (Yards)", [](int l) { return Whole(8 + 2 * l); }},
    {6, 3, "Max Stamina Increase + (%)", [](int l) { return Whole(25 + 25 * l); }},
    {6, 4, "Increase Stamina Recovery + (%)", [](int l) { return Whole(25 + 25 * l); }},
    {7, 1, "Radius (Yards)", AuraRadius},
    {7, 2, "Mana Recovery + (%)", [](int l) { return Whole(50 + 15 * l); }},
    {8, 1, "Radius (yards)", [](int) { return Text("7.3"); }},
    {8, 3, "Hit Points/Mana Recovery (Points)", [](int l) { return Whole(20 + 5 * l); }},
    {9, 1, "Radius (Yards)", AuraRadius},
};

// ---- Irregular rows: a sample of their cells ----

const SampleCase kCombatSamples[] = {
    {7, 1, "Chance to Convert (%)", 1, "11"},  {7, 1, "Chance to Convert (%)", 2, "20"},
    {7, 1, "Chance to Convert (%)", 15, "58"}, {7, 1, "Chance to Convert (%)", 16, "60"},
    {7, 1, "Chance to Convert (%)", 17, "60"}, {7, 1, "Chance to Convert (%)", 20, "63"},
    {8, 3, "Chance to Block + (%)", 1, "8"},   {8, 3, "Chance to Block + (%)", 4, "13"},
    {8, 3, "Chance to Block + (%)", 7, "16"},  {8, 3, "Chance to Block + (%)", 15, "20"},
    {8, 3, "Chance to Block + (%)", 16, "21"}, {8, 3, "Chance to Block + (%)", 20, "21"},
};

const SampleCase kOffensiveSamples[] = {
    {5, 2, "Slowed By (%)", 1, "30"},         {5, 2, "Slowed By (%)", 2, "34"},
    {5, 2, "Slowed By (%)", 10, "48"},        {5, 2, "Slowed By (%)", 18, "53"},
    {5, 2, "Slowed By (%)", 20, "54"},        {8, 2, "Attack Rating + (%)", 1, "14"},
    {8, 2, "Attack Rating + (%)", 3, "20"},   {8, 2, "Attack Rating + (%)", 12, "31"},
    {8, 2, "Attack Rating + (%)", 19, "34"},  {8, 2, "Attack Rating + (%)", 20, "35"},
    {9, 2, "Defense - (%)", 1, "49"},         {9, 2, "Defense - (%)", 15, "86"},
    {9, 2, "Defense - (%)", 16, "88"},        {9, 2, "Defense - (%)", 20, "90"},
    {9, 3, "Maximum Resist - (%)", 1, "26"},  {9, 3, "Maximum Resist - (%)", 18, "56"},
    {9, 3, "Maximum Resist - (%)", 19, "57"}, {9, 3, "Maximum Resist - (%)", 20, "57"},
};

const SampleCase kDefensiveSamples[] = {
    {1, 2, "Resist Fire + (%)", 1, "54"},       {1, 2, "Resist Fire + (%)", 12, "71"},
    {1, 2, "Resist Fire + (%)", 16, "74"},      {1, 2, "Resist Fire + (%)", 19, "74"},
    {1, 2, "Resist Fire + (%)", 20, "75"},      {3, 2, "Resist Cold + (%)", 1, "54"},
    {5, 2, "Resist Lightning + (%)", 20, "75"}, {9, 2, "Resist Lightning/Cold/Fire (%)", 4, "63"},
    {4, 2, "Duration Reduction", 1, "39"},      {4, 2, "Duration Reduction", 15, "76"},
    {4, 2, "Duration Reduction", 16, "78"},     {4, 2, "Duration Reduction", 20, "80"},
    {6, 2, "Walk Run Speed + (%)", 1, "13"},    {6, 2, "Walk Run Speed + (%)", 15, "40"},
    {6, 2, "Walk Run Speed + (%)", 18, "42"},   {6, 2, "Walk Run Speed + (%)", 20, "43"},
    {8, 2, "Chance to Redeem + (%)", 1, "23"},  {8, 2, "Chance to Redeem + (%)", 17, "82"},
    {8, 2, "Chance to Redeem + (%)", 20, "85"},
};

// ---- Headings and row kinds ----

// Per skill its row mask: 'L' a row with its own value per level, 'S' one
// text at every level, 'N' "Not Used".
const TreeLayout kCombatLayout = {
    {"Sacrifice", "Smite", "Holy Bolt", "Zeal", "Charge", "Vengeance", "Blessed Hammer", "Conversion",
     "Holy Shield", "Fist of Heavens"},
    {"SLLN", "LLSN", "LLSN", "LLSN", "LLSN", "LLSL", "LLNN", "LLSN", "LLLS", "LLLN"}};

const TreeLayout kOffensiveLayout = {
    {"Might", "Holy Fire", "Thorns", "Blessed Aim", "Concentration", "Holy Freeze", "Holy Shock", "Sanctuary",
     "Fanaticism", "Conviction"},
    {"LLNN", "LLNN", "LLNN", "LLNN", "LLSN", "LLNN", "LLNN", "LLNN", "SLLN", "LLLN"}};

const TreeLayout kDefensiveLayout = {
    {"Prayer", "Resist Fire", "Defiance", "Resist Cold", "Cleansing", "Resist Lightning", "Vigor",
     "Meditation", "Redemption", "Salvation"},
    {"LLLN", "LLNN", "LLNN", "LLNN", "LLNN", "LLNN", "LLLL", "LLNN", "SLLN", "LLNN"}};

// ---- Per-tree suites ----

TEST(PaladinComStats, RuleRowsMatchAtEveryLevel) { CheckRuleRows(korvinth::kPaladinComStats, kCombatRules); }

TEST(PaladinComStats, IrregularRowSamples) { CheckSamples(korvinth::kPaladinComStats, kCombatSamples); }

TEST(PaladinComStats, HeadingsAndRowKinds) { CheckLayout(korvinth::kPaladinComStats, kCombatLayout); }

TEST(PaladinOffStats, RuleRowsMatchAtEveryLevel) {
  CheckRuleRows(korvinth::kPaladinOffStats, kOffensiveRules);
}

TEST(PaladinOffStats, IrregularRowSamples) { CheckSamples(korvinth::kPaladinOffStats, kOffensiveSamples); }

TEST(PaladinOffStats, HeadingsAndRowKinds) { CheckLayout(korvinth::kPaladinOffStats, kOffensiveLayout); }

TEST(PaladinDefStats, RuleRowsMatchAtEveryLevel) {
  CheckRuleRows(korvinth::kPaladinDefStats, kDefensiveRules);
}

TEST(PaladinDefStats, IrregularRowSamples) { CheckSamples(korvinth::kPaladinDefStats, kDefensiveSamples); }

TEST(PaladinDefStats, HeadingsAndRowKinds) { CheckLayout(korvinth::kPaladinDefStats, kDefensiveLayout); }

// The three resist auras and Salvation show one set of values under their own
// titles; a slip in one copy would only show in that aura's window.
TEST(PaladinDefStats, ResistAurasShareTheirValues) {
  const StatTable& t = korvinth::kPaladinDefStats;
  for (int s : {3, 5, 9}) {
    for (int level = 1; level <= 20; ++level) {
      EXPECT_EQ(Cell(t[s].rows[1], level), Cell(t[1].rows[1], level)) << "skill " << s << " level " << level;
    }
  }
}

// ---- Caption forms over every row of the three tables ----

const NamedTable kTables[] = {{"PaladinCom", &korvinth::kPaladinComStats},
                              {"PaladinOff", &korvinth::kPaladinOffStats},
                              {"PaladinDef", &korvinth::kPaladinDefStats}};

// Holy Fire's damage is the one range whose ends may be half points.
const RowRef kHalfPointRanges[] = {{&korvinth::kPaladinOffStats, 1, 2}};

TEST(PaladinStatShapes, HeadingsNameTheSkill) { CheckHeadings(kTables); }

// No Paladin value carries a sign; decimals have exactly one digit; ranges are
// "low- high", where only half points may follow a number.
TEST(PaladinStatShapes, RowsKeepTheirForm) { CheckRowShapes(kTables, {.halfPointRanges = kHalfPointRanges}); }

// Every Paladin statistic grows or levels off with the skill level, so a value
// below the one before it (low or high end of a range) is a slip in the data;
// this covers the irregular rows between their sampled cells.
TEST(PaladinStatShapes, ValuesNeverFallWithTheLevel) {
  for (const NamedTable& t : kTables) {
    for (int s = 0; s < 10; ++s) {
      for (int r = 0; r < 4; ++r) {
        const StatRow& row = (*t.table)[s].rows[r];
        if (row.same) continue;
        for (int level = 2; level <= 20; ++level) {
          const std::string before = Cell(row, level - 1), now = Cell(row, level);
          const auto high = [](const std::string& v) { return std::stod(v.substr(v.find_last_of(' ') + 1)); };
          EXPECT_LE(std::stod(before), std::stod(now))
              << t.name << " " << Where(s, r + 1) << " level " << level;
          EXPECT_LE(high(before), high(now)) << t.name << " " << Where(s, r + 1) << " level " << level;
        }
      }
    }
  }
}

}  // namespace
