// After every change of the level or the reserve: light the tier heading that
// the next level-up point may enter, and announce a quest point that the
// character has just reached.
#pragma once

namespace korvinth {

void RefreshLevelNotices();

}  // namespace korvinth
