// The names of the windows that are not class windows (those take theirs from
// the table of the classes). Each window's reference and the window itself
// are made under its name here, and a lower layer reaches a window above it
// by the same name (FormRefBase::Require, IsFormLoaded), so a slip in a name
// is a compile error rather than a failed lookup at run time.
#pragma once

#include <string_view>

namespace korvinth {

inline constexpr std::string_view kMainSelectName = "frm_MainSelect";  // the start window
inline constexpr std::string_view kRandomGeneratorName = "frm_RandomGenerator";
inline constexpr std::string_view kMenuName = "frm_Menu";  // holder of the popup menus
inline constexpr std::string_view kSkillStatsName = "frm_SkillStats";

}  // namespace korvinth
