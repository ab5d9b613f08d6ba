// The engine's sound decoding: every format read whole and as a stream, damaged files refused
// without losing what a sound held, and looping music starting over within a block.
#include <gtest/gtest.h>

#include <vector>

#include "GameRun.h"
#include "SoundCapture.h"
#include "Vorn/core/Node.h"
#include "Vorn/sound/MusicSource.h"
#include "Vorn/sound/Sound.h"

namespace soundtest {
namespace {

class SoundTest : public ::testing::Test {
protected:
    // Half a second of a stereo tone in `format`, written to <name>.<extension>.
    std::string Tone(const FileFormat& format, const std::string& name = "tone")
    {
        const std::string path = File(name + "." + format.extension);
        EXPECT_TRUE(WriteSound(path, format, Sine(440.0, 0.5f, format.rate / 2, format.rate, 2), 2)) << path;
        return path;
    }

    void TearDown() override { EXPECT_EQ(Vorn::Node::LiveCount(), 0) << "every sound and buffer was freed"; }

    std::string File(const std::string& name) const { return (dir_.Path() / name).string(); }

    vorntest::GameFolder dir_;
};

TEST_F(SoundTest, ReadsEveryFormatWholeAndAsAStream)
{
    for (const FileFormat& format : EveryFormat()) {
        const std::string path = Tone(format);
        std::string error;
        const auto file = Vorn::SoundFile::Open(path.c_str(), error);
        ASSERT_NE(file, nullptr) << path << ": " << error;
        EXPECT_EQ(file->Channels(), 2u) << path;
        EXPECT_EQ(file->Rate(), static_cast<uint32_t>(format.rate)) << path;
        EXPECT_NEAR(static_cast<double>(file->Frames()), format.rate / 2, format.rate / 100) << path;
        Vorn::Sound sound(nullptr);
        EXPECT_TRUE(sound.Load(path.c_str())) << path;
        EXPECT_TRUE(sound.Load(path.c_str(), true)) << path << " as music";
        EXPECT_TRUE(sound.IsStreamed());
    }
}

TEST_F(SoundTest, DamagedFilesAreRefusedAndTheSoundKeepsWhatItHad)
{
    std::vector<std::string> damaged { File("missing.wav"), File("empty.wav"), File("noise.ogg") };
    WriteBytes(damaged[1], "");
    WriteBytes(damaged[2], std::string(5000, 'x'));
    for (const FileFormat& format : EveryFormat()) {
        for (const int kept : { 5, 9 }) { // tenths of the file
            damaged.push_back(Tone(format, "cut" + std::to_string(kept)));
            CutShort(damaged.back(), kept / 10.0);
        }
    }
    const std::string good = Tone(EveryFormat()[0], "good");
    for (const bool stream : { false, true }) {
        Vorn::Sound sound(nullptr);
        ASSERT_TRUE(sound.Load(good.c_str(), stream));
        for (const std::string& path : damaged)
            EXPECT_FALSE(sound.Load(path.c_str(), stream)) << path << (stream ? " as music" : " as a sound");
        EXPECT_FALSE(sound.Load(nullptr, stream));
        EXPECT_TRUE(sound.IsLoaded()) << "a failed load loses nothing";
        EXPECT_EQ(sound.IsStreamed(), stream);
    }
}

TEST_F(SoundTest, LoopingMusicStartsOverWithinTheBlock)
{
    // Two whole periods of 441 Hz, so the file's end meets its start.
    const std::string path = File("periods.wav");
    ASSERT_TRUE(WriteSound(path, EveryFormat()[0], Sine(441.0, 0.5f, 200, 44100, 1), 1));
    std::string error;
    Vorn::MusicSource looping(Vorn::SoundFile::Open(path.c_str(), error), true);
    std::vector<float> block(1000);
    ASSERT_EQ(looping.Read(block.data(), 1000), 1000u);
    const std::vector<float> expected = Sine(441.0, 0.5f, 1000, 44100, 1);
    for (size_t i = 0; i < block.size(); ++i)
        ASSERT_NEAR(block[i], expected[i], 1e-4) << "frame " << i;
    Vorn::MusicSource once(Vorn::SoundFile::Open(path.c_str(), error), false);
    EXPECT_EQ(once.Read(block.data(), 1000), 200u) << "without the loop it ends with the file";
}

} // namespace
} // namespace soundtest
