// The skill icons: every icon shows its own skill, the ten of a tree are ten
// different pictures at the size the window shows them, and the elements
// look alike on every class and apart from each other.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "skilltrees/ClassData.h"
#include "tools/forge/Glyphs.h"

namespace {

using forge::Element;
using forge::Form;
using forge::Motif;

const korvinth::ClassDef* const kClasses[] = {&korvinth::kNecromancer, &korvinth::kAmazon,
                                              &korvinth::kBarbarian, &korvinth::kPaladin,
                                              &korvinth::kSorceress};

QImage AsShown(const QImage& icon) {
  return icon.scaled(36, 37, Qt::IgnoreAspectRatio, Qt::FastTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

// Pixels of two icons, as the window shows them, whose colours differ
// plainly; a glyph turned a little or a line moved by a pixel counts few.
int PlainlyDifferentPixels(const QImage& a, const QImage& b) {
  const QImage x = AsShown(a);
  const QImage y = AsShown(b);
  int count = 0;
  for (int row = 0; row < x.height(); ++row) {
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row);
      const QRgb q = y.pixel(col, row);
      const int d = std::max(
          {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
      if (d > 60) ++count;
    }
  }
  return count;
}

// About three in a hundred of the 1332 pixels.
constexpr int kApartAtAGlance = 40;

void ExpectAllApart(std::string_view treeCode, const std::vector<std::string_view>& names,
                    const std::vector<forge::Glyph>& glyphs) {
  std::vector<QImage> pictures;
  for (const forge::Glyph& glyph : glyphs) pictures.push_back(forge::SkillPicture(treeCode, glyph));
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    for (std::size_t j = i + 1; j < pictures.size(); ++j) {
      EXPECT_GE(PlainlyDifferentPixels(pictures[i], pictures[j]), kApartAtAGlance)
          << treeCode << ": " << names[i] << " and " << names[j];
    }
  }
}

TEST(SkillIcons, TheTenPicturesOfEveryTreeDiffer) {
  // Compared without the initials: the pictures themselves must differ.
  for (const korvinth::ClassDef* c : kClasses) {
    for (const korvinth::TreeDef& tree : c->trees) {
      std::vector<std::string_view> names;
      for (const auto& skill : tree.skills) names.push_back(skill.name);
      ExpectAllApart(tree.code, names, forge::TreeGlyphs(tree));
    }
  }
}

TEST(SkillIcons, TenSkillsOfOneElementInOneTreeStayApart) {
  // Ten names that all call for the plain flame: each keeps the flame and
  // takes a variant of its own, none another element's glyph.
  const std::vector<std::string_view> names = {"Fire A", "Fire B", "Fire C", "Fire D", "Fire E",
                                               "Fire F", "Fire G", "Fire H", "Fire I", "Fire J"};
  const std::vector<forge::Glyph> glyphs = forge::TreeGlyphs(names, "SorcFire");
  for (const forge::Glyph& glyph : glyphs) {
    EXPECT_EQ(glyph.motif, Motif::Flame);
    EXPECT_EQ(glyph.form, Form::Plain);
  }
  ExpectAllApart("SorcFire", names, glyphs);
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return lower;
}

TEST(SkillIcons, ANameThatNamesAnElementIsDrawnWithIt) {
  const struct {
    const char* word;
    Element element;
  } words[] = {{"fire", Element::Fire},
               {"cold", Element::Cold},
               {"lightning", Element::Lightning},
               {"poison", Element::Poison},
               {"bone", Element::Bone}};
  int named = 0;
  for (const korvinth::ClassDef* c : kClasses) {
    for (const korvinth::TreeDef& tree : c->trees) {
      for (const auto& skill : tree.skills) {
        const forge::Glyph glyph = forge::GlyphFor(skill.name, tree.code);
        EXPECT_NE(glyph.motif, Motif::Rune) << skill.name << " has no glyph of its own";
        for (const auto& w : words) {
          if (Lower(skill.name).find(w.word) == std::string::npos) continue;
          ++named;
          EXPECT_EQ(forge::ElementOf(glyph.motif), w.element) << skill.name;
        }
      }
    }
  }
  EXPECT_GE(named, 25);
}

TEST(SkillIcons, SkillsThatSayWhatTheyLookLike) {
  const struct {
    const char* name;
    const char* tree;
    Element element;
    Form form;
  } cases[] = {
      // Once drawn as another element or kind.
      {"Fireball", "SorcFire", Element::Fire, Form::Orb},
      {"Enchant", "SorcFire", Element::Fire, Form::Enchant},
      {"Fire Mastery", "SorcFire", Element::Fire, Form::Mastery},
      {"Poison Nova", "NecroBone", Element::Poison, Form::Nova},
      // Glyphs made for the skill.
      {"Firewall", "SorcFire", Element::Fire, Form::Wall},
      {"Meteor", "SorcFire", Element::Fire, Form::Meteor},
      {"Hydra", "SorcFire", Element::Fire, Form::Hydra},
      {"Bone Spear", "NecroBone", Element::Bone, Form::Spear},
      {"Bone Prison", "NecroBone", Element::Bone, Form::Cage},
      {"Bone Spirit", "NecroBone", Element::Bone, Form::Spirit},
      // Elements their names only hint at, and words that only look like one.
      {"Nova", "SorcLight", Element::Lightning, Form::Nova},
      {"Frozen Orb", "SorcCold", Element::Cold, Form::Orb},
      {"Charged Bolt", "SorcLight", Element::Lightning, Form::Sparks},
      {"Holy Freeze", "PaladinOff", Element::Cold, Form::Aura},
      {"Resist Lightning", "PaladinDef", Element::Lightning, Form::Resist},
      {"Cleansing", "PaladinDef", Element::None, Form::Aura},
      {"Sacrafice", "PaladinCom", Element::None, Form::Enchant},
      {"Teleport", "SorcLight", Element::None, Form::Plain},
  };
  for (const auto& c : cases) {
    const forge::Glyph glyph = forge::GlyphFor(c.name, c.tree);
    EXPECT_EQ(forge::ElementOf(glyph.motif), c.element) << c.name;
    EXPECT_EQ(glyph.form, c.form) << c.name;
  }
}

struct Look {
  double red = 0, green = 0, blue = 0;
  std::vector<bool> mask;
};

Look LookOf(const QImage& picture) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  Look look;
  int opaque = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb px = image.pixel(x, y);
      const bool inside = qAlpha(px) > 128;
      look.mask.push_back(inside);
      if (!inside) continue;
      ++opaque;
      look.red += qRed(px);
      look.green += qGreen(px);
      look.blue += qBlue(px);
    }
  }
  look.red /= std::max(opaque, 1);
  look.green /= std::max(opaque, 1);
  look.blue /= std::max(opaque, 1);
  return look;
}

TEST(SkillIcons, FlamePoisonFrostAndLightningDifferInColourAndShapeOnEveryClass) {
  const Motif elements[] = {Motif::Flame, Motif::Poison, Motif::Frost, Motif::Lightning};
  const char* const trees[] = {"NecroBone", "AmazonJS", "BarBarCM", "PaladinOff", "SorcFire"};
  std::vector<Look> looks;
  for (Motif element : elements) {
    // An element is drawn in its own colours, whatever the class's.
    const QImage reference = forge::MotifPicture(element, trees[0]);
    for (const char* tree : trees) EXPECT_EQ(forge::MotifPicture(element, tree), reference) << tree;
    looks.push_back(LookOf(reference));
  }
  for (std::size_t i = 0; i < looks.size(); ++i) {
    for (std::size_t j = i + 1; j < looks.size(); ++j) {
      const Look& a = looks[i];
      const Look& b = looks[j];
      EXPECT_GT(std::hypot(a.red - b.red, a.green - b.green, a.blue - b.blue), 70) << i << " and " << j;
      int both = 0;
      int either = 0;
      for (std::size_t k = 0; k < a.mask.size(); ++k) {
        both += a.mask[k] && b.mask[k];
        either += a.mask[k] || b.mask[k];
      }
      EXPECT_LT(static_cast<double>(both) / either, 0.6) << i << " and " << j;
    }
  }
}

TEST(SkillIcons, KeepTheirInitialsAtTheLowerRight) {
  const forge::Glyph glyph = forge::GlyphFor("Fire Bolt", "SorcFire");
  const QImage icon = forge::SkillIcon("SorcFire", "Fire Bolt", glyph);
  const QImage picture = forge::SkillPicture("SorcFire", glyph);
  ASSERT_EQ(icon.size(), QSize(48, 49));
  int inBox = 0;
  for (int y = 0; y < icon.height(); ++y) {
    for (int x = 0; x < icon.width(); ++x) {
      if (icon.pixel(x, y) == picture.pixel(x, y)) continue;
      EXPECT_TRUE(QRect(2, 36, 44, 11).contains(x, y)) << x << "," << y;
      ++inBox;
    }
  }
  EXPECT_GE(inBox, 10);
}

}  // namespace
