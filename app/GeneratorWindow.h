// The random character generator: a small dialog that fixes or draws a class
// and a level, asks for confirmation and hands a pending generation to the
// class window, whose load then places the points.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/Widgets.h"

namespace korvinth {

class GeneratorWindow : public forms::Form {
 public:
  GeneratorWindow();

  forms::OptionButton* opt_Amazon = nullptr;
  forms::OptionButton* opt_Barbarian = nullptr;
  forms::OptionButton* opt_Necromancer = nullptr;
  forms::OptionButton* Opt_Paladin = nullptr;
  forms::OptionButton* opt_Sorceress = nullptr;
  forms::OptionButton* opt_Random = nullptr;
  forms::TextBox* txt_Level = nullptr;
  forms::Label* lbl_Cancel = nullptr;
  forms::Label* lbl_Generate = nullptr;

  void Form_Load() override;
  void Form_KeyPress(std::int16_t& KeyAscii) override;
  void Form_MouseMove(const forms::MouseArgs& args) override;
  void Form_QueryClose() override;
  void opt_Random_Click();
  void txt_Level_KeyUp();
  void lbl_Generate_Click();
  void lbl_Cancel_Click();
  void RandomCharGen();
  // Escape: closes the dialog; the start window comes back if it is hidden.
  void CloseDialog();
  void KeyPress(std::int16_t& KeyAscii);
};

extern forms::FormRef<GeneratorWindow> frm_RandomGenerator;

// The class a roll of 1 to 1000 draws; "Random" for 1000, which is drawn again.
QString ClassOfRoll(int roll);

}  // namespace korvinth
