// Voices: handles, slots and the commands that drive the mixer.
#include "Voices.h"

#include "StreamFeeder.h"

namespace sdlaudio {

namespace {

// A handle is the slot in its low 8 bits and the slot's generation (never 0) above them.
constexpr uint32_t kSlotBits = 8;
static_assert(kMaxVoices <= (1u << kSlotBits));
constexpr uint32_t kGenerationLimit = 1u << (32 - kSlotBits);

} // namespace

uint32_t Voices::FreeSlot()
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        for (uint32_t index = 0; index < kMaxVoices; ++index)
            if (!slots_[index].busy)
                return index;
        Reclaim();
    }
    return kMaxVoices;
}

VoiceHandle Voices::Start(uint32_t index, MixCommand command)
{
    Slot& slot = slots_[index];
    slot.generation = slot.generation + 1 < kGenerationLimit ? slot.generation + 1 : 1;
    slot.busy = true;
    slot.stopped = false;
    slot.paused = false;
    command.slot = static_cast<uint16_t>(index);
    command.generation = slot.generation;
    mixer_.Post(command);
    return (slot.generation << kSlotBits) | index;
}

VoiceHandle Voices::PlaySample(const SampleData* sample, bool loop, float volume, float pan, float pitch)
{
    const uint32_t index = FreeSlot();
    if (index == kMaxVoices)
        return 0;
    slots_[index].sample = sample;
    MixCommand command { MixCommand::PlaySample };
    command.loop = loop;
    command.volume = volume;
    command.pan = pan;
    command.pitch = pitch;
    command.sample = sample;
    return Start(index, command);
}

VoiceHandle Voices::PlayStream(std::unique_ptr<Stream> stream, float volume, float pan, float pitch)
{
    const uint32_t index = FreeSlot();
    if (index == kMaxVoices)
        return 0;
    Slot& slot = slots_[index];
    slot.stream = std::move(stream);
    feeder_.Add(slot.stream.get());
    MixCommand command { MixCommand::PlayStream };
    command.volume = volume;
    command.pan = pan;
    command.pitch = pitch;
    command.stream = slot.stream.get();
    return Start(index, command);
}

Voices::Slot* Voices::Find(VoiceHandle voice, uint32_t& index)
{
    index = voice & ((1u << kSlotBits) - 1);
    if (voice == 0 || index >= kMaxVoices)
        return nullptr;
    Slot& slot = slots_[index];
    if (!slot.busy || slot.stopped || slot.generation != voice >> kSlotBits)
        return nullptr;
    return &slot;
}

void Voices::Post(MixCommand::Kind kind, uint32_t index, const Slot& slot, float value)
{
    MixCommand command { kind };
    command.slot = static_cast<uint16_t>(index);
    command.generation = slot.generation;
    command.volume = command.pan = command.pitch = value;
    mixer_.Post(command);
}

void Voices::Pause(VoiceHandle voice)
{
    uint32_t index;
    if (Slot* slot = Find(voice, index); slot != nullptr && !slot->paused) {
        slot->paused = true;
        Post(MixCommand::Pause, index, *slot);
    }
}

void Voices::Resume(VoiceHandle voice)
{
    uint32_t index;
    if (Slot* slot = Find(voice, index); slot != nullptr && slot->paused) {
        slot->paused = false;
        Post(MixCommand::Resume, index, *slot);
    }
}

void Voices::Stop(VoiceHandle voice)
{
    uint32_t index;
    if (Slot* slot = Find(voice, index)) {
        slot->stopped = true;
        Post(MixCommand::Stop, index, *slot);
    }
}

bool Voices::IsPlaying(VoiceHandle voice)
{
    uint32_t index;
    const Slot* slot = Find(voice, index);
    return slot != nullptr && !slot->paused && mixer_.EndedGeneration(index) != slot->generation;
}

void Voices::Set(VoiceHandle voice, MixCommand::Kind kind, float value)
{
    uint32_t index;
    if (Slot* slot = Find(voice, index))
        Post(kind, index, *slot, value);
}

void Voices::StopSample(const SampleData* sample)
{
    for (uint32_t index = 0; index < kMaxVoices; ++index) {
        Slot& slot = slots_[index];
        if (slot.busy && !slot.stopped && slot.sample == sample) {
            slot.stopped = true;
            Post(MixCommand::Stop, index, slot);
        }
    }
}

bool Voices::Uses(const SampleData* sample) const
{
    for (const Slot& slot : slots_)
        if (slot.busy && slot.sample == sample)
            return true;
    return false;
}

void Voices::Reclaim()
{
    for (uint32_t index = 0; index < kMaxVoices; ++index) {
        Slot& slot = slots_[index];
        if (!slot.busy || mixer_.EndedGeneration(index) != slot.generation)
            continue;
        if (slot.stream != nullptr) {
            feeder_.Remove(slot.stream.get());
            slot.stream.reset();
        }
        slot.sample = nullptr;
        slot.busy = false;
    }
}

} // namespace sdlaudio
