// Video plugin: displays as devices, opening and releasing them, mode listing, and setting,
// reading and refusing display modes on a real SDL window (dummy driver).
#include <vector>

#include "VideoFixture.h"

namespace plugintest {
namespace {

void CollectDevice(const DeviceInfo* info, void* context)
{
    static_cast<std::vector<DeviceInfo>*>(context)->push_back(*info);
}

void CollectMode(const DisplayMode* mode, void* context)
{
    static_cast<std::vector<DisplayMode>*>(context)->push_back(*mode);
}

using VideoPluginTest = VideoFixture;

TEST_F(VideoPluginTest, ListsTheDisplaysWithDisplayZeroAsDefault)
{
    std::vector<DeviceInfo> devices;
    ASSERT_TRUE(video_->EnumerateDevices(DEV_SUBCLASS_ALL, CollectDevice, &devices));
    ASSERT_EQ(devices.size(), static_cast<size_t>(SDL_GetNumVideoDisplays()));
    for (size_t i = 0; i < devices.size(); ++i) {
        EXPECT_EQ(devices[i].devclass, DEV_CLASS_VIDEO);
        EXPECT_EQ(devices[i].id, i);
        EXPECT_GT(std::strlen(devices[i].name), 0u);
    }

    DeviceInfo found {};
    ASSERT_TRUE(video_->FindDefaultDevice(DEV_SUBCLASS_ALL, &found));
    EXPECT_EQ(found.id, 0u);
    EXPECT_STREQ(found.name, devices[0].name);
    EXPECT_FALSE(video_->FindDefaultDevice(DEV_SUBCLASS_PLAY, &found));
    EXPECT_FALSE(video_->FindDefaultDevice(DEV_SUBCLASS_ALL, nullptr));

    std::vector<DeviceInfo> keyboards;
    EXPECT_TRUE(video_->EnumerateDevices(DEV_SUBCLASS_KEYBOARD, CollectDevice, &keyboards));
    EXPECT_TRUE(keyboards.empty());
}

TEST_F(VideoPluginTest, ListsTheModesOfAnOpenedDisplayOnly)
{
    DeviceInfo info {};
    ASSERT_TRUE(video_->FindDefaultDevice(DEV_SUBCLASS_ALL, &info));
    DeviceHandle handle = 0;
    ASSERT_TRUE(video_->OpenDevice(&info, &handle));

    // The runtime names the display by its handle when it asks for the modes.
    DeviceInfo request {};
    request.devclass = DEV_CLASS_VIDEO;
    request.subclass = DEV_SUBCLASS_ALL;
    request.id = handle;
    std::vector<DisplayMode> modes;
    ASSERT_TRUE(video_->EnumerateModes(&request, CollectMode, &modes));
    ASSERT_EQ(modes.size(), static_cast<size_t>(SDL_GetNumDisplayModes(0)));
    for (size_t i = 0; i < modes.size(); ++i) {
        SDL_DisplayMode sdlMode;
        ASSERT_EQ(SDL_GetDisplayMode(0, static_cast<int>(i), &sdlMode), 0);
        EXPECT_EQ(modes[i].width, static_cast<uint32_t>(sdlMode.w));
        EXPECT_EQ(modes[i].height, static_cast<uint32_t>(sdlMode.h));
        EXPECT_EQ(modes[i].depth, SDL_BITSPERPIXEL(sdlMode.format));
        EXPECT_EQ(modes[i].refresh, static_cast<uint32_t>(sdlMode.refresh_rate));
        EXPECT_FALSE(modes[i].windowed);
    }

    video_->ReleaseDevice(handle);
    modes.clear();
    EXPECT_FALSE(video_->EnumerateModes(&request, CollectMode, &modes));
    EXPECT_TRUE(modes.empty());

    DeviceInfo missing = info;
    missing.id = 99;
    EXPECT_FALSE(video_->OpenDevice(&missing, &handle));
    EXPECT_FALSE(video_->OpenDevice(nullptr, &handle));
}

TEST_F(VideoPluginTest, WindowedModeSizesTheClientAreaAndIsReportedBack)
{
    DisplayMode mode {};
    EXPECT_FALSE(video_->GetMode(&mode)) << "no mode before the first SetMode";
    EXPECT_FALSE(video_->Ready());

    ASSERT_NE(MakeWindow(), nullptr);
    const DisplayMode wanted = MakeMode(200, 150, true, 75);
    ASSERT_TRUE(video_->SetMode(window_, &wanted));
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 150);
    EXPECT_EQ((SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN), 0u);
    ASSERT_TRUE(video_->GetMode(&mode));
    EXPECT_EQ(std::memcmp(&mode, &wanted, sizeof mode), 0);
    EXPECT_TRUE(video_->Ready());
}

TEST_F(VideoPluginTest, FullScreenUsesTheClosestDisplayModeAndWindowedLeavesIt)
{
    ASSERT_NE(MakeWindow(), nullptr);
    SDL_DisplayMode desktop;
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0);
    const DisplayMode full
        = MakeMode(static_cast<uint32_t>(desktop.w), static_cast<uint32_t>(desktop.h), false);
    ASSERT_TRUE(video_->SetMode(window_, &full));
    EXPECT_NE((SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN), 0u);
    SDL_DisplayMode chosen;
    ASSERT_EQ(SDL_GetWindowDisplayMode(window_, &chosen), 0);
    EXPECT_EQ(chosen.w, desktop.w);
    EXPECT_EQ(chosen.h, desktop.h);

    const DisplayMode windowed = MakeMode(160, 120, true);
    ASSERT_TRUE(video_->SetMode(window_, &windowed));
    EXPECT_EQ((SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN), 0u);
    DisplayMode reported {};
    ASSERT_TRUE(video_->GetMode(&reported));
    EXPECT_TRUE(reported.windowed);
    EXPECT_EQ(reported.width, 160u);
}

TEST_F(VideoPluginTest, RefusedModesChangeNothing)
{
    ASSERT_NE(MakeWindow(), nullptr);
    const DisplayMode first = MakeMode(200, 100, true);
    ASSERT_TRUE(video_->SetMode(window_, &first));

    const DisplayMode zero = MakeMode(0, 100, true);
    const DisplayMode absurd = MakeMode(100000, 100, true);
    // Sensible numbers, but larger than any mode the display has.
    const DisplayMode noSuchFullScreen = MakeMode(16000, 16000, false);
    EXPECT_FALSE(video_->SetMode(nullptr, &first));
    EXPECT_FALSE(video_->SetMode(window_, nullptr));
    EXPECT_FALSE(video_->SetMode(window_, &zero));
    EXPECT_FALSE(video_->SetMode(window_, &absurd));
    EXPECT_FALSE(video_->SetMode(window_, &noSuchFullScreen));

    DisplayMode mode {};
    ASSERT_TRUE(video_->GetMode(&mode));
    EXPECT_EQ(std::memcmp(&mode, &first, sizeof mode), 0);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 100);
    EXPECT_EQ((SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN), 0u);
}

TEST_F(VideoPluginTest, UnknownTexturesHaveNoSize)
{
    EXPECT_EQ(video_->TextureWidth(0), 0u);
    EXPECT_EQ(video_->TextureHeight(0), 0u);
    EXPECT_EQ(video_->TextureWidth(7), 0u);
    EXPECT_EQ(video_->TextureHeight(7), 0u);
}

} // namespace
} // namespace plugintest
