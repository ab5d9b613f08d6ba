// SoundFile: libsndfile behind a small reader.
#include "Vorn/sound/SoundFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

namespace Vorn {

namespace {

SNDFILE* File(void* file)
{
    return static_cast<SNDFILE*>(file);
}

} // namespace

std::unique_ptr<SoundFile> SoundFile::Open(const char* path, std::string& error)
{
    SF_INFO info {};
    SNDFILE* file = path != nullptr ? sf_open(path, SFM_READ, &info) : nullptr;
    if (file == nullptr) {
        error = path != nullptr ? sf_strerror(nullptr) : "no file name";
        return nullptr;
    }
    if (info.channels < 1 || info.samplerate < 1) {
        sf_close(file);
        error = "no channels or no sample rate";
        return nullptr;
    }
    std::unique_ptr<SoundFile> sound(new SoundFile(file));
    sound->fileChannels_ = static_cast<uint32_t>(info.channels);
    sound->channels_ = std::min<uint32_t>(sound->fileChannels_, 2);
    sound->rate_ = static_cast<uint32_t>(info.samplerate);
    // libsndfile reports the largest count it has when it could not find the stream's end.
    sound->frames_ = info.frames == SF_COUNT_MAX ? -1 : static_cast<int64_t>(info.frames);
    return sound;
}

SoundFile::SoundFile(void* file)
    : file_(file)
{
}

SoundFile::~SoundFile()
{
    sf_close(File(file_));
}

uint32_t SoundFile::Read(float* out, uint32_t frames)
{
    if (fileChannels_ == channels_) {
        const sf_count_t got = sf_readf_float(File(file_), out, frames);
        return got > 0 ? static_cast<uint32_t>(got) : 0;
    }
    // More than two channels: decode a block at a time and keep the first two.
    constexpr uint32_t kBlock = 1024;
    uint32_t done = 0;
    wide_.resize(static_cast<std::size_t>(kBlock) * fileChannels_);
    while (done < frames) {
        const sf_count_t got = sf_readf_float(File(file_), wide_.data(), std::min(kBlock, frames - done));
        if (got <= 0)
            break;
        for (sf_count_t frame = 0; frame < got; ++frame)
            std::memcpy(out + static_cast<std::size_t>(done + frame) * 2,
                wide_.data() + frame * fileChannels_, 2 * sizeof(float));
        done += static_cast<uint32_t>(got);
    }
    return done;
}

bool SoundFile::Rewind()
{
    return Seek(0);
}

bool SoundFile::Seek(int64_t frame)
{
    return sf_seek(File(file_), frame, SEEK_SET) == frame;
}

std::string SoundFile::Error() const
{
    return sf_error(File(file_)) != SF_ERR_NO_ERROR ? sf_strerror(File(file_)) : "";
}

bool SoundFile::CutShort() const
{
    // libsndfile shortens a chunk that runs past the end of the file to what is there, noting
    // "(should be N)" against the chunk in its log. The data chunk is the one that matters.
    char log[4096] = {};
    sf_command(File(file_), SFC_GET_LOG_INFO, log, sizeof log - 1);
    for (const char* line = log; line != nullptr && *line != '\0';) {
        const char* end = std::strchr(line, '\n');
        const std::string text(
            line, end != nullptr ? static_cast<std::size_t>(end - line) : std::strlen(line));
        const bool data = text.rfind("data", 0) == 0 || text.rfind("SSND", 0) == 0;
        if (data && text.find("should be") != std::string::npos)
            return true;
        line = end != nullptr ? end + 1 : nullptr;
    }
    return false;
}

} // namespace Vorn
