// StreamFeeder: one thread refilling the streams' rings.
#include "StreamFeeder.h"

#include <algorithm>
#include <chrono>

#include "Stream.h"

namespace sdlaudio {

namespace {

// How often the rings are topped up. Far shorter than a ring, so a ring never runs dry while its
// source can decode faster than it plays.
constexpr auto kPeriod = std::chrono::milliseconds(10);
// Reads smaller than this wait for the next round, so a file is decoded in sizeable blocks.
constexpr uint32_t kMinimumBlock = 1024;

} // namespace

void StreamFeeder::Add(Stream* stream)
{
    std::lock_guard<std::mutex> lock(mutex_);
    streams_.push_back(stream);
    if (!thread_.joinable()) {
        quit_ = false;
        thread_ = std::thread([this] { Run(); });
    }
}

void StreamFeeder::Remove(Stream* stream)
{
    std::lock_guard<std::mutex> lock(mutex_);
    streams_.erase(std::remove(streams_.begin(), streams_.end(), stream), streams_.end());
}

void StreamFeeder::Stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
        streams_.clear();
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void StreamFeeder::Run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    while (!quit_) {
        for (Stream* stream : streams_)
            stream->Refill(kMinimumBlock);
        wake_.wait_for(lock, kPeriod, [this] { return quit_; });
    }
}

} // namespace sdlaudio
