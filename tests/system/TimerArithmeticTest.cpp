// Timer arithmetic against an injected clock: ticks and their lateness, one-shot restarts,
// pause and resume, intervals below 1 and their truncation, get_delta_ms and the running total.
#include <gtest/gtest.h>

#include <cmath>

#include "FakeClock.h"
#include "system/LuaTimer.h"
#include "system/TimerList.h"

namespace {

class TimerArithmetic : public ::testing::Test {
protected:
    // One pass at `at_ms`; whether the timer ticked (its running total changed).
    bool TicksAt(double at_ms)
    {
        clock.SetMs(at_ms);
        const double before = timer.get_elapsed();
        sys::Timers().RunPass(nullptr);
        return timer.get_elapsed() != before;
    }

    FakeClock clock;
    LuaTimer timer;
};

TEST_F(TimerArithmetic, TicksComeEveryIntervalALateOneRestartsTheScheduleAndAOneShotPauses)
{
    EXPECT_FALSE(TicksAt(10'000)) << "a new timer is paused";
    clock.SetMs(0);
    timer.start(100, true);
    EXPECT_FALSE(TicksAt(99.999));
    EXPECT_TRUE(TicksAt(100));
    EXPECT_FLOAT_EQ(1.0f, timer.get_delta());
    EXPECT_FALSE(TicksAt(199));
    EXPECT_TRUE(TicksAt(350));
    EXPECT_FLOAT_EQ(2.5f, timer.get_delta());
    EXPECT_DOUBLE_EQ(350.0, timer.get_elapsed());
    // Missed periods are not caught up: the next tick is one period after the late one.
    EXPECT_FALSE(TicksAt(449));
    EXPECT_TRUE(TicksAt(450));
    EXPECT_FLOAT_EQ(1.0f, timer.get_delta());
    // A one-shot pauses after its tick; resumed, it counts the period as already run (its due
    // time was left one period ahead). After stop a start waits a full interval.
    timer.start(100, false);
    EXPECT_TRUE(TicksAt(550));
    EXPECT_TRUE(timer.get_paused());
    EXPECT_FALSE(TicksAt(1000));
    timer.start();
    EXPECT_TRUE(TicksAt(1000));
    EXPECT_DOUBLE_EQ(650.0, timer.get_elapsed());
    timer.stop();
    EXPECT_EQ(0, timer.get_elapsed());
    clock.SetMs(1500);
    timer.start();
    EXPECT_FALSE(TicksAt(1599));
    EXPECT_TRUE(TicksAt(1600));
}

TEST_F(TimerArithmetic, AResumeCompletesTheInterruptedPeriodOrBeforeTheFirstTickStartsAFreshOne)
{
    timer.start(1000, true);
    clock.SetMs(300);
    timer.pause();
    clock.SetMs(5300);
    timer.start();
    EXPECT_FALSE(TicksAt(6299));
    EXPECT_TRUE(TicksAt(6300));
    clock.SetMs(6600);
    timer.pause();
    clock.SetMs(6700);
    timer.pause(); // a second pause keeps the first moment
    timer.set_paused(false);
    EXPECT_FALSE(TicksAt(7299)) << "700 ms of the period were left";
    EXPECT_TRUE(TicksAt(7400));
    EXPECT_FLOAT_EQ(1.0f, timer.get_delta());
    EXPECT_DOUBLE_EQ(2000.0, timer.get_elapsed()) << "only active time counts";
    // start() on a running timer changes only the interval: still due at 8400, then 300 ms periods.
    timer.start(300);
    EXPECT_TRUE(TicksAt(8400));
    EXPECT_FLOAT_EQ(10.0f / 3.0f, timer.get_delta());
    EXPECT_FALSE(TicksAt(8699));
}

TEST_F(TimerArithmetic, IntervalsTruncateBelowOneNeverTickAndDeltaMsTruncates)
{
    timer.set_interval(-99.9);
    EXPECT_EQ(-99, timer.get_interval());
    timer.set_interval(1e300);
    EXPECT_EQ(2147483647, timer.get_interval());
    timer.set_interval(std::nan(""));
    EXPECT_EQ(0, timer.get_interval());
    timer.start(0.9, true);
    EXPECT_FALSE(TicksAt(10'000));
    timer.stop();
    timer.start(100.9);
    EXPECT_EQ(100, timer.get_interval());
    EXPECT_TRUE(TicksAt(10'125));
    EXPECT_EQ(125, timer.get_delta_ms());
    // 104 ms on a 100 ms period: the single-precision delta is just under 1.04.
    EXPECT_TRUE(TicksAt(10'229));
    EXPECT_LT(static_cast<double>(timer.get_delta()), 1.04);
    EXPECT_EQ(103, timer.get_delta_ms());
}

} // namespace
