// Checks shared by the statistics table tests: caption formers that build the
// expected texts independently of the tables, comparisons of whole rows and of
// single cells, the heading and row-kind layout of a tree, and the form every
// caption of a table must keep.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <ostream>
#include <regex>
#include <span>
#include <string>
#include <string_view>

#include "skillstats/StatTable.h"

namespace stat_checks {

using korvinth::StatRow;
using korvinth::StatSkill;
using korvinth::StatTable;

// ---- Caption formers ----

inline std::string Whole(int n) { return std::to_string(n); }

// The sign, then the digits, appended (GCC 12 warns falsely, -Wrestrict, on
// a literal put in front of a temporary string).
inline std::string SignThen(const char* sign, int n) {
  std::string text = sign;
  text += std::to_string(n);
  return text;
}

// A whole number with "+" before positive values and no sign on zero.
inline std::string Signed(int n) { return SignThen(n > 0 ? "+" : "", n); }

// A whole number that always shows its sign, "+0" included.
inline std::string Plus(int n) { return SignThen(n < 0 ? "" : "+", n); }

inline std::string Range(int lo, int hi) { return Whole(lo) + "- " + Whole(hi); }

// num / den (neither negative) cut, not rounded, to one decimal; the decimal
// digit is always written.
inline std::string Cut1(int num, int den) {
  const int tenths = num * 10 / den;
  char text[16];
  std::snprintf(text, sizeof text, "%d.%d", tenths / 10, tenths % 10);
  return text;
}

// A value given in tenths, written with one decimal.
inline std::string Tenths(int tenths) { return Cut1(tenths, 10); }

// A count of half points: whole values bare, the others with ".5".
inline std::string Halves(int halves) { return Whole(halves / 2) + (halves % 2 ? ".5" : ""); }

inline std::string Text(const char* s) { return s; }

// A mana cost that starts at startHalves / 2 (at most 12) and rises half a
// point a level, written with one decimal, up to 12.0; from there each whole
// value stands at two consecutive levels (12.0, 12.0, 13.0, 13.0, ...).
inline std::string HalfPointMana(int startHalves, int level) {
  const int halves = startHalves + level - 1;
  return halves <= 24 ? Tenths(halves * 5) : Tenths(halves / 2 * 10);
}

// ---- Reading a table ----

// The caption a row shows at level (1 to 20).
inline std::string Cell(const StatRow& row, int level) {
  return std::string(row.same ? row.values[0] : row.values[level - 1]);
}

inline std::string Where(int skill, int row) { return "skill " + Whole(skill) + " row " + Whole(row); }

// 'N' for a "Not Used" row, 'S' for one text at every level, 'L' for a value
// of its own at each level.
inline char KindOf(const StatRow& row) {
  if (row.title == "Not Used") return 'N';
  return row.same ? 'S' : 'L';
}

// ---- Rows given by a rule ----

using LevelText = std::function<std::string(int level)>;

// The row's title (unless title is null) and its caption at every level 1 to
// 20 against the rule.
inline void CheckRowAtEveryLevel(const StatRow& row, const char* title, const LevelText& value) {
  if (title != nullptr) {
    EXPECT_EQ(row.title, title);
  }
  for (int level = 1; level <= 20; ++level) {
    EXPECT_EQ(Cell(row, level), value(level)) << "level " << level;
  }
}

// A row of a table and the rule it follows; without a title only the values
// are compared.
struct RuleCase {
  using Rule = std::string (*)(int level);
  constexpr RuleCase(int s, int r, Rule v) : skill(s), row(r), value(v) {}
  constexpr RuleCase(int s, int r, const char* t, Rule v) : skill(s), row(r), title(t), value(v) {}

  int skill;
  int row;  // 1 to 4
  const char* title = nullptr;
  Rule value;
};

inline void CheckRuleRows(const StatTable& table, std::span<const RuleCase> cases) {
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(Where(c.skill, c.row));
    CheckRowAtEveryLevel(table[c.skill].rows[c.row - 1], c.title, c.value);
  }
}

// ---- Rows listed value by value: single cells ----

// The row's title (unless title is null) and its caption at one level.
inline void CheckSample(const StatRow& row, const char* title, int level, const char* text) {
  if (title != nullptr) {
    EXPECT_EQ(row.title, title);
  }
  EXPECT_EQ(Cell(row, level), text);
}

struct SampleCase {
  constexpr SampleCase(int s, int r, int l, const char* x) : skill(s), row(r), level(l), text(x) {}
  constexpr SampleCase(int s, int r, const char* t, int l, const char* x)
      : skill(s), row(r), title(t), level(l), text(x) {}

  int skill;
  int row;  // 1 to 4
  const char* title = nullptr;
  int level;  // 1 to 20
  const char* text;
};

inline void CheckSamples(const StatTable& table, std::span<const SampleCase> cases) {
  for (const SampleCase& c : cases) {
    SCOPED_TRACE(Where(c.skill, c.row) + " level " + Whole(c.level));
    CheckSample(table[c.skill].rows[c.row - 1], c.title, c.level, c.text);
  }
}

// ---- Headings and the kinds of rows ----

// Skill names in index order, and per skill a four-letter mask of its rows:
// 'N' "Not Used", 'S' one text at every level, 'L' a value per level, '.' a
// row in use of either kind.
struct TreeLayout {
  const char* names[10];
  const char* kinds[10];
};

inline void CheckSkillNames(const StatTable& table, const TreeLayout& layout) {
  for (int s = 0; s < 10; ++s) {
    EXPECT_EQ(table[s].caption, std::string("Current Skill: ") + layout.names[s]) << "skill " << s;
  }
}

inline void CheckRowKinds(const StatTable& table, const TreeLayout& layout) {
  for (int s = 0; s < 10; ++s) {
    SCOPED_TRACE("skill " + Whole(s));
    ASSERT_EQ(std::strlen(layout.kinds[s]), 4u) << layout.kinds[s];
    for (int r = 0; r < 4; ++r) {
      const char kind = KindOf(table[s].rows[r]);
      const char want = layout.kinds[s][r];
      if (want == '.') {
        EXPECT_NE(kind, 'N') << "row " << r + 1;
      } else {
        EXPECT_EQ(kind, want) << "row " << r + 1;
      }
    }
  }
}

inline void CheckLayout(const StatTable& table, const TreeLayout& layout) {
  CheckSkillNames(table, layout);
  CheckRowKinds(table, layout);
}

// A skill's name and the titles of its four rows ("Not Used" included).
struct SkillLayout {
  const char* name;
  const char* titles[4];
};

inline void CheckLayout(const StatTable& table, const SkillLayout (&layout)[10]) {
  for (int s = 0; s < 10; ++s) {
    SCOPED_TRACE("skill " + Whole(s));
    EXPECT_EQ(table[s].caption, std::string("Current Skill: ") + layout[s].name);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(table[s].rows[r].title, layout[s].titles[r]) << "row " << r + 1;
  }
}

// ---- Caption forms over every row of a tree's tables ----

struct NamedTable {
  const char* name;
  const StatTable* table;
};

// Every heading reads "Current Skill: " and a name.
inline void CheckHeadings(std::span<const NamedTable> tables) {
  const std::string_view prefix = "Current Skill: ";
  for (const NamedTable& t : tables) {
    for (const StatSkill& skill : *t.table) {
      EXPECT_TRUE(skill.caption.starts_with(prefix)) << t.name << ": " << skill.caption;
      EXPECT_GT(skill.caption.size(), prefix.size()) << t.name;
    }
  }
}

// How the whole numbers of a row write their sign.
enum class Sign {
  kNone,    // never: "0", "12"
  kSigned,  // as Signed writes them: "0", "+3", "-3"
  kPlus,    // as Plus writes them: "+0", "+3", "-3"
  kMinus,   // negative values only: "-33"
};

enum class Form { kBad, kWhole, kSignedWhole, kDecimal, kRange };

inline void PrintTo(Form form, std::ostream* out) {
  static const char* const names[] = {"malformed", "whole", "signed whole", "one-decimal", "range"};
  *out << names[static_cast<int>(form)];
}

// The form of one caption: a whole number without leading zeros (written with
// the row's sign), a number with exactly one decimal, or "low- high" with a
// hyphen and one blank, whose ends may be half points where halfPointRanges.
inline Form FormOf(std::string_view text, Sign sign = Sign::kNone, bool halfPointRanges = false) {
  static const std::regex whole(R"(0|[1-9]\d*)");
  static const std::regex signedZeroBare(R"(0|[+-][1-9]\d*)");
  static const std::regex signedZeroPlus(R"(\+0|[+-][1-9]\d*)");
  static const std::regex negative(R"(-[1-9]\d*)");
  static const std::regex oneDecimal(R"((0|[1-9]\d*)\.\d)");
  static const std::regex range(R"((0|[1-9]\d*)- (0|[1-9]\d*))");
  static const std::regex halfRange(R"((0|[1-9]\d*)(\.5)?- (0|[1-9]\d*)(\.5)?)");
  const std::string s(text);
  switch (sign) {
    case Sign::kNone:
      if (std::regex_match(s, whole)) return Form::kWhole;
      break;
    case Sign::kSigned:
      if (std::regex_match(s, signedZeroBare)) return Form::kSignedWhole;
      break;
    case Sign::kPlus:
      if (std::regex_match(s, signedZeroPlus)) return Form::kSignedWhole;
      break;
    case Sign::kMinus:
      if (std::regex_match(s, negative)) return Form::kSignedWhole;
      break;
  }
  if (std::regex_match(s, oneDecimal)) return Form::kDecimal;
  if (std::regex_match(s, halfPointRanges ? halfRange : range)) return Form::kRange;
  return Form::kBad;
}

// A row named by its table, skill (0 to 9) and row (1 to 4).
struct RowRef {
  const StatTable* table;
  int skill;
  int row;
};

struct SignedRow {
  RowRef at;
  Sign sign;
};

// What a tree's rows may do beyond plain unsigned values of one form.
struct ShapeExceptions {
  std::span<const SignedRow> signedRows{};    // rows whose values carry a sign
  std::span<const RowRef> mixedRows{};        // rows mixing bare whole numbers with one-decimal values
  std::span<const RowRef> halfPointRanges{};  // rows whose range ends may be half points
};

inline bool Names(const RowRef& ref, const StatTable* table, int skill, int row) {
  return ref.table == table && ref.skill == skill && ref.row == row;
}

inline bool Listed(std::span<const RowRef> rows, const StatTable* table, int skill, int row) {
  for (const RowRef& ref : rows) {
    if (Names(ref, table, skill, row)) return true;
  }
  return false;
}

inline Sign SignOf(std::span<const SignedRow> rows, const StatTable* table, int skill, int row) {
  for (const SignedRow& r : rows) {
    if (Names(r.at, table, skill, row)) return r.sign;
  }
  return Sign::kNone;
}

// Every row of the tables: a "Not Used" row is a Same row of an empty text; a
// Same row holds one non-empty text; a Levels row holds 20 non-empty texts that
// are not all equal. Every caption has a valid form, a range's low end is below
// its high end, and a row keeps the form of its first caption at every level
// (a decimal row writes ".0" too) unless it is listed as mixing whole numbers
// with one-decimal values.
inline void CheckRowShapes(std::span<const NamedTable> tables, const ShapeExceptions& exceptions = {}) {
  for (const NamedTable& t : tables) {
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
        const Sign sign = SignOf(exceptions.signedRows, t.table, s, r + 1);
        const bool mixes = Listed(exceptions.mixedRows, t.table, s, r + 1);
        const bool halves = Listed(exceptions.halfPointRanges, t.table, s, r + 1);
        const Form first = FormOf(row.values[0], sign, halves);
        const int cells = row.same ? 1 : 20;
        for (int i = 0; i < cells; ++i) {
          const std::string_view v = row.values[i];
          if (v.data() == nullptr) continue;
          const Form form = FormOf(v, sign, halves);
          EXPECT_NE(form, Form::kBad) << "level " << i + 1 << " '" << v << "'";
          if (form == Form::kRange) {
            const std::string text(v);
            const std::size_t dash = text.find("- ");
            EXPECT_LT(std::stod(text.substr(0, dash)), std::stod(text.substr(dash + 2)))
                << "level " << i + 1 << " '" << v << "'";
          }
          if (mixes) {
            EXPECT_TRUE(form == Form::kWhole || form == Form::kDecimal)
                << "level " << i + 1 << " '" << v << "'";
          } else {
            EXPECT_EQ(form, first) << "level " << i + 1 << " '" << v << "' differs in form from level 1";
          }
        }
      }
    }
  }
}

}  // namespace stat_checks
