// The game window's procedure in-process, on SDL's dummy video with a recording video device:
// power-saving refusal, painting, on_close's failures, a window replaced by a second create, a
// display deleted while its window lives on, and create from inside a coroutine.
#include <SDL.h>
#include <tolua++.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "NullVideo.h"
#include "ScriptFixture.h"
#include "display/LuaDisplay.h"
#include "platform/Messages.h"

namespace {

using platform::Message;

// A video device that records the calls a frame makes and answers as told.
class RecordingVideo final : public vorntest::NullVideo {
public:
    std::vector<std::string> calls;
    bool ready = true;

    bool Ready() override { return Note("Ready", ready); }
    bool SetMode(WindowHandle, const DisplayMode* mode) override
    {
        mode_ = *mode;
        return Note("SetMode", true);
    }
    bool GetMode(DisplayMode* out) override
    {
        *out = mode_;
        return Note("GetMode", true);
    }
    bool BeginFrame() override { return Note("BeginFrame", true); }
    bool EndFrame() override { return Note("EndFrame", true); }
    bool Clear(const Color* c) override
    {
        return Note("Clear " + std::to_string(c->r) + std::to_string(c->g) + std::to_string(c->b), true);
    }

private:
    bool Note(const std::string& call, bool answer)
    {
        calls.push_back(call);
        return answer;
    }
    DisplayMode mode_ {};
};

class DisplayProc : public ScriptFixture {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ScriptFixture::SetUp();
        display = std::make_unique<LuaDisplay>(&video, 101);
        tolua_pushusertype(L, display.get(), "LuaDisplay");
        lua_setglobal(L, "display");
    }
    void TearDown() override
    {
        display.reset();
        ScriptFixture::TearDown();
    }

    RecordingVideo video;
    std::unique_ptr<LuaDisplay> display;
};

TEST_F(DisplayProc, TheScreenSaverAndMonitorPowerDownAreRefused)
{
    ASSERT_EQ("", Run("assert(display:create('Saver', 320, 240, 32, true))"));
    const platform::Hwnd window = display->window();
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
    // The low four bits are not part of the command.
    EXPECT_EQ(0, platform::SendMessage(window, Message::SysCommand, platform::kScScreenSave | 0x2));
    EXPECT_EQ(0, platform::SendMessage(window, Message::SysCommand, platform::kScMonitorPower));
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
}

// Messages SDL never produces (the menu loop) or a test cannot steer (focus loss) reach the
// callbacks as the table says; an error in on_unsuspend does not keep on_resize from running.
TEST_F(DisplayProc, MenuSizeMoveAndFocusMessagesCallTheirCallbacks)
{
    ASSERT_EQ("",
        Run("calls = ''\n"
            "for _, name in ipairs({'on_gainfocus', 'on_losefocus', 'on_suspend', 'on_resize'}) do\n"
            "  display[name] = function(d) calls = calls .. name .. ' ' end\n"
            "end\n"
            "display.on_unsuspend = function() calls = calls .. 'on_unsuspend ' error('unsuspend') end\n"
            "assert(display:create('Messages', 320, 240, 32, true))"));
    const platform::Hwnd window = display->window();
    for (Message message : { Message::SetFocus, Message::KillFocus, Message::EnterMenuLoop,
             Message::ExitMenuLoop, Message::EnterSizeMove, Message::ExitSizeMove })
        platform::SendMessage(window, message);
    lua_getglobal(L, "calls");
    EXPECT_STREQ("on_gainfocus on_losefocus on_suspend on_unsuspend on_suspend on_unsuspend on_resize ",
        lua_tostring(L, -1));
    lua_pop(L, 1);
    EXPECT_EQ(2u, handled.size());
}

TEST_F(DisplayProc, PaintRendersAFrameOrNothingWhenTheDeviceIsNotReady)
{
    ASSERT_EQ("", Run("assert(display:create('Paint', 320, 240, 32, true))"));
    video.calls.clear();
    platform::SendMessage(display->window(), Message::Paint);
    EXPECT_EQ((std::vector<std::string> {"Ready", "GetMode", "BeginFrame", "Clear 000", "EndFrame"}), video.calls);
    video.calls.clear();
    video.ready = false;
    platform::SendMessage(display->window(), Message::Paint);
    EXPECT_EQ((std::vector<std::string> {"Ready"}), video.calls);
}

TEST_F(DisplayProc, AFailingOnCloseClosesAndNilRestoresTheDefault)
{
    ASSERT_EQ("", Run("display.on_close = function() error('no close') end\n"
                      "assert(display:create('Close', 320, 240, 32, true))"));
    platform::SendMessage(display->window(), Message::Close);
    EXPECT_FALSE(display->has_window());
    ASSERT_EQ(1u, handled.size());
    EXPECT_NE(std::string::npos, handled[0].find("no close"));

    ASSERT_EQ("", Run("display.on_close = function() return false end\n"
                      "assert(display:create('Close 2', 320, 240, 32, true))"));
    platform::SendMessage(display->window(), Message::Close);
    EXPECT_TRUE(display->has_window());
    ASSERT_EQ("", Run("display.on_close = nil"));
    platform::SendMessage(display->window(), Message::Close);
    EXPECT_FALSE(display->has_window());
}

TEST_F(DisplayProc, AWindowReplacedByASecondCreateDiesWithoutEndingTheGame)
{
    ASSERT_EQ("", Run("destroyed = 0\n"
                      "display.on_destroy = function() destroyed = destroyed + 1 end\n"
                      "assert(display:create('First', 320, 240, 32, true))\n"
                      "first = display:get_title()\n"
                      "assert(display:create('Second', 320, 240, 32, true))"));
    const platform::Hwnd second = display->window();
    // The first window is the one that is not the display's; closing it leaves the game window.
    platform::Hwnd first = nullptr;
    for (uintptr_t id = 1; id < 64 && first == nullptr; ++id) {
        const auto candidate = reinterpret_cast<platform::Hwnd>(id);
        if (platform::IsWindow(candidate) && candidate != second && platform::GetWindowText(candidate) == "First")
            first = candidate;
    }
    ASSERT_NE(nullptr, first);
    // Whatever earlier tests of this process left in the queue goes first.
    while (platform::PeekAndDispatch() != platform::PeekResult::Empty) {
    }
    platform::SendMessage(first, Message::Close);
    EXPECT_FALSE(platform::IsWindow(first));
    EXPECT_EQ(second, display->window());
    EXPECT_EQ(1, Number("destroyed"));
    EXPECT_EQ(platform::PeekResult::Empty, platform::PeekAndDispatch());
    // The game window's own end posts the quit message.
    ASSERT_EQ("", Run("assert(display:destroy())"));
    EXPECT_EQ(platform::PeekResult::Quit, platform::PeekAndDispatch());
}

TEST_F(DisplayProc, AWindowOutlivingItsDisplayGetsOnlyTheDefaultProcedure)
{
    ASSERT_EQ("", Run("display.on_destroy = function() error('never') end\n"
                      "assert(display:create('Orphan', 320, 240, 32, true))"));
    const platform::Hwnd window = display->window();
    display.reset();
    platform::SendMessage(window, Message::Paint);
    platform::SendMessage(window, Message::Close); // the default procedure destroys it
    EXPECT_FALSE(platform::IsWindow(window));
    EXPECT_TRUE(handled.empty());
}

TEST_F(DisplayProc, CallbacksOfACreateInsideACoroutineRunOnItsThread)
{
    ASSERT_EQ("", Run("display.on_create = function(d) inside = coroutine.running() end\n"
                      "local co = coroutine.create(function()\n"
                      "  local ok = display:create('Coroutine', 320, 240, 32, true)\n"
                      "  coroutine.yield(ok)\n"
                      "end)\n"
                      "thread = co\n"
                      "local _, ok = coroutine.resume(co)\n"
                      "created = ok\n"
                      "same = inside == co"));
    EXPECT_TRUE(Boolean("created"));
    EXPECT_TRUE(Boolean("same"));
    EXPECT_EQ("", Run("assert(display:destroy())"));
}

} // namespace
