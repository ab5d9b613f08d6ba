// Timer as scripts see it, in-process against the test clock: start's overloads, the properties,
// what on_tick receives, ownership by the constructor forms, and timers made or collected while the
// pass runs.
#include <gtest/gtest.h>

#include "FakeClock.h"
#include "ScriptFixture.h"
#include "system/TimerList.h"
#include "system/TimerPass.h"

namespace {

FakeClock* theClock = nullptr;

class TimerScript : public ScriptFixture {
protected:
    // advance(ms) moves the test clock; alive() counts the timers that exist.
    void SetUp() override
    {
        theClock = &clock;
        sys::Timers().RunPass(nullptr); // drop entries left by earlier tests
        ScriptFixture::SetUp();
        lua_register(L, "advance", [](lua_State* S) {
            theClock->AdvanceMs(luaL_checknumber(S, 1));
            return 0;
        });
        lua_register(L, "alive", [](lua_State* S) {
            lua_pushnumber(S, static_cast<lua_Number>(sys::Timers().AliveCount()));
            return 1;
        });
    }
    // The main loop's timer pass.
    static void Pass() { sys::RunTimerPass(); }
    FakeClock clock;
};

TEST_F(TimerScript, StartFormsAndPropertiesSetTheTimerAndOnTickGetsTheTimerItself)
{
    ASSERT_EQ("",
        Run("local t = Timer(); t:start(250.9)\n"
            "assert(t.interval == 250 and not t.recur and not t.paused, 'start(interval)')\n"
            "local u = Timer(); u:start(40, true); assert(u.recur, 'start(interval, recur)')\n"
            "u.interval = '250'; u.recur = nil; assert(u.interval == 250 and u.recur == false, "
            "'properties')\n"
            "n = 0; v = Timer(); v.interval = 100; v.recur = true; v.paused = nil\n"
            "v.on_tick = function() n = n + 1 end\n"
            "w = Timer(); w.mark = 'kept'; w:start(100)\n" // a one-shot is paused before on_tick runs
            "w.on_tick = function(self) ok = rawequal(self, w) and self.mark == 'kept' and self.paused end\n"
            "advance(100)"));
    Pass();
    ASSERT_EQ("",
        Run("assert(ok, 'on_tick gets the timer itself, already paused when one-shot')\n"
            "v.paused = true; advance(1000)"));
    Pass();
    EXPECT_EQ(1, Number("n")) << "paused = nil resumes, paused = true pauses";
    // (interval, recur) is tried first and reports the mismatch of both forms.
    EXPECT_NE(
        std::string::npos, Run("v:start(100, 'x')").find("argument #3 is 'string'; 'boolean' expected"));
}

TEST_F(TimerScript, ACollectedTimerStopsAndANewOneTicksUntilHandedToLua)
{
    const size_t entries = sys::Timers().Size();
    ASSERT_EQ("",
        Run("n, m = 0, 0\n"
            "local t = Timer(); t.on_tick = function() n = n + 1 end; t:start(10, true)\n"
            "local u = Timer:new(); u.on_tick = function(self) m = m + 1; kept = self end; u:start(10, "
            "true)\n"
            "t, u = nil, nil; collectgarbage(); collectgarbage(); advance(10)"));
    Pass();
    EXPECT_EQ("", Run("assert(n == 0 and m == 1, 'only the engine-owned timer ticks')"));
    EXPECT_EQ(entries + 1, sys::Timers().Size()) << "the collected timer's entry goes at the pass";
    ASSERT_EQ(
        "", Run("tolua.takeownership(kept); kept = nil; collectgarbage(); collectgarbage(); advance(10)"));
    Pass();
    EXPECT_EQ(1, Number("m"));
    EXPECT_EQ(entries, sys::Timers().Size());
}

TEST_F(TimerScript, TimersMadeOrCollectedInsideOnTickAreHandledInTheSamePass)
{
    ASSERT_EQ("",
        Run("order = {}\n"
            "a = Timer()\n"
            "a.on_tick = function()\n"
            "  order[#order + 1] = 'a'\n"
            "  b = Timer(); b.on_tick = function() order[#order + 1] = 'b' end\n"
            "  b:start(5); advance(5)\n" // already due when the pass reaches it
            "  c = nil; collectgarbage(); collectgarbage()\n"
            "end\n"
            "c = Timer(); c.on_tick = function() order[#order + 1] = 'c' end\n"
            "a:start(10); c:start(10); advance(10)"));
    Pass();
    EXPECT_EQ("", Run("assert(table.concat(order, ',') == 'a,b', table.concat(order, ','))"));
}

TEST_F(TimerScript, ATimerCondemnedByTheCollectorNoLongerCallsBack)
{
    // Stop the collection half-way through finalising: some timers are deleted, the others are
    // condemned (their userdata gone) but not yet deleted.
    ASSERT_EQ("",
        Run("collectgarbage('stop'); condemned = {}; before = alive()\n"
            "for i = 1, 200 do\n"
            "  local t = Timer(); t.on_tick = function(self) condemned[#condemned + 1] = self end\n"
            "  t:start(1, true)\n"
            "end\n"
            "advance(1)\n"
            "local n = 0\n"
            "while alive() == before + 200 and n < 100000 do collectgarbage('step', 0); n = n + 1 end\n"
            "partly = alive() - before"));
    ASSERT_GT(Number("partly"), 0) << "the collector finalised every timer in one step";
    ASSERT_LT(Number("partly"), 200);
    Pass();
    // A userdata handed out by a condemned timer would now point at a deleted timer.
    ASSERT_EQ("", Run("collectgarbage('restart'); collectgarbage(); collectgarbage(); n = #condemned"));
    EXPECT_EQ(0, Number("n"));
    EXPECT_EQ(Number("before"), static_cast<double>(sys::Timers().AliveCount()));
}

} // namespace
