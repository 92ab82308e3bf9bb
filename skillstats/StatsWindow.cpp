#include "skillstats/StatsWindow.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "assets/Pictures.h"
#include "core/Classes.h"
#include "core/Colors.h"
#include "core/Limits.h"
#include "core/Misc.h"
#include "core/WindowNames.h"
#include "forms/Convert.h"
#include "forms/Fonts.h"
#include "forms/Widgets.h"

namespace korvinth {

forms::FormRef<StatsWindow> frm_SkillStats{std::string(kSkillStatsName)};

namespace {

constexpr int kValueLefts[kMaxSkillPoints] = {525,  975,  1440, 1890, 2355, 2805, 3255, 3720, 4170, 4635,
                                              5085, 5535, 6000, 6450, 6915, 7365, 7815, 8280, 8730, 9195};
constexpr int kLevelLefts[kMaxSkillPoints] = {615,  1065, 1530, 1980, 2445, 2895, 3345, 3810, 4260, 4725,
                                              5175, 5625, 6090, 6540, 7005, 7455, 7905, 8370, 8820, 9285};
constexpr int kBandTops[4] = {345, 2010, 3675, 5340};
constexpr int kFrameTops[4] = {435, 2085, 3720, 5385};
constexpr int kTitleTops[4] = {465, 2115, 3750, 5415};
constexpr int kLevelTops[4] = {945, 2625, 4290, 5955};
constexpr int kValueTops[4] = {1215, 2880, 4545, 6210};
constexpr char kRowLetters[4] = {'A', 'B', 'C', 'D'};

// The table procedure of each tree code.
struct TreeTable {
  std::string_view code;
  StatsWindow::TableProcedure procedure;
};
constexpr TreeTable kTreeTables[] = {
    {"NecroCurse", &StatsWindow::Necro_Curse},   {"NecroBone", &StatsWindow::Necro_Bone},
    {"NecroSummon", &StatsWindow::Necro_Summon}, {"BarBarCM", &StatsWindow::BarBar_CM},
    {"BarBarWC", &StatsWindow::BarBar_WC},       {"BarBarCS", &StatsWindow::BarBar_CS},
    {"AmazonJS", &StatsWindow::Amazon_JS},       {"AmazonPM", &StatsWindow::Amazon_PM},
    {"AmazonBC", &StatsWindow::Amazon_BC},       {"SorcCold", &StatsWindow::Sorc_Cold},
    {"SorcLight", &StatsWindow::Sorc_Light},     {"SorcFire", &StatsWindow::Sorc_Fire},
    {"PaladinDef", &StatsWindow::Paladin_Def},   {"PaladinOff", &StatsWindow::Paladin_Off},
    {"PaladinCom", &StatsWindow::Paladin_Com},
};

// Every tree of the table of the classes has exactly one procedure here.
constexpr bool EveryTreeHasOneTable() {
  std::size_t trees = 0;
  for (const ClassInfo& info : kClasses) {
    for (std::string_view code : info.trees) {
      ++trees;
      if (std::ranges::count(kTreeTables, code, &TreeTable::code) != 1) return false;
    }
  }
  return trees == std::size(kTreeTables);
}
static_assert(EveryTreeHasOneTable(), "each tree code of the classes has one statistics table");

}  // namespace

StatsWindow::StatsWindow() : Form(std::string(kSkillStatsName)) {
  SetCaption(QStringLiteral("Skill Stats"));
  SetClientSize(10110, 7695);
  SetBackColor(kPointBrown);
  setWindowIcon(QIcon());
  SetMouseIcon(GauntletCursor());
  const QFont small = forms::MakeFont(forms::Face::Sans, 8.25);

  // Pictures and shapes stack in their design order, so the band and the
  // button picture that lie in a black strip show above it; every label is
  // added after them and stays on top.
  AddShape("Shape2", 30, 30, 10050, 900).SetFillColor(Qt::black);
  for (int row = 0; row < 4; ++row) {
    forms::Image& band = AddImage("Image" + std::to_string(row + 1), 30, kBandTops[row], 10050, 1665);
    band.SetPicture(Picture("stats_band"));
    if (row == 3) band.onMouseMove = [this](const forms::MouseArgs& args) { Form_MouseMove(args); };
  }
  for (int row = 0; row < 4; ++row) {
    AddShape("sh_Stat" + std::to_string(row + 1), 750, kFrameTops[row], 3645, 270).SetBorder(kPaleYellow, 1);
  }
  AddShape("Shape1", 30, 6765, 10050, 900).SetFillColor(Qt::black);
  forms::Image& button = AddImage("Image5", 4110, 6990, 2250, 540);
  button.SetStretch(true);
  button.SetPicture(Picture("button"));

  lbl_CurrentSkill = &AddLabel("lbl_CurrentSkill", 60, 135, 10005, 315);
  lbl_CurrentSkill->SetCaption(QStringLiteral("Current Skill:"));
  lbl_CurrentSkill->SetFont(forms::MakeFont(forms::Face::Sans, 8.25, 700));
  lbl_CurrentSkill->SetForeColor(kPaleYellow);
  lbl_CurrentSkill->SetAlignment(forms::Alignment::Center);
  for (int row = 0; row < 4; ++row) {
    forms::Label& title =
        AddLabel("lbl_StatTitle" + std::to_string(row + 1), 840, kTitleTops[row], 3480, 210);
    title.SetCaption(QStringLiteral("Stat Title %1").arg(row + 1));
    title.SetFont(small);
    title.SetForeColor(kPaleYellow);
    lbl_StatTitle[row] = &title;
    for (int k = 0; k < kMaxSkillPoints; ++k) {
      const std::string element = std::string(1, kRowLetters[row]) + "(" + std::to_string(k) + ")";
      forms::Label& level = AddLabel("lbl_SkillLevel" + element, kLevelLefts[k], kLevelTops[row], 210, 195);
      level.SetCaption(QString::number(k + 1));
      level.SetFont(small);
      level.SetForeColor(kPaleYellow);
      level.SetAlignment(forms::Alignment::Center);
      lbl_SkillLevel[row][k] = &level;
      forms::Label& value = AddLabel("lbl_Stat" + element, kValueLefts[k], kValueTops[row], 405, 390);
      value.SetCaption(QStringLiteral("Label 1"));
      value.SetFont(small);
      value.SetForeColor(kPaleYellow);
      value.SetAlignment(forms::Alignment::Center);
      lbl_Stat[row][k] = &value;
    }
  }
  Label1 = &AddLabel("Label1", 4185, 7140, 2040, 270);
  Label1->SetCaption(QStringLiteral("Close Window"));
  Label1->SetFont(forms::MakeFont(forms::Face::Sans, 9.75, 700));
  Label1->SetForeColor(kPaleYellow);
  Label1->SetAlignment(forms::Alignment::Center);
  Label1->onClick = [this] { Label1_Click(); };
  Label1->onMouseMove = [this](const forms::MouseArgs&) { Label1->SetForeColor(kGold); };
}

void StatsWindow::Form_Load() {
  // The skill's points become the 0-based column of its current level; the
  // lowered value stays in the shared state.
  --mod_Misc.CurrentSkillLevel;
  const int column = mod_Misc.CurrentSkillLevel;
  if (column >= 0 && column < kMaxSkillPoints) {
    for (auto& row : lbl_Stat) row[column]->SetForeColor(kOrange);
    for (auto& row : lbl_SkillLevel) row[column]->SetForeColor(kOrange);
  }
  if (const TableProcedure procedure = ProcedureFor(mod_Misc.CurrentTree)) (this->*procedure)();
}

StatsWindow::TableProcedure StatsWindow::ProcedureFor(const QString& treeCode) {
  for (const TreeTable& entry : kTreeTables) {
    if (treeCode == forms::Latin1Text(entry.code)) return entry.procedure;
  }
  return nullptr;
}

void StatsWindow::FillTable(const StatTable& table) {
  const int index = mod_Misc.CurrentSkillIndex;
  if (index < 0 || index > 9) return;
  const StatSkill& skill = table[static_cast<std::size_t>(index)];
  lbl_CurrentSkill->SetCaption(forms::Latin1Text(skill.caption));
  for (int row = 0; row < 4; ++row) {
    const StatRow& stats = skill.rows[static_cast<std::size_t>(row)];
    lbl_StatTitle[row]->SetCaption(forms::Latin1Text(stats.title));
    if (stats.same) {
      const QString value = forms::Latin1Text(stats.values[0]);
      for (LevelColumn = 0; LevelColumn < kMaxSkillPoints; ++LevelColumn)
        lbl_Stat[row][LevelColumn]->SetCaption(value);
    } else {
      for (int k = 0; k < kMaxSkillPoints; ++k)
        lbl_Stat[row][k]->SetCaption(forms::Latin1Text(stats.values[static_cast<std::size_t>(k)]));
    }
  }
}

void StatsWindow::Form_KeyPress(std::int16_t& KeyAscii) {
  if (KeyAscii == forms::kKeyEscape) frm_SkillStats.Unload();
}

void StatsWindow::Form_MouseMove(const forms::MouseArgs&) { Label1->SetForeColor(kPaleYellow); }

void StatsWindow::Label1_Click() { frm_SkillStats.Unload(); }

}  // namespace korvinth
