// The pictures compiled into the program: every listed picture and every
// skill icon reads back through the program's own reader at its size, so the
// forge's writer and the reader agree on the format and the names.
#include "assets/Pictures.h"

#include <gtest/gtest.h>

#include <QPixmap>
#include <utility>

#include "assets/PictureList.h"
#include "skilltrees/ClassData.h"

namespace {

// Width and height, as a failure prints them.
std::pair<int, int> SizeOf(const QPixmap& picture) { return {picture.width(), picture.height()}; }

TEST(Pictures, EveryListedPictureReadsBackAtItsSize) {
  for (const korvinth::PictureSize& picture : korvinth::kPictures) {
    EXPECT_EQ(SizeOf(korvinth::Picture(picture.name)), std::pair(picture.width, picture.height))
        << picture.name;
  }
}

TEST(Pictures, EverySkillHasItsIcon) {
  for (const korvinth::ClassDef* def : korvinth::kClassDefs) {
    for (const korvinth::TreeDef& tree : def->trees) {
      for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(SizeOf(korvinth::SkillIcon(tree.code, i)),
                  std::pair(korvinth::kSkillIconWidth, korvinth::kSkillIconHeight))
            << tree.code << " " << i;
      }
    }
  }
}

TEST(PicturesDeathTest, AnUnlistedNameStopsTheProgram) {
  EXPECT_DEATH(korvinth::Picture("botom_panel"), "No picture is named botom_panel");
}

}  // namespace
