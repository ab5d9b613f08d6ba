// TestAudio: an audio plugin for tests. Exports "CreateAudio"; behaves as testplugins.cfg says and
// records every call in testplugins.calls. Plays nothing.
#include "Control.h"
#include "contracts/IAudio.h"

using testplugin::Record;
using testplugin::SettingIs;

namespace {

constexpr uint32_t kHandleBase = 100;  // an opened device's handle is 100 + its subclass

class TestAudio final : public IAudio {
public:
    ~TestAudio() override { Record("audio Destroy"); }
    bool Initialize() override
    {
        Record("audio Initialize");
        return !SettingIs("audio.initialize", "fail");
    }
    void Update() override { Record("audio Update"); }
    void Shutdown() override { Record("audio Shutdown"); }
    bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context) override
    {
        Record("audio EnumerateDevices %u", subclass);
        uint32_t id = 0;
        for (const auto& name : testplugin::SettingList("audio.devices")) {
            const DeviceInfo info = testplugin::MakeDevice(DEV_CLASS_SOUND, subclass, name, ++id);
            callback(&info, context);
        }
        return true;
    }
    bool FindDefaultDevice(uint32_t subclass, DeviceInfo* out) override
    {
        Record("audio FindDefaultDevice %u", subclass);
        return testplugin::DefaultDevice("audio", "Test Audio", DEV_CLASS_SOUND, subclass, 1, out);
    }
    bool OpenDevice(const DeviceInfo* info, DeviceHandle* out) override
    {
        if (SettingIs("audio.open", "fail")) {
            Record("audio OpenDevice '%s' failed", info->name);
            return false;
        }
        *out = kHandleBase + info->subclass;
        Record("audio OpenDevice '%s' -> %u", info->name, *out);
        return true;
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
        Record("audio GetMode");
        *out = mode_;
        return true;
    }
    void SetVolume(float volume) override
    {
        Record("audio SetVolume %g", static_cast<double>(volume));
        volume_ = volume;
    }
    float GetVolume() override { return volume_; }

private:
    AudioMode mode_{16, 2, 44100};
    float volume_ = 1.0f;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) IAudio* CreateAudio()
{
    Record("audio CreateAudio");
    if (SettingIs("audio.factory", "null"))
        return nullptr;
    return new TestAudio;
}
