// SdlAudio: the IAudio of the SDL plugin. Devices are SDL's playback devices (or, when the
// driver lists none but can open its default, that default); one device is open at a time.
// The engine's samples and streams play on the mixer's voices (Mixer, Voices, StreamFeeder).
// Needs SDL's audio subsystem (initialised here, reference-counted by SDL).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "AudioOutput.h"
#include "Mixer.h"
#include "QuietAlsa.h"
#include "StreamFeeder.h"
#include "Voices.h"
#include "contracts/IAudio.h"

namespace sdlaudio {

class SdlAudio final : public IAudio {
public:
    SdlAudio();
    ~SdlAudio() override;

    bool Initialize() override;
    void Update() override;
    void Shutdown() override;
    bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context) override;
    bool FindDefaultDevice(uint32_t subclass, DeviceInfo* out) override;
    bool OpenDevice(const DeviceInfo* info, DeviceHandle* out) override;
    void ReleaseDevice(DeviceHandle handle) override;

    bool SetMode(WindowHandle window, const AudioMode* mode) override;
    bool GetMode(AudioMode* out) override;
    void SetVolume(float volume) override;
    float GetVolume() override;

    SampleHandle CreateSample(const float* pcm, uint32_t frames, uint32_t channels, uint32_t rate) override;
    void ReleaseSample(SampleHandle sample) override;
    VoiceHandle PlaySample(SampleHandle sample, bool loop, float volume, float pan, float pitch) override;
    VoiceHandle PlayStream(IAudioSource* source, float volume, float pan, float pitch) override;
    void PauseVoice(VoiceHandle voice) override;
    void ResumeVoice(VoiceHandle voice) override;
    void StopVoice(VoiceHandle voice) override;
    bool IsVoicePlaying(VoiceHandle voice) override;
    void SetVoiceVolume(VoiceHandle voice, float volume) override;
    void SetVoicePan(VoiceHandle voice, float pan) override;
    void SetVoicePitch(VoiceHandle voice, float pitch) override;

    // What the audio thread measured (for the bench).
    MixerStats Stats() const { return mixer_.Stats(); }

private:
    // Closes the device and ends every voice at once (nothing is left to play them).
    void CloseOutput();
    // Takes back ended voices and frees the released samples nothing reads any more.
    void Collect();

    std::unique_ptr<QuietAlsa> quietAlsa_;
    bool started_ = false;
    bool defaultOnly_ = false; // the driver lists no device but opens its default
    Mixer mixer_;
    StreamFeeder feeder_;
    Voices voices_;
    std::unique_ptr<AudioOutput> output_;
    std::optional<std::string> outputDevice_; // SDL name of the open device; none: default
    std::string outputName_; // the name the device was listed under
    DeviceHandle openHandle_ = 0;
    DeviceHandle nextHandle_ = 1;

    std::unordered_map<SampleHandle, std::unique_ptr<SampleData>> samples_;
    std::vector<std::unique_ptr<SampleData>> released_; // until their last voice has ended
    SampleHandle nextSample_ = 1;
};

} // namespace sdlaudio
