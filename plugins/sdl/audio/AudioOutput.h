// AudioOutput: one opened SDL playback device in one format, playing what the mixer renders.
// Changing the format means opening a second output and dropping the first.
#pragma once

#include <SDL.h>

#include <optional>
#include <string>

#include "Mixer.h"
#include "contracts/AudioMode.h"

namespace sdlaudio {

class AudioOutput {
public:
    explicit AudioOutput(Mixer& mixer)
        : mixer_(mixer)
    {
    }
    ~AudioOutput() { Close(); }
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Opens the named device (none: the system's default output) in `mode` and starts playing.
    bool Open(const std::optional<std::string>& device, const AudioMode& mode);
    void Close();

    SDL_AudioDeviceID Id() const { return device_; }
    const AudioMode& Mode() const { return mode_; }

private:
    static void SDLCALL Fill(void* userdata, Uint8* stream, int length);

    Mixer& mixer_;
    SDL_AudioDeviceID device_ = 0;
    AudioMode mode_ {};
    uint8_t silence_ = 0;
};

} // namespace sdlaudio
