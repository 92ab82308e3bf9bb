// The planner's one source of random draws: seeded once per run, never
// re-seeded from the clock between draws (which would repeat values).
#pragma once

#include <cstdint>

namespace korvinth {

// A uniform draw in [0, 1) at single precision.
float RandomUnit();
// floor(RandomUnit() * n) + base, computed without float rounding, so the
// result always lies in [base, base + n - 1].
int RandomWhole(int n, int base);
// Restarts the sequence from a fixed seed (tests and benchmarks).
void SeedRandom(std::uint32_t seed);

}  // namespace korvinth
