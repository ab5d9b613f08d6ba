// TestAudio: an audio plugin for tests. Exports "CreateAudio"; behaves as testplugins.cfg says and
// records every call in testplugins.calls. Plays nothing: a voice plays until it is stopped.
#include <map>
#include <memory>

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
        return testplugin::OpenDevice("audio", "audio", info, out);
    }
    void ReleaseDevice(DeviceHandle handle) override { Record("audio ReleaseDevice %u", handle); }

    bool SetMode(WindowHandle window, const AudioMode* mode) override
    {
        Record("audio SetMode %s %d %d %d", window != nullptr ? "window" : "no-window", mode->bps,
            mode->channels, mode->rate);
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

    SampleHandle CreateSample(const float* pcm, uint32_t frames, uint32_t channels, uint32_t rate) override
    {
        const SampleHandle handle = pcm != nullptr && frames > 0 ? nextHandle_++ : 0;
        Record("audio CreateSample %u frames %u channels %u Hz -> %u", frames, channels, rate, handle);
        return handle;
    }
    void ReleaseSample(SampleHandle sample) override { Record("audio ReleaseSample %u", sample); }
    VoiceHandle PlaySample(SampleHandle sample, bool loop, float volume, float pan, float pitch) override
    {
        Record("audio PlaySample %u %s %g %g %g", sample, loop ? "loop" : "once", static_cast<double>(volume),
            static_cast<double>(pan), static_cast<double>(pitch));
        return Start(nullptr);
    }
    VoiceHandle PlayStream(IAudioSource* source, float volume, float pan, float pitch) override
    {
        Record("audio PlayStream %u channels %u Hz %g %g %g", source->Channels(), source->Rate(),
            static_cast<double>(volume), static_cast<double>(pan), static_cast<double>(pitch));
        return Start(source);
    }
    void PauseVoice(VoiceHandle voice) override { Steer("PauseVoice", voice, false); }
    void ResumeVoice(VoiceHandle voice) override { Steer("ResumeVoice", voice, true); }
    void StopVoice(VoiceHandle voice) override
    {
        Record("audio StopVoice %u", voice);
        voices_.erase(voice);
    }
    bool IsVoicePlaying(VoiceHandle voice) override
    {
        return voices_.count(voice) != 0 && voices_[voice].playing;
    }
    void SetVoiceVolume(VoiceHandle voice, float volume) override { Set("Volume", voice, volume); }
    void SetVoicePan(VoiceHandle voice, float pan) override { Set("Pan", voice, pan); }
    void SetVoicePitch(VoiceHandle voice, float pitch) override { Set("Pitch", voice, pitch); }

private:
    struct Voice {
        std::unique_ptr<IAudioSource> stream;
        bool playing = true;
    };

    VoiceHandle Start(IAudioSource* stream)
    {
        const VoiceHandle handle = nextHandle_++;
        voices_[handle].stream.reset(stream);
        return handle;
    }
    void Steer(const char* operation, VoiceHandle voice, bool playing)
    {
        Record("audio %s %u", operation, voice);
        if (voices_.count(voice) != 0)
            voices_[voice].playing = playing;
    }
    void Set(const char* what, VoiceHandle voice, float value)
    {
        Record("audio SetVoice%s %u %g", what, voice, static_cast<double>(value));
    }

    AudioMode mode_ { 16, 2, 44100 };
    float volume_ = 1.0f;
    std::map<VoiceHandle, Voice> voices_;
    uint32_t nextHandle_ = 1; // samples and voices alike
};

} // namespace

extern "C" __attribute__((visibility("default"))) IAudio* CreateAudio()
{
    Record("audio CreateAudio");
    return new TestAudio;
}
