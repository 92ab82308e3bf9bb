// The statistics window: four rows of values over skill levels 1 to 20 for
// the skill that was right-clicked last, with its current level's column
// marked. It is built afresh on every opening and does not follow the plan.
#pragma once

#include <array>
#include <cstdint>

#include "core/Limits.h"
#include "forms/Control.h"
#include "forms/Form.h"
#include "skillstats/StatTable.h"

namespace korvinth {

class StatsWindow : public forms::Form {
 public:
  StatsWindow();

  forms::Label* lbl_CurrentSkill = nullptr;
  std::array<forms::Label*, 4> lbl_StatTitle{};                                // rows 1 to 4
  std::array<std::array<forms::Label*, kMaxSkillPoints>, 4> lbl_SkillLevel{};  // A to D, level captions
  std::array<std::array<forms::Label*, kMaxSkillPoints>, 4> lbl_Stat{};        // A to D, values
  forms::Label* Label1 = nullptr;                                              // "Close Window"
  // The loop counter the tables write their rows of equal values with.
  std::int16_t LevelColumn = 0;

  void Form_Load() override;
  void Form_KeyPress(std::int16_t& KeyAscii) override;
  void Form_MouseMove(const forms::MouseArgs& args) override;
  void Label1_Click();

  // Fills the window with the skill CurrentSkillIndex of a tree's table;
  // an index outside 0 to 9 writes nothing.
  void FillTable(const StatTable& table);

  // The fifteen table procedures, one per tree: each fills the window from
  // its tree's constant table.
  void Necro_Curse() { FillTable(kNecroCurseStats); }
  void Necro_Bone() { FillTable(kNecroBoneStats); }
  void Necro_Summon() { FillTable(kNecroSummonStats); }
  void BarBar_CM() { FillTable(kBarBarCMStats); }
  void BarBar_WC() { FillTable(kBarBarWCStats); }
  void BarBar_CS() { FillTable(kBarBarCSStats); }
  void Amazon_JS() { FillTable(kAmazonJSStats); }
  void Amazon_PM() { FillTable(kAmazonPMStats); }
  void Amazon_BC() { FillTable(kAmazonBCStats); }
  void Sorc_Cold() { FillTable(kSorcColdStats); }
  void Sorc_Light() { FillTable(kSorcLightStats); }
  void Sorc_Fire() { FillTable(kSorcFireStats); }
  void Paladin_Def() { FillTable(kPaladinDefStats); }
  void Paladin_Off() { FillTable(kPaladinOffStats); }
  void Paladin_Com() { FillTable(kPaladinComStats); }

  // The table procedure of a tree code, or nullptr for a code that has none.
  using TableProcedure = void (StatsWindow::*)();
  static TableProcedure ProcedureFor(const QString& treeCode);
};

extern forms::FormRef<StatsWindow> frm_SkillStats;

}  // namespace korvinth
