// Stream: the ring between the feeder thread and the audio thread.
#include "Stream.h"

#include <algorithm>
#include <cstring>

namespace sdlaudio {

Stream::Stream(std::unique_ptr<IAudioSource> source, double aheadSeconds, uint32_t windowFrames)
    : source_(std::move(source))
    , channels_(source_->Channels())
    , rate_(source_->Rate())
    , capacity_(std::max<uint32_t>(windowFrames, static_cast<uint32_t>(rate_ * aheadSeconds)))
    , ring_(static_cast<std::size_t>(capacity_) * channels_)
{
    window.resize(static_cast<std::size_t>(windowFrames) * channels_);
    windowCapacity = windowFrames;
}

void Stream::Refill(uint32_t minimum)
{
    if (ended_.load(std::memory_order_relaxed))
        return;
    const uint64_t written = written_.load(std::memory_order_relaxed);
    const uint64_t free = capacity_ - (written - read_.load(std::memory_order_acquire));
    if (free == 0 || free < minimum)
        return;
    uint64_t total = 0;
    while (total < free) {
        const auto at = static_cast<uint32_t>((written + total) % capacity_);
        const auto want = static_cast<uint32_t>(std::min<uint64_t>(free - total, capacity_ - at));
        const uint32_t got = source_->Read(ring_.data() + static_cast<std::size_t>(at) * channels_, want);
        total += std::min(got, want);
        if (got < want) {
            written_.store(written + total, std::memory_order_release);
            ended_.store(true, std::memory_order_release);
            return;
        }
    }
    written_.store(written + total, std::memory_order_release);
}

uint32_t Stream::Available() const
{
    return static_cast<uint32_t>(
        written_.load(std::memory_order_acquire) - read_.load(std::memory_order_relaxed));
}

uint32_t Stream::Take(float* out, uint32_t frames)
{
    const uint64_t read = read_.load(std::memory_order_relaxed);
    const uint32_t count = std::min(frames, Available());
    uint32_t done = 0;
    while (done < count) {
        const auto at = static_cast<uint32_t>((read + done) % capacity_);
        const uint32_t part = std::min(count - done, capacity_ - at);
        std::memcpy(out + static_cast<std::size_t>(done) * channels_,
            ring_.data() + static_cast<std::size_t>(at) * channels_, sizeof(float) * part * channels_);
        done += part;
    }
    read_.store(read + count, std::memory_order_release);
    return count;
}

} // namespace sdlaudio
