// The skill icons: every icon shows its own skill, the ten of a tree are ten
// different pictures at the size the window shows them, their initials read
// whole in the class windows, and the elements look alike on every class and
// apart from each other.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "skilltrees/ClassData.h"
#include "skilltrees/ClassWindow.h"
#include "tests/support/Planner.h"
#include "tools/forge/Glyphs.h"

namespace {

using forge::Element;
using forge::Form;
using forge::Motif;

const korvinth::ClassDef* const kClasses[] = {&korvinth::kNecromancer, &korvinth::kAmazon,
                                              &korvinth::kBarbarian, &korvinth::kPaladin,
                                              &korvinth::kSorceress};

// A picture stretched to an icon control (540 x 555 twips) as the control
// paints it.
QImage AsShown(const QImage& icon) {
  QImage shown(36, 37, QImage::Format_RGB32);
  QPainter p(&shown);
  p.drawPixmap(shown.rect(), QPixmap::fromImage(icon));
  return shown;
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

// About one in 27 of the 1332 pixels: more than a weapon swapped in the
// same spiked burst makes.
constexpr int kApartAtAGlance = 50;

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

TEST(SkillIcons, TheVariantMarksKeepOneMotifAndFormApart) {
  // Ten skills of a tree drawn as the plain flame would still be ten pictures.
  const std::vector<std::string_view> names = {"mark 0", "mark 1", "mark 2", "mark 3", "mark 4",
                                               "mark 5", "mark 6", "mark 7", "mark 8", "mark 9"};
  std::vector<forge::Glyph> glyphs;
  for (int variant = 0; variant < forge::kVariants; ++variant) {
    glyphs.push_back({Motif::Flame, Form::Plain, variant});
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
        const forge::Glyph glyph = forge::GlyphOf(tree.code, static_cast<int>(&skill - tree.skills.data()));
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

// The glyph of the skill of that name in the tree of that code.
forge::Glyph GlyphNamed(std::string_view treeCode, std::string_view name) {
  for (const korvinth::ClassDef* c : kClasses) {
    for (const korvinth::TreeDef& tree : c->trees) {
      if (tree.code != treeCode) continue;
      for (std::size_t i = 0; i < tree.skills.size(); ++i) {
        if (tree.skills[i].name == name) return forge::GlyphOf(treeCode, static_cast<int>(i));
      }
    }
  }
  ADD_FAILURE() << "no skill " << name << " in " << treeCode;
  return {};
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
      {"Beserker", "BarBarCS", Element::None, Form::Burst},
      {"Bash", "BarBarCS", Element::None, Form::Strike},
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
    const forge::Glyph glyph = GlyphNamed(c.tree, c.name);
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

class ShownIcons : public testing_support::PlannerTest {};

// Every letter of every icon's initials reaches the screen whole: each pixel
// of the letters drawn alone at the size shown, ink and halo, is on the
// class window where the icon lies.
TEST_F(ShownIcons, InitialsReadWholeInTheClassWindows) {
  forms::FormRef<korvinth::ClassWindow>* const windows[] = {
      &korvinth::frm_NecroSkill, &korvinth::frm_AmazonSkill, &korvinth::frm_BarbarianSkill,
      &korvinth::frm_Paladin, &korvinth::frm_Sorceress};
  for (auto* ref : windows) {
    korvinth::ClassWindow& w = **ref;
    const QImage shot = w.grab().toImage();
    for (const auto& tree : w.trees) {
      for (std::size_t i = 0; i < tree.img.size(); ++i) {
        const forms::Image& control = *tree.img[i];
        const QRect place(control.Left() / 15, control.Top() / 15, control.Width() / 15,
                          control.Height() / 15);
        const std::string_view name = tree.def->skills[i].name;
        const QImage stamp = forge::InitialsStamp(name);
        ASSERT_EQ(stamp.size(), place.size()) << name;
        int wrong = 0;
        int letterPixels = 0;
        for (int y = 0; y < stamp.height(); ++y) {
          for (int x = 0; x < stamp.width(); ++x) {
            const QRgb want = stamp.pixel(x, y);
            if (qAlpha(want) < 255) continue;
            ++letterPixels;
            const QRgb got = shot.pixel(place.topLeft() + QPoint(x, y));
            const int d = std::max({std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                                    std::abs(qBlue(want) - qBlue(got))});
            wrong += d > 24;
          }
        }
        EXPECT_GE(letterPixels, 30) << name;  // a letter in its halo at least
        EXPECT_EQ(wrong, 0) << name << " (" << tree.def->code << ") is not shown as drawn";
      }
    }
  }
}

}  // namespace
