// Music through the real audio plugin, heard on SDL's disk driver: a file longer than the
// stream's ring, decoded as it plays and looped, comes out whole and without a seam.
#include <gtest/gtest.h>

#include "DiskOutput.h"
#include "SoundFiles.h"
#include "Vorn/sound/Sound.h"

namespace soundtest {
namespace {

TEST_F(DiskOutput, MusicStreamsAFileLongerThanItsBufferAndLoopsIt)
{
    // One second of 441 Hz (whole periods) in FLAC, lossless: what comes out can be compared.
    const FileFormat& flac = EveryFormat()[1];
    const std::string path = dir_.File("music.flac");
    ASSERT_TRUE(WriteSound(path, flac, Sine(441.0, 0.5f, 44100, 44100, 1), 1));
    {
        Vorn::Sound music(audio_.get());
        ASSERT_TRUE(music.Load(path.c_str(), true));
        music.PlayLoop();
        Wait(1600);
        EXPECT_TRUE(music.IsPlaying());
    }
    const Capture out = Finish();
    const Span heard = Audible(out);
    EXPECT_GT(heard.Length(), out.FramesIn(1.3)) << "on past the file's end";
    EXPECT_LT(LargestKink(out, 0, heard.begin + 2, heard.end), 0.004f) << "no gap, no seam";
    EXPECT_NEAR(Frequency(out, 0, heard.begin, heard.end), 441.0, 0.5);
}

} // namespace
} // namespace soundtest
