// The Barbarian's three statistics tables: rows that follow a rule are
// recomputed here from that rule, irregular rows are sampled, and the caption
// forms are checked over every row.
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

// A whole number that always shows its sign, "+0" included.
std::string Plus(int n) { return (n < 0 ? "" : "+") + std::to_string(n); }

std::string Range(int lo, int hi) { return std::to_string(lo) + "- " + std::to_string(hi); }

// num / den cut (not rounded) to one decimal, always with the decimal digit.
std::string Cut1(int num, int den) {
  const int tenths = num * 10 / den;
  char text[16];
  std::snprintf(text, sizeof text, "%d.%d", tenths / 10, tenths % 10);
  return text;
}

// A value given in tenths, written with one decimal.
std::string Tenths(int tenths) { return Cut1(tenths, 10); }

std::string Text(const char* s) { return s; }

// The caption a row shows at level (1 to 20).
std::string Cell(const StatRow& row, int level) {
  return std::string(row.same ? row.values[0] : row.values[level - 1]);
}

// ---- Rows given by a rule ----

struct RuleCase {
  int skill;
  int row;  // 1 to 4
  const char* title;
  std::string (*value)(int level);
};

void CheckRuleRows(const StatTable& table, const RuleCase* begin, const RuleCase* end) {
  for (const RuleCase* c = begin; c != end; ++c) {
    SCOPED_TRACE("skill " + std::to_string(c->skill) + " row " + std::to_string(c->row));
    const StatRow& row = table[c->skill].rows[c->row - 1];
    EXPECT_EQ(row.title, c->title);
    for (int level = 1; level <= 20; ++level) {
      EXPECT_EQ(Cell(row, level), c->value(level)) << "level " << level;
    }
  }
}

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

struct SampleCase {
  int skill;
  int row;
  const char* title;
  int level;
  const char* text;
};

void CheckSamples(const StatTable& table, const SampleCase* begin, const SampleCase* end) {
  for (const SampleCase* c = begin; c != end; ++c) {
    SCOPED_TRACE("skill " + std::to_string(c->skill) + " row " + std::to_string(c->row) + " level " +
                 std::to_string(c->level));
    const StatRow& row = table[c->skill].rows[c->row - 1];
    EXPECT_EQ(row.title, c->title);
    EXPECT_EQ(Cell(row, c->level), c->text);
  }
}

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

// Skill names in index order, and per skill a four-letter mask of its rows:
// 'N' for a "Not Used" row, '.' for a row in use.
struct TreeLayout {
  const char* names[10];
  const char* unused[10];
};

void CheckLayout(const StatTable& table, const TreeLayout& layout) {
  for (int s = 0; s < 10; ++s) {
    SCOPED_TRACE("skill " + std::to_string(s));
    EXPECT_EQ(table[s].caption, std::string("Current Skill: ") + layout.names[s]);
    for (int r = 0; r < 4; ++r) {
      EXPECT_EQ(table[s].rows[r].title == "Not Used", layout.unused[s][r] == 'N') << "row " << r + 1;
    }
  }
}

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

TEST(BarBarCSStats, RuleRowsMatchAtEveryLevel) {
  CheckRuleRows(korvinth::kBarBarCSStats, std::begin(kCombatRules), std::end(kCombatRules));
}

TEST(BarBarCSStats, IrregularRowSamples) {
  CheckSamples(korvinth::kBarBarCSStats, std::begin(kCombatSamples), std::end(kCombatSamples));
}

TEST(BarBarCSStats, HeadingsAndUnusedRows) { CheckLayout(korvinth::kBarBarCSStats, kCombatLayout); }

TEST(BarBarCSStats, LeapAndLeapAttackShareTheirRadii) {
  EXPECT_TRUE(SameRow(korvinth::kBarBarCSStats[1].rows[0], korvinth::kBarBarCSStats[5].rows[0]));
}

TEST(BarBarWCStats, RuleRowsMatchAtEveryLevel) {
  CheckRuleRows(korvinth::kBarBarWCStats, std::begin(kWarcryRules), std::end(kWarcryRules));
}

TEST(BarBarWCStats, IrregularRowSamples) {
  CheckSamples(korvinth::kBarBarWCStats, std::begin(kWarcrySamples), std::end(kWarcrySamples));
}

TEST(BarBarWCStats, HeadingsAndUnusedRows) { CheckLayout(korvinth::kBarBarWCStats, kWarcryLayout); }

TEST(BarBarCMStats, RuleRowsMatchAtEveryLevel) {
  CheckRuleRows(korvinth::kBarBarCMStats, std::begin(kMasteryRules), std::end(kMasteryRules));
}

TEST(BarBarCMStats, IrregularRowSamples) {
  CheckSamples(korvinth::kBarBarCMStats, std::begin(kMasterySamples), std::end(kMasterySamples));
}

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

struct NamedTable {
  const char* name;
  const StatTable* table;
};

const NamedTable kTables[] = {{"BarBarCS", &korvinth::kBarBarCSStats},
                              {"BarBarWC", &korvinth::kBarBarWCStats},
                              {"BarBarCM", &korvinth::kBarBarCMStats}};

TEST(BarbarianStatShapes, HeadingsNameTheSkill) {
  for (const NamedTable& t : kTables) {
    for (const StatSkill& skill : *t.table) {
      EXPECT_TRUE(skill.caption.starts_with("Current Skill: ")) << t.name << ": " << skill.caption;
      EXPECT_GT(skill.caption.size(), std::string_view("Current Skill: ").size()) << t.name;
    }
  }
}

TEST(BarbarianStatShapes, RowsKeepTheirForm) {
  const std::regex whole(R"([+-]?(0|[1-9]\d*))");
  const std::regex oneDecimal(R"((0|[1-9]\d*)\.\d)");
  const std::regex range(R"((0|[1-9]\d*)- (0|[1-9]\d*))");
  for (const NamedTable& t : kTables) {
    for (int s = 0; s < 10; ++s) {
      for (int r = 0; r < 4; ++r) {
        const StatRow& row = (*t.table)[s].rows[r];
        SCOPED_TRACE(std::string(t.name) + " skill " + std::to_string(s) + " row " + std::to_string(r + 1));
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
        const int cells = row.same ? 1 : 20;
        int decimals = 0, signedCells = 0, unsignedCells = 0;
        for (int i = 0; i < cells; ++i) {
          const std::string v(row.values[i]);
          std::smatch m;
          if (std::regex_match(v, m, range)) {
            EXPECT_LE(std::stoi(m[1]), std::stoi(m[2])) << v;
          } else if (std::regex_match(v, oneDecimal)) {
            ++decimals;
          } else {
            EXPECT_TRUE(std::regex_match(v, whole)) << "'" << v << "'";
            ++(v[0] == '+' || v[0] == '-' ? signedCells : unsignedCells);
          }
        }
        // A one-decimal row writes its decimal at every level, ".0" included,
        // and a row that shows signs shows them at every level.
        if (decimals > 0) {
          EXPECT_EQ(decimals, cells);
        }
        if (signedCells > 0) {
          EXPECT_EQ(unsignedCells, 0);
        }
      }
    }
  }
}

}  // namespace
