// SoundCapture: what SDL's disk audio driver wrote (SDL_AUDIODRIVER=disk, SDL_DISKAUDIOFILE), read
// back as float frames, and the measures the sound tests take of it: where the sound is, its
// level, its frequency, its purity, its largest jump. Also the sound files the tests write for
// themselves with libsndfile (SoundFiles.cpp), in every format the engine reads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundtest {

struct Capture {
    int channels = 2;
    int rate = 44100;
    std::vector<float> samples; // interleaved, -1..1

    int64_t Frames() const { return static_cast<int64_t>(samples.size()) / channels; }
    float At(int64_t frame, int channel) const
    {
        return samples[static_cast<size_t>(frame * channels + channel)];
    }
    int64_t FramesIn(double seconds) const { return static_cast<int64_t>(seconds * rate); }
};

// Reads a raw capture in the given format (bits 16 signed or 32 float, native order).
Capture ReadCapture(const std::string& path, int bits, int channels, int rate);

// The first and one past the last frame in which some channel exceeds `threshold`; {0, 0} when
// every frame is quieter.
struct Span {
    int64_t begin = 0;
    int64_t end = 0;
    int64_t Length() const { return end - begin; }
};
Span Audible(const Capture& capture, float threshold = 0.01f);

// Root mean square of one channel over [from, to).
double Rms(const Capture& capture, int channel, int64_t from, int64_t to);
// Frequency in Hz from the upward zero crossings of one channel over [from, to).
double Frequency(const Capture& capture, int channel, int64_t from, int64_t to);
// How far one channel over [from, to) is from a pure sine of `frequency` Hz: the energy left
// after the best-fitting sine (any phase and level) is taken out, in dB below the whole.
double ResidualDb(const Capture& capture, int channel, int64_t from, int64_t to, double frequency);
// Largest absolute second difference of one channel over [from, to): small for a smooth wave,
// large at a click or a gap.
float LargestKink(const Capture& capture, int channel, int64_t from, int64_t to);

// The steady levels (RMS over 10 ms windows, runs of at least `minimum` seconds within 3% of
// each other) of one channel over [from, to), in order.
std::vector<double> Plateaus(
    const Capture& capture, int channel, int64_t from, int64_t to, double minimum = 0.08);

// A sine of `frequency` Hz and `amplitude`, `frames` frames at `rate`, in every channel.
std::vector<float> Sine(double frequency, float amplitude, int64_t frames, int rate, int channels);

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
