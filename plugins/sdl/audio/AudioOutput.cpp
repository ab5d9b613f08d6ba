// AudioOutput: opening, starting and closing one SDL playback device.
#include "AudioOutput.h"

#include "AudioFormat.h"
#include "PluginLog.h"

namespace sdlaudio {

bool AudioOutput::Open(const std::optional<std::string>& device, const AudioMode& mode)
{
    Close();
    const SDL_AudioSpec wanted = SpecFor(mode, &AudioOutput::Fill, this);
    SDL_AudioSpec obtained {};
    // No allowed changes: SDL converts to whatever the hardware plays, the callback sees `mode`.
    const SDL_AudioDeviceID id
        = SDL_OpenAudioDevice(device ? device->c_str() : nullptr, 0, &wanted, &obtained, 0);
    if (id == 0) {
        sdlplugin::Log("VornDS8", "cannot open %s at %d Hz, %d channels, %d bits: %s",
            device ? device->c_str() : "the default output", mode.rate, mode.channels, mode.bps,
            SDL_GetError());
        return false;
    }
    device_ = id;
    mode_ = mode;
    silence_ = obtained.silence;
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
    auto* self = static_cast<AudioOutput*>(userdata);
    self->mixer_.Render(stream, length, self->mode_, self->silence_);
}

} // namespace sdlaudio
