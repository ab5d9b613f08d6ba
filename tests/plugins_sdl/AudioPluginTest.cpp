// Audio plugin on SDL's dummy audio driver: playback devices, opening and releasing, setting and
// refusing formats, and the master gain.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "PluginModule.h"
#include "contracts/IAudio.h"

namespace plugintest {
namespace {

AudioMode MakeAudioMode(int32_t bps, int32_t channels, int32_t rate)
{
    AudioMode mode;
    mode.bps = bps;
    mode.channels = channels;
    mode.rate = rate;
    return mode;
}

void CollectDevice(const DeviceInfo* info, void* context)
{
    static_cast<std::vector<DeviceInfo>*>(context)->push_back(*info);
}

class AudioPluginTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDummyDrivers();
        ASSERT_TRUE(module_.Loaded()) << module_.Error();
        audio_ = Create<IAudio>(module_, "CreateAudio");
        ASSERT_NE(audio_, nullptr);
        ASSERT_TRUE(audio_->Initialize());
    }

    DeviceHandle OpenDefault()
    {
        DeviceInfo info {};
        DeviceHandle handle = 0;
        EXPECT_TRUE(audio_->FindDefaultDevice(DEV_SUBCLASS_PLAY, &info));
        EXPECT_TRUE(audio_->OpenDevice(&info, &handle));
        return handle;
    }

    PluginModule module_ { "VornDS8.so" };
    PluginPtr<IAudio> audio_;
};

TEST_F(AudioPluginTest, ListsPlaybackDevicesAndADefault)
{
    std::vector<DeviceInfo> devices;
    ASSERT_TRUE(audio_->EnumerateDevices(DEV_SUBCLASS_PLAY, CollectDevice, &devices));
    ASSERT_FALSE(devices.empty());
    for (const DeviceInfo& info : devices) {
        EXPECT_EQ(info.devclass, DEV_CLASS_SOUND);
        EXPECT_EQ(info.subclass, DEV_SUBCLASS_PLAY);
        EXPECT_GT(std::strlen(info.name), 0u);
    }
    std::vector<DeviceInfo> captures;
    ASSERT_TRUE(audio_->EnumerateDevices(DEV_SUBCLASS_CAPTURE, CollectDevice, &captures));
    EXPECT_TRUE(captures.empty());

    DeviceInfo info {};
    EXPECT_TRUE(audio_->FindDefaultDevice(DEV_SUBCLASS_PLAY, &info));
    EXPECT_GT(std::strlen(info.name), 0u);
    EXPECT_FALSE(audio_->FindDefaultDevice(DEV_SUBCLASS_KEYBOARD, &info));
}

TEST_F(AudioPluginTest, OpensWithTheDefaultFormatAndPlaysUntilReleased)
{
    AudioMode mode {};
    EXPECT_FALSE(audio_->GetMode(&mode)) << "no device is open";
    const DeviceHandle handle = OpenDefault();
    ASSERT_TRUE(audio_->GetMode(&mode));
    EXPECT_EQ(mode.bps, 16);
    EXPECT_EQ(mode.channels, 2);
    EXPECT_EQ(mode.rate, 44100);

    DeviceInfo info {};
    ASSERT_TRUE(audio_->FindDefaultDevice(DEV_SUBCLASS_PLAY, &info));
    DeviceHandle second = 0;
    EXPECT_FALSE(audio_->OpenDevice(&info, &second)) << "one device at a time";

    audio_->ReleaseDevice(handle);
    EXPECT_FALSE(audio_->GetMode(&mode));
    EXPECT_NE(OpenDefault(), 0u);
    EXPECT_TRUE(audio_->GetMode(&mode));
}

TEST_F(AudioPluginTest, SetModeReopensInTheNewFormatAndRefusesOthers)
{
    const AudioMode mono = MakeAudioMode(8, 1, 22050);
    EXPECT_FALSE(audio_->SetMode(nullptr, &mono)) << "no device is open";
    OpenDefault();

    ASSERT_TRUE(audio_->SetMode(nullptr, &mono));
    AudioMode mode {};
    ASSERT_TRUE(audio_->GetMode(&mode));
    EXPECT_EQ(std::memcmp(&mode, &mono, sizeof mode), 0);

    for (const AudioMode& refused :
        { MakeAudioMode(24, 2, 44100), MakeAudioMode(16, 3, 44100), MakeAudioMode(16, 0, 44100),
            MakeAudioMode(16, 2, 0), MakeAudioMode(16, 2, 1000000), MakeAudioMode(-16, 2, 44100) }) {
        EXPECT_FALSE(audio_->SetMode(nullptr, &refused))
            << refused.bps << "/" << refused.channels << "/" << refused.rate;
        ASSERT_TRUE(audio_->GetMode(&mode));
        EXPECT_EQ(std::memcmp(&mode, &mono, sizeof mode), 0) << "a refusal changes nothing";
    }
    EXPECT_FALSE(audio_->SetMode(nullptr, nullptr));

    const AudioMode wide = MakeAudioMode(32, 2, 48000);
    EXPECT_TRUE(audio_->SetMode(nullptr, &wide));
    ASSERT_TRUE(audio_->GetMode(&mode));
    EXPECT_EQ(mode.rate, 48000);
    EXPECT_EQ(mode.bps, 32);
}

TEST_F(AudioPluginTest, MasterVolumeIsAGainClampedToZeroToOne)
{
    EXPECT_FLOAT_EQ(audio_->GetVolume(), 1.0f);
    audio_->SetVolume(0.25f);
    EXPECT_FLOAT_EQ(audio_->GetVolume(), 0.25f);
    audio_->SetVolume(3.0f);
    EXPECT_FLOAT_EQ(audio_->GetVolume(), 1.0f);
    audio_->SetVolume(-0.5f);
    EXPECT_FLOAT_EQ(audio_->GetVolume(), 0.0f);
    audio_->SetVolume(std::nanf(""));
    EXPECT_FLOAT_EQ(audio_->GetVolume(), 0.0f) << "not a number leaves the gain alone";
}

} // namespace
} // namespace plugintest
