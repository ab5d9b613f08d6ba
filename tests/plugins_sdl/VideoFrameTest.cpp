// Video plugin frames: readiness, clearing and presenting, the captured frame files stretched over
// the window, and a window that disappears under the plugin.
#include <SDL_image.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "VideoFixture.h"

namespace plugintest {
namespace {

// Captures frames 2 and 4 into a fresh folder.
class VideoCaptureTest : public VideoFixture {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/vorn-capture-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory_ = pattern;
        setenv("VORN_CAPTURE_FRAMES", "4,2", 1);
        setenv("VORN_CAPTURE_DIR", directory_.c_str(), 1);
        VideoFixture::SetUp();
    }

    void TearDown() override
    {
        VideoFixture::TearDown();
        unsetenv("VORN_CAPTURE_FRAMES");
        unsetenv("VORN_CAPTURE_DIR");
        for (int frame = 1; frame <= 5; ++frame)
            std::remove(Frame(frame).c_str());
        rmdir(directory_.c_str());
    }

    std::string Frame(int number) const { return directory_ + "/frame-" + std::to_string(number) + ".png"; }

    std::string directory_;
};

bool Exists(const std::string& path)
{
    return access(path.c_str(), F_OK) == 0;
}

// The colour of one pixel of a loaded image.
Color PixelAt(SDL_Surface* image, int x, int y)
{
    Uint32 pixel = 0;
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(image, SDL_PIXELFORMAT_RGBA32, 0);
    if (rgba == nullptr)
        return Color {};
    pixel = static_cast<const Uint32*>(rgba->pixels)[y * (rgba->pitch / 4) + x];
    Color color {};
    Uint8 alpha = 0;
    SDL_GetRGBA(pixel, rgba->format, &color.r, &color.g, &color.b, &alpha);
    SDL_FreeSurface(rgba);
    return color;
}

// Frames 2 and 4 are written, the others not. The frame keeps the mode's size and is stretched
// over the whole window, whatever the window's size: a column at the frame's left edge fills the
// window's left edge, twice as wide.
TEST_F(VideoCaptureTest, WritesTheChosenFramesStretchedOverTheWindow)
{
    ASSERT_NE(MakeWindow(64, 48), nullptr);
    SDL_SetWindowResizable(window_, SDL_TRUE);
    const DisplayMode mode = MakeMode(64, 48, true);
    ASSERT_TRUE(plugin_->SetMode(window_, &mode));
    SDL_SetWindowSize(window_, 128, 48);
    const VideoVertex column[6] = { { 0, 0, 255, 0, 0, 255, 0, 0 }, { 8, 0, 255, 0, 0, 255, 0, 0 },
        { 8, 48, 255, 0, 0, 255, 0, 0 }, { 0, 0, 255, 0, 0, 255, 0, 0 }, { 8, 48, 255, 0, 0, 255, 0, 0 },
        { 0, 48, 255, 0, 0, 255, 0, 0 } };
    const Color colours[5] = { { 255, 0, 0 }, { 0, 0, 0 }, { 0, 255, 0 }, { 10, 128, 250 }, { 255, 255, 255 } };
    for (int frame = 1; frame <= 5; ++frame) {
        ASSERT_TRUE(plugin_->BeginFrame());
        ASSERT_TRUE(plugin_->Clear(&colours[frame - 1]));
        if (frame == 2) {
            ASSERT_TRUE(plugin_->DrawTriangles(0, column, 6, nullptr, 0, kVideoBlendNormal));
        }
        ASSERT_TRUE(plugin_->EndFrame());
    }
    EXPECT_FALSE(Exists(Frame(1)) || Exists(Frame(3)) || Exists(Frame(5)));
    SDL_Surface* second = IMG_Load(Frame(2).c_str());
    ASSERT_NE(second, nullptr) << IMG_GetError();
    EXPECT_EQ(second->w, 128);
    EXPECT_EQ(second->h, 48);
    for (int y : { 2, 24, 45 }) {
        EXPECT_EQ(PixelAt(second, 1, y).r, 255) << "the window's left edge shows the frame's left edge";
        EXPECT_EQ(PixelAt(second, 14, y).r, 255);
        EXPECT_EQ(PixelAt(second, 18, y).r, 0) << "8 frame pixels are 16 window pixels wide";
        EXPECT_EQ(PixelAt(second, 126, y).r, 0);
    }
    SDL_FreeSurface(second);
    SDL_Surface* fourth = IMG_Load(Frame(4).c_str());
    ASSERT_NE(fourth, nullptr) << IMG_GetError();
    for (const auto& [x, y] : { std::pair { 0, 0 }, std::pair { 127, 47 } }) {
        const Color color = PixelAt(fourth, x, y);
        EXPECT_TRUE(color.r == 10 && color.g == 128 && color.b == 250) << x << "," << y;
    }
    SDL_FreeSurface(fourth);
}

using VideoFrameTest = VideoFixture;

TEST_F(VideoFrameTest, NoFrameWithoutAModeOrWhileTheWindowIsHidden)
{
    const Color black { 0, 0, 0 };
    EXPECT_FALSE(plugin_->BeginFrame());
    EXPECT_FALSE(plugin_->Clear(&black));
    EXPECT_FALSE(plugin_->EndFrame());

    ASSERT_NE(MakeWindow(), nullptr);
    const DisplayMode mode = MakeMode(100, 100, true);
    ASSERT_TRUE(plugin_->SetMode(window_, &mode));
    SDL_HideWindow(window_);
    EXPECT_FALSE(plugin_->Ready());
    EXPECT_FALSE(plugin_->BeginFrame());
    EXPECT_FALSE(plugin_->EndFrame());
    SDL_ShowWindow(window_);
    EXPECT_TRUE(plugin_->Ready());
    EXPECT_TRUE(plugin_->BeginFrame());
    EXPECT_TRUE(plugin_->Clear(&black));
    EXPECT_FALSE(plugin_->Clear(nullptr));
    EXPECT_TRUE(plugin_->EndFrame());
}

TEST_F(VideoFrameTest, AWindowDestroyedUnderThePluginStopsTheFramesSafely)
{
    ASSERT_NE(MakeWindow(), nullptr);
    const DisplayMode mode = MakeMode(100, 100, true);
    ASSERT_TRUE(plugin_->SetMode(window_, &mode));
    ASSERT_TRUE(plugin_->Ready());
    // Nobody tells the plugin: the renderer goes, then the window.
    SDL_DestroyRenderer(SDL_GetRenderer(window_));
    SDL_DestroyWindow(window_);
    window_ = nullptr;

    EXPECT_FALSE(plugin_->Ready());
    EXPECT_FALSE(plugin_->BeginFrame());
    EXPECT_FALSE(plugin_->EndFrame());
    plugin_->Update();

    // A new window gets a new renderer.
    ASSERT_NE(MakeWindow(), nullptr);
    ASSERT_TRUE(plugin_->SetMode(window_, &mode));
    EXPECT_TRUE(plugin_->Ready());
    EXPECT_NE(SDL_GetRenderer(window_), nullptr);
}

TEST_F(VideoFrameTest, ShutdownReleasesTheRendererOfALiveWindow)
{
    ASSERT_NE(MakeWindow(), nullptr);
    const DisplayMode mode = MakeMode(100, 100, true);
    ASSERT_TRUE(plugin_->SetMode(window_, &mode));
    ASSERT_NE(SDL_GetRenderer(window_), nullptr);
    plugin_->Shutdown();
    EXPECT_EQ(SDL_GetRenderer(window_), nullptr);
    EXPECT_FALSE(plugin_->Ready());
}

} // namespace
} // namespace plugintest
