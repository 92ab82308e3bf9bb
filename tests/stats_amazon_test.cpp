// The Amazon's three statistics tables: rows that follow a rule are recomputed
// here from that rule, listed rows are sampled, and the caption forms are
// checked over every row.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "skillstats/StatTable.h"
#include "tests/support/StatChecks.h"

namespace {

using namespace stat_checks;

// s + (level - 1) / 4, cut to one decimal.
std::string Quarter(int s, int level) { return Cut1(4 * s + level - 1, 4); }

// ---- Headings, titles and the rows a skill leaves unused ----

constexpr const char* kNU = "Not Used";

const SkillLayout kBCLayout[10] = {
    {"Magic Arrow", {"Damage", "Mana Cost", kNU, kNU}},
    {"Fire Arrow", {"Fire Damage", "Mana Cost", kNU, kNU}},
    {"Cold Arrow", {"Cold Damage", "Cold Length (In Seconds)", "Mana Cost", kNU}},
    {"Multiple Shot", {"Number of Arrows", "Mana Cost", kNU, kNU}},
    {"Exploding Arrow", {"Fire Damage", "Mana Cost", kNU, kNU}},
    {"Ice Arrow", {"Cold Damage", "Freeze (In Seconds)", "Mana Cost", kNU}},
    {"Guided Arrow", {"Damage + (%)", "Mana Cost", kNU, kNU}},
    {"Strafe", {"Attacks Up to", "Damage + (%)", "Mana Cost", kNU}},
    {"Immolation Arrow",
     {"Average Fire Damage", "Fire Duration (In Seconds)", "Explosive Damage", "Mana Cost"}},
    {"Freezing Arrow", {"Damage", "Duration (In Seconds)", "Radius (Yards)", "Mana Cost"}},
};

const SkillLayout kPMLayout[10] = {
    {"Inner Sight", {"Duration (In Seconds)", "Enemy Defense", "Radius (Yards)", "Mana Cost"}},
    {"Critical Strike (Passive)", {"Chance for 2x Damage (%)", kNU, kNU, kNU}},
    {"Dodge (Passive)", {"Chance to Dodge Melee (%)", kNU, kNU, kNU}},
    {"Slow Missiles",
     {"Duration (In Seconds)", "Radius (Yards)", "Enemy Ranged Attacts Slowed (%)", "Mana Cost"}},
    {"Avoid (Passive)", {"Chance to Dodge Missle (%)", kNU, kNU, kNU}},
    {"Penetrate (Passive)", {"Bonus to Attack Rating for Ranged Attacks (%)", kNU, kNU, kNU}},
    {"Decoy", {"Duration (In Seconds)", "Mana Cost", kNU, kNU}},
    {"Evade (Passive)", {"Chance to Dodge Any Attack (%)", kNU, kNU, kNU}},
    {"Valkyrie", {"Hit Points", "Damage (%)", "Attack and Defense Bonus (%)", "Mana Cost"}},
    {"Pierce (Passive)", {"Chance missles Pass Through Target (%)", kNU, kNU, kNU}},
};

const SkillLayout kJSLayout[10] = {
    {"Jab", {"Attack Rating Bonus", "Damage (%)", "Mana Cost", kNU}},
    {"Power Strike", {"Attack Rating Bonus", "Damage", "Mana Cost", kNU}},
    {"Poison Javelin", {"Poison Damage", "Duration (In Seconds)", "Mana Cost", kNU}},
    {"Impale", {"Attack Modifier (%)", "Weapon Durability (%)", "Damage (%)", "Mana Cost"}},
    {"Lightning Bolt", {"Lightning Damage", "Mana Cost", kNU, kNU}},
    {"Charged Strike", {"Damage", "Mana Cost", kNU, kNU}},
    {"Plague Javelin", {"Poison Damage", "Duration (In Seconds)", "Mana Cost", kNU}},
    {"Fend", {"Attack Rating Bonus (%)", "Damage (%)", "Mana Cost", kNU}},
    {"Lightning Strike", {"Lightning Bolt Damage", "Number of Bolts", "Lightning Damage", "Mana Cost"}},
    {"Lightning Fury", {"Lightning Bolt Damage", "Number of Bolts", "Lightning Damage", "Mana Cost"}},
};

// ---- Rows given by a rule ----

const RuleCase kBCRules[] = {
    {0, 1, [](int l) { return Signed(l - 1); }},
    // 1.5 falling by an eighth a level, in eighths; nothing left is a bare "0".
    {0, 2, [](int l) { return l >= 13 ? Text("0") : Cut1(13 - l, 8); }},
    {1, 1, [](int l) { return Range(2 * l - 1, 2 * l + 2); }},
    {1, 2, [](int l) { return Quarter(3, l); }},
    {2, 1, [](int l) { return Whole(2 * l + 1); }},
    {2, 2, [](int l) { return Cut1(40 + 12 * (l - 1), 10); }},
    {2, 3, [](int l) { return Quarter(3, l); }},
    {3, 1, [](int l) { return Whole(l + 1); }},
    {3, 2, [](int l) { return Whole(l + 3); }},
    {4, 1, [](int l) { return Range(5 * l - 3, 5 * l - 1); }},
    {4, 2, [](int l) { return HalfPointMana(10, l); }},
    {5, 1, [](int l) { return Range(4 * l + 2, 4 * l + 6); }},
    {5, 2, [](int l) { return Cut1(20 + 2 * (l - 1), 10); }},
    {5, 3, [](int l) { return Quarter(4, l); }},
    {6, 1, [](int l) { return Whole(5 * (l - 1)); }},
    {7, 1, [](int l) { return Whole(2 * l + 3); }},
    {7, 2, [](int l) { return Whole(5 * l); }},
    {7, 3, [](int) { return Text("11"); }},
    {8, 2, [](int l) { return Cut1(10 * l + 36, 10); }},
    {8, 3, [](int l) { return Range(6 * l - 2, 6 * l + 4); }},
    {8, 4, [](int l) { return Whole(l + 5); }},
    {9, 1, [](int l) { return Range(6 * l, 6 * l + 4); }},
    {9, 2, [](int) { return Text("2"); }},
    {9, 3, [](int) { return Text("3.3"); }},
    {9, 4, [](int l) { return Whole(l + 8); }},
};

const RuleCase kPMRules[] = {
    {0, 3, [](int) { return Text("13.3"); }},
    {0, 4, [](int) { return Text("5"); }},
    {3, 1, [](int l) { return Whole(12 + 6 * (l - 1)); }},
    {3, 2, [](int) { return Text("13.3"); }},
    {3, 3, [](int) { return Text("33"); }},
    {3, 4, [](int) { return Text("5"); }},
    {5, 1, [](int l) { return Whole(35 + 10 * (l - 1)); }},
    {6, 1, [](int l) { return Whole(10 + 5 * (l - 1)); }},
    {8, 2, [](int l) { return Whole(20 * (l - 1)); }},
    {8, 3, [](int l) { return Whole(5 * (l - 1)); }},
    {8, 4, [](int l) { return Whole(25 + 4 * (l - 1)); }},
};

const RuleCase kJSRules[] = {
    {0, 1, [](int l) { return Whole(10 + 5 * (l - 1)); }},
    {0, 2, [](int l) { return Signed(-15 + 3 * (l - 1)); }},
    {0, 3, [](int l) { return Quarter(2, l); }},
    {1, 1, [](int l) { return Whole(10 + 5 * (l - 1)); }},
    {1, 2, [](int l) { return Range(1 + 3 * (l - 1), 8 + 3 * (l - 1)); }},
    {1, 3, [](int l) { return Quarter(2, l); }},
    {2, 2, [](int) { return Text("3"); }},
    {2, 3, [](int l) { return Quarter(4, l); }},
    {3, 1, [](int l) { return Whole(25 + 7 * (l - 1)); }},
    {3, 2, [](int l) { return Whole(50 + (l - 1)); }},
    {3, 3, [](int) { return Text("300"); }},
    {3, 4, [](int) { return Text("3"); }},
    {4, 1, [](int l) { return Range(1, 40 + 8 * (l - 1)); }},
    {4, 2, [](int l) { return Quarter(6, l); }},
    {5, 1, [](int l) { return Range(1 + 5 * (l - 1), 15 + 5 * (l - 1)); }},
    {5, 2, [](int l) { return Quarter(4, l); }},
    {6, 2, [](int) { return Text("3"); }},
    {6, 3, [](int l) { return Whole(7 + (l - 1)); }},
    {7, 1, [](int l) { return Whole(10 + 5 * (l - 1)); }},
    {7, 2, [](int l) { return Whole(25 + 3 * (l - 1)); }},
    {7, 3, [](int) { return Text("5"); }},
    {8, 1, [](int l) { return Range(1, 14 + 2 * (l - 1)); }},
    {8, 2, [](int l) { return Whole(2 + (l - 1)); }},
    {8, 3, [](int l) { return Range(5 + 10 * (l - 1), 25 + 10 * (l - 1)); }},
    {8, 4, [](int l) { return HalfPointMana(18, l); }},
    {9, 1, [](int l) { return Range(1, 40 + 4 * (l - 1)); }},
    {9, 2, [](int l) { return Whole(2 + (l - 1)); }},
    {9, 3, [](int l) { return Range(1 + 10 * (l - 1), 40 + 10 * (l - 1)); }},
    {9, 4, [](int l) { return HalfPointMana(20, l); }},
};

// ---- Rows listed value by value: a sample of their cells ----

const SampleCase kBCSamples[] = {
    // Exploding Arrow's cost repeats whole values once it reaches 12.
    {4, 2, 14, "11.5"},
    {4, 2, 15, "12.0"},
    {4, 2, 16, "12.0"},
    {4, 2, 19, "14.0"},
    {4, 2, 20, "14.0"},
    // Guided Arrow's cost, including the .3 levels.
    {6, 2, 1, "8.0"},
    {6, 2, 4, "7.2"},
    {6, 2, 8, "6.3"},
    {6, 2, 12, "5.3"},
    {6, 2, 16, "4.3"},
    {6, 2, 20, "3.2"},
    {8, 1, 1, "8- 10"},
    {8, 1, 3, "19- 22"},
    {8, 1, 10, "60- 63"},
    {8, 1, 17, "101- 104"},
    {8, 1, 20, "119- 121"},
};

const SampleCase kPMSamples[] = {
    {0, 1, 1, "8"},   {0, 1, 16, "68"},   {0, 1, 17, "72"},   {0, 1, 18, "74"},   {0, 1, 19, "76"},
    {0, 1, 20, "80"}, {0, 2, 1, "-46"},   {0, 2, 4, "-57"},   {0, 2, 14, "-70"},  {0, 2, 20, "-73"},
    {1, 1, 1, "16"},  {1, 1, 2, "25"},    {1, 1, 17, "65"},   {1, 1, 20, "68"},   {2, 1, 1, "18"},
    {2, 1, 15, "52"}, {2, 1, 20, "56"},   {4, 1, 1, "24"},    {4, 1, 13, "60"},   {4, 1, 20, "65"},
    {6, 2, 1, "19"},  {6, 2, 10, "12"},   {6, 2, 11, "11.5"}, {6, 2, 12, "10.7"}, {6, 2, 13, "10"},
    {6, 2, 17, "7"},  {6, 2, 20, "4.7"},  {8, 1, 1, "362"},   {8, 1, 6, "664"},   {8, 1, 7, "721"},
    {8, 1, 8, "785"}, {8, 1, 20, "1510"}, {9, 1, 1, "23"},    {9, 1, 9, "69"},    {9, 1, 20, "85"},
};

const SampleCase kJSSamples[] = {
    {2, 1, 1, "9- 14"}, {2, 1, 2, "14- 18"}, {2, 1, 8, "42- 46"}, {2, 1, 15, "75- 79"}, {2, 1, 20, "98- 103"},
    {8, 4, 6, "11.5"},  {8, 4, 7, "12.0"},   {8, 4, 8, "12.0"},   {8, 4, 20, "18.0"},   {9, 4, 4, "11.5"},
    {9, 4, 5, "12.0"},  {9, 4, 6, "12.0"},   {9, 4, 19, "19.0"},  {9, 4, 20, "19.0"},
};

// ---- Per-tree suites ----

TEST(AmazonBCStats, HeadingsAndTitles) { CheckLayout(korvinth::kAmazonBCStats, kBCLayout); }

TEST(AmazonBCStats, RuleRowsMatchAtEveryLevel) { CheckRuleRows(korvinth::kAmazonBCStats, kBCRules); }

TEST(AmazonBCStats, ListedRowSamples) { CheckSamples(korvinth::kAmazonBCStats, kBCSamples); }

TEST(AmazonPMStats, HeadingsAndTitles) { CheckLayout(korvinth::kAmazonPMStats, kPMLayout); }

TEST(AmazonPMStats, RuleRowsMatchAtEveryLevel) { CheckRuleRows(korvinth::kAmazonPMStats, kPMRules); }

TEST(AmazonPMStats, ListedRowSamples) { CheckSamples(korvinth::kAmazonPMStats, kPMSamples); }

TEST(AmazonPMStats, EvadeShowsDodgeValues) {
  for (int level = 1; level <= 20; ++level) {
    EXPECT_EQ(Cell(korvinth::kAmazonPMStats[7].rows[0], level),
              Cell(korvinth::kAmazonPMStats[2].rows[0], level))
        << "level " << level;
  }
}

TEST(AmazonJSStats, HeadingsAndTitles) { CheckLayout(korvinth::kAmazonJSStats, kJSLayout); }

TEST(AmazonJSStats, RuleRowsMatchAtEveryLevel) { CheckRuleRows(korvinth::kAmazonJSStats, kJSRules); }

TEST(AmazonJSStats, ListedRowSamples) { CheckSamples(korvinth::kAmazonJSStats, kJSSamples); }

// The two javelins share their poison ranges, and each level's range starts
// where the previous one ended.
TEST(AmazonJSStats, PoisonRangesAreSharedAndChained) {
  const StatRow& poison = korvinth::kAmazonJSStats[2].rows[0];
  const StatRow& plague = korvinth::kAmazonJSStats[6].rows[0];
  const std::regex range(R"((\d+)- (\d+))");
  int lastHigh = 9;
  for (int level = 1; level <= 20; ++level) {
    SCOPED_TRACE("level " + std::to_string(level));
    EXPECT_EQ(Cell(poison, level), Cell(plague, level));
    const std::string text = Cell(poison, level);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(text, m, range)) << text;
    EXPECT_EQ(std::stoi(m[1]), lastHigh);
    lastHigh = std::stoi(m[2]);
  }
  EXPECT_EQ(lastHigh, 103);
}

// ---- Caption shape over every row of the three tables ----

const NamedTable kTables[] = {{"AmazonBC", &korvinth::kAmazonBCStats},
                              {"AmazonPM", &korvinth::kAmazonPMStats},
                              {"AmazonJS", &korvinth::kAmazonJSStats}};

// The only rows whose values carry a sign: Magic Arrow's damage bonus, Inner
// Sight's enemy defense and Jab's damage.
const SignedRow kSignedRows[] = {{{&korvinth::kAmazonBCStats, 0, 1}, Sign::kSigned},
                                 {{&korvinth::kAmazonPMStats, 0, 2}, Sign::kSigned},
                                 {{&korvinth::kAmazonJSStats, 0, 2}, Sign::kSigned}};

// Rows that mix bare whole numbers with one-decimal values: Magic Arrow's and
// Decoy's mana costs.
const RowRef kMixedRows[] = {{&korvinth::kAmazonBCStats, 0, 2}, {&korvinth::kAmazonPMStats, 6, 2}};

TEST(AmazonStatShapes, HeadingsNameTheSkill) { CheckHeadings(kTables); }

TEST(AmazonStatShapes, RowsKeepTheirForm) {
  CheckRowShapes(kTables, {.signedRows = kSignedRows, .mixedRows = kMixedRows});
}

}  // namespace
