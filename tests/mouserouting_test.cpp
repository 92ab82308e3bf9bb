// How a window hands the mouse to its light controls: the control that takes
// a press keeps the mouse until the release, a click is a left release over
// the control that took the press, and the second press of a double click is
// a click of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <string>
#include <vector>

#include "forms/Form.h"

namespace {

// Two labels side by side, 100 x 100 pixels each, and the bare window to their
// right; every handler writes a line to the log.
class MouseRouting : public ::testing::Test {
 protected:
  static constexpr QPoint kOnA{50, 50};
  static constexpr QPoint kOnB{150, 50};
  static constexpr QPoint kBare{250, 50};

  MouseRouting() : form_("frm_Mouse") {
    form_.SetClientSize(4500, 1500);
    Watch(form_.AddLabel("A", 0, 0, 1500, 1500));
    Watch(form_.AddLabel("B", 1500, 0, 1500, 1500));
  }

  void Watch(forms::Control& control) {
    const std::string name = control.Name();
    const auto write = [this, name](const char* what) {
      return [this, name, what](const forms::MouseArgs& args) {
        log_.push_back(name + " " + what + " " + std::to_string(args.button) + " at " +
                       std::to_string(static_cast<int>(args.x)));
      };
    };
    control.onMouseDown = write("down");
    control.onMouseMove = write("move");
    control.onMouseUp = write("up");
    control.onClick = [this, name] { log_.push_back(name + " click"); };
  }

  void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(&form_, button, {}, at);
  }
  void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(&form_, button, {}, at);
  }
  // A move with no button held (QTest would only move the cursor).
  void Hover(QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, form_.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&form_, &move);
  }

  forms::Form form_;
  std::vector<std::string> log_;
};

using Log = std::vector<std::string>;

TEST_F(MouseRouting, LeftPressAndReleaseOnOneControlClickIt) {
  Press(kOnA);
  Release({60, 40});
  EXPECT_EQ(log_, (Log{"A down 1 at 750", "A up 1 at 900", "A click"}));
}

TEST_F(MouseRouting, NoClickWithoutALeftReleaseOverThePressedControl) {
  const struct {
    const char* what;
    QPoint release;
    Qt::MouseButton button;
    Log expected;
  } cases[] = {
      {"released over the other control", kOnB, Qt::LeftButton, {"A down 1 at 750", "A up 1 at 2250"}},
      {"released over the bare window", kBare, Qt::LeftButton, {"A down 1 at 750", "A up 1 at 3750"}},
      {"right button", kOnA, Qt::RightButton, {"A down 2 at 750", "A up 2 at 750"}},
      {"middle button", kOnA, Qt::MiddleButton, {"A down 4 at 750", "A up 4 at 750"}},
  };
  for (const auto& c : cases) {
    log_.clear();
    Press(kOnA, c.button);
    Release(c.release, c.button);
    EXPECT_EQ(log_, c.expected) << c.what;
  }
}

TEST_F(MouseRouting, TheSecondPressOfADoubleClickIsAClick) {
  Press(kOnA);
  Release(kOnA);
  QTest::mouseDClick(&form_, Qt::LeftButton, {}, kOnA);
  Release(kOnA);
  EXPECT_EQ(log_, (Log{"A down 1 at 750", "A up 1 at 750", "A click", "A down 1 at 750", "A up 1 at 750",
                       "A click"}));
}

TEST_F(MouseRouting, ThePressedControlKeepsTheMouseUntilTheRelease) {
  Press(kOnA);
  QTest::mouseMove(&form_, kOnB);  // the left button is still down
  Release(kOnB);
  Hover(kOnB);
  EXPECT_EQ(log_, (Log{"A down 1 at 750", "A move 1 at 2250", "A up 1 at 2250", "B move 0 at 750"}));
}

TEST_F(MouseRouting, APressOnTheBareWindowClicksNothing) {
  Press(kBare);
  Release(kOnA);
  Hover(kOnA);
  EXPECT_EQ(log_, (Log{"A move 0 at 750"}));
}

}  // namespace
