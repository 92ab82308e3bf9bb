// The program's windows, made known to the window runtime by name.
#pragma once

namespace korvinth {

// Registers every window of the program under its name. main() calls it once
// before the first window loads; the tests and benchmarks do the same.
void RegisterWindows();

}  // namespace korvinth
