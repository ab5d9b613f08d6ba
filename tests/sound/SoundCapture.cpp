// SoundCapture: reading the disk driver's output and measuring it.
#include "SoundCapture.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace soundtest {

Capture ReadCapture(const std::string& path, int bits, int channels, int rate)
{
    Capture capture;
    capture.channels = channels;
    capture.rate = rate;
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const size_t width = static_cast<size_t>(bits / 8);
    const size_t count = bytes.size() / width / channels * channels;
    capture.samples.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const char* at = bytes.data() + i * width;
        if (bits == 16) {
            int16_t value;
            std::memcpy(&value, at, sizeof value);
            capture.samples[i] = static_cast<float>(value) / 32767.0f;
        } else {
            std::memcpy(&capture.samples[i], at, sizeof(float));
        }
    }
    return capture;
}

Span Audible(const Capture& capture, float threshold)
{
    Span span;
    for (int64_t frame = 0; frame < capture.Frames(); ++frame) {
        for (int channel = 0; channel < capture.channels; ++channel) {
            if (std::fabs(capture.At(frame, channel)) > threshold) {
                span.begin = span.end == 0 ? frame : span.begin;
                span.end = frame + 1;
            }
        }
    }
    return span;
}

double Rms(const Capture& capture, int channel, int64_t from, int64_t to)
{
    double sum = 0.0;
    for (int64_t frame = from; frame < to; ++frame)
        sum += static_cast<double>(capture.At(frame, channel)) * capture.At(frame, channel);
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

double Frequency(const Capture& capture, int channel, int64_t from, int64_t to)
{
    double first = -1.0, last = -1.0;
    int crossings = 0;
    for (int64_t frame = from + 1; frame < to; ++frame) {
        const float before = capture.At(frame - 1, channel);
        const float after = capture.At(frame, channel);
        if (before < 0.0f && after >= 0.0f) {
            const double at = static_cast<double>(frame - 1) + before / (before - after);
            if (crossings == 0)
                first = at;
            last = at;
            ++crossings;
        }
    }
    return crossings > 1 ? (crossings - 1) * capture.rate / (last - first) : 0.0;
}

double ResidualDb(const Capture& capture, int channel, int64_t from, int64_t to, double frequency)
{
    // Least squares for a*sin + b*cos: the two are nearly orthogonal over many periods.
    double ss = 0, cc = 0, sc = 0, xs = 0, xc = 0, xx = 0;
    for (int64_t frame = from; frame < to; ++frame) {
        const double phase = 2.0 * M_PI * frequency * static_cast<double>(frame - from) / capture.rate;
        const double s = std::sin(phase), c = std::cos(phase), x = capture.At(frame, channel);
        ss += s * s;
        cc += c * c;
        sc += s * c;
        xs += x * s;
        xc += x * c;
        xx += x * x;
    }
    const double det = ss * cc - sc * sc;
    const double a = (xs * cc - xc * sc) / det;
    const double b = (xc * ss - xs * sc) / det;
    const double residual = xx - a * xs - b * xc;
    return 10.0 * std::log10(std::max(residual, 1e-30) / xx);
}

float LargestKink(const Capture& capture, int channel, int64_t from, int64_t to)
{
    float largest = 0.0f;
    for (int64_t frame = from + 1; frame + 1 < to; ++frame) {
        const float kink = capture.At(frame + 1, channel) - 2.0f * capture.At(frame, channel)
            + capture.At(frame - 1, channel);
        largest = std::max(largest, std::fabs(kink));
    }
    return largest;
}

std::vector<double> Plateaus(const Capture& capture, int channel, int64_t from, int64_t to, double minimum)
{
    const int64_t window = capture.FramesIn(0.01);
    std::vector<double> levels;
    for (int64_t at = from; at + window <= to; at += window)
        levels.push_back(Rms(capture, channel, at, at + window));
    std::vector<double> plateaus;
    const auto needed = static_cast<size_t>(minimum / 0.01);
    size_t start = 0;
    for (size_t i = 1; i <= levels.size(); ++i) {
        const bool breaks
            = i == levels.size() || std::fabs(levels[i] - levels[start]) > 0.03 * levels[start] + 1e-4;
        if (!breaks)
            continue;
        if (i - start >= needed) {
            double sum = 0.0;
            for (size_t k = start; k < i; ++k)
                sum += levels[k];
            plateaus.push_back(sum / static_cast<double>(i - start));
        }
        start = i;
    }
    return plateaus;
}

std::vector<float> Sine(double frequency, float amplitude, int64_t frames, int rate, int channels)
{
    std::vector<float> samples(static_cast<size_t>(frames * channels));
    for (int64_t frame = 0; frame < frames; ++frame)
        for (int channel = 0; channel < channels; ++channel)
            samples[static_cast<size_t>(frame * channels + channel)] = amplitude
                * static_cast<float>(std::sin(2.0 * M_PI * frequency * static_cast<double>(frame) / rate));
    return samples;
}

} // namespace soundtest
