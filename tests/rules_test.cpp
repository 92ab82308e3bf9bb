// The level-tier checks, the number/text rules and the window lookup.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/Misc.h"
#include "forms/Convert.h"
#include "forms/Form.h"
#include "tests/support/CaseNames.h"
#include "tests/support/Planner.h"

namespace {

using korvinth::mod_Misc;

struct TierCase {
  int row;
  int levelUps;
  int points;
  bool reserve;
  bool allowed;
  const char* message;  // the reason left on refusal
};

const char* const kCap = "Skill point cap is limited to 1 point per level the skill has been available.";
const char* const kNotYet6 =
    "Not available yet, you must be character level 6 first (or just getting level 6).";
const char* const kNotYet18 =
    "Not available yet, you must be character level 18 first (or just getting level 18).";
const char* const kNotYet30 =
    "Not available yet, you must be character level 30 first (or just getting level 30).";

void PrintTo(const TierCase& c, std::ostream* out) {
  *out << "row " << c.row << " at level " << c.levelUps + 1 << " holding " << c.points << " points, "
       << (c.reserve ? "a reserved point" : "a level-up point");
}

std::string CaseName(const ::testing::TestParamInfo<TierCase>& info) {
  const TierCase& c = info.param;
  return testing_support::CaseName({"Row" + std::to_string(c.row), "Level" + std::to_string(c.levelUps + 1),
                                    "Points" + std::to_string(c.points), c.reserve ? "Reserved" : "LevelUp"});
}

class TierCheck : public testing_support::PlannerTest, public ::testing::WithParamInterface<TierCase> {};

TEST_P(TierCheck, AllowsOnePointPerLevelAvailable) {
  const TierCase& c = GetParam();
  mod_Misc.LevelUps = static_cast<std::int16_t>(c.levelUps);
  mod_Misc.ClickedSkillLevel = static_cast<std::int16_t>(c.points);
  mod_Misc.UseReserve = c.reserve ? korvinth::kTrue : korvinth::kFalse;
  mod_Misc.UnavailMessage = QStringLiteral("before");
  EXPECT_EQ(korvinth::CanAddLevelSkill(c.row), c.allowed);
  EXPECT_EQ(mod_Misc.UnavailMessage, QString::fromLatin1(c.allowed ? "before" : c.message));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TierCheck,
    ::testing::Values(
        // The gate opens one level early, at level R - 1.
        TierCase{6, 3, 0, false, false, kNotYet6}, TierCase{6, 4, 0, false, true, nullptr},
        TierCase{6, 4, 1, false, false, kCap},
        // A reserved point does not raise the level; the gate ignores the reserve.
        TierCase{6, 4, 0, true, false, kCap}, TierCase{6, 5, 0, true, true, nullptr},
        TierCase{30, 27, 0, false, false, kNotYet30}, TierCase{30, 39, 10, false, true, nullptr},
        TierCase{30, 39, 10, true, true, nullptr}, TierCase{30, 39, 11, true, false, kCap},
        TierCase{12, 10, 0, false, true, nullptr}, TierCase{18, 15, 0, false, false, kNotYet18},
        TierCase{24, 22, 1, false, false, kCap}),
    CaseName);

TEST(TierCheckNames, EachRowChecksItsOwnLevel) {
  mod_Misc = korvinth::CharacterState{};
  mod_Misc.LevelUps = 10;  // level 11: rows 6 and 12 open, 18 not
  EXPECT_TRUE(korvinth::CanAddLevel6Skill());
  EXPECT_TRUE(korvinth::CanAddLevel12Skill());
  EXPECT_FALSE(korvinth::CanAddLevel18Skill());
  EXPECT_FALSE(korvinth::CanAddLevel24Skill());
  EXPECT_FALSE(korvinth::CanAddLevel30Skill());
  EXPECT_EQ(mod_Misc.UnavailMessage,
            "Not available yet, you must be character level 30 first (or just getting level 30).");
  mod_Misc = korvinth::CharacterState{};
}

TEST(NumberText, PlainAndSignedFieldDiffer) {
  EXPECT_EQ(forms::PlainDecimal(7), "7");
  EXPECT_EQ(forms::PlainDecimal(-1), "-1");
  EXPECT_EQ(forms::SignedField(7), " 7");
  EXPECT_EQ(forms::SignedField(0), " 0");
  EXPECT_EQ(forms::SignedField(-1), "-1");
}

TEST(NumberText, NumericTextTakesSignDigitsAndOnePoint) {
  for (const char* good : {"0", "75", "-5", "+3", "2.5", ".5", "5.", " 12 "}) {
    EXPECT_TRUE(forms::IsNumericText(QString::fromLatin1(good))) << good;
  }
  for (const char* bad : {"", " ", "-", ".", "1e3", "0x10", "1 2", "7a", "1.2.3", "--1", "&H10"}) {
    EXPECT_FALSE(forms::IsNumericText(QString::fromLatin1(bad))) << bad;
  }
}

TEST(NumberText, WholeNumbersRoundHalfToEven) {
  EXPECT_EQ(forms::ToInt16("2.5"), 2);
  EXPECT_EQ(forms::ToInt16("3.5"), 4);
  EXPECT_EQ(forms::ToInt16("-2.5"), -2);
  EXPECT_EQ(forms::ToInt16("74.6"), 75);
  EXPECT_EQ(forms::ToInt16("32768"), std::nullopt);
  EXPECT_EQ(forms::ToInt16("abc"), std::nullopt);
}

TEST(FormLookup, NamesCompareWithoutCase) {
  testing_support::ResetProgram();
  EXPECT_FALSE(korvinth::IsFormLoaded("frm_SkillStats"));
  auto* form = new forms::Form("frm_NecroSkill");
  EXPECT_TRUE(korvinth::IsFormLoaded("FRM_NECROSKILL"));
  EXPECT_TRUE(korvinth::IsFormLoaded("frm_necroskill"));
  EXPECT_FALSE(korvinth::IsFormLoaded("frm_NecroSkil"));
  delete form;
  EXPECT_FALSE(korvinth::IsFormLoaded("frm_NecroSkill"));
}

}  // namespace
