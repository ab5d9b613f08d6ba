// The pump on real X11 windows: the close box, user moves and resizes made with xdotool against
// the layer's own moves, interrupt-style SDL_QUIT, the quit message, and input left queued.
#include <gtest/gtest.h>

#include <csignal>

#include <X11/Xlib.h>

#include <SDL.h>

#include "Recorder.h"
#include "XServer.h"
#include "platform/Messages.h"
#include "platform/Window.h"

using namespace platform;

namespace {

class Pump : public ::testing::Test {
protected:
    void SetUp() override
    {
        Recorder::Reset();
        ASSERT_TRUE(RegisterWindowClass(kClass, Recorder::Procedure)) << LastError();
    }
    void TearDown() override
    {
        for (Hwnd window : made)
            if (IsWindow(window))
                DestroyWindow(window);
        PumpQuiet();
        // Drain the quit messages the test's windows did not post through a procedure.
        while (PeekAndDispatch() != PeekResult::Empty) { }
        UnregisterWindowClass(kClass);
    }

    Hwnd MakeShown(int x = 0, int y = 0)
    {
        Hwnd window = CreateWindow(kClass, "Pump", x, y, 328, 267, nullptr);
        made.push_back(window);
        if (window != nullptr)
            ShowWindow(window, ShowCommand::Show);
        PumpQuiet();
        Recorder::log.clear();
        return window;
    }

    // Asks the window to close as a window manager does: WM_DELETE_WINDOW through WM_PROTOCOLS.
    static void RequestClose(Hwnd window)
    {
        Display* display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr);
        XEvent event {};
        event.xclient.type = ClientMessage;
        event.xclient.window = XWindowOf(window);
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, XWindowOf(window), False, NoEventMask, &event);
        XCloseDisplay(display);
    }

    static constexpr const char* kClass = "Vorn Pump Window";
    std::vector<Hwnd> made;
};

TEST_F(Pump, CloseRequestReachesTheProcedureAndTheDefaultDestroys)
{
    Hwnd window = MakeShown();
    ASSERT_NE(window, nullptr);
    RequestClose(window);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
    const std::string names = Names(Recorder::Of(window));
    EXPECT_NE(names.find("Close Destroy NcDestroy"), std::string::npos) << names;
}

TEST_F(Pump, AProcedureThatRefusesCloseKeepsItsWindow)
{
    Recorder::refuseClose = true;
    Hwnd window = MakeShown();
    ASSERT_NE(window, nullptr);
    RequestClose(window);
    ASSERT_TRUE(PumpUntil([&] { return Recorder::Count(window, Message::Close) == 1; }));
    PumpQuiet();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(Recorder::Count(window, Message::Destroy), 0);
}

TEST_F(Pump, UserMovesAndResizesGiveEnterThenExitSizeMove)
{
    Hwnd window = MakeShown();
    ASSERT_NE(window, nullptr);
    const std::string xid = std::to_string(XWindowOf(window));
    ASSERT_TRUE(XServer::XdoTool("windowmove --sync " + xid + " 200 150"));
    ASSERT_TRUE(PumpUntil([&] { return Recorder::Count(window, Message::ExitSizeMove) == 1; }));
    PumpQuiet();
    EXPECT_EQ(Names(Recorder::Of(window)), "EnterSizeMove ExitSizeMove");
    // The move is known: the screen point at the new client corner is the client origin.
    Point corner { 200, 150 };
    ASSERT_TRUE(ScreenToClient(window, &corner));
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 0);

    Recorder::log.clear();
    ASSERT_TRUE(XServer::XdoTool("windowsize --sync " + xid + " 400 300"));
    ASSERT_TRUE(PumpUntil([&] { return Recorder::Count(window, Message::ExitSizeMove) == 1; }));
    PumpQuiet();
    const std::vector<Message> messages = Recorder::Of(window);
    ASSERT_GE(messages.size(), 2u) << Names(messages);
    EXPECT_EQ(Recorder::Count(window, Message::EnterSizeMove), 1) << Names(messages);
    // Enter comes right before Exit (a repaint may follow the resize).
    const std::string names = Names(messages);
    EXPECT_NE(names.find("EnterSizeMove ExitSizeMove"), std::string::npos) << names;
    Rect client {};
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 300);
}

TEST_F(Pump, TheLayersOwnMovesGiveNoSizeMove)
{
    Hwnd window = MakeShown();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(SetWindowPos(window, 50, 60, 500, 400, kSwpShowWindow));
    ASSERT_TRUE(SetWindowPos(window, 70, 80, 600, 450, 0));
    ASSERT_TRUE(SetWindowPos(window, 0, 0, 328, 267, 0));
    ShowWindow(window, ShowCommand::Hide);
    ShowWindow(window, ShowCommand::Show);
    SetWindowPlacement(window, ShowCommand::ShowMinimized);
    SetWindowPlacement(window, ShowCommand::Restore);
    PumpQuiet();
    EXPECT_EQ(Recorder::Count(window, Message::EnterSizeMove), 0) << Names(Recorder::Of(window));
    EXPECT_EQ(Recorder::Count(window, Message::ExitSizeMove), 0);
    // A user move afterwards is still seen.
    ASSERT_TRUE(XServer::XdoTool("windowmove --sync " + std::to_string(XWindowOf(window)) + " 300 300"));
    EXPECT_TRUE(PumpUntil([&] { return Recorder::Count(window, Message::ExitSizeMove) == 1; }));
}

TEST_F(Pump, FullScreenSwitchesByTheVideoPluginGiveNoSizeMove)
{
    Hwnd window = MakeShown();
    ASSERT_NE(window, nullptr);
    auto* native = static_cast<SDL_Window*>(GetNativeWindow(window));
    SDL_DisplayMode mode { SDL_PIXELFORMAT_RGB888, 640, 480, 60, nullptr };
    ASSERT_EQ(SDL_SetWindowDisplayMode(native, &mode), 0) << SDL_GetError();
    ASSERT_EQ(SDL_SetWindowFullscreen(native, SDL_WINDOW_FULLSCREEN), 0) << SDL_GetError();
    PumpQuiet();
    // In full screen there is no frame: the window is exactly the client area.
    Rect outer {};
    Rect client {};
    ASSERT_TRUE(GetWindowRect(window, &outer));
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(outer.right - outer.left, client.right);
    ASSERT_EQ(SDL_SetWindowFullscreen(native, 0), 0) << SDL_GetError();
    PumpQuiet();
    EXPECT_EQ(Recorder::Count(window, Message::EnterSizeMove), 0) << Names(Recorder::Of(window));
    // And user moves are seen again afterwards.
    ASSERT_TRUE(XServer::XdoTool("windowmove --sync " + std::to_string(XWindowOf(window)) + " 250 250"));
    EXPECT_TRUE(PumpUntil([&] { return Recorder::Count(window, Message::ExitSizeMove) == 1; }));
}

TEST_F(Pump, FocusChangesReachBothWindows)
{
    Hwnd first = MakeShown();
    Hwnd second = MakeShown(400, 0);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(XServer::XdoTool("windowfocus --sync " + std::to_string(XWindowOf(first))));
    ASSERT_TRUE(PumpUntil([&] { return Recorder::Count(first, Message::SetFocus) == 1; }));
    ASSERT_TRUE(XServer::XdoTool("windowfocus --sync " + std::to_string(XWindowOf(second))));
    ASSERT_TRUE(PumpUntil([&] { return Recorder::Count(second, Message::SetFocus) == 1; }));
    EXPECT_EQ(Recorder::Count(first, Message::KillFocus), 1);
}

TEST_F(Pump, InterruptQuitAsksEveryWindowToClose)
{
    Recorder::refuseClose = true;
    Hwnd first = MakeShown();
    Hwnd second = MakeShown(400, 0);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    // A real interrupt: SDL's signal handler turns it into SDL_QUIT.
    ASSERT_EQ(raise(SIGINT), 0);
    ASSERT_TRUE(PumpUntil([&] { return Recorder::Count(second, Message::Close) == 1; }));
    EXPECT_EQ(Recorder::Count(first, Message::Close), 1);
    EXPECT_TRUE(IsWindow(first));
}

TEST_F(Pump, QuitIsTakenOnlyWhenNoWindowMessageWaits)
{
    Hwnd window = MakeShown();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(PeekAndDispatch(), PeekResult::Empty);
    PostQuit(0);
    EXPECT_EQ(PeekAndDispatch(), PeekResult::Quit);
    EXPECT_EQ(PeekAndDispatch(), PeekResult::Empty);

    // A close request already queued is dispatched before a quit posted after it.
    RequestClose(window);
    SDL_Event event;
    bool queued = false;
    for (int i = 0; i < 600 && !queued; ++i) {
        SDL_PumpEvents();
        queued = SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT) == 1;
        if (!queued)
            SDL_Delay(5);
    }
    ASSERT_TRUE(queued);
    PostQuit(0);
    EXPECT_EQ(PeekAndDispatch(), PeekResult::Dispatched);
    EXPECT_EQ(Recorder::Count(window, Message::Close), 1);
    PeekResult result = PeekResult::Dispatched;
    while (result == PeekResult::Dispatched)
        result = PeekAndDispatch();
    EXPECT_EQ(result, PeekResult::Quit);
}

TEST_F(Pump, InputEventsStayQueuedForTheInputPlugin)
{
    Hwnd window = MakeShown(100, 100);
    ASSERT_NE(window, nullptr);
    SDL_FlushEvents(SDL_KEYDOWN, SDL_CONTROLLERSENSORUPDATE);
    ASSERT_TRUE(XServer::XdoTool("mousemove --sync 200 200"));
    ASSERT_TRUE(XServer::XdoTool("mousemove --sync 210 215"));
    PumpQuiet();
    SDL_Event event;
    EXPECT_GE(SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_MOUSEMOTION, SDL_MOUSEMOTION), 1);
    SDL_FlushEvents(SDL_KEYDOWN, SDL_CONTROLLERSENSORUPDATE);
}

TEST_F(Pump, ScreenSaverIsRefusedWhileAWindowExists)
{
    Hwnd window = MakeShown();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_TRUE(SDL_IsScreenSaverEnabled());
}

} // namespace
