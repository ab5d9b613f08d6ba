// VideoFixture: a loaded, initialised video plugin (VornDX8.so) on SDL's dummy video driver, and
// the game window the tests create themselves, as the platform layer would.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>

#include "PluginFixtures.h"
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

class VideoFixture : public PluginFixture<IVideo> {
protected:
    VideoFixture()
        : PluginFixture("VornDX8.so", "CreateVideo")
    {
    }

    void TearDown() override
    {
        DestroyWindow();
        PluginFixture::TearDown();
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
        plugin_->ForgetWindow(window_);
        SDL_DestroyWindow(window_);
        window_ = nullptr;
    }

    SDL_Window* window_ = nullptr;
};

} // namespace plugintest
