// SoundFiles: sound files the tests write for themselves with libsndfile, in every format the
// engine reads, and the damage they do to them.
#pragma once

#include <string>
#include <vector>

namespace soundtest {

struct FileFormat {
    const char* extension;
    int format; // libsndfile's SF_FORMAT_* major | subtype
    int rate; // Opus only knows 48000 and its fractions
};

// WAV, FLAC, Ogg Vorbis, Ogg Opus, MP3.
const std::vector<FileFormat>& EveryFormat();

// Writes interleaved float samples; false when libsndfile refuses.
bool WriteSound(
    const std::string& path, const FileFormat& format, const std::vector<float>& pcm, int channels);
// Keeps the first `fraction` of the file's bytes.
void CutShort(const std::string& path, double fraction);
void WriteBytes(const std::string& path, const std::string& bytes);

} // namespace soundtest
