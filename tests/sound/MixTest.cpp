// The audio plugin's mixer, heard through SDL's disk driver: pitch, pan, volume, looping,
// pausing, clipping, many voices, a change of output format while playing, and music decoded as
// it plays from a file longer than the stream's ring.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "DiskOutput.h"
#include "Vorn/sound/Sound.h"

namespace soundtest {
namespace {

constexpr int kRate = 44100;

// A tone whose 10 ms windows hold whole periods, so window levels are steady.
std::vector<float> SteadyTone(double seconds, int channels = 1, float amplitude = 0.5f)
{
    return Sine(400.0, amplitude, static_cast<int64_t>(seconds * kRate), kRate, channels);
}

TEST_F(DiskOutput, PitchTwoPlaysAnOctaveUpInHalfTheTime)
{
    // One second of 440 Hz recorded at 16000 Hz: output frames fall between recorded ones, so
    // the interpolation is heard too.
    const SampleHandle tone = Upload(Sine(440.0, 0.5f, 16000, 16000, 1), 1, 16000);
    ASSERT_NE(tone, 0u);
    ASSERT_NE(plugin_->PlaySample(tone, false, 1.0f, 0.0f, 2.0f), 0u);
    Wait(800);
    const Capture out = Finish();
    const Span heard = Audible(out);
    EXPECT_NEAR(
        static_cast<double>(heard.Length()), static_cast<double>(out.FramesIn(0.5)), out.FramesIn(0.005));
    const double frequency = Frequency(out, 0, heard.begin, heard.end);
    EXPECT_NEAR(frequency, 880.0, 2.0);
    RecordProperty("frequency_at_pitch_2", std::to_string(frequency));
    const double residual = ResidualDb(out, 0, heard.begin + 10, heard.end - 10, frequency);
    EXPECT_LT(residual, -70.0) << "a clean tone: linear interpolation would leave about -59 dB";
    RecordProperty("residual_db", std::to_string(residual));
}

TEST_F(DiskOutput, PanAndVolumeSetTheLevels)
{
    const VoiceHandle voice = plugin_->PlaySample(Upload(SteadyTone(3.0), 1, kRate), false, 1.0f, -1.0f, 1.0f);
    Wait(250);
    plugin_->SetVoicePan(voice, 0.0f);
    Wait(250);
    plugin_->SetVoiceVolume(voice, 0.5f);
    Wait(250);
    const Capture out = Finish();
    const Span heard = Audible(out, 0.001f);
    const std::vector<double> left = Plateaus(out, 0, heard.begin, heard.end);
    const std::vector<double> right = Plateaus(out, 1, heard.begin, heard.end);
    ASSERT_EQ(left.size(), 3u);
    ASSERT_EQ(right.size(), 3u);
    const double full = 0.5 / std::sqrt(2.0); // the tone's RMS
    EXPECT_NEAR(left[0], full, 0.01 * full) << "pan -1: all of it on the left ...";
    EXPECT_EQ(right[0], 0.0) << "... and the right channel silent";
    EXPECT_NEAR(left[1], full / std::sqrt(2.0), 0.01 * full) << "centred at constant power";
    EXPECT_NEAR(right[1], left[1], 0.01 * full);
    EXPECT_NEAR(left[2] / left[1], 0.5, 0.01) << "volume 0.5 halves the level";
    RecordProperty("level_ratio_at_volume_half", std::to_string(left[2] / left[1]));
}

TEST_F(DiskOutput, ALoopRepeatsWithoutAClickUntilStopped)
{
    // Ten whole periods of 400 Hz at 32000 Hz: the loop's end meets its start on the same wave,
    // and the resampler reads across the seam.
    const SampleHandle periods = Upload(Sine(400.0, 0.5f, 800, 32000, 1), 1, 32000);
    const VoiceHandle voice = plugin_->PlaySample(periods, true, 1.0f, 0.0f, 1.0f);
    Wait(400);
    EXPECT_TRUE(plugin_->IsVoicePlaying(voice));
    plugin_->StopVoice(voice);
    EXPECT_FALSE(plugin_->IsVoicePlaying(voice));
    Wait(100);
    const Capture out = Finish();
    const Span heard = Audible(out);
    EXPECT_GT(heard.Length(), 3 * 1100) << "the loop played over and over";
    // A sine's second difference stays below amplitude * (2 pi f / rate)^2, about 0.0012 here; a
    // gap or a repeated frame at the seam jumps by some 0.02.
    // Up to the first silent frame: the stop fades out rather than dropping to silence.
    EXPECT_LT(LargestKink(out, 0, heard.begin + 2, heard.end + 1), 0.004f);
    EXPECT_GT(out.Frames() - heard.end, out.FramesIn(0.01)) << "silent after the stop";
}

TEST_F(DiskOutput, ResumeCarriesOnWhereThePauseStopped)
{
    // A slow ramp: each frame's value tells where in the sample it came from.
    constexpr double kSlope = 1.0 / 88200.0;
    std::vector<float> ramp(2 * 88200);
    for (size_t frame = 0; frame < ramp.size() / 2; ++frame)
        ramp[2 * frame] = ramp[2 * frame + 1]
            = static_cast<float>(-0.9 + kSlope * static_cast<double>(frame));
    const VoiceHandle voice = plugin_->PlaySample(Upload(ramp, 2, kRate), false, 1.0f, 0.0f, 1.0f);
    Wait(250);
    plugin_->PauseVoice(voice);
    EXPECT_FALSE(plugin_->IsVoicePlaying(voice));
    Wait(250);
    plugin_->ResumeVoice(voice);
    EXPECT_TRUE(plugin_->IsVoicePlaying(voice));
    Wait(250);
    const Capture out = Finish();

    const Span heard = Audible(out);
    int64_t pauseAt = heard.begin;
    while (pauseAt < heard.end && std::fabs(out.At(pauseAt, 0)) > 0.01f)
        ++pauseAt;
    int64_t resumeAt = pauseAt;
    while (resumeAt < heard.end && std::fabs(out.At(resumeAt, 0)) <= 0.01f)
        ++resumeAt;
    EXPECT_GT(resumeAt - pauseAt, out.FramesIn(0.02)) << "silent while paused";
    // Past the fade-in the ramp goes on from where the pause left it.
    const int64_t probe = resumeAt + 400;
    ASSERT_LT(probe, heard.end);
    const double played = static_cast<double>(pauseAt - heard.begin) + static_cast<double>(probe - resumeAt);
    const double heardAt = (out.At(probe, 0) + 0.9) / kSlope;
    EXPECT_NEAR(heardAt, played, 64.0);
}

TEST_F(DiskOutput, SixtyFourVoicesAddUpAndTheMixIsClippedNeverWrapped)
{
    // 64 voices of a steady 0.02 add up to 1.28: clipped at full scale, then under the master
    // volume 0.5 exactly 0.64.
    const SampleHandle level = Upload(std::vector<float>(4 * kRate, 0.02f), 2, kRate);
    for (int i = 0; i < 64; ++i)
        ASSERT_NE(plugin_->PlaySample(level, false, 1.0f, 0.0f, 1.0f), 0u) << "voice " << i;
    Wait(300);
    plugin_->SetVolume(0.5f);
    Wait(300);
    const Capture out = Finish();
    const Span heard = Audible(out);
    const std::vector<double> levels = Plateaus(out, 0, heard.begin, heard.end);
    ASSERT_FALSE(levels.empty());
    EXPECT_NEAR(levels.back(), 0.64, 0.001);
    const auto first = out.samples.begin() + heard.begin * 2, last = out.samples.begin() + heard.end * 2;
    EXPECT_FLOAT_EQ(*std::max_element(first, last), 1.0f) << "clipped at full scale";
    EXPECT_GE(*std::min_element(first, last), 0.0f) << "never wrapped round to negative";
}

TEST_F(DiskOutput, ANewFormatKeepsTheVoicesPlaying)
{
    const VoiceHandle voice = plugin_->PlaySample(
        Upload(Sine(441.0, 0.5f, 3 * kRate, kRate, 1), 1, kRate), false, 1.0f, 0.0f, 1.0f);
    Wait(200);
    const AudioMode wanted { 32, 1, 48000 };
    ASSERT_TRUE(plugin_->SetMode(nullptr, &wanted));
    EXPECT_TRUE(plugin_->IsVoicePlaying(voice));
    AudioMode granted {};
    ASSERT_TRUE(plugin_->GetMode(&granted));
    EXPECT_EQ(granted.bps, 32);
    EXPECT_EQ(granted.channels, 1);
    EXPECT_EQ(granted.rate, 48000);
    Wait(300);
    // The disk driver starts its file afresh with the new format.
    const Capture out = Finish(32, 1, 48000);
    const Span heard = Audible(out);
    EXPECT_LT(heard.begin, out.FramesIn(0.05)) << "the voice sounds from the reopening on";
    EXPECT_GT(heard.Length(), out.FramesIn(0.05));
    EXPECT_NEAR(Frequency(out, 0, heard.begin, heard.end), 441.0, 1.0);
    // One speaker: a centred mono tone at its own level.
    EXPECT_NEAR(Rms(out, 0, heard.begin, heard.end), 0.5 / std::sqrt(2.0), 0.005);
}

TEST_F(DiskOutput, ReleasingASampleEndsItsVoices)
{
    const SampleHandle tone = Upload(SteadyTone(3.0), 1, kRate);
    const VoiceHandle voice = plugin_->PlaySample(tone, true, 1.0f, 0.0f, 1.0f);
    Wait(200);
    plugin_->ReleaseSample(tone);
    EXPECT_FALSE(plugin_->IsVoicePlaying(voice));
    EXPECT_EQ(plugin_->PlaySample(tone, false, 1.0f, 0.0f, 1.0f), 0u) << "the handle is gone";
    Wait(200);
    const Capture out = Finish();
    EXPECT_GT(out.Frames() - Audible(out).end, out.FramesIn(0.02));
}

TEST_F(DiskOutput, MusicStreamsAFileLongerThanItsBuffer)
{
    // A second and a half of 441 Hz in FLAC, lossless, so what comes out can be compared.
    const std::string path = File("music.flac");
    ASSERT_TRUE(WriteSound(path, EveryFormat()[1], Sine(441.0, 0.5f, 66150, 44100, 1), 1));
    Vorn::Sound music(plugin_.get());
    ASSERT_TRUE(music.Load(path.c_str(), true));
    music.Play();
    EXPECT_TRUE(music.IsPlaying());
    for (int waited = 0; music.IsPlaying() && waited < 5000; waited += 20)
        Wait(20);
    EXPECT_FALSE(music.IsPlaying()) << "the voice ends with the file";
    const Capture out = Finish();
    const Span heard = Audible(out);
    EXPECT_NEAR(static_cast<double>(heard.Length()), 66150.0, 2.0);
    EXPECT_LT(LargestKink(out, 0, heard.begin + 2, heard.end), 0.004f) << "no gap";
}

} // namespace
} // namespace soundtest
