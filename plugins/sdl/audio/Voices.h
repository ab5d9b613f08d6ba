// Voices: the main thread's side of the mixer's voices. Hands out voice handles (slot and
// generation), remembers what each playing voice holds (its sample, its stream), turns the voice
// operations into mixer commands, and takes a slot back once the audio thread has ended its voice:
// only then is a stream deleted or a slot reused.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "Mixer.h"
#include "Stream.h"
#include "contracts/IAudio.h"

namespace sdlaudio {

class StreamFeeder;

class Voices {
public:
    Voices(Mixer& mixer, StreamFeeder& feeder)
        : mixer_(mixer)
        , feeder_(feeder)
    {
    }
    Voices(const Voices&) = delete;
    Voices& operator=(const Voices&) = delete;

    // Starts a voice; 0 when every slot is busy.
    VoiceHandle PlaySample(const SampleData* sample, bool loop, float volume, float pan, float pitch);
    // Starts a voice on a stream (already filled ahead); the stream is fed until the voice ends.
    VoiceHandle PlayStream(std::unique_ptr<Stream> stream, float volume, float pan, float pitch);

    void Pause(VoiceHandle voice);
    void Resume(VoiceHandle voice);
    void Stop(VoiceHandle voice);
    bool IsPlaying(VoiceHandle voice);
    // kind: MixCommand::Volume, Pan or Pitch.
    void Set(VoiceHandle voice, MixCommand::Kind kind, float value);

    // Stops every voice playing `sample`.
    void StopSample(const SampleData* sample);
    // Whether a voice still reads `sample` (stopped voices count until the audio thread ends them).
    bool Uses(const SampleData* sample) const;
    // Takes back the slots of voices the audio thread has ended; deletes their streams.
    void Reclaim();

private:
    struct Slot {
        uint32_t generation = 0;
        bool busy = false; // from the play until the audio thread has ended the voice
        bool stopped = false; // stopped from here: no longer playing, whatever the audio thread is at
        bool paused = false;
        const SampleData* sample = nullptr;
        std::unique_ptr<Stream> stream;
    };

    // A free slot, or kMaxVoices when none.
    uint32_t FreeSlot();
    VoiceHandle Start(uint32_t index, MixCommand command);
    // The live slot a handle names, or null.
    Slot* Find(VoiceHandle voice, uint32_t& index);
    void Post(MixCommand::Kind kind, uint32_t index, const Slot& slot, float value = 0.0f);

    Mixer& mixer_;
    StreamFeeder& feeder_;
    std::array<Slot, kMaxVoices> slots_ {};
};

} // namespace sdlaudio
