#include "core/Random.h"

#include <cmath>
#include <random>

namespace korvinth {
namespace {

std::mt19937& Generator() {
  static std::mt19937 generator{std::random_device{}()};
  return generator;
}

}  // namespace

float RandomUnit() {
  // 24 random bits: every value is exact in a float and below 1.
  return static_cast<float>(Generator()() >> 8) * (1.0F / 16777216.0F);
}

int RandomWhole(int n, int base) {
  const double scaled = std::floor(static_cast<double>(RandomUnit()) * n);
  return static_cast<int>(scaled) + base;
}

void SeedRandom(std::uint32_t seed) { Generator().seed(seed); }

}  // namespace korvinth
