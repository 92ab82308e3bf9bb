// Readable names for the cases of a parameterised test: GoogleTest and CTest
// list a case under the name made here instead of its number.
#pragma once

#include <cctype>
#include <initializer_list>
#include <string>
#include <string_view>

namespace testing_support {

// The parts joined by '_', each kept to its letters and digits (the only
// characters a case name may hold): {"Amazon", "Multi-Shot Arrow"} gives
// "Amazon_MultiShotArrow".
inline std::string CaseName(std::initializer_list<std::string_view> parts) {
  std::string name;
  for (std::string_view part : parts) {
    if (!name.empty()) name += '_';
    for (char c : part) {
      if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    }
  }
  return name;
}

}  // namespace testing_support
