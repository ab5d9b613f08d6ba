// TestAudio: an audio plugin for tests. Exports "CreateAudio"; behaves as testplugins.cfg says and
// records every call in testplugins.calls. Plays nothing: a voice plays until it is stopped, and
// a stream is pulled once per Update.
#include <map>
#include <memory>
#include <vector>

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
    void Update() override
    {
        Record("audio Update");
        // Pull one block from every playing stream, as a real plugin reads ahead of playback.
        std::vector<float> block;
        for (auto& [handle, voice] : voices_) {
            if (voice.stream == nullptr || !voice.playing)
                continue;
            block.resize(static_cast<size_t>(1024) * voice.stream->Channels());
            const uint32_t got = voice.stream->Read(block.data(), 1024);
            Record("audio Stream %u read %u", handle, got);
            if (got < 1024)
                voice.playing = false;
        }
    }
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

    SampleHandle CreateSample(const float* pcm, uint32_t frames, uint32_t channels, uint32_t rate) override
    {
        const SampleHandle handle = pcm != nullptr && frames > 0 ? nextSample_++ : 0;
        Record("audio CreateSample %u frames %u channels %u Hz -> %u", frames, channels, rate, handle);
        if (handle != 0)
            samples_[handle] = frames;
        return handle;
    }
    void ReleaseSample(SampleHandle sample) override
    {
        Record("audio ReleaseSample %u", sample);
        samples_.erase(sample);
        for (auto& [handle, voice] : voices_)
            if (voice.sample == sample)
                voice.playing = false;
    }
    VoiceHandle PlaySample(SampleHandle sample, bool loop, float volume, float pan, float pitch) override
    {
        const VoiceHandle handle = samples_.count(sample) != 0 && !SettingIs("audio.play", "fail") ? nextVoice_++ : 0;
        Record("audio PlaySample %u %s %g %g %g -> %u", sample, loop ? "loop" : "once", static_cast<double>(volume),
            static_cast<double>(pan), static_cast<double>(pitch), handle);
        if (handle != 0)
            voices_[handle] = Voice{sample, nullptr, true};
        return handle;
    }
    VoiceHandle PlayStream(IAudioSource* source, float volume, float pan, float pitch) override
    {
        std::unique_ptr<IAudioSource> owned(source);
        const VoiceHandle handle = owned != nullptr && !SettingIs("audio.play", "fail") ? nextVoice_++ : 0;
        Record("audio PlayStream %u channels %u Hz %g %g %g -> %u", owned ? owned->Channels() : 0,
            owned ? owned->Rate() : 0, static_cast<double>(volume), static_cast<double>(pan),
            static_cast<double>(pitch), handle);
        if (handle != 0)
            voices_[handle] = Voice{0, std::move(owned), true};
        return handle;
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
        const auto found = voices_.find(voice);
        return found != voices_.end() && found->second.playing;
    }
    void SetVoiceVolume(VoiceHandle voice, float volume) override { Set("Volume", voice, volume); }
    void SetVoicePan(VoiceHandle voice, float pan) override { Set("Pan", voice, pan); }
    void SetVoicePitch(VoiceHandle voice, float pitch) override { Set("Pitch", voice, pitch); }

private:
    struct Voice {
        SampleHandle sample = 0;
        std::unique_ptr<IAudioSource> stream;
        bool playing = false;
    };

    void Steer(const char* operation, VoiceHandle voice, bool playing)
    {
        Record("audio %s %u", operation, voice);
        const auto found = voices_.find(voice);
        if (found != voices_.end())
            found->second.playing = playing;
    }
    void Set(const char* what, VoiceHandle voice, float value)
    {
        Record("audio SetVoice%s %u %g", what, voice, static_cast<double>(value));
    }

    AudioMode mode_{16, 2, 44100};
    float volume_ = 1.0f;
    std::map<SampleHandle, uint32_t> samples_;  // frames of each sample
    std::map<VoiceHandle, Voice> voices_;
    SampleHandle nextSample_ = 1;
    VoiceHandle nextVoice_ = 1;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) IAudio* CreateAudio()
{
    Record("audio CreateAudio");
    if (SettingIs("audio.factory", "null"))
        return nullptr;
    return new TestAudio;
}
