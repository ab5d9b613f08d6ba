// AudioOutput: one opened SDL playback device in one format, playing what the mixer renders.
// Changing the format means closing it and opening another; the mixer, and so every voice,
// carries on across the change.
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
    // On failure writes SDL's reason to `error` and returns false.
    bool Open(const std::optional<std::string>& device, const AudioMode& mode, std::string& error);
    // Stops the device; when this returns the mixer's callback has finished.
    void Close();

    SDL_AudioDeviceID Id() const { return device_; }
    // The format SDL granted.
    const AudioMode& Mode() const { return mode_; }

private:
    static void SDLCALL Fill(void* userdata, Uint8* stream, int length);

    Mixer& mixer_;
    SDL_AudioDeviceID device_ = 0;
    AudioMode mode_ {};
};

} // namespace sdlaudio
