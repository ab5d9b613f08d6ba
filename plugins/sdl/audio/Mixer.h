// Mixer: the sound of the open device, rendered on SDL's audio thread. Up to kMaxVoices voices,
// each a sample or a stream played at its own volume, pan and pitch, are resampled into one
// stereo float block, scaled by the master gain, clipped and written in the device's format.
//
// Threads. The main thread never touches a voice: it posts commands, which the audio thread
// takes at the start of each callback by swapping two preallocated lists under a mutex it only
// tries to lock (if the main thread holds it for its copy, the commands wait for the next block).
// The audio thread reports a voice's end through one atomic per voice. It never waits, never
// allocates, never frees and never reads a file.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "MixKernel.h"
#include "contracts/AudioMode.h"

namespace sdlaudio {

class Stream;

constexpr uint32_t kMaxVoices = 128;
// Output frames mixed at once; also the length of every gain ramp (5.8 ms at 44.1 kHz).
constexpr uint32_t kBlockFrames = 256;
// The fastest a source is read: 16 source frames per output frame.
constexpr double kMaxStep = 16.0;
// Frames a streamed voice may need for one block: the block at the highest step plus the
// interpolation neighbours.
constexpr uint32_t kStreamWindowFrames = kBlockFrames * 16 + 8;

// Decoded frames a voice plays; owned by the plugin's main-thread side, which keeps them alive
// until every voice playing them has ended.
struct SampleData {
    std::vector<float> pcm;
    int64_t frames = 0;
    uint32_t channels = 0;
    uint32_t rate = 0;
};

struct MixCommand {
    enum Kind : uint8_t { PlaySample, PlayStream, Pause, Resume, Stop, Volume, Pan, Pitch };
    Kind kind;
    bool loop = false;
    uint16_t slot = 0;
    uint32_t generation = 0;
    float volume = 1.0f, pan = 0.0f, pitch = 1.0f; // one of them for Volume, Pan, Pitch
    const SampleData* sample = nullptr;
    Stream* stream = nullptr;
};

// What the audio thread measured, for the bench and for diagnostics.
struct MixerStats {
    uint64_t callbacks = 0;
    uint64_t framesRendered = 0;
    uint64_t renderNanos = 0; // total time spent rendering
    uint64_t longestRenderNanos = 0;
    uint64_t longestTakeNanos = 0; // the longest command pick-up (try-lock and swap)
    uint64_t deferredTakes = 0; // pick-ups skipped because the main thread held the lock
    uint64_t starvedFrames = 0; // output frames a stream had no decoded frames for
};

class Mixer {
public:
    Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // Master gain 0..1; read on the audio thread, written on the main thread.
    void SetGain(float gain) { gain_.store(gain); }
    float Gain() const { return gain_.load(); }

    // Main thread, while no callback runs: the format Render writes (bps 8, 16 or 32 float;
    // 1 or 2 channels).
    void SetFormat(const AudioMode& mode);

    // Main thread: queues a command for the audio thread.
    void Post(const MixCommand& command);
    // The generation of the voice that last ended in `slot` (written by the audio thread).
    uint32_t EndedGeneration(uint32_t slot) const { return ended_[slot].load(std::memory_order_acquire); }
    // Main thread, while no callback runs (no device is open): carries out what is queued, then
    // ends every voice, so nothing waits for an audio thread that is not there.
    void EndAll();

    // Audio thread: writes `bytes` bytes of output in the format set last.
    void Render(uint8_t* out, int bytes);

    // Any thread: a copy of the counters.
    MixerStats Stats() const;

private:
    struct Voice {
        enum State : uint8_t { Idle, Playing, Pausing, Paused, Stopping };
        State state = Idle;
        bool loop = false;
        uint32_t generation = 0;
        const SampleData* sample = nullptr;
        Stream* stream = nullptr;
        int64_t frame = 0; // position in the source: whole frames ...
        uint32_t fraction = 0; // ... and a 32-bit fraction
        float volume = 1.0f, pan = 0.0f, pitch = 1.0f;
        float left = 0.0f, right = 0.0f; // gains reached at the end of the last block
    };

    void TakeCommands();
    void Apply(const MixCommand& command);
    void End(Voice& voice, uint32_t slot);
    void MixBlock(float* mix, uint32_t frames);
    // Adds one voice's block; false when the voice has ended.
    bool MixVoice(Voice& voice, float* mix, uint32_t frames);
    bool MixStream(Voice& voice, uint64_t step, const GainRamp& ramp, float* mix, uint32_t frames);
    void Targets(const Voice& voice, uint32_t sourceChannels, float& left, float& right) const;
    void WriteOutput(const float* mix, uint32_t frames, float gain0, float gain1, uint8_t* out) const;

    // Written by the main thread only while no callback runs.
    int32_t bits_ = 16;
    int32_t channels_ = 2;
    int32_t rate_ = 44100;

    std::atomic<float> gain_ { 1.0f };
    float lastGain_ = 1.0f;

    std::mutex commandLock_; // held by the main thread for one push, by the audio thread for a swap
    std::vector<MixCommand> posted_; // filled by the main thread
    std::vector<MixCommand> taking_; // emptied by the audio thread
    std::array<Voice, kMaxVoices> voices_ {};
    std::array<std::atomic<uint32_t>, kMaxVoices> ended_ {};
    std::vector<float> mix_; // one block, stereo

    std::atomic<uint64_t> callbacks_ { 0 }, frames_ { 0 }, renderNanos_ { 0 }, longestRender_ { 0 },
        longestTake_ { 0 }, deferred_ { 0 }, starved_ { 0 };
};

} // namespace sdlaudio
