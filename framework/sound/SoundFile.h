// SoundFile: one sound file opened for decoding with libsndfile (WAV, FLAC, Ogg Vorbis, Opus, MP3
// and the rest it reads), delivered as float frames of one or two channels (a file with more
// keeps its first two). Also tells whether a file is whole: libsndfile reads many damaged files
// without complaint, so the checks for a cut-off file live here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Vorn {

class SoundFile {
public:
    // Opens `path` for reading; null (with the reason in `error`) when it is not a sound file.
    static std::unique_ptr<SoundFile> Open(const char* path, std::string& error);
    ~SoundFile();
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    // Channels per frame Read delivers: 1 or 2.
    uint32_t Channels() const { return channels_; }
    uint32_t Rate() const { return rate_; }
    // Frames the file says it holds; -1 when it cannot tell (an Ogg stream cut off before its end).
    int64_t Frames() const { return frames_; }

    // Decodes up to `frames` frames into `out` (room for frames * Channels() floats); returns how
    // many. 0 at the end of the file or after a decoding error.
    uint32_t Read(float* out, uint32_t frames);
    // Back to the first frame; false when the file cannot seek.
    bool Rewind();
    // Moves to `frame`; false when the file cannot get there.
    bool Seek(int64_t frame);
    // The decoder's own error, if it met one ("" when none).
    std::string Error() const;
    // Whether the header promised more data than the file holds (a WAV or AIFF cut short).
    bool CutShort() const;

private:
    explicit SoundFile(void* file);

    void* file_; // SNDFILE*
    uint32_t fileChannels_ = 0;
    uint32_t channels_ = 0;
    uint32_t rate_ = 0;
    int64_t frames_ = -1;
    std::vector<float> wide_; // a block of a file with more than two channels
};

} // namespace Vorn
