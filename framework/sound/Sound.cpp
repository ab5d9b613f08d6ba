// Sound: loading, copying and playing on the audio plugin's voices.
#include "Vorn/sound/Sound.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <vector>

#include "Vorn/core/Log.h"
#include "Vorn/sound/MusicSource.h"
#include "Vorn/sound/SoundFile.h"

namespace Vorn {

namespace {

// The pitch range the mixer plays faithfully: four octaves either way.
constexpr float kMinPitch = 1.0f / 16.0f;
constexpr float kMaxPitch = 16.0f;
// Frames read at the start and at the end of a file to be streamed, to check it is whole.
constexpr int64_t kProbeFrames = 1024;

void SetClamped(float& field, float value, float low, float high)
{
    if (!std::isnan(value))
        field = value < low ? low : (value > high ? high : value);
}

// Whether a file can be streamed from start to end, without decoding all of it: it opens, says
// how long it is, and decodes at its start and at its end.
bool Streamable(const char* path, std::string& reason)
{
    std::unique_ptr<SoundFile> file = SoundFile::Open(path, reason);
    if (file == nullptr)
        return false;
    const int64_t frames = file->Frames();
    if (frames <= 0 || file->CutShort()) {
        reason = frames == 0 ? "the file holds no sound" : "the file is cut short";
        return false;
    }
    std::vector<float> probe(static_cast<std::size_t>(kProbeFrames) * file->Channels());
    const int64_t head = std::min(frames, kProbeFrames);
    const int64_t tailFrom = std::max<int64_t>(0, frames - kProbeFrames);
    const bool whole = file->Read(probe.data(), static_cast<uint32_t>(head)) == head && file->Seek(tailFrom)
        && file->Read(probe.data(), static_cast<uint32_t>(frames - tailFrom)) == frames - tailFrom
        && file->Error().empty();
    if (!whole)
        reason = !file->Error().empty() ? file->Error() : "the file is cut short";
    return whole;
}

} // namespace

Sound::Sound(IAudio* audio)
    : audio_(audio)
{
    static bool toldOff = false;
    if (audio_ == nullptr && !toldOff) {
        Log::Output("Sound: no audio plugin is loaded; sound is off\n");
        toldOff = true;
    }
}

Sound::~Sound()
{
    Stop();
}

bool Sound::Load(const char* filename, bool stream)
{
    if (stream) {
        std::string reason;
        bool streamable = false;
        try {
            streamable = Streamable(filename, reason);
        } catch (const std::bad_alloc&) {
            reason = "not enough memory";
        }
        if (!streamable) {
            Log::Output("Sound: cannot load '%s': %s\n", filename != nullptr ? filename : "", reason.c_str());
            return false;
        }
        Release();
        path_ = filename;
        streamed_ = true;
        return true;
    }
    SoundBuffer* decoded = SoundBuffer::Decode(audio_, filename);
    if (decoded == nullptr)
        return false;
    Release();
    buffer_.Reset(decoded);
    return true;
}

bool Sound::Copy(const Sound* source)
{
    if (source == nullptr || source == this || !source->IsLoaded())
        return false;
    Release();
    buffer_ = source->buffer_;
    path_ = source->path_;
    streamed_ = source->streamed_;
    volume_ = source->volume_;
    pan_ = source->pan_;
    pitch_ = source->pitch_;
    return true;
}

bool Sound::Release()
{
    Stop();
    const bool held = IsLoaded();
    buffer_.Reset();
    path_.clear();
    streamed_ = false;
    return held;
}

void Sound::Start(bool loop)
{
    Stop();
    if (audio_ == nullptr)
        return;
    if (buffer_) {
        voice_ = audio_->PlaySample(buffer_->Sample(), loop, volume_, pan_, pitch_);
    } else if (streamed_) {
        std::string reason;
        std::unique_ptr<SoundFile> file = SoundFile::Open(path_.c_str(), reason);
        if (file == nullptr) {
            Log::Output("Sound: cannot play '%s': %s\n", path_.c_str(), reason.c_str());
            return;
        }
        voice_ = audio_->PlayStream(new MusicSource(std::move(file), loop), volume_, pan_, pitch_);
    }
}

void Sound::Play()
{
    Start(false);
}

void Sound::PlayLoop()
{
    Start(true);
}

void Sound::Pause()
{
    if (audio_ != nullptr && voice_ != 0)
        audio_->PauseVoice(voice_);
}

void Sound::Resume()
{
    if (audio_ != nullptr && voice_ != 0)
        audio_->ResumeVoice(voice_);
}

void Sound::Stop()
{
    if (audio_ != nullptr && voice_ != 0)
        audio_->StopVoice(voice_);
    voice_ = 0;
}

bool Sound::IsPlaying() const
{
    return audio_ != nullptr && voice_ != 0 && audio_->IsVoicePlaying(voice_);
}

void Sound::SetVolume(float volume)
{
    SetClamped(volume_, volume, 0.0f, 1.0f);
    if (audio_ != nullptr && voice_ != 0)
        audio_->SetVoiceVolume(voice_, volume_);
}

void Sound::SetPan(float pan)
{
    SetClamped(pan_, pan, -1.0f, 1.0f);
    if (audio_ != nullptr && voice_ != 0)
        audio_->SetVoicePan(voice_, pan_);
}

void Sound::SetPitch(float pitch)
{
    SetClamped(pitch_, pitch, kMinPitch, kMaxPitch);
    if (audio_ != nullptr && voice_ != 0)
        audio_->SetVoicePitch(voice_, pitch_);
}

} // namespace Vorn
