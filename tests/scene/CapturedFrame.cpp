// CapturedFrame: running the scene, waiting for the captured frame, reading the PNG.
#include "CapturedFrame.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace scenetest {

CapturedFrame CapturedFrame::Of(const vorntest::XServer& server, const std::string& scene)
{
    CapturedFrame frame;
    vorntest::GameFolder game;
    game.UseSdlPluginsAsDefaults();
    game.WriteScript("main.lua",
        "display:create('Scene frame', " + std::to_string(kWidth) + ", " + std::to_string(kHeight)
            + ", 32, true)\n" + scene);
    vorntest::RunningGame run(
        game, server.Options().Env("VORN_CAPTURE_FRAMES", "3").Env("VORN_MESSAGEBOX", "cancel"));
    const unsigned long window = server.FindWindow("Scene frame");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (game.Read("frame-3.png").empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the file is written whole first
    if (window != 0)
        server.RequestClose(window);
    const vorntest::RunResult result = run.Finish();
    SDL_Surface* loaded = IMG_Load((game.Path() / "frame-3.png").c_str());
    if (loaded == nullptr || result.exitCode != 0) {
        frame.error = "no frame: " + result.Describe() + "\n" + result.err;
        if (loaded != nullptr)
            SDL_FreeSurface(loaded);
        return frame;
    }
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(loaded);
    frame.width_ = rgb->w;
    frame.height_ = rgb->h;
    frame.pixels_.resize(static_cast<size_t>(rgb->w) * rgb->h * 3);
    for (int y = 0; y < rgb->h; ++y)
        std::copy_n(static_cast<const unsigned char*>(rgb->pixels) + static_cast<size_t>(y) * rgb->pitch,
            rgb->w * 3, frame.pixels_.begin() + static_cast<std::ptrdiff_t>(y) * rgb->w * 3);
    SDL_FreeSurface(rgb);
    return frame;
}

Rgb CapturedFrame::At(float x, float y) const
{
    const int px = static_cast<int>(std::floor(x + kWidth / 2.0f));
    const int py = static_cast<int>(std::floor(kHeight / 2.0f - y));
    if (px < 0 || py < 0 || px >= width_ || py >= height_)
        return { -1, -1, -1 };
    const unsigned char* p = &pixels_[(static_cast<size_t>(py) * width_ + px) * 3];
    return { p[0], p[1], p[2] };
}

::testing::AssertionResult Near(const Rgb& actual, const Rgb& expected, int tolerance)
{
    if (std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance
        && std::abs(actual.b - expected.b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << "got (" << actual.r << ", " << actual.g << ", " << actual.b << "), expected (" << expected.r
        << ", " << expected.g << ", " << expected.b << ")";
}

} // namespace scenetest
