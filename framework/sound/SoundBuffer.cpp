// SoundBuffer: decoding a whole file and keeping it as the plugin's sample.
#include "Vorn/sound/SoundBuffer.h"

#include <new>
#include <string>
#include <vector>

#include "Vorn/core/Log.h"
#include "Vorn/sound/SoundFile.h"

namespace Vorn {

namespace {

// Decoded floats a Sound may hold: 1 GiB, over an hour of stereo at 48 kHz. Longer files are
// for Music, which streams.
constexpr int64_t kMaxSamples = int64_t(1) << 28;
constexpr uint32_t kBlockFrames = 16384;

// The whole file in `pcm`, or false with the reason.
bool DecodeWhole(SoundFile& file, std::vector<float>& pcm, std::string& reason)
{
    const int64_t frames = file.Frames();
    if (frames < 0) {
        reason = "the file ends before its last page";
        return false;
    }
    if (frames == 0) {
        reason = "the file holds no sound";
        return false;
    }
    if (frames * file.Channels() > kMaxSamples) {
        reason = "too long to decode whole; load it as Music, which streams";
        return false;
    }
    if (file.CutShort()) {
        reason = "the file is cut short";
        return false;
    }
    pcm.resize(static_cast<std::size_t>(frames) * file.Channels());
    int64_t done = 0;
    while (done < frames) {
        const auto want = static_cast<uint32_t>(std::min<int64_t>(kBlockFrames, frames - done));
        const uint32_t got = file.Read(pcm.data() + done * file.Channels(), want);
        done += got;
        if (got < want)
            break;
    }
    const std::string error = file.Error();
    if (!error.empty() || done < frames) {
        reason = !error.empty() ? error : "the file is cut short";
        return false;
    }
    return true;
}

} // namespace

SoundBuffer* SoundBuffer::Decode(IAudio* audio, const char* path)
{
    std::string reason;
    std::unique_ptr<SoundFile> file = SoundFile::Open(path, reason);
    std::vector<float> pcm;
    bool decoded = false;
    if (file != nullptr) {
        try {
            decoded = DecodeWhole(*file, pcm, reason);
        } catch (const std::bad_alloc&) {
            reason = "not enough memory to decode it";
        }
    }
    if (!decoded) {
        Log::Output("Sound: cannot load '%s': %s\n", path != nullptr ? path : "", reason.c_str());
        return nullptr;
    }
    SampleHandle sample = 0;
    if (audio != nullptr) {
        sample = audio->CreateSample(
            pcm.data(), static_cast<uint32_t>(file->Frames()), file->Channels(), file->Rate());
        if (sample == 0)
            Log::Output("Sound: the audio plugin refused '%s'; it stays silent\n", path);
    }
    return new SoundBuffer(audio, sample);
}

SoundBuffer::~SoundBuffer()
{
    if (audio_ != nullptr && sample_ != 0)
        audio_->ReleaseSample(sample_);
}

} // namespace Vorn
