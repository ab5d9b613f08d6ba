// Timers in the real frame loop: a recurring timer, a one-shot, and the difference between a
// timer the engine owns and one the collector may take. Timing is checked loosely: the machine
// may be loaded, so only order and counts that no delay can change are asserted.
#include <gtest/gtest.h>

#include "GameRun.h"

namespace {

using vorntest::GameFolder;

// Runs `script` after opening a window with the test plugins; the script ends the run itself.
vorntest::RunResult RunWithWindow(const std::string& script)
{
    GameFolder game;
    game.UseTestPluginsAsDefaults();
    game.WriteScript("main.lua", "assert(display:create('Timers', 320, 200, 32, true))\n" + script);
    return game.Run(vorntest::RunOptions().Env("VORN_MESSAGEBOX", "cancel"));
}

TEST(TimerLoop, RecurringAndOneShotTimersTickFromTheFrameLoop)
{
    const auto run = RunWithWindow(R"(
        local ticks, once = 0, 0
        local shot = Timer()
        shot.on_tick = function(t) once = once + 1; print('one-shot paused ' .. tostring(t.paused)) end
        shot:start(5)
        local every = Timer()
        every.on_tick = function(t)
            ticks = ticks + 1
            assert(t == every, 'the timer passed to on_tick is the timer itself')
            if ticks == 5 then
                print('ticks ' .. ticks .. ' one-shot ticks ' .. once .. ' delta>0 ' .. tostring(t:get_delta() > 0))
                display:destroy()
            end
        end
        every:start(20, true)
        print('started')
    )");
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(run.Boxes().empty()) << run.Describe();
    EXPECT_EQ("started\none-shot paused true\nticks 5 one-shot ticks 1 delta>0 true\n", run.out);
}

TEST(TimerLoop, ACollectedTimerStopsWhileAnEngineOwnedOneKeepsTicking)
{
    // Neither timer's callback refers to its timer, so nothing but ownership keeps them alive;
    // `watch` is a global, so the collection leaves it alone. The engine-owned timer is handed to
    // Lua at the end only so that the leak check of the sanitizer build stays meaningful.
    const auto run = RunWithWindow(R"(
        local dropped, kept = 0, 0
        do
            local t = Timer()
            t.on_tick = function() dropped = dropped + 1 end
            t:start(1, true)
            local owned = Timer:new()
            owned.on_tick = function() kept = kept + 1 end
            owned:start(1, true)
            -- Remembered so that it can be handed to Lua when the test is over.
            owned_for_cleanup = { owned }
        end
        local frames = 0
        watch = Timer()
        watch.on_tick = function()
            frames = frames + 1
            if frames == 3 then
                collectgarbage('collect')
                dropped, kept = 0, 0
            elseif frames == 30 then
                print('after collection: dropped ' .. dropped .. ', engine-owned ticking ' .. tostring(kept > 0))
                tolua.takeownership(owned_for_cleanup[1])
                display:destroy()
            end
        end
        watch:start(1, true)
    )");
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(run.Boxes().empty()) << run.Describe();
    EXPECT_EQ("after collection: dropped 0, engine-owned ticking true\n", run.out);
}

TEST(TimerLoop, AnErrorInOnTickIsReportedAndTheTimerGoesOn)
{
    GameFolder game;
    game.UseTestPluginsAsDefaults();
    game.WriteScript("main.lua", R"(assert(display:create('Timers', 320, 200, 32, true))
local n = 0
local t = Timer()
t.on_tick = function()
    n = n + 1
    if n == 3 then display:destroy() return end
    error('tick ' .. n)
end
t:start(1, true)
)");
    const auto run = game.Run(vorntest::RunOptions().Env("VORN_MESSAGEBOX", "ok"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    const auto boxes = run.Boxes();
    ASSERT_EQ(2u, boxes.size()) << run.Describe();
    EXPECT_NE(std::string::npos, boxes[0].text.find("tick 1")) << boxes[0].text;
    EXPECT_NE(std::string::npos, boxes[1].text.find("tick 2")) << boxes[1].text;
    EXPECT_EQ("[vorn] all interfaces released. Exitting.", run.log.back());
}

} // namespace
