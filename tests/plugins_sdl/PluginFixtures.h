// PluginFixtures: a built plugin module (Plugins/VornDI8.so, VornDS8.so) loaded with dlopen and its
// interface object created and initialised as the runtime does, on SDL's dummy drivers; for input,
// the SDL events the platform layer would queue.
#pragma once

#include <SDL.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "contracts/IAudio.h"
#include "contracts/IInput.h"
#include "contracts/IVideo.h"
#include "contracts/KeyCodes.h"

namespace plugintest {

// Loads Plugins/<file> and creates its object through `factory`, with SDL's video running; the
// object is shut down and deleted (inside the module) when the test ends.
template <class T> class PluginFixture : public ::testing::Test {
protected:
    PluginFixture(const char* file, const char* factory)
        : module_(dlopen((std::string(VORN_TEST_PLUGIN_DIR) + "/" + file).c_str(), RTLD_NOW | RTLD_LOCAL))
        , factory_(factory)
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
    }
    ~PluginFixture() override
    {
        plugin_.reset();
        if (module_ != nullptr)
            dlclose(module_);
    }
    void SetUp() override
    {
        ASSERT_NE(nullptr, module_) << dlerror();
        ASSERT_EQ(0, SDL_InitSubSystem(SDL_INIT_VIDEO)) << SDL_GetError();
        auto create = reinterpret_cast<T* (*)()>(dlsym(module_, factory_));
        plugin_.reset(create != nullptr ? create() : nullptr);
        ASSERT_NE(nullptr, plugin_);
        ASSERT_TRUE(plugin_->Initialize());
    }
    void TearDown() override
    {
        plugin_.reset();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    DeviceHandle OpenDefault(uint32_t subclass)
    {
        DeviceInfo info {};
        DeviceHandle handle = 0;
        EXPECT_TRUE(plugin_->FindDefaultDevice(subclass, &info));
        EXPECT_TRUE(plugin_->OpenDevice(&info, &handle));
        return handle;
    }

    struct ShutdownAndDelete {
        void operator()(T* object) const
        {
            object->Shutdown();
            delete object;
        }
    };
    void* module_;
    const char* factory_;
    std::unique_ptr<T, ShutdownAndDelete> plugin_;
};

class InputFixture : public PluginFixture<IInput> {
protected:
    InputFixture()
        : PluginFixture("VornDI8.so", "CreateInput")
    {
    }
    // The device's events, as "45+ 45-" (code, then + pressed or - released).
    std::string TakeEvents(DeviceHandle device)
    {
        ButtonEventList events;
        EXPECT_TRUE(plugin_->Events(device, &events));
        std::string text;
        for (const ButtonEvent& event : events)
            text += (text.empty() ? "" : " ") + std::to_string(event.code) + (event.down ? "+" : "-");
        return text;
    }
    // The three axes from `first` on, as "x y z" with "-" for an axis that cannot be read.
    std::string Axes(DeviceHandle device, uint32_t first)
    {
        std::string text;
        for (uint32_t axis = first; axis < first + 3; ++axis) {
            int32_t value = 0;
            text += (axis == first ? "" : " ")
                + (plugin_->Axis(device, axis, &value) ? std::to_string(value) : "-");
        }
        return text;
    }
    static SDL_Event Event(Uint32 type)
    {
        SDL_Event event {};
        event.type = type;
        return event;
    }
    static void Push(SDL_Event event) { SDL_PushEvent(&event); }
    static void PushKey(SDL_Scancode scancode, bool down, bool repeat = false)
    {
        SDL_Event event = Event(down ? SDL_KEYDOWN : SDL_KEYUP);
        event.key.repeat = repeat ? 1 : 0;
        event.key.keysym.scancode = scancode;
        Push(event);
    }
};

} // namespace plugintest
