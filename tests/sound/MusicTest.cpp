// Music through the real audio plugin, heard on SDL's disk driver: a file longer than the
// stream's ring, decoded as it plays, comes out whole and without a gap, then the voice ends.
#include <gtest/gtest.h>

#include "DiskOutput.h"
#include "Vorn/sound/Sound.h"

namespace soundtest {
namespace {

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
