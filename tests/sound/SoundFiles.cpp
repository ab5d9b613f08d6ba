// SoundFiles: writing test sounds with libsndfile.
#include "SoundCapture.h"

#include <sndfile.h>

#include <filesystem>
#include <fstream>

namespace soundtest {

const std::vector<FileFormat>& EveryFormat()
{
    static const std::vector<FileFormat> formats {
        { "wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100 },
        { "flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100 },
        { "ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100 },
        { "opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000 },
        { "mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100 },
    };
    return formats;
}

bool WriteSound(
    const std::string& path, const FileFormat& format, const std::vector<float>& pcm, int channels)
{
    SF_INFO info {};
    info.samplerate = format.rate;
    info.channels = channels;
    info.format = format.format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr)
        return false;
    const sf_count_t frames = static_cast<sf_count_t>(pcm.size()) / channels;
    const bool written = sf_writef_float(file, pcm.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

void CutShort(const std::string& path, double fraction)
{
    const auto size = std::filesystem::file_size(path);
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(static_cast<double>(size) * fraction));
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace soundtest
