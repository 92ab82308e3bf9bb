// The planner's fixed colours.
#pragma once

#include <QColor>

namespace korvinth {

inline const QColor kPaleYellow{255, 239, 176};  // lit headings, command labels
inline const QColor kWhite{255, 255, 255};
inline const QColor kPointBrown{168, 143, 121};  // point labels and connectors
inline const QColor kGold{191, 133, 49};         // start and generator windows
inline const QColor kGoldHighlight{234, 195, 92};
inline const QColor kOrange{255, 128, 0};  // the current level's column

}  // namespace korvinth
