// The program's own pictures, compiled in as resources.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace korvinth {

// A picture by its resource name ("command_column", "bottom_panel", ...).
QPixmap Picture(std::string_view name);
// The icon of skill `index` of the tree with this code.
QPixmap SkillIcon(std::string_view treeCode, int index);
// The gauntlet mouse pointer every window but the generator uses.
const QCursor& GauntletCursor();
// The windows' 32 x 32 icon.
const QIcon& WindowIcon();

}  // namespace korvinth
