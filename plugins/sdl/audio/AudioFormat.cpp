// AudioFormat: the accepted formats and the SDL requests for them.
#include "AudioFormat.h"

namespace sdlaudio {

AudioMode DefaultMode()
{
    AudioMode mode;
    mode.bps = 16;
    mode.channels = 2;
    mode.rate = 44100;
    return mode;
}

bool IsSupported(const AudioMode& mode)
{
    const bool bits = mode.bps == 8 || mode.bps == 16 || mode.bps == 32;
    const bool channels = mode.channels == 1 || mode.channels == 2;
    const bool rate = mode.rate >= 8000 && mode.rate <= 192000;
    return bits && channels && rate;
}

SDL_AudioSpec SpecFor(const AudioMode& mode, SDL_AudioCallback callback, void* userdata)
{
    SDL_AudioSpec request {};
    request.freq = mode.rate;
    request.format = mode.bps == 8 ? AUDIO_U8 : (mode.bps == 16 ? AUDIO_S16SYS : AUDIO_F32SYS);
    request.channels = static_cast<Uint8>(mode.channels);
    // About 23 ms at any rate (1024 frames at 44.1 kHz): short enough for game sounds, long
    // enough not to starve. SDL wants a power of two.
    Uint16 frames = 128;
    while (frames < 4096 && frames * 43 < mode.rate)
        frames = static_cast<Uint16>(frames * 2);
    request.samples = frames;
    request.callback = callback;
    request.userdata = userdata;
    return request;
}

AudioMode ModeOf(const SDL_AudioSpec& spec)
{
    AudioMode mode;
    mode.bps = SDL_AUDIO_BITSIZE(spec.format);
    mode.channels = spec.channels;
    mode.rate = spec.freq;
    return mode;
}

} // namespace sdlaudio
