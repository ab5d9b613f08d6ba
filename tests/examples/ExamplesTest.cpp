// ExamplesTest: every script under examples/ runs as `vorn examples/<name>.lua` from a game folder
// with the real SDL plugins on SDL's dummy drivers, ends by itself (VORN_EXAMPLE_FRAMES), raises no
// script error, and presents a frame that is not blank.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "GameRun.h"

namespace {

const std::filesystem::path kExamples = std::filesystem::path(VORN_SOURCE_DIR) / "examples";

// How many pixels of the PNG differ from its top-left pixel (a blank frame is one flat colour);
// -1 when it cannot be read.
long PixelsUnlikeTheCorner(const std::filesystem::path& png)
{
    SDL_Surface* loaded = IMG_Load(png.c_str());
    if (loaded == nullptr)
        return -1;
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    if (rgba == nullptr)
        return -1;
    const auto* pixels = static_cast<const unsigned char*>(rgba->pixels);
    const Uint32 corner = *reinterpret_cast<const Uint32*>(pixels);
    long differing = 0;
    for (int y = 0; y < rgba->h; ++y)
        for (int x = 0; x < rgba->w; ++x)
            differing += *reinterpret_cast<const Uint32*>(pixels + y * rgba->pitch + x * 4) != corner;
    SDL_FreeSurface(rgba);
    return differing;
}

class Example : public ::testing::TestWithParam<std::string> { };

TEST_P(Example, RunsHeadlessToItsEndAndShowsAFrame)
{
    vorntest::GameFolder game;
    game.UseSdlPluginsAsDefaults();
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kExamples))
        if (entry.is_regular_file())
            game.Copy(
                entry.path(), "examples/" + std::filesystem::relative(entry.path(), kExamples).string());

    const auto run = game.Run(vorntest::RunOptions()
                                  .Arg("examples/" + GetParam() + ".lua")
                                  .Env("VORN_EXAMPLE_FRAMES", "20")
                                  .Env("VORN_CAPTURE_FRAMES", "10")
                                  .Env("VORN_MESSAGEBOX", "cancel"));

    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_FALSE(run.timedOut) << run.Describe();
    EXPECT_TRUE(run.Boxes().empty()) << run.err;
    // A frame of 640 x 480: at least 0.2% of it is not the background.
    EXPECT_GT(PixelsUnlikeTheCorner(game.Path() / "frame-10.png"), 600) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Examples, Example,
    ::testing::Values("window", "sprite-canvas", "layers-clipping", "camera-viewport", "text", "image",
        "sound", "input", "timers"),
    [](const ::testing::TestParamInfo<std::string>& info) {
        std::string name = info.param;
        for (char& c : name)
            if (c == '-')
                c = '_';
        return name;
    });

} // namespace
