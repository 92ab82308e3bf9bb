// The pictures compiled into the program: every listed picture and every
// skill icon reads back through the program's own reader at its size, so the
// forge's writer and the reader agree on the format and the names.
#include "assets/Pictures.h"

#include <gtest/gtest.h>

#include "assets/PictureList.h"
#include "skilltrees/ClassData.h"
#include "tests/support/Classes.h"

namespace {

TEST(Pictures, EveryListedPictureReadsBackAtItsSize) {
  for (const korvinth::PictureSize& picture : korvinth::kPictures) {
    EXPECT_EQ(korvinth::Picture(picture.name).size(), QSize(picture.width, picture.height)) << picture.name;
  }
}

TEST(Pictures, EverySkillHasItsIcon) {
  for (const korvinth::ClassDef* def : testing_support::kClassDefs) {
    for (const korvinth::TreeDef& tree : def->trees) {
      for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(korvinth::SkillIcon(tree.code, i).size(),
                  QSize(korvinth::kSkillIconWidth, korvinth::kSkillIconHeight))
            << tree.code << " " << i;
      }
    }
  }
}

TEST(PicturesDeathTest, AnUnlistedNameStopsTheProgram) {
  EXPECT_DEATH(korvinth::Picture("botom_panel"), "No picture is named botom_panel");
}

}  // namespace
