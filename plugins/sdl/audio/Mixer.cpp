// Mixer: commands from the main thread, voices resampled into a block, the block written out.
#include "Mixer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

#include "MixKernel.h"
#include "Stream.h"

namespace sdlaudio {

namespace {

uint64_t NowNanos()
{
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

void RaiseTo(std::atomic<uint64_t>& counter, uint64_t value)
{
    if (value > counter.load(std::memory_order_relaxed))
        counter.store(value, std::memory_order_relaxed);
}

float Clip(float value)
{
    return value < -1.0f ? -1.0f : (value > 1.0f ? 1.0f : value);
}

constexpr float kQuarterPi = 0.785398163f;
constexpr float kSqrt2 = 1.41421356f;

} // namespace

Mixer::Mixer()
    : mix_(2 * kBlockFrames)
{
    // Room for many frames' worth of commands, so neither side allocates in the usual run.
    posted_.reserve(1024);
    taking_.reserve(1024);
}

void Mixer::SetFormat(const AudioMode& mode)
{
    bits_ = mode.bps;
    channels_ = mode.channels;
    rate_ = mode.rate;
}

void Mixer::Post(const MixCommand& command)
{
    std::lock_guard<std::mutex> lock(commandLock_);
    posted_.push_back(command);
}

void Mixer::EndAll()
{
    {
        std::lock_guard<std::mutex> lock(commandLock_);
        posted_.swap(taking_);
    }
    for (const MixCommand& command : taking_)
        Apply(command);
    taking_.clear();
    for (uint32_t slot = 0; slot < kMaxVoices; ++slot)
        if (voices_[slot].state != Voice::Idle)
            End(voices_[slot], slot);
}

MixerStats Mixer::Stats() const
{
    MixerStats stats;
    stats.callbacks = callbacks_.load();
    stats.framesRendered = frames_.load();
    stats.renderNanos = renderNanos_.load();
    stats.longestRenderNanos = longestRender_.load();
    stats.longestTakeNanos = longestTake_.load();
    stats.deferredTakes = deferred_.load();
    stats.starvedFrames = starved_.load();
    return stats;
}

void Mixer::Render(uint8_t* out, int bytes)
{
    const uint64_t start = NowNanos();
    TakeCommands();
    const int frameBytes = bits_ / 8 * channels_;
    const int total = frameBytes > 0 ? bytes / frameBytes : 0;
    int done = 0;
    while (done < total) {
        const auto frames = static_cast<uint32_t>(std::min<int>(kBlockFrames, total - done));
        std::fill(mix_.begin(), mix_.begin() + 2 * frames, 0.0f);
        MixBlock(mix_.data(), frames);
        const float gain = gain_.load(std::memory_order_relaxed);
        WriteOutput(mix_.data(), frames, lastGain_, gain, out + static_cast<std::size_t>(done) * frameBytes);
        lastGain_ = gain;
        done += static_cast<int>(frames);
    }
    if (bytes > total * frameBytes) // never for SDL's whole-frame buffers; silent rather than stale
        std::memset(out + total * frameBytes, bits_ == 8 ? 0x80 : 0, bytes - total * frameBytes);
    const uint64_t spent = NowNanos() - start;
    callbacks_.fetch_add(1, std::memory_order_relaxed);
    frames_.fetch_add(static_cast<uint64_t>(total), std::memory_order_relaxed);
    renderNanos_.fetch_add(spent, std::memory_order_relaxed);
    RaiseTo(longestRender_, spent);
}

void Mixer::TakeCommands()
{
    const uint64_t start = NowNanos();
    if (commandLock_.try_lock()) {
        posted_.swap(taking_);
        commandLock_.unlock();
    } else {
        deferred_.fetch_add(1, std::memory_order_relaxed);
    }
    RaiseTo(longestTake_, NowNanos() - start);
    for (const MixCommand& command : taking_)
        Apply(command);
    taking_.clear(); // keeps its capacity: nothing is freed here
}

void Mixer::Apply(const MixCommand& command)
{
    Voice& voice = voices_[command.slot];
    if (command.kind == MixCommand::PlaySample || command.kind == MixCommand::PlayStream) {
        voice = Voice {};
        voice.state = Voice::Playing;
        voice.generation = command.generation;
        voice.loop = command.loop;
        voice.sample = command.sample;
        voice.stream = command.stream;
        voice.volume = command.volume;
        voice.pan = command.pan;
        voice.pitch = command.pitch;
        // A start is heard at once, at its full level: no ramp from silence.
        Targets(voice, voice.sample != nullptr ? voice.sample->channels : voice.stream->Channels(),
            voice.left, voice.right);
        return;
    }
    if (voice.state == Voice::Idle || voice.generation != command.generation)
        return; // the voice has ended meanwhile
    switch (command.kind) {
    case MixCommand::Pause:
        if (voice.state == Voice::Playing)
            voice.state = Voice::Pausing;
        break;
    case MixCommand::Resume:
        if (voice.state == Voice::Paused || voice.state == Voice::Pausing)
            voice.state = Voice::Playing;
        break;
    case MixCommand::Stop:
        if (voice.state == Voice::Paused)
            End(voice, command.slot);
        else
            voice.state = Voice::Stopping;
        break;
    case MixCommand::Volume:
        voice.volume = command.volume;
        break;
    case MixCommand::Pan:
        voice.pan = command.pan;
        break;
    case MixCommand::Pitch:
        voice.pitch = command.pitch;
        break;
    default:
        break;
    }
}

void Mixer::End(Voice& voice, uint32_t slot)
{
    voice.state = Voice::Idle;
    voice.sample = nullptr;
    voice.stream = nullptr;
    ended_[slot].store(voice.generation, std::memory_order_release);
}

void Mixer::Targets(const Voice& voice, uint32_t sourceChannels, float& left, float& right) const
{
    if (channels_ == 1) {
        left = right = voice.volume; // one speaker: pan has nowhere to go
        return;
    }
    // Constant power: the angle runs from 0 (left) to a quarter turn (right).
    const float angle = (voice.pan + 1.0f) * kQuarterPi;
    float l = voice.pan >= 1.0f ? 0.0f : std::cos(angle);
    float r = voice.pan <= -1.0f ? 0.0f : std::sin(angle);
    if (sourceChannels == 2) {
        // A stereo sound keeps its own image: centred it plays as recorded, and panning fades the
        // far side along the same curve while the near side stays whole.
        l = std::min(1.0f, l * kSqrt2);
        r = std::min(1.0f, r * kSqrt2);
    }
    left = l * voice.volume;
    right = r * voice.volume;
}

void Mixer::MixBlock(float* mix, uint32_t frames)
{
    for (uint32_t slot = 0; slot < kMaxVoices; ++slot) {
        Voice& voice = voices_[slot];
        if (voice.state == Voice::Idle || voice.state == Voice::Paused)
            continue;
        if (!MixVoice(voice, mix, frames))
            End(voice, slot);
    }
}

bool Mixer::MixVoice(Voice& voice, float* mix, uint32_t frames)
{
    const uint32_t sourceChannels
        = voice.sample != nullptr ? voice.sample->channels : voice.stream->Channels();
    const uint32_t sourceRate = voice.sample != nullptr ? voice.sample->rate : voice.stream->Rate();
    float left = 0.0f, right = 0.0f;
    if (voice.state == Voice::Playing)
        Targets(voice, sourceChannels, left, right);
    const GainRamp ramp { voice.left, voice.right, left, right };
    const double rate = static_cast<double>(voice.pitch) * sourceRate / rate_;
    const uint64_t step = StepFor(std::clamp(rate, 1.0 / 65536.0, kMaxStep));

    bool more;
    if (voice.sample != nullptr) {
        const SourceView view { voice.sample->pcm.data(), voice.sample->frames, voice.loop };
        Cursor cursor { voice.frame, voice.fraction };
        const uint32_t done = sourceChannels == 1 ? MixCubic<1>(view, cursor, step, ramp, mix, frames)
                                                  : MixCubic<2>(view, cursor, step, ramp, mix, frames);
        voice.frame = cursor.frame;
        voice.fraction = cursor.fraction;
        more = done == frames;
    } else {
        more = MixStream(voice, step, ramp, mix, frames);
    }
    voice.left = left;
    voice.right = right;
    if (voice.state == Voice::Pausing)
        voice.state = Voice::Paused;
    else if (voice.state == Voice::Stopping)
        return false;
    return more;
}

bool Mixer::MixStream(Voice& voice, uint64_t step, const GainRamp& ramp, float* mix, uint32_t frames)
{
    Stream& stream = *voice.stream;
    const uint32_t channels = stream.Channels();
    float* window = stream.window.data();

    // Keep the frame before the cursor (the interpolation's left neighbour) and everything after.
    const int64_t keepFrom = voice.frame - 1;
    if (keepFrom > stream.windowStart && stream.windowFrames > 0) {
        const auto drop
            = static_cast<uint32_t>(std::min<int64_t>(keepFrom - stream.windowStart, stream.windowFrames));
        std::memmove(window, window + static_cast<std::size_t>(drop) * channels,
            sizeof(float) * (stream.windowFrames - drop) * channels);
        stream.windowStart += drop;
        stream.windowFrames -= drop;
    }

    // Frames this block reads: up to two past the last position.
    const uint64_t advance = (static_cast<uint64_t>(voice.fraction) + (frames - 1) * step) >> 32;
    const int64_t needEnd = voice.frame + static_cast<int64_t>(advance) + 3;
    const bool ended = stream.SourceEnded(); // read before Available: the last frames are in by then
    int64_t haveEnd = stream.windowStart + stream.windowFrames;
    if (needEnd > haveEnd) {
        const auto room = stream.windowCapacity - stream.windowFrames;
        const auto want = static_cast<uint32_t>(std::min<int64_t>(needEnd - haveEnd, room));
        stream.windowFrames
            += stream.Take(window + static_cast<std::size_t>(stream.windowFrames) * channels, want);
        haveEnd = stream.windowStart + stream.windowFrames;
    }
    const bool drained = ended && stream.Available() == 0;

    uint32_t playable = frames;
    if (needEnd > haveEnd && !drained) {
        // The decoder is behind: play what is here and wait for the rest without moving on.
        const int64_t reach = haveEnd - voice.frame - 3;
        playable = 0;
        if (reach >= 0) {
            const uint64_t span = (static_cast<uint64_t>(reach) << 32) + 0xFFFFFFFFu - voice.fraction;
            playable = static_cast<uint32_t>(std::min<uint64_t>(frames, span / step + 1));
        }
        starved_.fetch_add(frames - playable, std::memory_order_relaxed);
    }

    const SourceView view { window, stream.windowFrames, false };
    Cursor cursor { voice.frame - stream.windowStart, voice.fraction };
    const uint32_t done = channels == 1 ? MixCubic<1>(view, cursor, step, ramp, mix, playable)
                                        : MixCubic<2>(view, cursor, step, ramp, mix, playable);
    voice.frame = cursor.frame + stream.windowStart;
    voice.fraction = cursor.fraction;
    return !(drained && done < playable);
}

void Mixer::WriteOutput(const float* mix, uint32_t frames, float gain0, float gain1, uint8_t* out) const
{
    const float delta = (gain1 - gain0) / static_cast<float>(frames);
    float gain = gain0;
    for (uint32_t i = 0; i < frames; ++i) {
        gain += delta;
        const float left = Clip(mix[2 * i] * gain);
        const float right = Clip(mix[2 * i + 1] * gain);
        const float values[2] = { channels_ == 1 ? 0.5f * (left + right) : left, right };
        for (int c = 0; c < channels_; ++c) {
            const float value = values[c];
            if (bits_ == 8) {
                *out++ = static_cast<uint8_t>(std::lrint(value * 127.0f) + 128);
            } else if (bits_ == 16) {
                const auto sample = static_cast<int16_t>(std::lrint(value * 32767.0f));
                std::memcpy(out, &sample, sizeof sample);
                out += sizeof sample;
            } else {
                std::memcpy(out, &value, sizeof value);
                out += sizeof value;
            }
        }
    }
}

} // namespace sdlaudio
