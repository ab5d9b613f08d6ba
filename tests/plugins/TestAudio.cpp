// TestAudio: an audio plugin for tests. Exports "CreateAudio"; behaves as testplugins.cfg says and
// records every call in testplugins.calls. Plays nothing.
#include "Control.h"
#include "contracts/IAudio.h"

using testplugin::Answer;
using testplugin::Record;
using testplugin::SettingIs;

namespace {

class TestAudio final : public IAudio {
public:
    ~TestAudio() override { Record("audio Destroy"); }
    bool Initialize() override { return Answer(!SettingIs("audio.initialize", "fail"), "audio Initialize"); }
    void Update() override { Record("audio Update"); }
    void Shutdown() override { Record("audio Shutdown"); }
    bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback, void*) override
    {
        return Answer(true, "audio EnumerateDevices %u", subclass);
    }
    bool FindDefaultDevice(uint32_t subclass, DeviceInfo* out) override
    {
        Record("audio FindDefaultDevice %u", subclass);
        return testplugin::DefaultDevice("audio", "Test Audio", DEV_CLASS_SOUND, subclass, 1, out);
    }
    bool OpenDevice(const DeviceInfo* info, DeviceHandle* out) override
    {
        return testplugin::OpenDevice("audio", "audio", info, out);
    }
    void ReleaseDevice(DeviceHandle handle) override { Record("audio ReleaseDevice %u", handle); }

    bool SetMode(WindowHandle window, const AudioMode* mode) override
    {
        Record("audio SetMode %s %d %d %d", window != nullptr ? "window" : "no-window", mode->bps,
            mode->channels, mode->rate);
        if (SettingIs("audio.setmode", "fail"))
            return false;
        mode_ = *mode;
        return true;
    }
    bool GetMode(AudioMode* out) override
    {
        *out = mode_;
        return Answer(true, "audio GetMode");
    }
    void SetVolume(float volume) override
    {
        Record("audio SetVolume %g", static_cast<double>(volume));
        volume_ = volume;
    }
    float GetVolume() override { return volume_; }

private:
    AudioMode mode_ { 16, 2, 44100 };
    float volume_ = 1.0f;
};

} // namespace

extern "C" __attribute__((visibility("default"))) IAudio* CreateAudio()
{
    Record("audio CreateAudio");
    return SettingIs("audio.factory", "null") ? nullptr : new TestAudio;
}
