// VideoFixture: a loaded, initialised video plugin (VornDX8.so) on SDL's dummy video driver, and
// the game window the tests create themselves, as the platform layer would.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>

#include "PluginModule.h"
#include "contracts/IVideo.h"

namespace plugintest {

inline DisplayMode MakeMode(uint32_t width, uint32_t height, bool windowed, uint32_t refresh = 60)
{
    DisplayMode mode;
    std::memset(&mode, 0, sizeof mode);
    mode.width = width;
    mode.height = height;
    mode.depth = 32;
    mode.windowed = windowed;
    mode.refresh = refresh;
    return mode;
}

class VideoFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDummyDrivers();
        ASSERT_TRUE(module_.Loaded()) << module_.Error();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        video_ = Create<IVideo>(module_, "CreateVideo");
        ASSERT_NE(video_, nullptr);
        ASSERT_TRUE(video_->Initialize());
    }

    void TearDown() override
    {
        DestroyWindow();
        video_.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    SDL_Window* MakeWindow(int width = 320, int height = 240)
    {
        window_ = SDL_CreateWindow("plugin test", 0, 0, width, height, 0);
        return window_;
    }

    // As the display and the platform layer do: the plugin lets go of the window, which is then
    // freed at once.
    void DestroyWindow()
    {
        if (window_ == nullptr)
            return;
        video_->ForgetWindow(window_);
        SDL_DestroyWindow(window_);
        window_ = nullptr;
    }

    PluginModule module_ { "VornDX8.so" };
    PluginPtr<IVideo> video_;
    SDL_Window* window_ = nullptr;
};

} // namespace plugintest
