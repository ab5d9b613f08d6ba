// SdlAudio: the IAudio of the SDL plugin. Devices are SDL's playback devices (or, when the
// driver lists none but can open its default, that default); one device is open at a time.
// Needs SDL's audio subsystem (initialised here, reference-counted by SDL).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "AudioOutput.h"
#include "Mixer.h"
#include "contracts/IAudio.h"

namespace sdlaudio {

class SdlAudio final : public IAudio {
public:
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

private:
    bool started_ = false;
    bool defaultOnly_ = false; // the driver lists no device but opens its default
    Mixer mixer_;
    std::unique_ptr<AudioOutput> output_;
    std::optional<std::string> outputDevice_; // SDL name of the open device; none: default
    DeviceHandle openHandle_ = 0;
    DeviceHandle nextHandle_ = 1;
};

} // namespace sdlaudio
