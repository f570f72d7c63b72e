#include "tests/support/DesktopFixture.h"
#include "classlib/desktop/Timer.h"

namespace {
using TimerTest = DesktopTest;
using Clock = std::chrono::steady_clock;
}  // namespace

TEST_F(TimerTest, TicksWhenItsWindowGetsTheTimerMessage) {
  TTimer timer(nullptr);
  timer.SetEnabled(false);
  std::vector<TObject*> senders;
  timer.SetOnTimer([&](TObject* sender) { senders.push_back(sender); });
  SendMessageW(timer.Handle(), WM_TIMER, 1, 0);
  SendMessageW(timer.Handle(), WM_TIMER, 1, 0);
  EXPECT_EQ(senders, (std::vector<TObject*>{&timer, &timer}));
}

TEST_F(TimerTest, TicksAtAboutItsIntervalAndStopsWhenDisabled) {
  TTimer timer(nullptr);
  std::vector<Clock::time_point> ticks;
  timer.SetInterval(50);
  const auto start = Clock::now();
  timer.SetOnTimer([&](TObject*) { ticks.push_back(Clock::now()); });
  ASSERT_TRUE(PumpUntil([&] { return ticks.size() >= 5; }));
  timer.SetEnabled(false);
  const size_t atStop = ticks.size();
  // Five ticks cannot come sooner than five intervals (less the system's timer granularity).
  EXPECT_GE(ticks[4] - start, std::chrono::milliseconds(5 * 50 - 20));
  PumpFor(200);
  EXPECT_EQ(ticks.size(), atStop);
}

TEST_F(TimerTest, RunsOnlyWhileEnabledWithAnIntervalAndAHandler) {
  TTimer timer(nullptr);
  int ticks = 0;
  TNotifyEvent count = [&](TObject*) { ++ticks; };
  timer.SetInterval(20);
  PumpFor(80);  // no handler yet: nothing to tick
  timer.SetInterval(0);
  timer.SetOnTimer(count);
  PumpFor(80);
  EXPECT_EQ(ticks, 0);
  timer.SetEnabled(false);
  timer.SetInterval(20);
  PumpFor(80);
  EXPECT_EQ(ticks, 0);
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }));
}

TEST_F(TimerTest, AnExceptionInATickIsShownAndTheTimerGoesOn) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(20);
  timer.SetOnTimer([&](TObject*) {
    if (++ticks == 1) throw Exception("tick failed");
  });
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  ASSERT_GE(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Text, L"tick failed");
}

TEST_F(TimerTest, MayBeFreedInItsOwnTick) {
  auto* timer = new TTimer(nullptr);
  bool freed = false;
  timer->SetInterval(10);
  timer->SetOnTimer([&](TObject* sender) {
    sender->Free();
    freed = true;
  });
  EXPECT_TRUE(PumpUntil([&] { return freed; }));
  PumpFor(50);
}

TEST_F(TimerTest, PublishesItsSettingsWithTheirDefaults) {
  TTimer timer(nullptr);
  EXPECT_TRUE(FindPropInfo(&timer, "Enabled")->IsDefaultValue(timer));
  EXPECT_TRUE(FindPropInfo(&timer, "Interval")->IsDefaultValue(timer));
  SetPropValue(&timer, "Interval", int64_t(500));
  SetPropValue(&timer, "Enabled", int64_t(0));
  EXPECT_EQ(timer.Interval(), 500u);
  EXPECT_FALSE(timer.Enabled());
}
