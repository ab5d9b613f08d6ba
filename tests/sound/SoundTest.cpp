// The engine's Sound and Music over a recording stand-in for the audio plugin: decoding every
// format, refusing damaged files, sharing decoded data between copies, streaming music, and the
// playing controls reaching the plugin's voice.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "SoundCapture.h"
#include "SoundFiles.h"
#include "Vorn/core/Node.h"
#include "Vorn/sound/Sound.h"

namespace soundtest {
namespace {

// Keeps what the engine gave it and answers like a device with every voice free.
class RecordingAudio final : public IAudio {
public:
    struct Sample {
        uint32_t frames, channels, rate;
        bool released = false;
    };
    struct Voice {
        SampleHandle sample = 0;
        std::unique_ptr<IAudioSource> stream;
        bool loop = false, playing = true, stopped = false;
        float volume = 0, pan = 0, pitch = 0;
    };

    bool Initialize() override { return true; }
    void Update() override { }
    void Shutdown() override { }
    bool EnumerateDevices(uint32_t, DeviceEnumCallback, void*) override { return true; }
    bool FindDefaultDevice(uint32_t, DeviceInfo*) override { return false; }
    bool OpenDevice(const DeviceInfo*, DeviceHandle*) override { return false; }
    void ReleaseDevice(DeviceHandle) override { }
    bool SetMode(WindowHandle, const AudioMode*) override { return false; }
    bool GetMode(AudioMode*) override { return false; }
    void SetVolume(float) override { }
    float GetVolume() override { return 1.0f; }

    SampleHandle CreateSample(const float*, uint32_t frames, uint32_t channels, uint32_t rate) override
    {
        samples.push_back({ frames, channels, rate });
        return static_cast<SampleHandle>(samples.size());
    }
    void ReleaseSample(SampleHandle sample) override { samples.at(sample - 1).released = true; }
    VoiceHandle PlaySample(SampleHandle sample, bool loop, float volume, float pan, float pitch) override
    {
        voices.push_back({ sample, nullptr, loop, true, false, volume, pan, pitch });
        return static_cast<VoiceHandle>(voices.size());
    }
    VoiceHandle PlayStream(IAudioSource* source, float volume, float pan, float pitch) override
    {
        voices.push_back(
            { 0, std::unique_ptr<IAudioSource>(source), false, true, false, volume, pan, pitch });
        return static_cast<VoiceHandle>(voices.size());
    }
    void PauseVoice(VoiceHandle voice) override { voices.at(voice - 1).playing = false; }
    void ResumeVoice(VoiceHandle voice) override { voices.at(voice - 1).playing = true; }
    void StopVoice(VoiceHandle voice) override { voices.at(voice - 1).stopped = true; }
    bool IsVoicePlaying(VoiceHandle voice) override
    {
        return voices.at(voice - 1).playing && !voices.at(voice - 1).stopped;
    }
    void SetVoiceVolume(VoiceHandle voice, float volume) override { voices.at(voice - 1).volume = volume; }
    void SetVoicePan(VoiceHandle voice, float pan) override { voices.at(voice - 1).pan = pan; }
    void SetVoicePitch(VoiceHandle voice, float pitch) override { voices.at(voice - 1).pitch = pitch; }

    std::vector<Sample> samples;
    std::vector<Voice> voices;
};

class SoundTest : public ::testing::Test {
protected:
    // Half a second of a stereo tone in `format`, written to <name>.<extension>.
    std::string Tone(const FileFormat& format, const std::string& name = "tone", double seconds = 0.5)
    {
        const std::string path = dir_.File(name + "." + format.extension);
        const auto frames = static_cast<int64_t>(seconds * format.rate);
        EXPECT_TRUE(WriteSound(path, format, Sine(440.0, 0.5f, frames, format.rate, 2), 2)) << path;
        return path;
    }

    void TearDown() override { EXPECT_EQ(Vorn::Node::LiveCount(), 0) << "every sound and buffer was freed"; }

    TempDir dir_;
    RecordingAudio audio_;
};

TEST_F(SoundTest, DecodesEveryFormatWholeAndStreamsEveryFormat)
{
    for (const FileFormat& format : EveryFormat()) {
        const std::string path = Tone(format);
        Vorn::Sound sound(&audio_);
        ASSERT_TRUE(sound.Load(path.c_str())) << path;
        ASSERT_FALSE(audio_.samples.empty());
        const RecordingAudio::Sample& sample = audio_.samples.back();
        EXPECT_EQ(sample.channels, 2u) << path;
        EXPECT_EQ(sample.rate, static_cast<uint32_t>(format.rate)) << path;
        EXPECT_NEAR(sample.frames, format.rate / 2, format.rate / 100) << path;

        Vorn::Sound music(&audio_);
        const size_t samples = audio_.samples.size();
        ASSERT_TRUE(music.Load(path.c_str(), true)) << path;
        EXPECT_EQ(audio_.samples.size(), samples) << "music is not decoded whole";
        music.Play();
        ASSERT_NE(audio_.voices.back().stream, nullptr) << path;
        std::vector<float> block(2 * 4096);
        EXPECT_NEAR(
            audio_.voices.back().stream->Read(block.data(), 4096), std::min(4096, format.rate / 2), 1200)
            << path;
    }
}

TEST_F(SoundTest, DamagedFilesAreRefusedAndTheSoundKeepsWhatItHad)
{
    std::vector<std::string> damaged { dir_.File("missing.wav") };
    WriteBytes(dir_.File("empty.wav"), "");
    WriteBytes(dir_.File("noise.ogg"), std::string(5000, 'x'));
    damaged.push_back(dir_.File("empty.wav"));
    damaged.push_back(dir_.File("noise.ogg"));
    for (const FileFormat& format : EveryFormat()) {
        for (const double kept : { 0.5, 0.9 }) {
            const std::string path = Tone(format, "cut" + std::to_string(static_cast<int>(kept * 10)));
            CutShort(path, kept);
            damaged.push_back(path);
        }
    }
    const std::string good = Tone(EveryFormat()[0], "good");
    for (const bool stream : { false, true }) {
        Vorn::Sound sound(&audio_);
        ASSERT_TRUE(sound.Load(good.c_str(), stream));
        for (const std::string& path : damaged)
            EXPECT_FALSE(sound.Load(path.c_str(), stream)) << path << (stream ? " as music" : " as a sound");
        EXPECT_FALSE(sound.Load(nullptr, stream));
        EXPECT_TRUE(sound.IsLoaded()) << "a failed load loses nothing";
        EXPECT_EQ(sound.IsStreamed(), stream);
    }
}

TEST_F(SoundTest, CopiesShareTheDecodedDataUntilTheLastGoes)
{
    const std::string path = Tone(EveryFormat()[0]);
    auto original = std::make_unique<Vorn::Sound>(&audio_);
    ASSERT_TRUE(original->Load(path.c_str()));
    original->SetVolume(0.25f);
    original->SetPitch(1.5f);
    Vorn::Sound copy(&audio_);
    EXPECT_TRUE(copy.Copy(original.get()));
    EXPECT_EQ(audio_.samples.size(), 1u) << "decoded once";
    EXPECT_FLOAT_EQ(copy.GetVolume(), 0.25f);
    EXPECT_FLOAT_EQ(copy.GetPitch(), 1.5f);

    original->Play();
    copy.Play();
    ASSERT_EQ(audio_.voices.size(), 2u);
    EXPECT_EQ(audio_.voices[0].sample, audio_.voices[1].sample) << "both play the one sample";
    original.reset();
    EXPECT_TRUE(audio_.voices[0].stopped) << "a sound stops when it goes";
    EXPECT_FALSE(audio_.samples[0].released) << "the copy still holds the data";
    EXPECT_TRUE(copy.IsPlaying());
    EXPECT_TRUE(copy.Release());
    EXPECT_TRUE(audio_.samples[0].released);
    EXPECT_FALSE(copy.Release()) << "nothing left to release";

    Vorn::Sound empty(&audio_);
    EXPECT_FALSE(copy.Copy(&empty));
    EXPECT_FALSE(copy.Copy(nullptr));
}

TEST_F(SoundTest, ControlsReachTheVoiceWithinTheirRanges)
{
    const std::string path = Tone(EveryFormat()[0]);
    Vorn::Sound sound(&audio_);
    ASSERT_TRUE(sound.Load(path.c_str()));
    EXPECT_FLOAT_EQ(sound.GetVolume(), 1.0f);
    EXPECT_FLOAT_EQ(sound.GetPan(), 0.0f);
    EXPECT_FLOAT_EQ(sound.GetPitch(), 1.0f);
    sound.PlayLoop();
    EXPECT_TRUE(audio_.voices.back().loop);
    sound.SetVolume(2.0f);
    sound.SetPan(-3.0f);
    sound.SetPitch(0.5f);
    sound.SetPitch(std::nanf(""));
    EXPECT_FLOAT_EQ(sound.GetVolume(), 1.0f);
    EXPECT_FLOAT_EQ(sound.GetPan(), -1.0f);
    EXPECT_FLOAT_EQ(sound.GetPitch(), 0.5f) << "NaN changes nothing";
    EXPECT_FLOAT_EQ(audio_.voices.back().volume, 1.0f);
    EXPECT_FLOAT_EQ(audio_.voices.back().pan, -1.0f);
    EXPECT_FLOAT_EQ(audio_.voices.back().pitch, 0.5f);

    sound.Pause();
    EXPECT_FALSE(sound.IsPlaying());
    sound.Resume();
    EXPECT_TRUE(sound.IsPlaying());
    sound.Play();
    EXPECT_TRUE(audio_.voices[0].stopped) << "playing again starts over on a new voice";
    EXPECT_FALSE(audio_.voices.back().loop);
    sound.Stop();
    EXPECT_FALSE(sound.IsPlaying());
}

TEST_F(SoundTest, WithoutAnAudioPluginSoundsLoadAndPlayNothing)
{
    const std::string path = Tone(EveryFormat()[2]);
    Vorn::Sound sound(nullptr);
    EXPECT_TRUE(sound.Load(path.c_str()));
    sound.PlayLoop();
    sound.SetVolume(0.5f);
    EXPECT_FALSE(sound.IsPlaying());
    Vorn::Sound music(nullptr);
    EXPECT_TRUE(music.Load(path.c_str(), true));
    music.Play();
    EXPECT_FALSE(music.IsPlaying());
    EXPECT_TRUE(music.Copy(&sound));
}

TEST_F(SoundTest, LoopingMusicStartsOverWithinTheBlock)
{
    // Two whole periods, so the file's end meets its start.
    const FileFormat& wav = EveryFormat()[0];
    const std::string path = dir_.File("periods.wav");
    ASSERT_TRUE(WriteSound(path, wav, Sine(441.0, 0.5f, 200, 44100, 1), 1));
    Vorn::Sound music(&audio_);
    ASSERT_TRUE(music.Load(path.c_str(), true));
    music.PlayLoop();
    std::vector<float> block(1000);
    ASSERT_EQ(audio_.voices.back().stream->Read(block.data(), 1000), 1000u);
    const std::vector<float> expected = Sine(441.0, 0.5f, 1000, 44100, 1);
    for (size_t i = 0; i < block.size(); ++i)
        ASSERT_NEAR(block[i], expected[i], 1e-4) << "frame " << i;
}

} // namespace
} // namespace soundtest
