// The random character generator: a small dialog that fixes or draws a class
// and a level, asks for confirmation and hands a pending generation to the
// class window, whose load then places the points.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/Classes.h"
#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/Widgets.h"

namespace korvinth {

class GeneratorWindow : public forms::Form {
 public:
  GeneratorWindow();

  // The option of each class, in the table's order, and the same options by name.
  std::array<forms::OptionButton*, kClasses.size()> opt_Class{};
  forms::OptionButton*& opt_Amazon = opt_Class[Index(ClassId::Amazon)];
  forms::OptionButton*& opt_Barbarian = opt_Class[Index(ClassId::Barbarian)];
  forms::OptionButton*& opt_Necromancer = opt_Class[Index(ClassId::Necromancer)];
  forms::OptionButton*& Opt_Paladin = opt_Class[Index(ClassId::Paladin)];
  forms::OptionButton*& opt_Sorceress = opt_Class[Index(ClassId::Sorceress)];
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
