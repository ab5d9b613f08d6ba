// InputFixture: a loaded, initialised input plugin (VornDI8.so) with SDL's dummy video driver,
// and helpers that push synthetic SDL input events, as the platform's queue would hold them.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "PluginModule.h"
#include "contracts/IInput.h"
#include "contracts/KeyCodes.h"

namespace plugintest {

class InputFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDummyDrivers();
        ASSERT_TRUE(module_.Loaded()) << module_.Error();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        input_ = Create<IInput>(module_, "CreateInput");
        ASSERT_NE(input_, nullptr);
        ASSERT_TRUE(input_->Initialize());
    }

    void TearDown() override
    {
        input_.reset();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    DeviceHandle OpenDefault(uint32_t subclass)
    {
        DeviceInfo info {};
        DeviceHandle handle = 0;
        EXPECT_TRUE(input_->FindDefaultDevice(subclass, &info));
        EXPECT_TRUE(input_->OpenDevice(&info, &handle));
        return handle;
    }

    std::vector<ButtonEvent> TakeEvents(DeviceHandle device)
    {
        ButtonEventList events;
        EXPECT_TRUE(input_->Events(device, &events));
        return events;
    }

    static void PushKey(SDL_Scancode scancode, bool down, bool repeat = false)
    {
        SDL_Event event {};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.repeat = repeat ? 1 : 0;
        event.key.keysym.scancode = scancode;
        SDL_PushEvent(&event);
    }

    static void PushMouseButton(Uint8 button, bool down)
    {
        SDL_Event event {};
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = button;
        event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        SDL_PushEvent(&event);
    }

    static void PushMotion(int dx, int dy)
    {
        SDL_Event event {};
        event.type = SDL_MOUSEMOTION;
        event.motion.xrel = dx;
        event.motion.yrel = dy;
        SDL_PushEvent(&event);
    }

    static void PushWheel(float notches, bool flipped)
    {
        SDL_Event event {};
        event.type = SDL_MOUSEWHEEL;
        event.wheel.y = static_cast<Sint32>(notches);
        event.wheel.preciseY = notches;
        event.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
        SDL_PushEvent(&event);
    }

    PluginModule module_ { "VornDI8.so" };
    PluginPtr<IInput> input_;
};

} // namespace plugintest

// Comparison and printing for the contract's record, found by argument lookup (global namespace).
inline bool operator==(const ButtonEvent& a, const ButtonEvent& b)
{
    return a.code == b.code && a.down == b.down;
}

inline void PrintTo(const ButtonEvent& event, std::ostream* out)
{
    *out << "{" << event.code << (event.down ? ", down}" : ", up}");
}
