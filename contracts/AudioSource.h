// IAudioSource: decoded sound that an audio plugin pulls block by block (streamed music). The
// engine library implements it over a file; the plugin reads it ahead of playback on a thread of
// its own, so decoding never happens on the audio callback.
#pragma once

#include <cstdint>

class IAudioSource {
public:
    // Called by the plugin (which owns the source once it is handed over) when the voice playing
    // it is done, from within one of its operations on the main thread; never while Read runs.
    virtual ~IAudioSource() = default;
    // Channels per frame: 1 or 2. Constant for the source's life.
    virtual uint32_t Channels() const = 0;
    // Frames per second. Constant for the source's life.
    virtual uint32_t Rate() const = 0;
    // Writes up to `frames` frames of interleaved float samples (-1..1) into `out` (room for
    // frames * Channels() floats) and returns how many it wrote. Fewer than asked means the source
    // has ended (a looping source never ends). Called from one plugin thread at a time, never from
    // the audio callback; it may take as long as decoding takes.
    virtual uint32_t Read(float* out, uint32_t frames) = 0;
};
