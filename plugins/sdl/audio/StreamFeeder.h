// StreamFeeder: the plugin's decoding thread. Every few milliseconds it tops up the ring of every
// stream that is playing, so music keeps flowing however long the game's frames take, and the
// audio thread never decodes or reads a file. Started with the first stream.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace sdlaudio {

class Stream;

class StreamFeeder {
public:
    StreamFeeder() = default;
    ~StreamFeeder() { Stop(); }
    StreamFeeder(const StreamFeeder&) = delete;
    StreamFeeder& operator=(const StreamFeeder&) = delete;

    // Starts feeding `stream` (the caller keeps it).
    void Add(Stream* stream);
    // Stops feeding `stream`; when this returns the thread no longer touches it.
    void Remove(Stream* stream);
    // Ends the thread (streams still listed are forgotten).
    void Stop();

private:
    void Run();

    std::mutex mutex_; // guards streams_ and quit_; held by the thread while it refills
    std::condition_variable wake_;
    std::vector<Stream*> streams_;
    bool quit_ = false;
    std::thread thread_;
};

} // namespace sdlaudio
