// The typefaces of the windows. The layouts ask for a display typeface that is
// not free and for Arial; we use a free display face and Liberation Sans in
// their places, and fall back to whatever the system offers.
#pragma once

#include <QFont>
#include <thread>

namespace forms {

enum class Face {
  Display,  // the windows' heading and command face
  Arial,    // lists, descriptions, point labels
  Sans,     // the platform's default dialog face
};

// A font of the given face at a size in points (as the layouts give them,
// for a 96 dpi screen) and a weight from 100 to 900.
QFont MakeFont(Face face, double points, int weight = 400);

// Starts reading the system's font configuration and font caches on a second
// thread (about 4 ms, which the first window would otherwise spend before it
// can be shown). Started before the application object, it runs while that
// connects to the display; join it once that is done. Without fontconfig the
// thread has nothing to do.
std::thread ReadFontConfiguration();

}  // namespace forms
