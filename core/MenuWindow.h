// The hidden window that holds the program's popup menus: the skill popup of
// the class windows and the two credit submenus of the start window. It is
// never shown. Its item handlers run the quest, reserve and statistics
// procedures below.
#pragma once

#include <cstdint>

#include "forms/Form.h"
#include "forms/Menu.h"

namespace korvinth {

class MenuWindow : public forms::Form {
 public:
  MenuWindow();

  forms::MenuItem mnu_ReserveMenu{"mnu_ReserveMenu", "ReserveMenu"};
  forms::MenuItem mnu_ReservePoint{"mnu_ReservePoint", "&Reserve Skill Point", &mnu_ReserveMenu};
  forms::MenuItem mnu_UseReserve{"mnu_UseReserve", "&Use Reserved Point", &mnu_ReserveMenu};
  forms::MenuItem mnu_ReserveSpacer{"mnu_ReserveSpacer", "-", &mnu_ReserveMenu};
  forms::MenuItem mnu_DenOfEvil{"mnu_DenOfEvil", "&Den Of Evil (Normal)", &mnu_ReserveMenu};
  forms::MenuItem mnu_BookOfSkill{"mnu_BookOfSkill", "&Book Of Skill (Normal)", &mnu_ReserveMenu};
  forms::MenuItem mnu_DeathOfIzual{"mnu_DeathOfIzual", "&Death of Izual (Normal)", &mnu_ReserveMenu};
  forms::MenuItem mnu_Skillstats{"mnu_Skillstats", "-", &mnu_ReserveMenu};
  forms::MenuItem mnu_SkillInfo{"mnu_SkillInfo", "&Skill Stats", &mnu_ReserveMenu};

  forms::MenuItem mnu_OrlowainPop{"mnu_OrlowainPop", "Hadrenfel"};
  forms::MenuItem mnu_OrlowainEmail{"mnu_OrlowainEmail", "Email Hadrenfel", &mnu_OrlowainPop};
  forms::MenuItem mnu_OrlowainWeb{"mnu_OrlowainWeb", "Visit Website", &mnu_OrlowainPop};

  forms::MenuItem mnu_Tarnavel{"mnu_Tarnavel", "Tarnavel"};
  forms::MenuItem mnu_TarnavelEmail{"mnu_TarnavelEmail", "Email Tarnavel", &mnu_Tarnavel};
  forms::MenuItem mnu_TarnavelSite{"mnu_TarnavelSite", "Visit Website", &mnu_Tarnavel};

  void mnu_SkillInfo_Click();
};

extern forms::FormRef<MenuWindow> frm_Menu;

// The link targets of the credit items.
inline constexpr const char* kOrlowainMail = "mailto:hadrenfel@example.org";
inline constexpr const char* kOrlowainWeb = "https://hadrenfel.example.org/";
inline constexpr const char* kTarnavelMail = "mailto:tarnavel@example.org";
inline constexpr const char* kTarnavelWeb = "https://tarnavel.example.org/";

// The procedures behind the skill popup. They act on the skill that was
// right-clicked last (CurrentTree, CurrentSkillIndex).
void ReserveSkillPoint();
void UseDenOfEvil();
void UseBookOfSkill();
void UseDeathOfIzual();
void UseReservedPoint();
// Re-runs the click handler of the right-clicked skill in its class window.
void ClickCurrentSkill();

}  // namespace korvinth
