// The window layer's own calls on real X11 windows: the class registry, the messages of creation
// and destruction, visibility, sizes and positions, title, user data and painting.
#include <gtest/gtest.h>

#include <SDL.h>

#include "Recorder.h"
#include "platform/Window.h"

using namespace platform;

namespace {

const int kFrameW = GetSystemMetrics(SystemMetric::FrameWidth);
const int kFrameH = GetSystemMetrics(SystemMetric::FrameHeight);
const int kCaption = GetSystemMetrics(SystemMetric::CaptionHeight);

class Window : public ::testing::Test {
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
        EXPECT_TRUE(UnregisterWindowClass(kClass));
    }

    // A window whose client area is width x height, outer rectangle at (0, 0).
    Hwnd Make(int width = 640, int height = 480, void* param = nullptr)
    {
        Hwnd window
            = CreateWindow(kClass, "Test", 0, 0, width + 2 * kFrameW, height + 2 * kFrameH + kCaption, param);
        made.push_back(window);
        return window;
    }

    static constexpr const char* kClass = "Vorn Test Window";
    std::vector<Hwnd> made;
};

TEST_F(Window, ClassNamesAreUniqueWithoutRegardToCase)
{
    EXPECT_FALSE(RegisterWindowClass(kClass, Recorder::Procedure));
    EXPECT_EQ(LastError(), kErrorClassAlreadyExists);
    EXPECT_FALSE(RegisterWindowClass("vorn TEST window", Recorder::Procedure));
    EXPECT_EQ(LastError(), 1410u);
    EXPECT_FALSE(UnregisterWindowClass("no such class"));
    EXPECT_EQ(LastError(), kErrorClassDoesNotExist);
    EXPECT_FALSE(RegisterWindowClass("", Recorder::Procedure));
    EXPECT_FALSE(RegisterWindowClass(nullptr, Recorder::Procedure));
    EXPECT_EQ(LastError(), kErrorInvalidParameter);
    EXPECT_EQ(CreateWindow("no such class", "x", 0, 0, 100, 100, nullptr), nullptr);
    EXPECT_EQ(LastError(), kErrorCannotFindWndClass);
    // A class with a window cannot go; once the window is gone it can, and its name is free again.
    Hwnd window = Make();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(UnregisterWindowClass(kClass));
    EXPECT_EQ(LastError(), kErrorClassHasWindows);
    ASSERT_TRUE(DestroyWindow(window));
    ASSERT_TRUE(UnregisterWindowClass(kClass));
    EXPECT_TRUE(RegisterWindowClass(kClass, Recorder::Procedure));
}

TEST_F(Window, CreateAndDestroyDeliverTheirMessagesInsideTheCalls)
{
    int display = 0;
    Hwnd window = Make(640, 480, &display);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Names(Recorder::Of(window)), "NcCreate Create");
    EXPECT_EQ(Recorder::createParam, &display);
    EXPECT_EQ(GetWindowUserData(window), &display);
    EXPECT_NE(GetNativeWindow(window), nullptr);
    Recorder::log.clear();
    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_EQ(Names(Recorder::Of(window)), "Destroy NcDestroy");
    // The handle is dead: every call refuses it.
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(DestroyWindow(window));
    EXPECT_EQ(LastError(), kErrorInvalidWindowHandle);
    Rect rect {};
    EXPECT_FALSE(GetClientRect(window, &rect));
    EXPECT_FALSE(SetWindowPos(window, 0, 0, 10, 10, 0));
    EXPECT_FALSE(UpdateWindow(window));
    EXPECT_EQ(GetNativeWindow(window), nullptr);
    EXPECT_EQ(GetWindowText(window), "");
    EXPECT_FALSE(SetWindowPos(nullptr, 0, 0, 10, 10, 0));
}

TEST_F(Window, AProcedureCanRefuseCreation)
{
    Recorder::refuseNcCreate = true;
    EXPECT_EQ(Make(), nullptr);
    EXPECT_EQ(Names(Recorder::Of(Recorder::log.at(0).window)), "NcCreate NcDestroy");
    Recorder::Reset();
    Recorder::failCreate = true;
    EXPECT_EQ(Make(), nullptr);
    EXPECT_EQ(Names(Recorder::Of(Recorder::log.at(0).window)), "NcCreate Create Destroy NcDestroy");
    Recorder::Reset();
    Recorder::destroyInCreate = true;
    EXPECT_EQ(Make(), nullptr);
    EXPECT_EQ(Names(Recorder::Of(Recorder::log.at(0).window)), "NcCreate Create Destroy NcDestroy");
}

TEST_F(Window, ShowAndHideAnswerWhetherTheWindowWasVisible)
{
    Hwnd window = Make();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(ShowWindow(window, ShowCommand::Show));
    EXPECT_TRUE(ShowWindow(window, ShowCommand::Show));
    EXPECT_TRUE(ShowWindow(window, ShowCommand::Hide));
    EXPECT_FALSE(ShowWindow(window, ShowCommand::Hide));
    EXPECT_FALSE(ShowWindow(nullptr, ShowCommand::Show));
}

TEST_F(Window, UpdatePaintsSynchronously)
{
    Hwnd window = Make();
    ASSERT_NE(window, nullptr);
    Recorder::log.clear();
    EXPECT_TRUE(UpdateWindow(window));
    EXPECT_EQ(Names(Recorder::Of(window)), "Paint");
}

TEST_F(Window, ClientAreaIsTheOuterSizeLessTheNominalFrame)
{
    Hwnd window = Make(640, 480);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, ShowCommand::Show);
    Rect client {};
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client.left, 0);
    EXPECT_EQ(client.top, 0);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 480);
    Rect outer {};
    ASSERT_TRUE(GetWindowRect(window, &outer));
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, 0);
    EXPECT_EQ(outer.right, 640 + 2 * kFrameW);
    EXPECT_EQ(outer.bottom, 480 + 2 * kFrameH + kCaption);
    // The client's top-left corner is the frame's width and the frame and caption's height in.
    Point corner { kFrameW, kFrameH + kCaption };
    ASSERT_TRUE(ScreenToClient(window, &corner));
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 0);

    ASSERT_TRUE(
        SetWindowPos(window, 10, 20, 800 + 2 * kFrameW, 600 + 2 * kFrameH + kCaption, kSwpShowWindow));
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 600);
    ASSERT_TRUE(GetWindowRect(window, &outer));
    EXPECT_EQ(outer.left, 10);
    EXPECT_EQ(outer.top, 20);
    // Sizes below the frame, and absurd ones, are clamped rather than refused.
    EXPECT_TRUE(SetWindowPos(window, 0, 0, -5, 1 << 30, 0));
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_GE(client.right, 1);
    EXPECT_LE(client.bottom, 16384);
}

TEST_F(Window, TitlePlacementAndPainting)
{
    Hwnd window = Make();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetWindowText(window), "Test");
    EXPECT_TRUE(SetWindowText(window, "Renamed"));
    EXPECT_EQ(GetWindowText(window), "Renamed");
    EXPECT_FALSE(SetWindowText(window, nullptr));
    EXPECT_EQ(GetWindowText(window), "Renamed");

    ShowWindow(window, ShowCommand::Show);
    EXPECT_TRUE(SetWindowPlacement(window, ShowCommand::ShowMinimized));
    EXPECT_TRUE(SetWindowPlacement(window, ShowCommand::Restore));
    EXPECT_FALSE(SetWindowPlacement(nullptr, ShowCommand::Restore));

    // Without a renderer nothing is painted, and the window gets no surface of SDL's own (which
    // would keep the video plugin from making its renderer later).
    ASSERT_TRUE(FillClientBlack(window));
    SDL_Window* native = static_cast<SDL_Window*>(GetNativeWindow(window));
    EXPECT_EQ(SDL_GetRenderer(native), nullptr);
    SDL_Renderer* renderer = SDL_CreateRenderer(native, -1, SDL_RENDERER_SOFTWARE);
    EXPECT_NE(renderer, nullptr);
    if (renderer != nullptr)
        SDL_DestroyRenderer(renderer);
    EXPECT_FALSE(FillClientBlack(nullptr));
}

TEST_F(Window, PaintingUsesTheWindowsRendererWhenItHasOne)
{
    Hwnd window = Make(64, 48);
    ASSERT_NE(window, nullptr);
    auto* native = static_cast<SDL_Window*>(GetNativeWindow(window));
    SDL_Renderer* renderer = SDL_CreateRenderer(native, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(renderer, nullptr) << SDL_GetError();
    SDL_SetWindowData(native, kWindowRendererKey, renderer); // as the video plugin leaves it
    SDL_SetRenderDrawColor(renderer, 200, 100, 50, 255);
    EXPECT_TRUE(FillClientBlack(window));
    // The renderer is left as the plugin set it.
    Uint8 r = 0, g = 0, b = 0, a = 0;
    SDL_GetRenderDrawColor(renderer, &r, &g, &b, &a);
    EXPECT_EQ(r, 200);
    EXPECT_EQ(g, 100);
    SDL_DestroyRenderer(renderer);
}

TEST_F(Window, ADestroyedWindowIsFreedAtOnce)
{
    Hwnd window = Make(64, 48);
    ASSERT_NE(window, nullptr);
    auto* native = static_cast<SDL_Window*>(GetNativeWindow(window));
    const Uint32 nativeId = SDL_GetWindowID(native);
    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(SDL_GetWindowFromID(nativeId), nullptr);
}

TEST_F(Window, TheDefaultProcedureLetsTheScreenSaverRunAndARefusalKeepsItOff)
{
    Hwnd window = Make();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
    Recorder::refuseSysCommand = true;
    SendMessage(window, Message::SysCommand, kScScreenSave + 2);
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
    Recorder::refuseSysCommand = false;
    SendMessage(window, Message::SysCommand, kScMonitorPower);
    EXPECT_TRUE(SDL_IsScreenSaverEnabled());
    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_TRUE(SDL_IsScreenSaverEnabled());
}

} // namespace
