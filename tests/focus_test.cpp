// Where the keyboard focus goes in a window: a window that holds a control
// taking the focus never takes it itself, so a click on its pictures, labels
// or bare parts leaves the focus in that control and Tab stops at its
// controls alone; a window without one takes the focus and every key.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "forms/Form.h"
#include "forms/Widgets.h"

namespace {

// A window with a label (0..99 pixels) and bare ground to its right, shown
// and active; the controls a case adds lie below the label.
class KeyWindow : public forms::Form {
 public:
  KeyWindow() : Form("frm_Keys") {
    SetClientSize(4500, 3000);
    AddLabel("Label1", 0, 0, 1500, 1500);
  }
  void Form_KeyPress(std::int16_t& keyAscii) override { keys.push_back(keyAscii); }
  std::vector<std::int16_t> keys;
};

constexpr QPoint kOnLabel{50, 50};
constexpr QPoint kBare{250, 50};

void ShowActive(forms::Form& form) {
  form.Show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

TEST(Focus, AClickBesideTheControlsLeavesTheFocusWhereItIs) {
  KeyWindow form;
  auto* list = new forms::ListBox(form, "lb_List", 0, 1500, 3000, 1500);
  ShowActive(form);
  list->setFocus();
  for (const auto& [where, button] :
       {std::pair{kOnLabel, Qt::LeftButton}, std::pair{kBare, Qt::LeftButton},
        std::pair{kOnLabel, Qt::RightButton}, std::pair{kBare, Qt::MiddleButton}}) {
    QTest::mouseClick(&form, button, {}, where);
    EXPECT_EQ(QApplication::focusWidget(), list) << "after a click at " << where.x() << ", " << where.y();
  }
  QTest::mouseDClick(&form, Qt::LeftButton, {}, kOnLabel);
  EXPECT_EQ(QApplication::focusWidget(), list);
  // The only control: Tab keeps the focus in it.
  QTest::keyClick(list, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), list);
}

TEST(Focus, TabStopsAtTheControlsAlone) {
  KeyWindow form;
  auto* text = new forms::TextBox(form, "txt_Text", 0, 1500, 1500, 300);
  auto* button = new forms::Button(form, "cmd_Button", 1500, 1500, 1500, 300);
  ShowActive(form);
  text->setFocus();
  std::vector<std::string> stops;
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* now = QApplication::focusWidget();
    stops.push_back(now == text ? "text" : now == button ? "button" : now == &form ? "window" : "elsewhere");
  }
  EXPECT_EQ(stops, (std::vector<std::string>{"button", "text", "button", "text"}));
}

TEST(Focus, AWindowWithoutSuchControlsTakesTheFocusAndTheKeys) {
  KeyWindow form;
  ShowActive(form);
  QTest::mouseClick(&form, Qt::LeftButton, {}, kOnLabel);
  EXPECT_EQ(QApplication::focusWidget(), &form);
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_EQ(form.keys, std::vector<std::int16_t>{27});
}

// The controls are made after the window is shown (as the start window makes
// its focus holder): from then on the window leaves the focus to them.
TEST(Focus, AControlMadeAfterTheWindowIsShownHoldsTheFocus) {
  KeyWindow form;
  ShowActive(form);
  auto* text = new forms::TextBox(form, "txt_Text", 0, 1500, 1500, 300);
  text->show();
  text->setFocus();
  QTest::mouseClick(&form, Qt::LeftButton, {}, kBare);
  EXPECT_EQ(QApplication::focusWidget(), text);
}

}  // namespace
