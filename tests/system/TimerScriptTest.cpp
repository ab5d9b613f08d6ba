// Timer as scripts see it: argument and accessor texts, overloads, the paused and on_tick
// properties, ownership by the three constructor forms, and errors inside on_tick.
#include <gtest/gtest.h>

#include "FakeClock.h"
#include "ScriptFixture.h"
#include "system/TimerList.h"
#include "system/TimerPass.h"

namespace {

FakeClock* theClock = nullptr;

// advance(ms): moves the test clock.
int Advance(lua_State* L)
{
    theClock->AdvanceMs(luaL_checknumber(L, 1));
    return 0;
}

// entries(): the timer list's size, dead entries not yet erased included.
int Entries(lua_State* L)
{
    lua_pushnumber(L, static_cast<lua_Number>(sys::Timers().Size()));
    return 1;
}

// alive(): how many timers are alive.
int Alive(lua_State* L)
{
    lua_pushnumber(L, static_cast<lua_Number>(sys::Timers().AliveCount()));
    return 1;
}

class TimerScript : public ScriptFixture {
protected:
    void SetUp() override
    {
        theClock = &clock;
        sys::Timers().RunPass(nullptr); // drop entries left by earlier tests
        ScriptFixture::SetUp();
        lua_register(L, "advance", Advance);
        lua_register(L, "entries", Entries);
        lua_register(L, "alive", Alive);
    }

    // One timer pass, made at the base of the stack as the main loop makes it (the handler is
    // at index 1 only there).
    static void TimerPass() { sys::RunTimerPass(); }

    FakeClock clock;
};

TEST_F(TimerScript, MethodErrorsNameTheMemberAndTheFailedArgument)
{
    ASSERT_EQ(Run("t = Timer()"), "");
    EXPECT_NE(Run("Timer.pause(nil)").find("invalid 'self' in function 'pause'"), std::string::npos);
    const std::string extra = Run("t:pause(5)");
    EXPECT_NE(extra.find("error in function 'pause'."), std::string::npos) << extra;
    EXPECT_NE(extra.find("argument #2 is 'number'; '[no object]' expected"), std::string::npos) << extra;
    EXPECT_EQ(extra.find("#f"), std::string::npos) << extra;
    EXPECT_NE(Run("Timer.get_delta_ms(nil)").find("invalid 'self' in function 'get_delta_ms'"),
        std::string::npos);
    EXPECT_NE(Run("Timer.stop({})").find("error in function 'stop'."), std::string::npos);
    EXPECT_NE(Run("Timer:new(1)").find("error in function 'new'."), std::string::npos);
}

TEST_F(TimerScript, StartOverloadsFallBackInReverseRegistrationOrder)
{
    ASSERT_EQ(Run("t = Timer(); t:start(250.9); a = t.interval; b = t.recur; c = t.paused"), "");
    EXPECT_EQ(Number("a"), 250);
    EXPECT_FALSE(Boolean("b"));
    EXPECT_FALSE(Boolean("c"));
    ASSERT_EQ(Run("u = Timer(); u:start(40, true); a = u.interval; b = u.recur"), "");
    EXPECT_EQ(Number("a"), 40);
    EXPECT_TRUE(Boolean("b"));
    // (interval, recur) fails last and reports its own mismatch: argument 3.
    const std::string bad = Run("t:start(100, 'x')");
    EXPECT_NE(bad.find("error in function 'start'."), std::string::npos) << bad;
    EXPECT_NE(bad.find("argument #3 is 'string'; 'boolean' expected"), std::string::npos) << bad;
}

TEST_F(TimerScript, PropertiesConvertCheckAndReportTheirTexts)
{
    ASSERT_EQ(Run("t = Timer(); t.interval = '250'; a = t.interval; t.interval = -7.8; b = t.interval"), "");
    EXPECT_EQ(Number("a"), 250);
    EXPECT_EQ(Number("b"), -7);
    const std::string bad = Run("t.interval = 'soon'");
    EXPECT_NE(bad.find("invalid type in variable assignment."), std::string::npos) << bad;
    EXPECT_NE(bad.find("value is 'string'; 'number' expected"), std::string::npos) << bad;
    EXPECT_NE(Run("t.paused = 5").find("invalid type in variable assignment."), std::string::npos);
    ASSERT_EQ(Run("t.recur = true; t.recur = nil; r = t.recur"), "");
    EXPECT_FALSE(Boolean("r"));
}

TEST_F(TimerScript, PausedNilResumesAndPausedTruePauses)
{
    ASSERT_EQ(Run("t = Timer(); t.interval = 100; t.recur = true; t.paused = nil; a = t.paused"), "");
    EXPECT_FALSE(Boolean("a"));
    ASSERT_EQ(Run("advance(100); n = 0; t.on_tick = function() n = n + 1 end"), "");
    TimerPass();
    EXPECT_EQ(Number("n"), 1);
    ASSERT_EQ(Run("t.paused = true; b = t.paused; advance(1000)"), "");
    TimerPass();
    EXPECT_TRUE(Boolean("b"));
    EXPECT_EQ(Number("n"), 1);
}

TEST_F(TimerScript, OnTickGetsTheSameTimerAlreadyPausedWhenOneShot)
{
    ASSERT_EQ(Run(R"(
        t = Timer(); t.mark = 'kept'
        t.on_tick = function(self) same = (self == t); mark = self.mark; was_paused = self.paused end
        t:start(10); advance(10)
    )"), "");
    TimerPass();
    EXPECT_TRUE(Boolean("same"));
    EXPECT_TRUE(Boolean("was_paused"));
    lua_getglobal(L, "mark");
    EXPECT_STREQ(lua_tostring(L, -1), "kept");
    lua_pop(L, 1);
}

TEST_F(TimerScript, OnTickCanBeReadReplacedAndCleared)
{
    ASSERT_EQ(Run(R"(
        t = Timer(); n = 0; f = function() n = n + 1 end
        t.on_tick = f; t.on_tick = f; same = (t.on_tick == f)
        t:start(10, true); advance(10)
    )"), "");
    TimerPass();
    ASSERT_EQ(Run("t.on_tick = nil; cleared = (t.on_tick == nil); advance(10)"), "");
    TimerPass();
    EXPECT_TRUE(Boolean("same"));
    EXPECT_TRUE(Boolean("cleared"));
    EXPECT_EQ(Number("n"), 1);
}

TEST_F(TimerScript, ANumberAsOnTickIsReportedAndTheTimerKeepsTicking)
{
    ASSERT_EQ(Run("t = Timer(); t.on_tick = 42; t:start(10, true); advance(10)"), "");
    ASSERT_TRUE(handled.empty());
    TimerPass();
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_NE(handled[0].find("attempt to call a number value"), std::string::npos) << handled[0];
    clock.AdvanceMs(10);
    TimerPass();
    EXPECT_EQ(handled.size(), 2u);
    handled.clear();
    ASSERT_EQ(Run("running = not t.paused; d = t:get_delta()"), "");
    EXPECT_TRUE(Boolean("running"));
    EXPECT_EQ(Number("d"), 1.0);
}

TEST_F(TimerScript, CollectedCallFormTimerStopsAndItsEntryGoesAtTheNextPass)
{
    ASSERT_EQ(Run(R"(
        base = entries(); n = 0
        local t = Timer(); t.on_tick = function() n = n + 1 end; t:start(10, true)
        t = nil; collectgarbage(); collectgarbage()
        dead_kept = entries()
        advance(10)
    )"), "");
    TimerPass();
    EXPECT_EQ(Number("n"), 0);
    EXPECT_EQ(Number("dead_kept"), Number("base") + 1);
    EXPECT_EQ(static_cast<double>(sys::Timers().Size()), Number("base"));
}

TEST_F(TimerScript, NewTimerIsNeverCollectedAndKeepsTicking)
{
    ASSERT_EQ(Run(R"(
        n = 0
        local t = Timer:new(); t.on_tick = function(self) n = n + 1; again = self end; t:start(10, true)
        held = entries()
        t = nil; collectgarbage(); collectgarbage()
        advance(10)
    )"), "");
    TimerPass();
    ASSERT_EQ(Run("again = nil; collectgarbage(); collectgarbage(); advance(10)"), "");
    TimerPass();
    EXPECT_EQ(Number("n"), 2);
    EXPECT_EQ(static_cast<double>(sys::Timers().Size()), Number("held"));
    // Handed over to Lua it is deleted by the collector like a call-form timer.
    ASSERT_EQ(Run("tolua.takeownership(again); again = nil; collectgarbage(); collectgarbage()"), "");
    TimerPass();
    EXPECT_EQ(static_cast<double>(sys::Timers().Size()), Number("held") - 1);
}

TEST_F(TimerScript, TimersMadeOrCollectedInsideOnTickAreHandledInTheSamePass)
{
    ASSERT_EQ(Run(R"(
        order = {}
        a = Timer()
        a.on_tick = function()
            order[#order + 1] = 'a'
            b = Timer(); b.on_tick = function() order[#order + 1] = 'b' end
            b:start(5); advance(5)       -- already due when the pass reaches it
            c = nil; collectgarbage(); collectgarbage()
        end
        c = Timer(); c.on_tick = function() order[#order + 1] = 'c' end
        a:start(10); c:start(10)
        advance(10)
    )"), "");
    TimerPass();
    ASSERT_EQ(Run("result = table.concat(order, ',')"), "");
    lua_getglobal(L, "result");
    EXPECT_STREQ(lua_tostring(L, -1), "a,b");
    lua_pop(L, 1);
}

TEST_F(TimerScript, ATimerCondemnedByTheCollectorNoLongerCallsBack)
{
    // Stop the collection half-way through finalising: some timers are deleted, the others are
    // condemned (their userdata gone) but not yet deleted.
    ASSERT_EQ(Run(R"(
        collectgarbage('stop')
        condemned = {}
        before = alive()
        for i = 1, 200 do
            local t = Timer(); t.on_tick = function(self) condemned[#condemned + 1] = self end; t:start(1, true)
        end
        advance(1)
    )"), "");
    ASSERT_EQ(Run(R"(
        local n = 0
        while alive() == before + 200 and n < 100000 do collectgarbage('step', 0); n = n + 1 end
        partly = alive() - before
    )"), "");
    ASSERT_GT(Number("partly"), 0) << "the collector finalised every timer in one step";
    ASSERT_LT(Number("partly"), 200);
    TimerPass();
    // Finish the collection; a userdata handed out by a condemned timer's callback would now
    // point at a deleted timer.
    ASSERT_EQ(Run("collectgarbage('restart'); collectgarbage(); collectgarbage(); n = #condemned"), "");
    EXPECT_EQ(Number("n"), 0);
    EXPECT_EQ(sys::Timers().AliveCount(), static_cast<std::size_t>(Number("before")));
}

} // namespace
