// Stream: a streamed voice's supply of frames. A ring of decoded frames a few hundred
// milliseconds long, filled from the engine's IAudioSource by the feeder thread (StreamFeeder)
// and emptied by the audio thread; one writer, one reader, no lock. The audio thread also keeps
// a small window of frames here, so the resampler sees its neighbours across ring refills.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "contracts/AudioSource.h"

namespace sdlaudio {

class Stream {
public:
    // Takes the source; the ring holds `aheadSeconds` of it. `windowFrames` is the most the audio
    // thread needs at once (one block at the highest step, plus the interpolation neighbours).
    Stream(std::unique_ptr<IAudioSource> source, double aheadSeconds, uint32_t windowFrames);
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    uint32_t Channels() const { return channels_; }
    uint32_t Rate() const { return rate_; }

    // Writer side (the feeder thread, or the main thread before the stream is shared): reads
    // from the source until the ring is full or the source ends. Reads nothing while less than
    // `minimum` frames are free.
    void Refill(uint32_t minimum);
    // True once the source has produced its last frame.
    bool SourceEnded() const { return ended_.load(std::memory_order_acquire); }

    // Reader side (the audio thread).
    uint32_t Available() const;
    // Copies up to `frames` frames out of the ring into `out`; returns how many.
    uint32_t Take(float* out, uint32_t frames);

    // The audio thread's window: frames [windowStart, windowStart + windowFrames) of the
    // stream, interleaved in `window`.
    std::vector<float> window;
    int64_t windowStart = 0;
    uint32_t windowFrames = 0;
    uint32_t windowCapacity = 0;

private:
    std::unique_ptr<IAudioSource> source_;
    uint32_t channels_;
    uint32_t rate_;
    uint32_t capacity_; // frames
    std::vector<float> ring_;
    std::atomic<uint64_t> written_ { 0 }; // frames ever written
    std::atomic<uint64_t> read_ { 0 }; // frames ever taken
    std::atomic<bool> ended_ { false };
};

} // namespace sdlaudio
