// The scroll bars of the two lists a user reads, the start window's text and
// a class window's plan history, as the window draws them: at the top, in
// the middle and at the end of the list the thumb stands plainly apart from
// its track.
#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/StartWindow.h"
#include "forms/Widgets.h"
#include "skilltrees/ClassWindow.h"
#include "tests/support/Planner.h"

namespace {

// Relative luminance of a colour, as the contrast of non-text marks is measured.
double Luminance(QRgb pixel) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) + 0.0722 * linear(qBlue(pixel));
}

// The colour most pixels of a part of the picture have.
QRgb CommonColour(const QImage& shot, const QRegion& part) {
  std::vector<QRgb> pixels;
  for (const QRect& rect : part) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      for (int x = rect.left(); x <= rect.right(); ++x) pixels.push_back(shot.pixel(x, y) & 0xFFFFFF);
    }
  }
  std::sort(pixels.begin(), pixels.end());
  QRgb best = 0;
  std::size_t bestRun = 0;
  for (std::size_t i = 0; i < pixels.size();) {
    std::size_t j = i;
    while (j < pixels.size() && pixels[j] == pixels[i]) ++j;
    if (j - i > bestRun) {
      bestRun = j - i;
      best = pixels[i];
    }
    i = j;
  }
  return best;
}

// The contrast of the thumb against the rest of the track, as the window
// shows the list scrolled to `value`.
double ThumbContrast(forms::Form& form, forms::ListBox& list, int value) {
  QScrollBar& bar = *list.verticalScrollBar();
  bar.setValue(value);
  const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
  QStyleOptionSlider option;
  option.initFrom(&bar);
  option.subControls = QStyle::SC_All;
  option.orientation = bar.orientation();
  option.minimum = bar.minimum();
  option.maximum = bar.maximum();
  option.sliderPosition = bar.sliderPosition();
  option.sliderValue = bar.value();
  option.singleStep = bar.singleStep();
  option.pageStep = bar.pageStep();
  const auto inWindow = [&](QStyle::SubControl part) {
    const QRect rect = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
    return QRect(bar.mapTo(&form, rect.topLeft()), rect.size());
  };
  const QRect thumb = inWindow(QStyle::SC_ScrollBarSlider);
  const QRegion track = QRegion(inWindow(QStyle::SC_ScrollBarGroove)).subtracted(thumb);
  // With more lines than the list shows, the thumb is shorter than its track
  // (a style that cannot fit it draws none at all).
  if (thumb.isEmpty() || track.isEmpty()) {
    ADD_FAILURE() << "the thumb does not lie within its track";
    return 0;
  }
  const double a = Luminance(CommonColour(shot, thumb));
  const double b = Luminance(CommonColour(shot, track));
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

class ScrollBars : public testing_support::PlannerTest {};

TEST_F(ScrollBars, TheThumbStandsApartFromItsTrackWhereverTheListIs) {
  struct Case {
    std::string name;
    std::function<forms::ListBox&()> open;
  };
  const Case cases[] = {
      {"the start window's text", []() -> forms::ListBox& { return *korvinth::frm_MainSelect->lb_Info; }},
      {"a class window's plan history",
       []() -> forms::ListBox& {
         korvinth::ShowClassWindow(korvinth::frm_NecroSkill);
         korvinth::ClassWindow& w = *korvinth::frm_NecroSkill;
         for (int i = 0; i < 20; ++i) w.img_Tree_Click(0, 0);
         return *w.lb_SkillsPerLevel;
       }},
  };
  // Three to one, the least contrast a mark a user must find should have.
  constexpr double kPlainlyApart = 3.0;
  for (const Case& c : cases) {
    testing_support::ResetProgram();
    forms::ListBox& list = c.open();
    auto& form = static_cast<forms::Form&>(*list.window());
    form.show();
    QScrollBar& bar = *list.verticalScrollBar();
    ASSERT_GT(bar.maximum(), 0) << c.name << " has nothing to scroll";
    for (const int value : {bar.minimum(), bar.maximum() / 2, bar.maximum()}) {
      EXPECT_GE(ThumbContrast(form, list, value), kPlainlyApart) << c.name << " scrolled to " << value;
    }
  }
}

}  // namespace
