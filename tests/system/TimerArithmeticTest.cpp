// Timer arithmetic against an injected clock: ticks, lateness, one-shot restarts, pause/resume,
// intervals below 1, get_delta_ms truncation and the running total.
#include <gtest/gtest.h>

#include <cmath>

#include "FakeClock.h"
#include "system/LuaTimer.h"
#include "system/TimerList.h"

namespace {

class TimerArithmetic : public ::testing::Test {
protected:
    // Counts ticks by watching the running total change.
    int Pass(double at_ms)
    {
        clock.SetMs(at_ms);
        const double before = timer.get_elapsed();
        sys::Timers().RunPass(nullptr);
        return timer.get_elapsed() != before ? 1 : 0;
    }

    FakeClock clock;
    LuaTimer timer;
};

TEST_F(TimerArithmetic, NewTimerIsPausedWithIntervalZero)
{
    EXPECT_TRUE(timer.get_paused());
    EXPECT_EQ(timer.get_interval(), 0);
    EXPECT_FALSE(timer.recur);
    EXPECT_EQ(timer.get_elapsed(), 0);
    EXPECT_EQ(Pass(10'000), 0);
}

TEST_F(TimerArithmetic, RecurringTimerTicksEveryIntervalWithDeltaOne)
{
    timer.start(100, true);
    EXPECT_FALSE(timer.get_paused());
    EXPECT_EQ(Pass(99.999), 0);
    EXPECT_EQ(Pass(100), 1);
    EXPECT_FLOAT_EQ(timer.get_delta(), 1.0f);
    EXPECT_EQ(Pass(150), 0);
    EXPECT_EQ(Pass(200), 1);
    EXPECT_FLOAT_EQ(timer.get_delta(), 1.0f);
    EXPECT_DOUBLE_EQ(timer.get_elapsed(), 200.0);
}

TEST_F(TimerArithmetic, LateFrameGivesOneTickWithItsLatenessAndRestartsTheSchedule)
{
    timer.start(100, true);
    EXPECT_EQ(Pass(250), 1);
    EXPECT_FLOAT_EQ(timer.get_delta(), 2.5f);
    EXPECT_DOUBLE_EQ(timer.get_elapsed(), 250.0);
    // Not caught up: the next tick is one period after the late one.
    EXPECT_EQ(Pass(300), 0);
    EXPECT_EQ(Pass(350), 1);
    EXPECT_FLOAT_EQ(timer.get_delta(), 1.0f);
}

TEST_F(TimerArithmetic, OneShotPausesAfterItsTickAndRestartsAtOnce)
{
    timer.start(100);
    EXPECT_EQ(Pass(100), 1);
    EXPECT_TRUE(timer.get_paused());
    EXPECT_EQ(Pass(1000), 0);
    // due was left one period ahead, so the resume counts the whole period as already run.
    timer.start();
    EXPECT_EQ(Pass(1000), 1);
    EXPECT_FLOAT_EQ(timer.get_delta(), 1.0f);
    EXPECT_DOUBLE_EQ(timer.get_elapsed(), 200.0);
}

TEST_F(TimerArithmetic, StartAfterStopWaitsAFullInterval)
{
    timer.start(100);
    EXPECT_EQ(Pass(100), 1);
    timer.stop();
    EXPECT_EQ(timer.get_elapsed(), 0);
    clock.SetMs(500);
    timer.start();
    EXPECT_EQ(Pass(599), 0);
    EXPECT_EQ(Pass(600), 1);
    EXPECT_FLOAT_EQ(timer.get_delta(), 1.0f);
}

TEST_F(TimerArithmetic, PauseThenResumeCompletesTheInterruptedPeriod)
{
    timer.start(1000, true);
    EXPECT_EQ(Pass(1000), 1);
    clock.SetMs(1300);
    timer.pause();
    EXPECT_EQ(Pass(6300), 0);
    timer.start(); // 5 s later: 700 ms of the period are left
    EXPECT_EQ(Pass(6999), 0);
    EXPECT_EQ(Pass(7000), 1);
    EXPECT_FLOAT_EQ(timer.get_delta(), 1.0f);
    // Only active time counts.
    EXPECT_DOUBLE_EQ(timer.get_elapsed(), 2000.0);
    // Pausing twice keeps the first pause moment.
    clock.SetMs(7100);
    timer.pause();
    clock.SetMs(7500);
    timer.pause();
    clock.SetMs(9000);
    timer.set_paused(false);
    EXPECT_EQ(Pass(9899), 0);
    EXPECT_EQ(Pass(9900), 1);
}

TEST_F(TimerArithmetic, ResumeBeforeTheFirstTickStartsAFreshPeriod)
{
    // Nothing has run yet (elapsed is 0), so a resume is a fresh start.
    timer.start(1000, true);
    clock.SetMs(300);
    timer.pause();
    clock.SetMs(5300);
    timer.start();
    EXPECT_EQ(Pass(6299), 0);
    EXPECT_EQ(Pass(6300), 1);
}

TEST_F(TimerArithmetic, StartOnARunningTimerChangesOnlyTheInterval)
{
    timer.start(100, true);
    clock.SetMs(50);
    timer.start(300);
    EXPECT_EQ(timer.get_interval(), 300);
    // Still due at 100; the next period is computed with the new interval.
    EXPECT_EQ(Pass(100), 1);
    EXPECT_FLOAT_EQ(timer.get_delta(), 1.0f / 3.0f);
    EXPECT_EQ(Pass(399), 0);
    EXPECT_EQ(Pass(400), 1);
}

TEST_F(TimerArithmetic, IntervalBelowOneNeverTicks)
{
    timer.start(0, true);
    EXPECT_FALSE(timer.get_paused());
    EXPECT_EQ(Pass(10'000), 0);
    timer.set_interval(-5);
    EXPECT_EQ(Pass(20'000), 0);
    timer.set_interval(0.9); // truncated toward zero
    EXPECT_EQ(timer.get_interval(), 0);
    EXPECT_EQ(Pass(30'000), 0);
}

TEST_F(TimerArithmetic, IntervalIsTruncatedTowardZeroAndSaturates)
{
    timer.set_interval(99.9);
    EXPECT_EQ(timer.get_interval(), 99);
    timer.set_interval(-99.9);
    EXPECT_EQ(timer.get_interval(), -99);
    timer.set_interval(1e300);
    EXPECT_EQ(timer.get_interval(), 2147483647);
    timer.set_interval(-1e300);
    EXPECT_EQ(timer.get_interval(), -2147483648.0);
    timer.set_interval(std::nan(""));
    EXPECT_EQ(timer.get_interval(), 0);
}

TEST_F(TimerArithmetic, DeltaMsIsTruncatedNotRounded)
{
    timer.start(100, true);
    EXPECT_EQ(Pass(125), 1);
    EXPECT_EQ(timer.get_delta_ms(), 125);
    // 104 ms on a 100 ms period: the single-precision delta is just under 1.04.
    clock.SetMs(125);
    timer.stop();
    timer.start();
    EXPECT_EQ(Pass(229), 1);
    EXPECT_LT(static_cast<double>(timer.get_delta()), 1.04);
    EXPECT_EQ(timer.get_delta_ms(), 103);
}

TEST_F(TimerArithmetic, ElapsedChangesOnlyAtTicks)
{
    timer.start(100, true);
    EXPECT_EQ(Pass(99), 0);
    EXPECT_EQ(timer.get_elapsed(), 0);
    EXPECT_EQ(Pass(130), 1);
    EXPECT_DOUBLE_EQ(timer.get_elapsed(), 130.0);
    EXPECT_EQ(Pass(200), 0);
    EXPECT_DOUBLE_EQ(timer.get_elapsed(), 130.0);
}

TEST(TimerList, DestroyedTimerLeavesItsEntryUntilThePass)
{
    FakeClock clock;
    sys::Timers().RunPass(nullptr);
    const std::size_t before = sys::Timers().Size();
    {
        LuaTimer a;
        LuaTimer b;
        EXPECT_EQ(sys::Timers().Size(), before + 2);
    }
    EXPECT_EQ(sys::Timers().Size(), before + 2);
    sys::Timers().RunPass(nullptr);
    EXPECT_EQ(sys::Timers().Size(), before);
}

} // namespace
