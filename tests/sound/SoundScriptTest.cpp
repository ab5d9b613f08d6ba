// The sound API through the real binary: the Lua suite with the test plugins; a sound played by a
// script and heard through the SDL plugin on the disk driver; and a run without a sound device or
// without an audio plugin, which still loads and plays sounds and says once that sound is off.
#include <gtest/gtest.h>

#include <cmath>

#include "GameRun.h"
#include "LogMatch.h"
#include "LuaSuite.h"
#include "SoundCapture.h"
#include "SoundFiles.h"

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

void WriteTone(const vorntest::GameFolder& game, double seconds = 1.0)
{
    ASSERT_TRUE(soundtest::WriteSound((game.Path() / "tone.wav").string(), soundtest::EveryFormat()[0],
        soundtest::Sine(440.0, 0.5f, static_cast<int64_t>(seconds * 44100), 44100, 1), 1));
}

TEST(SoundScript, ScriptChecksPassThroughTheBinary)
{
    vorntest::ExpectLuaSuitePasses("tests/sound/sound.lua", "sound");
}

TEST(SoundScript, AScriptsSoundReachesTheDevice)
{
    vorntest::GameFolder game;
    game.UseTestPluginsAsDefaults();
    std::filesystem::copy_file(vorntest::SdlPluginDir() / "VornDS8.so", game.Path() / "Plugins/VornDS8.so",
        std::filesystem::copy_options::overwrite_existing);
    WriteTone(game);
    game.WriteScript("main.lua", R"(
local tone = Sound("tone.wav")
tone.pan = -1
tone.pitch = 2
tone.volume = 0.5
display:create("Heard", 64, 64, 32, true)
tone:play()
local timer = Timer()
timer.on_tick = function() display:destroy() end
timer:start(700)
)");
    const auto run = game.Run(vorntest::RunOptions()
                                  .Env("SDL_AUDIODRIVER", "disk")
                                  .Env("SDL_DISKAUDIOFILE", "out.raw")
                                  .Env("VORN_MESSAGEBOX", "cancel"));
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    const soundtest::Capture out = soundtest::ReadCapture((game.Path() / "out.raw").string(), 16, 2, 44100);
    const soundtest::Span heard = soundtest::Audible(out);
    EXPECT_NEAR(static_cast<double>(heard.Length()), 22050.0, 250.0) << "pitch 2: half the time";
    EXPECT_NEAR(soundtest::Frequency(out, 0, heard.begin, heard.end), 880.0, 2.0);
    EXPECT_NEAR(
        soundtest::Rms(out, 0, heard.begin + 500, heard.end - 500), 0.5 * 0.5 / std::sqrt(2.0), 0.005);
    EXPECT_EQ(soundtest::Peak(out, 1, 0, out.Frames()), 0.0f) << "pan -1: the right channel stays silent";
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
