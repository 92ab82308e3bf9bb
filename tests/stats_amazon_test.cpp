// The Amazon's three statistics tables: rows that follow a rule are recomputed
// here from that rule, listed rows are sampled, and the caption forms are
// checked over every row.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>
#include <string_view>

#include "skillstats/StatTable.h"

namespace {

using korvinth::StatRow;
using korvinth::StatSkill;
using korvinth::StatTable;

// ---- Caption forms, built independently of the tables ----

std::string Whole(int n) { return std::to_string(n); }

// Signed whole number: "+" before positive values, none on zero.
std::string Signed(int n) { return n > 0 ? "+" + std::to_string(n) : std::to_string(n); }

std::string Range(int lo, int hi) { return std::to_string(lo) + "- " + std::to_string(hi); }

// num / den (not negative) cut, not rounded, to one decimal; the decimal digit
// is always written.
std::string Cut1(int num, int den) {
  const int tenths = num * 10 / den;
  char text[16];
  std::snprintf(text, sizeof text, "%d.%d", tenths / 10, tenths % 10);
  return text;
}

// s + (level - 1) / 4, cut to one decimal.
std::string Quarter(int s, int level) { return Cut1(4 * s + level - 1, 4); }

// A mana cost that starts at startHalves / 2 and rises half a point a level
// while below 12; from the first 12.0 on, every whole value is shown at two
// consecutive levels. Walked level by level.
std::string PairedHalves(int startHalves, int level) {
  int halves = startHalves;
  int shown = 1;  // levels the current value has been shown at
  for (int l = 2; l <= level; ++l) {
    if (halves < 24) {
      ++halves;
      shown = 1;
    } else if (shown == 2) {
      halves += 2;
      shown = 1;
    } else {
      ++shown;
    }
  }
  return Cut1(halves, 2);
}

// The caption a row shows at level (1 to 20).
std::string Cell(const StatRow& row, int level) {
  return std::string(row.same ? row.values[0] : row.values[level - 1]);
}

std::string Where(int skill, int row) {
  return "skill " + std::to_string(skill) + " row " + std::to_string(row);
}

// ---- Headings, titles and the rows a skill leaves unused ----

struct SkillLayout {
  const char* name;
  const char* titles[4];
};

void CheckLayout(const StatTable& table, const SkillLayout (&layout)[10]) {
  for (int s = 0; s < 10; ++s) {
    SCOPED_TRACE("skill " + std::to_string(s));
    EXPECT_EQ(table[s].caption, std::string("Current Skill: ") + layout[s].name);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(table[s].rows[r].title, layout[s].titles[r]) << "row " << r + 1;
  }
}

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

struct RuleCase {
  int skill;
  int row;  // 1 to 4
  std::string (*value)(int level);
};

void CheckRuleRows(const StatTable& table, const RuleCase* begin, const RuleCase* end) {
  for (const RuleCase* c = begin; c != end; ++c) {
    SCOPED_TRACE(Where(c->skill, c->row));
    const StatRow& row = table[c->skill].rows[c->row - 1];
    for (int level = 1; level <= 20; ++level) {
      EXPECT_EQ(Cell(row, level), c->value(level)) << "level " << level;
    }
  }
}

std::string Text(const char* s) { return s; }

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
    {4, 2, [](int l) { return PairedHalves(10, l); }},
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
    {8, 4, [](int l) { return PairedHalves(18, l); }},
    {9, 1, [](int l) { return Range(1, 40 + 4 * (l - 1)); }},
    {9, 2, [](int l) { return Whole(2 + (l - 1)); }},
    {9, 3, [](int l) { return Range(1 + 10 * (l - 1), 40 + 10 * (l - 1)); }},
    {9, 4, [](int l) { return PairedHalves(20, l); }},
};

// ---- Rows listed value by value: a sample of their cells ----

struct SampleCase {
  int skill;
  int row;
  int level;
  const char* text;
};

void CheckSamples(const StatTable& table, const SampleCase* begin, const SampleCase* end) {
  for (const SampleCase* c = begin; c != end; ++c) {
    SCOPED_TRACE(Where(c->skill, c->row) + " level " + std::to_string(c->level));
    EXPECT_EQ(Cell(table[c->skill].rows[c->row - 1], c->level), c->text);
  }
}

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

TEST(AmazonBCStats, RuleRowsMatchAtEveryLevel) {
  CheckRuleRows(korvinth::kAmazonBCStats, std::begin(kBCRules), std::end(kBCRules));
}

TEST(AmazonBCStats, ListedRowSamples) {
  CheckSamples(korvinth::kAmazonBCStats, std::begin(kBCSamples), std::end(kBCSamples));
}

TEST(AmazonPMStats, HeadingsAndTitles) { CheckLayout(korvinth::kAmazonPMStats, kPMLayout); }

TEST(AmazonPMStats, RuleRowsMatchAtEveryLevel) {
  CheckRuleRows(korvinth::kAmazonPMStats, std::begin(kPMRules), std::end(kPMRules));
}

TEST(AmazonPMStats, ListedRowSamples) {
  CheckSamples(korvinth::kAmazonPMStats, std::begin(kPMSamples), std::end(kPMSamples));
}

TEST(AmazonPMStats, EvadeShowsDodgeValues) {
  for (int level = 1; level <= 20; ++level) {
    EXPECT_EQ(Cell(korvinth::kAmazonPMStats[7].rows[0], level),
              Cell(korvinth::kAmazonPMStats[2].rows[0], level))
        << "level " << level;
  }
}

TEST(AmazonJSStats, HeadingsAndTitles) { CheckLayout(korvinth::kAmazonJSStats, kJSLayout); }

TEST(AmazonJSStats, RuleRowsMatchAtEveryLevel) {
  CheckRuleRows(korvinth::kAmazonJSStats, std::begin(kJSRules), std::end(kJSRules));
}

TEST(AmazonJSStats, ListedRowSamples) {
  CheckSamples(korvinth::kAmazonJSStats, std::begin(kJSSamples), std::end(kJSSamples));
}

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

struct NamedTable {
  const char* name;
  const StatTable* table;
};

const NamedTable kTables[] = {{"AmazonBC", &korvinth::kAmazonBCStats},
                              {"AmazonPM", &korvinth::kAmazonPMStats},
                              {"AmazonJS", &korvinth::kAmazonJSStats}};

// The only rows whose values carry a sign: Magic Arrow's damage bonus, Inner
// Sight's enemy defense and Jab's damage.
bool MayCarrySign(std::string_view tree, int skill, int row) {
  return skill == 0 && row == (tree == "AmazonBC" ? 1 : 2);
}

// Rows that mix bare whole numbers with one-decimal values.
bool MixesForms(std::string_view tree, int skill, int row) {
  return (tree == "AmazonBC" && skill == 0 && row == 2) || (tree == "AmazonPM" && skill == 6 && row == 2);
}

TEST(AmazonStatShapes, HeadingsNameTheSkill) {
  for (const NamedTable& t : kTables) {
    for (const StatSkill& skill : *t.table) {
      EXPECT_TRUE(skill.caption.starts_with("Current Skill: ")) << t.name << ": " << skill.caption;
      EXPECT_GT(skill.caption.size(), std::string_view("Current Skill: ").size()) << t.name;
    }
  }
}

TEST(AmazonStatShapes, RowsKeepTheirForm) {
  const std::regex whole(R"(0|[1-9]\d*)");
  const std::regex signedWhole(R"(0|[+-][1-9]\d*)");
  const std::regex oneDecimal(R"((0|[1-9]\d*)\.\d)");
  const std::regex range(R"((0|[1-9]\d*)- ([1-9]\d*))");
  for (const NamedTable& t : kTables) {
    for (int s = 0; s < 10; ++s) {
      for (int r = 0; r < 4; ++r) {
        const StatRow& row = (*t.table)[s].rows[r];
        SCOPED_TRACE(std::string(t.name) + " " + Where(s, r + 1));
        ASSERT_FALSE(row.title.empty());
        if (row.title == "Not Used") {
          EXPECT_TRUE(row.same);
          EXPECT_TRUE(row.values[0].empty());
          continue;
        }
        if (row.same) {
          EXPECT_FALSE(row.values[0].empty());
        } else {
          bool allEqual = true;
          for (std::string_view v : row.values) {
            EXPECT_NE(v.data(), nullptr);
            EXPECT_FALSE(v.empty());
            allEqual = allEqual && v == row.values[0];
          }
          EXPECT_FALSE(allEqual) << "20 equal values belong in a Same row";
        }
        const bool mayCarrySign = MayCarrySign(t.name, s, r + 1);
        const int cells = row.same ? 1 : 20;
        int decimals = 0;
        for (int i = 0; i < cells; ++i) {
          const std::string v(row.values[i]);
          const bool isDecimal = std::regex_match(v, oneDecimal);
          std::smatch m;
          if (std::regex_match(v, m, range)) {
            EXPECT_LE(std::stoi(m[1]), std::stoi(m[2])) << v;
          } else {
            EXPECT_TRUE(isDecimal || std::regex_match(v, mayCarrySign ? signedWhole : whole))
                << "'" << v << "'";
          }
          decimals += isDecimal ? 1 : 0;
        }
        // A one-decimal row writes its decimal at every level, ".0" included.
        if (decimals > 0 && !MixesForms(t.name, s, r + 1)) {
          EXPECT_EQ(decimals, cells);
        }
      }
    }
  }
}

}  // namespace
