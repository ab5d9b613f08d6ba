// Runs of the real binary without a sound device or without an audio plugin, which still load
// and play sounds and say once that sound is off.
#include <gtest/gtest.h>

#include "GameRun.h"
#include "LogMatch.h"
#include "SoundCapture.h"

namespace {

// A script that loads and plays a sound and a music, then reports and ends.
constexpr const char* kPlayingScript = R"(
local effect = Sound("tone.wav")
local music = Music("tone.wav")
effect.pitch = 2
effect:play()
music:play_loop()
print("heard:", effect:is_playing(), music:is_playing(), audio == nil)
)";

int CountLinesWith(const std::string& text, const std::string& part)
{
    int count = 0;
    for (const std::string& line : vorntest::SplitLines(text))
        count += line.find(part) != std::string::npos ? 1 : 0;
    return count;
}

void WriteTone(const vorntest::GameFolder& game)
{
    ASSERT_TRUE(soundtest::WriteSound((game.Path() / "tone.wav").string(), soundtest::EveryFormat()[0],
        soundtest::Sine(440.0, 0.5f, 44100, 44100, 1), 1));
}

TEST(SoundScript, WithoutASoundCardOneLineSaysSoundIsOff)
{
    vorntest::GameFolder game;
    game.UseSdlPluginsAsDefaults();
    WriteTone(game);
    game.WriteScript("main.lua", kPlayingScript);
    // ALSA without a configuration behaves as on a machine without a sound card, and complains.
    const auto run = game.Run(vorntest::RunOptions()
                                  .Env("SDL_AUDIODRIVER", "alsa")
                                  .Env("ALSA_CONFIG_PATH", "/nonexistent/alsa.conf")
                                  .Env("VORN_MESSAGEBOX", "cancel"));
    EXPECT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ(CountLinesWith(run.err, "sound is off"), 1) << run.err;
    EXPECT_EQ(CountLinesWith(run.err, "cannot open the audio device 'Default output (alsa)'"), 1) << run.err;
    EXPECT_EQ(CountLinesWith(run.err, "ALSA lib"), 0) << "the sound library's own errors stay quiet";
    EXPECT_NE(run.out.find("heard:\tfalse\tfalse\ttrue"), std::string::npos) << run.out;
    EXPECT_TRUE(run.Boxes().empty()) << run.err;
}

TEST(SoundScript, WithoutAnAudioPluginSoundsStillLoad)
{
    vorntest::GameFolder game;
    game.UseTestPluginsAsDefaults();
    game.CopyTestPlugin("TestNone.so", "Plugins/VornDS8.so");
    WriteTone(game);
    game.WriteScript("main.lua", kPlayingScript);
    const auto run = game.Run(vorntest::RunOptions().Env("VORN_MESSAGEBOX", "cancel"));
    EXPECT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_NE(run.out.find("heard:\tfalse\tfalse\ttrue"), std::string::npos) << run.out;
    int off = 0;
    for (const std::string& line : run.log)
        off += line == "Sound: no audio plugin is loaded; sound is off" ? 1 : 0;
    EXPECT_EQ(off, 1) << run.Describe();
    EXPECT_TRUE(run.Boxes().empty()) << run.err;
}

} // namespace
