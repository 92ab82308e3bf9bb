// The start window: it resets the plan, loads the animated class portraits,
// offers the choice of class, the random character generator and the
// credits, and ends the program.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "core/Classes.h"
#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/ImageArray.h"
#include "forms/Timer.h"
#include "forms/Widgets.h"

namespace korvinth {

class StartWindow : public forms::Form {
 public:
  StartWindow();

  // One class of the start window: portrait, name label and timer.
  struct Portrait {
    const ClassInfo* info = nullptr;  // its name, portrait files and animation tag
    std::unique_ptr<forms::ImageArray> img;
    forms::Label* lbl = nullptr;
    forms::Timer* tim = nullptr;
  };
  std::array<Portrait, kClasses.size()> portraits;  // in the table's order, left to right

  forms::Label* lbl_Title = nullptr;
  forms::Label* lbl_Close = nullptr;
  forms::Label* lbl_Loading = nullptr;
  forms::Label* lbl_ContactInfo = nullptr;
  forms::Label* lbl_Random = nullptr;
  forms::Image* img_Orlowain = nullptr;
  forms::Image* img_Tarnavel = nullptr;
  forms::ListBox* lb_Info = nullptr;
  forms::TextBox* txt_Focus = nullptr;
  forms::Button* Command1 = nullptr;

  // Animation state, one frame counter for all five portraits.
  std::int32_t AnimFrame = 0;
  QString AnimClass;

  void Form_Load() override;
  void Form_MouseMove(const forms::MouseArgs& args) override;
  void Form_KeyPress(std::int16_t& KeyAscii) override;
  void Form_QueryClose() override;

  void ClassHover(int index);
  void ResetHover(bool clearContact);
  void ChooseClass(int index, bool byPortrait);
  void lbl_Random_MouseMove();
  void lbl_Random_Click();
  void Command1_Click();
  void lbl_Close_Click();
  void StartPortraitAnimation(int index);
  void ResetPortraits();
  void AnimationTick(int index);
  void img_Tarnavel_MouseMove();
  void img_Orlowain_MouseMove();
  void img_Tarnavel_MouseDown();
  void img_Orlowain_MouseDown();

  static const QString kTarnavelContact;
  static const QString kOrlowainContact;
  static const QStringList kInfoLines;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The focus holder and the button beyond the window's right edge; they
  // are made once the window has been drawn.
  void AddFocusHolders();
  void EscapeKey(std::int16_t& key);
};

extern forms::FormRef<StartWindow> frm_MainSelect;

}  // namespace korvinth
