// AudioOutput: opening, starting and closing one SDL playback device.
#include "AudioOutput.h"

#include "AudioFormat.h"

namespace sdlaudio {

bool AudioOutput::Open(const std::optional<std::string>& device, const AudioMode& mode, std::string& error)
{
    Close();
    const SDL_AudioSpec wanted = SpecFor(mode, &AudioOutput::Fill, this);
    SDL_AudioSpec obtained {};
    // No allowed changes: SDL converts to whatever the hardware plays, so the callback writes
    // exactly `mode`, the only formats the mixer writes.
    const SDL_AudioDeviceID id
        = SDL_OpenAudioDevice(device ? device->c_str() : nullptr, 0, &wanted, &obtained, 0);
    if (id == 0) {
        error = SDL_GetError();
        return false;
    }
    device_ = id;
    mode_ = ModeOf(obtained);
    // The device starts paused: the mixer learns the format before its first callback.
    mixer_.SetFormat(mode_);
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void AudioOutput::Close()
{
    if (device_ != 0)
        SDL_CloseAudioDevice(device_); // waits for the callback to finish
    device_ = 0;
}

void SDLCALL AudioOutput::Fill(void* userdata, Uint8* stream, int length)
{
    static_cast<AudioOutput*>(userdata)->mixer_.Render(stream, length);
}

} // namespace sdlaudio
