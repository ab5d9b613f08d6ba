// audio_bench: what the audio plugin's mixer costs and whether its audio thread ever waits on the
// main thread. Three parts, printed side by side:
//  1. mixing cost: 64 looping voices at pitch 1.3 rendered off-line, CPU time per second of
//     audio as a share of one core (target under 5%);
//  2. the resampler: the mixer's cubic against linear interpolation (and libsamplerate's fastest
//     sinc when the build found it), cost per voice and error on a resampled 5 kHz tone;
//  3. live: the real plugin on SDL's disk driver (written to /dev/null at real-time pace) with 64
//     voices and a streamed source while the "main thread" runs frames of varying length and
//     changes every voice each frame: the audio thread's longest command pick-up, the pick-ups
//     it skipped rather than wait, the frames a stream had no decoded data for, and the live cost.
// Usage: audio_bench [live seconds, default 5]
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <thread>
#include <vector>

#include "MixKernel.h"
#include "Mixer.h"
#include "SdlAudio.h"
#include "StreamFeeder.h"
#include "Voices.h"

#ifdef VORN_BENCH_SAMPLERATE
#include <samplerate.h>
#endif

namespace {

using namespace sdlaudio;

constexpr int kRate = 44100;
constexpr int kVoices = 64;
constexpr float kPitch = 1.3f;

double ThreadSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A few different looping sounds, as a game's effects would be: stereo noise-like tones.
std::vector<SampleData> MakeSamples(int count)
{
    std::vector<SampleData> samples(static_cast<size_t>(count));
    for (int s = 0; s < count; ++s) {
        SampleData& sample = samples[static_cast<size_t>(s)];
        sample.channels = 2;
        sample.rate = s % 2 == 0 ? 44100 : 22050;
        sample.frames = sample.rate; // one second
        sample.pcm.resize(static_cast<size_t>(sample.frames) * 2);
        for (int64_t i = 0; i < sample.frames; ++i) {
            const double t = static_cast<double>(i) / sample.rate;
            sample.pcm[static_cast<size_t>(2 * i)]
                = 0.2f * static_cast<float>(std::sin(2 * M_PI * (220 + 40 * s) * t));
            sample.pcm[static_cast<size_t>(2 * i + 1)]
                = 0.2f * static_cast<float>(std::sin(2 * M_PI * (330 + 30 * s) * t));
        }
    }
    return samples;
}

void MixingCost()
{
    const std::vector<SampleData> samples = MakeSamples(8);
    Mixer mixer;
    mixer.SetFormat(AudioMode { 16, 2, kRate });
    StreamFeeder feeder;
    Voices voices(mixer, feeder);
    for (int v = 0; v < kVoices; ++v)
        voices.PlaySample(
            &samples[static_cast<size_t>(v) % samples.size()], true, 0.5f, (v % 9 - 4) / 4.0f, kPitch);
    std::vector<uint8_t> out(1024 * 4);
    constexpr double kSeconds = 20.0;
    const int callbacks = static_cast<int>(kSeconds * kRate / 1024);
    const double start = ThreadSeconds();
    for (int i = 0; i < callbacks; ++i)
        mixer.Render(out.data(), static_cast<int>(out.size()));
    const double spent = ThreadSeconds() - start;
    const double audio = callbacks * 1024.0 / kRate;
    std::printf(
        "1. mixing cost, %d voices at pitch %.1f, 44.1 kHz stereo 16-bit, off-line\n", kVoices, kPitch);
    std::printf("   %.2f ms of CPU per second of audio = %.2f%% of one core (target < 5%%)\n\n",
        1000.0 * spent / audio, 100.0 * spent / audio);
}

// The same loop as MixCubic with straight-line interpolation: the cheap alternative.
uint32_t MixLinear(const SourceView& source, Cursor& cursor, uint64_t step, float* mix, uint32_t frames)
{
    for (uint32_t i = 0; i < frames; ++i) {
        if (cursor.frame + 1 >= source.length)
            return i;
        const float t = static_cast<float>(cursor.fraction) * (1.0f / 4294967296.0f);
        const float a = source.frames[cursor.frame];
        const float b = source.frames[cursor.frame + 1];
        mix[2 * i] += a + (b - a) * t;
        mix[2 * i + 1] += a + (b - a) * t;
        const uint64_t position = cursor.fraction + step;
        cursor.frame += static_cast<int64_t>(position >> 32);
        cursor.fraction = static_cast<uint32_t>(position);
    }
    return frames;
}

// Error of a resampled tone against the exact tone, in dB below the tone.
double ErrorDb(const std::vector<float>& mix, double frequency, uint32_t frames)
{
    double signal = 0.0, error = 0.0;
    for (uint32_t i = 100; i < frames; ++i) {
        const double exact = 0.5 * std::sin(2 * M_PI * frequency * i / kRate);
        signal += exact * exact;
        error += (mix[2 * i] - exact) * (mix[2 * i] - exact);
    }
    return 10.0 * std::log10(error / signal);
}

void Resamplers()
{
    constexpr double kTone = 5000.0;
    constexpr uint32_t kFrames = kRate * 4;
    std::vector<float> tone(kFrames * 2);
    for (uint32_t i = 0; i < kFrames * 2; ++i)
        tone[i] = 0.5f * static_cast<float>(std::sin(2 * M_PI * kTone * i / kRate));
    const uint32_t out = static_cast<uint32_t>((kFrames - 8) / kPitch);
    std::vector<float> mix(static_cast<size_t>(out) * 2);
    const uint64_t step = StepFor(kPitch);
    const SourceView source { tone.data(), kFrames * 2, false };
    const double seconds = out / static_cast<double>(kRate);

    std::printf("2. resampling a %.0f Hz tone by %.1f (mono); error against the exact %.0f Hz tone\n", kTone,
        kPitch, kTone * kPitch);
    std::printf("   %-34s %14s %12s\n", "", "core/voice", "error");
    {
        std::fill(mix.begin(), mix.end(), 0.0f);
        Cursor cursor;
        const GainRamp unity { 1, 1, 1, 1 };
        const double start = ThreadSeconds();
        MixCubic<1>(source, cursor, step, unity, mix.data(), out);
        const double spent = ThreadSeconds() - start;
        std::printf("   %-34s %13.3f%% %9.1f dB\n", "cubic Hermite (the mixer's)", 100.0 * spent / seconds,
            ErrorDb(mix, kTone * kPitch, out));
    }
    {
        std::fill(mix.begin(), mix.end(), 0.0f);
        Cursor cursor;
        const double start = ThreadSeconds();
        MixLinear(source, cursor, step, mix.data(), out);
        const double spent = ThreadSeconds() - start;
        std::printf("   %-34s %13.3f%% %9.1f dB\n", "linear", 100.0 * spent / seconds,
            ErrorDb(mix, kTone * kPitch, out));
    }
#ifdef VORN_BENCH_SAMPLERATE
    {
        std::vector<float> mono(kFrames), result(out + 4096);
        for (uint32_t i = 0; i < kFrames; ++i)
            mono[i] = 0.5f * static_cast<float>(std::sin(2 * M_PI * kTone * i / kRate));
        int error = 0;
        SRC_STATE* state = src_new(SRC_SINC_FASTEST, 1, &error);
        SRC_DATA data {};
        data.data_in = mono.data();
        data.input_frames = kFrames;
        data.data_out = result.data();
        data.output_frames = static_cast<long>(result.size());
        data.src_ratio = 1.0 / kPitch;
        const double start = ThreadSeconds();
        src_process(state, &data);
        const double spent = ThreadSeconds() - start;
        src_delete(state);
        // libsamplerate delays its output by half its filter; line it up before comparing.
        double best = 0.0;
        for (int lag = 0; lag < 64; ++lag) {
            std::fill(mix.begin(), mix.end(), 0.0f);
            for (uint32_t i = 0; i + lag < static_cast<uint32_t>(data.output_frames_gen) && i < out; ++i)
                mix[2 * i] = result[i + lag];
            best = std::min(
                best, ErrorDb(mix, kTone * kPitch, std::min<uint32_t>(out, data.output_frames_gen - 64)));
        }
        std::printf(
            "   %-34s %13.3f%% %9.1f dB\n", "libsamplerate, fastest sinc", 100.0 * spent / seconds, best);
    }
#else
    std::printf("   (libsamplerate not found at build time: its row is left out)\n");
#endif
    std::printf("\n");
}

// A music-like source: decoded on the feeder thread, a tone generated block by block.
class ToneSource final : public IAudioSource {
public:
    uint32_t Channels() const override { return 2; }
    uint32_t Rate() const override { return kRate; }
    uint32_t Read(float* out, uint32_t frames) override
    {
        for (uint32_t i = 0; i < frames; ++i, ++at_)
            out[2 * i] = out[2 * i + 1] = 0.1f * static_cast<float>(std::sin(2 * M_PI * 440.0 * at_ / kRate));
        return frames;
    }

private:
    int64_t at_ = 0;
};

void Live(double seconds)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    SdlAudio audio;
    DeviceInfo info {};
    DeviceHandle device = 0;
    if (!audio.Initialize() || !audio.FindDefaultDevice(DEV_SUBCLASS_PLAY, &info)
        || !audio.OpenDevice(&info, &device)) {
        std::printf("3. live: SDL's disk audio driver did not open; skipped\n");
        return;
    }
    std::vector<float> pcm(static_cast<size_t>(kRate) * 2);
    for (size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = 0.1f * static_cast<float>(std::sin(static_cast<double>(i) * 0.01));
    const SampleHandle sample = audio.CreateSample(pcm.data(), kRate, 2, kRate);
    std::vector<VoiceHandle> voices;
    for (int v = 0; v < kVoices; ++v)
        voices.push_back(audio.PlaySample(sample, true, 0.5f, 0.0f, kPitch));
    const VoiceHandle music = audio.PlayStream(new ToneSource, 0.5f, 0.0f, 1.0f);
    const MixerStats before = audio.Stats();

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> frameMs(1, 40);
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    int frames = 0;
    bool hitched = false;
    while (std::chrono::steady_clock::now() < end) {
        ++frames;
        for (size_t v = 0; v < voices.size(); ++v) {
            audio.SetVoiceVolume(voices[v], 0.3f + 0.2f * static_cast<float>((frames + v) % 5) / 4.0f);
            audio.SetVoicePan(voices[v], static_cast<float>((frames + v) % 9 - 4) / 4.0f);
        }
        if (frames % 10 == 0) { // restart a few voices, as a game's effects come and go
            for (size_t v = 0; v < 4; ++v) {
                audio.StopVoice(voices[v]);
                voices[v] = audio.PlaySample(sample, true, 0.5f, 0.0f, kPitch);
            }
        }
        audio.Update();
        // A frame of work: usually a few milliseconds, once a long hitch (a level loading).
        const bool hitch
            = !hitched && std::chrono::steady_clock::now() > end - std::chrono::duration<double>(seconds / 2);
        hitched = hitched || hitch;
        std::this_thread::sleep_for(std::chrono::milliseconds(hitch ? 300 : frameMs(random)));
    }
    const bool musicPlayed = audio.IsVoicePlaying(music);
    const MixerStats stats = audio.Stats();
    audio.ReleaseDevice(device);
    audio.Shutdown();

    const double audioSeconds = static_cast<double>(stats.framesRendered - before.framesRendered) / kRate;
    const double renderSeconds = static_cast<double>(stats.renderNanos - before.renderNanos) * 1e-9;
    std::printf("3. live, real plugin on the disk driver: %.1f s, %d main-thread frames of 1-40 ms and one "
                "of 300 ms,\n"
                "   each changing the volume and pan of all %d voices (pitch %.1f) and restarting 4 every "
                "10th frame,\n"
                "   plus one streamed source\n",
        seconds, frames, kVoices, kPitch);
    std::printf(
        "   audio thread's longest time taking the main thread's commands (try-lock, swap): %.1f us\n",
        static_cast<double>(stats.longestTakeNanos) / 1000.0);
    std::printf(
        "   pick-ups put off because the main thread held the lock (no wait): %llu of %llu callbacks\n",
        static_cast<unsigned long long>(stats.deferredTakes),
        static_cast<unsigned long long>(stats.callbacks));
    std::printf("   output frames a stream had no decoded data for (waiting on decoding): %llu (music %s)\n",
        static_cast<unsigned long long>(stats.starvedFrames), musicPlayed ? "still playing" : "STOPPED");
    std::printf("   mixing cost: %.2f%% of one core (longest callback %.0f us, one buffer lasts %.0f us)\n",
        100.0 * renderSeconds / audioSeconds, static_cast<double>(stats.longestRenderNanos) / 1000.0,
        1024.0 * 1e6 / kRate);
}

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::max(1.0, std::atof(argv[1])) : 5.0;
    MixingCost();
    Resamplers();
    Live(seconds);
    return 0;
}
