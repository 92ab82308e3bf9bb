// The pictures the windows ask for by name, with their sizes in pixels. The
// forge draws exactly these and checks each against its size; the program
// asks for no other name.
#pragma once

#include <algorithm>
#include <iterator>
#include <string_view>

namespace korvinth {

struct PictureSize {
  std::string_view name;
  int width = 0;
  int height = 0;
};

inline constexpr PictureSize kPictures[] = {
    {"command_column", 160, 349},
    {"bottom_panel", 800, 230},
    {"arrow_down", 30, 30},
    {"arrow_right", 30, 30},
    {"gauntlet", 32, 32},
    {"window_icon", 32, 32},
    {"button", 150, 36},
    {"stats_band", 670, 111},
    {"generator_back", 256, 256},
    {"start_background", 800, 600},
    {"portrait_amazon", 122, 168},
    {"portrait_barbarian", 122, 168},
    {"portrait_necromancer", 122, 168},
    {"portrait_paladin", 122, 168},
    {"portrait_sorceress", 122, 168},
};

// Every skill icon, "skill_<tree code>_<index>", has this one size: the size
// the class window shows it at (its icon controls are 540 x 555 twips), so
// that no line is lost to scaling.
inline constexpr int kSkillIconWidth = 36;
inline constexpr int kSkillIconHeight = 37;

// The listed picture of this name, or nullptr.
constexpr const PictureSize* FindPicture(std::string_view name) {
  const auto* it = std::find_if(std::begin(kPictures), std::end(kPictures),
                                [name](const PictureSize& picture) { return picture.name == name; });
  return it == std::end(kPictures) ? nullptr : it;
}

}  // namespace korvinth
