// The five classes' data, for the tests that go over every class.
#pragma once

#include "skilltrees/ClassData.h"

namespace testing_support {

inline const korvinth::ClassDef* const kClassDefs[] = {&korvinth::kNecromancer, &korvinth::kAmazon,
                                                       &korvinth::kBarbarian, &korvinth::kPaladin,
                                                       &korvinth::kSorceress};

}  // namespace testing_support
