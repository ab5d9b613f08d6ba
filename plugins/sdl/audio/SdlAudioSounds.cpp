// SdlAudio's engine operations: samples, streams and the voices that play them.
#include <cmath>
#include <new>

#include "PluginLog.h"
#include "SdlAudio.h"

namespace sdlaudio {

namespace {

// How far ahead of playback a stream is decoded.
constexpr double kStreamAheadSeconds = 0.4;
// The longest sample accepted: about 6 hours of stereo at 48 kHz, far below what the frame
// index and a float vector can address.
constexpr uint32_t kMaxSampleFrames = 1u << 30;

// Logged once a run: more sounds at once than voices is a game's choice, not a fault to repeat.
VoiceHandle NoteIfBusy(VoiceHandle voice)
{
    static bool told = false;
    if (voice == 0 && !told) {
        sdlplugin::Log("VornDS8", "all %u voices are playing; a sound was left out", kMaxVoices);
        told = true;
    }
    return voice;
}

float Clamped(float value, float low, float high, float fallback)
{
    if (std::isnan(value))
        return fallback;
    return value < low ? low : (value > high ? high : value);
}

float Volume(float value, float fallback = 1.0f)
{
    return Clamped(value, 0.0f, 1.0f, fallback);
}
float Pan(float value, float fallback = 0.0f)
{
    return Clamped(value, -1.0f, 1.0f, fallback);
}
// The mixer limits the step it reads at; here only what is not a rate at all is refused.
float Pitch(float value, float fallback = 1.0f)
{
    return Clamped(value, 1.0f / 256.0f, 256.0f, fallback);
}

} // namespace

SampleHandle SdlAudio::CreateSample(const float* pcm, uint32_t frames, uint32_t channels, uint32_t rate)
{
    if (!started_ || pcm == nullptr || frames == 0 || frames > kMaxSampleFrames
        || (channels != 1 && channels != 2) || rate == 0)
        return 0;
    auto sample = std::unique_ptr<SampleData>(new (std::nothrow) SampleData);
    if (sample == nullptr)
        return 0;
    try {
        sample->pcm.assign(pcm, pcm + static_cast<std::size_t>(frames) * channels);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    sample->frames = frames;
    sample->channels = channels;
    sample->rate = rate;
    const SampleHandle handle = nextSample_++;
    if (nextSample_ == 0)
        nextSample_ = 1;
    samples_[handle] = std::move(sample);
    return handle;
}

void SdlAudio::ReleaseSample(SampleHandle sample)
{
    const auto found = samples_.find(sample);
    if (found == samples_.end())
        return;
    voices_.StopSample(found->second.get());
    released_.push_back(std::move(found->second));
    samples_.erase(found);
    if (output_ == nullptr)
        mixer_.EndAll();
    Collect();
}

VoiceHandle SdlAudio::PlaySample(SampleHandle sample, bool loop, float volume, float pan, float pitch)
{
    const auto found = samples_.find(sample);
    if (output_ == nullptr || found == samples_.end())
        return 0;
    return NoteIfBusy(voices_.PlaySample(found->second.get(), loop, Volume(volume), Pan(pan), Pitch(pitch)));
}

VoiceHandle SdlAudio::PlayStream(IAudioSource* source, float volume, float pan, float pitch)
{
    std::unique_ptr<IAudioSource> owned(source);
    if (output_ == nullptr || owned == nullptr || (owned->Channels() != 1 && owned->Channels() != 2)
        || owned->Rate() == 0)
        return 0;
    std::unique_ptr<Stream> stream;
    try {
        stream = std::make_unique<Stream>(std::move(owned), kStreamAheadSeconds, kStreamWindowFrames);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    // Filled here, before the audio thread sees it, so the voice starts with no gap.
    stream->Refill(0);
    return NoteIfBusy(voices_.PlayStream(std::move(stream), Volume(volume), Pan(pan), Pitch(pitch)));
}

void SdlAudio::PauseVoice(VoiceHandle voice)
{
    voices_.Pause(voice);
}

void SdlAudio::ResumeVoice(VoiceHandle voice)
{
    voices_.Resume(voice);
}

void SdlAudio::StopVoice(VoiceHandle voice)
{
    voices_.Stop(voice);
}

bool SdlAudio::IsVoicePlaying(VoiceHandle voice)
{
    return voices_.IsPlaying(voice);
}

void SdlAudio::SetVoiceVolume(VoiceHandle voice, float volume)
{
    if (!std::isnan(volume))
        voices_.Set(voice, MixCommand::Volume, Volume(volume));
}

void SdlAudio::SetVoicePan(VoiceHandle voice, float pan)
{
    if (!std::isnan(pan))
        voices_.Set(voice, MixCommand::Pan, Pan(pan));
}

void SdlAudio::SetVoicePitch(VoiceHandle voice, float pitch)
{
    if (!std::isnan(pitch))
        voices_.Set(voice, MixCommand::Pitch, Pitch(pitch));
}

} // namespace sdlaudio
