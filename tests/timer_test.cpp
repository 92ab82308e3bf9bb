// Window timers through the real event loop: a timer that is meant to run
// does tick, and the class window's refusal line hides on its own. The
// other suites fire timers by hand, so only these see a timer that never
// starts.
#include "forms/Timer.h"

#include <gtest/gtest.h>

#include <QTest>

#include "tests/support/NecroWindow.h"

namespace {

// Far beyond any interval used here; the wait ends as soon as the tick comes.
constexpr int kPatience = 10000;

TEST(Timer, RunsOnlyWhenEnabledWithAnInterval) {
  const struct {
    int interval;
    bool enabled;
    bool running;
  } cases[] = {{1, true, true}, {1, false, false}, {0, true, false}, {0, false, false}};
  for (const auto& c : cases) {
    forms::Timer timer(nullptr, "tim_Case", c.interval, c.enabled);
    EXPECT_EQ(timer.Running(), c.running) << c.interval << (c.enabled ? " enabled" : " disabled");
  }
}

TEST(Timer, TicksThroughTheEventLoopUntilDisabled) {
  forms::Timer timer(nullptr, "tim_Ticks", 0, true);
  int ticks = 0;
  timer.onTimer = [&] { ++ticks; };
  timer.SetInterval(1);
  ASSERT_TRUE(timer.Running());
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, kPatience)) << ticks << " ticks";
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Running());
  timer.SetEnabled(true);
  EXPECT_TRUE(timer.Running());
  timer.SetInterval(0);
  EXPECT_FALSE(timer.Running());
}

class RefusalLine : public testing_support::NecroWindowTest {};

TEST_F(RefusalLine, HidesWhenItsOwnTimerTicks) {
  // A skill of level 6 at level 1 is refused, and the line shows for 5 s.
  Click(testing_support::kBone, 2);
  ASSERT_TRUE(W().lbl_UnAvail->Visible());
  EXPECT_EQ(W().tim_Unavail->Interval(), 5000);
  EXPECT_TRUE(W().tim_Unavail->Running());
  // The same period, shortened so that the test need not wait for it.
  W().tim_Unavail->SetInterval(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !W().lbl_UnAvail->Visible(); }, kPatience));
  EXPECT_FALSE(W().tim_Unavail->Running());
}

}  // namespace
