// DiskOutput: the SDL audio plugin (Plugins/VornDS8.so) opened on SDL's disk driver, so a test
// plays through the real mixer and reads back exactly what the device was given.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "GameRun.h"
#include "PluginFixtures.h"
#include "SoundCapture.h"
#include "contracts/IAudio.h"

namespace soundtest {

class DiskOutput : public plugintest::PluginFixture<IAudio> {
protected:
    DiskOutput()
        : PluginFixture("VornDS8.so", "CreateAudio")
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", File("out.raw").c_str(), 1);
    }

    void SetUp() override
    {
        PluginFixture::SetUp();
        if (HasFatalFailure())
            return;
        DeviceInfo info {};
        ASSERT_TRUE(plugin_->FindDefaultDevice(DEV_SUBCLASS_PLAY, &info));
        ASSERT_TRUE(plugin_->OpenDevice(&info, &device_));
    }

    SampleHandle Upload(const std::vector<float>& pcm, int channels, int rate)
    {
        return plugin_->CreateSample(pcm.data(), static_cast<uint32_t>(pcm.size() / channels),
            static_cast<uint32_t>(channels), static_cast<uint32_t>(rate));
    }

    // Closes the device and reads what it played, in the format it was left in.
    Capture Finish(int bits = 16, int channels = 2, int rate = 44100)
    {
        plugin_->ReleaseDevice(device_);
        return ReadCapture(File("out.raw"), bits, channels, rate);
    }

    std::string File(const std::string& name) const { return (dir_.Path() / name).string(); }
    static void Wait(int milliseconds)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }

    vorntest::GameFolder dir_;
    DeviceHandle device_ = 0;
};

} // namespace soundtest
