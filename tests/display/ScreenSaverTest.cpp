// The screen saver, which no X server shows: it stays off while a window exists, the default window
// procedure lets it run when asked, and the game window refuses to (the low four bits of the
// command are not part of it). In-process on SDL's dummy video.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "NullVideo.h"
#include "display/DisplayWindowProc.h"
#include "display/LuaDisplay.h"
#include "platform/Messages.h"

TEST(ScreenSaver, StaysOffWhileAWindowExistsAndOnlyTheGameWindowRefusesToStartIt)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    vorntest::NullVideo video;
    LuaDisplay display(&video, 0);
    ASSERT_TRUE(platform::RegisterWindowClass("Game", display::DisplayWindowProc));
    ASSERT_TRUE(platform::RegisterWindowClass("Plain", platform::DefWindowProc));
    const platform::Hwnd game = platform::CreateWindow("Game", "Game", 0, 0, 100, 100, &display);
    const platform::Hwnd plain = platform::CreateWindow("Plain", "Plain", 0, 0, 100, 100, nullptr);
    ASSERT_TRUE(game != nullptr && plain != nullptr);
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
    for (platform::WParam command : { platform::kScScreenSave | 0x2, platform::kScMonitorPower })
        EXPECT_EQ(0, platform::SendMessage(game, platform::Message::SysCommand, command));
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
    platform::SendMessage(plain, platform::Message::SysCommand, platform::kScScreenSave);
    EXPECT_TRUE(SDL_IsScreenSaverEnabled());
    ASSERT_TRUE(platform::DestroyWindow(plain));
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
    ASSERT_TRUE(platform::DestroyWindow(game));
    EXPECT_TRUE(SDL_IsScreenSaverEnabled());
}
