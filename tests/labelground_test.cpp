// Every label laid over one of our pictures stands on calm dark ground: the
// refusal line and the note of the class windows clear of the panel frame,
// the command names on their plates, the start window's, the generator's and
// the statistics window's labels. The window is rendered with only its
// pictures on black, and every pixel where a label's caption is drawn must
// be dark.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "app/GeneratorWindow.h"
#include "app/StartWindow.h"
#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "forms/Control.h"
#include "forms/Form.h"
#include "skillstats/StatsWindow.h"
#include "skilltrees/ClassWindow.h"
#include "tests/support/Planner.h"

namespace {

using korvinth::ClassWindow;
using korvinth::mod_Misc;

// The brightest a pixel behind text may be (luma out of 255): even the
// orange captions keep a contrast of about 4 to 1 on it.
constexpr int kDarkGround = 48;

int Luma(QRgb pixel) { return (299 * qRed(pixel) + 587 * qGreen(pixel) + 114 * qBlue(pixel)) / 1000; }

// Where a label draws its caption (as forms::Label does), within the label.
QRect TextArea(const forms::Label& label) {
  const QRect rect = label.PixelRect();
  int flags = Qt::AlignTop | Qt::TextWordWrap;
  if (label.Align() == forms::Alignment::Center) flags |= Qt::AlignHCenter;
  if (label.Align() == forms::Alignment::Right) flags |= Qt::AlignRight;
  QString text = label.Caption();
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return QFontMetrics(label.Font()).boundingRect(rect, flags, text).intersected(rect);
}

// The window as its pictures alone draw it: labels, shapes and lines hidden,
// the ground black.
QImage PicturesOnly(forms::Form& form) {
  std::vector<forms::Control*> hidden;
  for (const auto& control : form.Controls()) {
    if (control->Visible() && !dynamic_cast<forms::Image*>(control.get())) {
      control->SetVisible(false);
      hidden.push_back(control.get());
    }
  }
  const QColor back = form.BackColor();
  form.SetBackColor(Qt::black);
  const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
  form.SetBackColor(back);
  for (forms::Control* control : hidden) control->SetVisible(true);
  return shot;
}

// Every shown label with a caption drawn over a light pixel of the window's
// pictures, with the brightest such pixel.
std::vector<std::string> LabelsOnLightGround(forms::Form& form) {
  std::vector<const forms::Label*> labels;
  for (const auto& control : form.Controls()) {
    const auto* label = dynamic_cast<const forms::Label*>(control.get());
    if (label && label->Visible() && !label->Caption().isEmpty()) labels.push_back(label);
  }
  const QImage shot = PicturesOnly(form);
  std::vector<std::string> light;
  for (const forms::Label* label : labels) {
    const QRect area = TextArea(*label).intersected(shot.rect());
    int brightest = 0;
    QPoint where;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        const int luma = Luma(shot.pixel(x, y));
        if (luma > brightest) {
          brightest = luma;
          where = QPoint(x, y);
        }
      }
    }
    if (brightest > kDarkGround) {
      light.push_back(label->Name() + " (luma " + std::to_string(brightest) + " at " +
                      std::to_string(where.x()) + ", " + std::to_string(where.y()) + ")");
    }
  }
  return light;
}

class LabelGround : public testing_support::PlannerTest {};

// A class window with a refusal on its notice line and a skill's text in
// the description: a level 6 skill clicked at level 1, then a hover.
forms::Form& ClassWindowRefusing(forms::FormRef<ClassWindow>& ref) {
  korvinth::ShowClassWindow(ref);
  ClassWindow& w = *ref;
  for (int i = 0; i < 10; ++i) {
    if (w.trees[0].def->skills[static_cast<std::size_t>(i)].level == 6) {
      w.img_Tree_Click(0, static_cast<std::int16_t>(i));
      break;
    }
  }
  // Without the refusal the test would not look behind the notice line.
  EXPECT_TRUE(w.lbl_UnAvail->Visible() && w.lbl_UnAvail->Caption().startsWith("Not available yet"))
      << w.Name();
  w.img_Tree_MouseMove(1, 0);
  return w;
}

TEST_F(LabelGround, EveryLabelOverOurPicturesStandsOnDarkGround) {
  const std::function<forms::Form&()> windows[] = {
      []() -> forms::Form& { return ClassWindowRefusing(korvinth::frm_NecroSkill); },
      []() -> forms::Form& { return ClassWindowRefusing(korvinth::frm_AmazonSkill); },
      []() -> forms::Form& { return ClassWindowRefusing(korvinth::frm_BarbarianSkill); },
      []() -> forms::Form& { return ClassWindowRefusing(korvinth::frm_Paladin); },
      []() -> forms::Form& { return ClassWindowRefusing(korvinth::frm_Sorceress); },
      []() -> forms::Form& {
        korvinth::StartWindow& s = *korvinth::frm_MainSelect;
        s.lbl_ContactInfo->SetCaption(korvinth::StartWindow::kOrlowainContact);
        return s;
      },
      []() -> forms::Form& { return *korvinth::frm_RandomGenerator; },
      []() -> forms::Form& {
        mod_Misc.CurrentTree = QStringLiteral("NecroCurse");
        mod_Misc.CurrentSkillIndex = 1;
        mod_Misc.CurrentSkillLevel = 3;
        korvinth::frm_Menu->mnu_SkillInfo_Click();
        return *korvinth::frm_SkillStats.Loaded();
      },
  };
  for (const auto& open : windows) {
    testing_support::ResetProgram();
    forms::Form& form = open();
    EXPECT_EQ(LabelsOnLightGround(form), std::vector<std::string>{}) << form.Name();
  }
}

}  // namespace
