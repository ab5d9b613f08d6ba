// Audio plugin on SDL's dummy audio driver: opening and releasing the default output, setting and
// refusing formats, and the master gain.
#include <cmath>
#include <cstring>

#include "PluginFixtures.h"

namespace plugintest {
namespace {

class AudioPluginTest : public PluginFixture<IAudio> {
protected:
    AudioPluginTest()
        : PluginFixture("VornDS8.so", "CreateAudio")
    {
    }
};

TEST_F(AudioPluginTest, OneDeviceOpensAtATimeInTheDefaultFormatUntilReleased)
{
    DeviceInfo info {};
    EXPECT_FALSE(plugin_->FindDefaultDevice(DEV_SUBCLASS_KEYBOARD, &info));
    AudioMode mode {};
    EXPECT_FALSE(plugin_->GetMode(&mode)) << "no device is open";
    const DeviceHandle handle = OpenDefault(DEV_SUBCLASS_PLAY);
    ASSERT_TRUE(plugin_->GetMode(&mode));
    EXPECT_EQ("16 2 44100",
        std::to_string(mode.bps) + " " + std::to_string(mode.channels) + " " + std::to_string(mode.rate));
    ASSERT_TRUE(plugin_->FindDefaultDevice(DEV_SUBCLASS_PLAY, &info));
    DeviceHandle second = 0;
    EXPECT_FALSE(plugin_->OpenDevice(&info, &second));
    plugin_->ReleaseDevice(handle);
    EXPECT_FALSE(plugin_->GetMode(&mode));
    EXPECT_NE(0u, OpenDefault(DEV_SUBCLASS_PLAY));
}

TEST_F(AudioPluginTest, SetModeReopensInTheNewFormatAndARefusalChangesNothing)
{
    const AudioMode mono = AudioMode { 8, 1, 22050 };
    EXPECT_FALSE(plugin_->SetMode(nullptr, &mono)) << "no device is open";
    OpenDefault(DEV_SUBCLASS_PLAY);
    ASSERT_TRUE(plugin_->SetMode(nullptr, &mono));
    AudioMode mode {};
    for (const AudioMode& refused : { AudioMode { 24, 2, 44100 }, AudioMode { 16, 3, 44100 },
             AudioMode { 16, 2, 7999 }, AudioMode { 16, 2, 192001 }, AudioMode { -16, 2, 44100 } }) {
        EXPECT_FALSE(plugin_->SetMode(nullptr, &refused))
            << refused.bps << "/" << refused.channels << "/" << refused.rate;
        ASSERT_TRUE(plugin_->GetMode(&mode));
        EXPECT_EQ(0, std::memcmp(&mode, &mono, sizeof mode));
    }
    const AudioMode wide = AudioMode { 32, 2, 48000 };
    EXPECT_TRUE(plugin_->SetMode(nullptr, &wide));
    ASSERT_TRUE(plugin_->GetMode(&mode));
    EXPECT_EQ(0, std::memcmp(&mode, &wide, sizeof mode));
}

TEST_F(AudioPluginTest, TheMasterVolumeIsAGainFromZeroToOne)
{
    EXPECT_FLOAT_EQ(1.0f, plugin_->GetVolume());
    // Each value, then the gain it leaves: not a number leaves the gain alone.
    for (const auto& [set, gain] :
        { std::pair { 0.25f, 0.25f }, { 3.0f, 1.0f }, { -0.5f, 0.0f }, { std::nanf(""), 0.0f } }) {
        plugin_->SetVolume(set);
        EXPECT_FLOAT_EQ(gain, plugin_->GetVolume()) << set;
    }
}

} // namespace
} // namespace plugintest
