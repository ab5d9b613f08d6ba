// Video plugin textures and targets: sizes that exist before any window and outlive renderers,
// pixels that a new renderer loses (the generation says so), refused uploads, and a window the
// plugin lets go of so that it can be freed at once.
#include "VideoFixture.h"

#include <vector>

namespace plugintest {
namespace {

using VideoTextureTest = VideoFixture;

const std::vector<uint8_t> kRed(4 * 4 * 4, 255);

TEST_F(VideoTextureTest, TexturesKeepTheirSizeAcrossRenderersAndTheirPixelsAreLostWithOne)
{
    const TextureHandle before = plugin_->CreateTexture(4, 3);
    ASSERT_NE(before, 0u) << "a texture can be made before there is a window";
    EXPECT_EQ(plugin_->TextureWidth(before), 4u);
    EXPECT_EQ(plugin_->TextureHeight(before), 3u);
    EXPECT_FALSE(plugin_->UpdateTexture(before, nullptr, kRed.data(), 16)) << "no device to keep pixels yet";

    ASSERT_NE(MakeWindow(), nullptr);
    const uint32_t noRenderer = plugin_->TextureGeneration();
    const DisplayMode mode = MakeMode(64, 48, true);
    ASSERT_TRUE(plugin_->SetMode(window_, &mode));
    const uint32_t first = plugin_->TextureGeneration();
    EXPECT_NE(first, noRenderer);
    EXPECT_TRUE(plugin_->UpdateTexture(before, nullptr, kRed.data(), 16));
    ASSERT_TRUE(plugin_->SetMode(window_, &mode));
    EXPECT_EQ(plugin_->TextureGeneration(), first) << "the same renderer keeps the pixels";

    DestroyWindow();
    ASSERT_NE(MakeWindow(), nullptr);
    ASSERT_TRUE(plugin_->SetMode(window_, &mode));
    EXPECT_NE(plugin_->TextureGeneration(), first) << "a new renderer starts without pixels";
    EXPECT_EQ(plugin_->TextureWidth(before), 4u);

    const TextureHandle second = plugin_->CreateTexture(1, 1);
    EXPECT_NE(second, before);
    plugin_->ReleaseTexture(before);
    EXPECT_EQ(plugin_->TextureWidth(before), 0u);
    EXPECT_FALSE(plugin_->UpdateTexture(before, nullptr, kRed.data(), 16));
    EXPECT_NE(plugin_->CreateTexture(1, 1), before) << "handles are never reused";
}

TEST_F(VideoTextureTest, RefusesSizesAndUploadsOutsideTheTexture)
{
    ASSERT_NE(MakeWindow(), nullptr);
    const DisplayMode mode = MakeMode(64, 48, true);
    ASSERT_TRUE(plugin_->SetMode(window_, &mode));
    EXPECT_EQ(plugin_->CreateTexture(0, 5), 0u);
    EXPECT_EQ(plugin_->CreateTexture(16385, 1), 0u);
    EXPECT_EQ(plugin_->CreateTarget(5, 0), 0u);

    const TextureHandle texture = plugin_->CreateTexture(4, 4);
    const VideoRect inside { 2, 2, 2, 2 };
    const VideoRect across { 3, 0, 2, 1 };
    const VideoRect negative { -1, 0, 1, 1 };
    EXPECT_TRUE(plugin_->UpdateTexture(texture, &inside, kRed.data(), 8));
    EXPECT_FALSE(plugin_->UpdateTexture(texture, &across, kRed.data(), 8));
    EXPECT_FALSE(plugin_->UpdateTexture(texture, &negative, kRed.data(), 8));
    EXPECT_FALSE(plugin_->UpdateTexture(texture, nullptr, kRed.data(), 15)) << "pitch shorter than a row";
    EXPECT_FALSE(plugin_->UpdateTexture(texture, nullptr, nullptr, 16));
    EXPECT_FALSE(plugin_->SetTarget(texture)) << "a plain texture is no drawing target";
}

TEST_F(VideoTextureTest, DrawingNeedsAFrameAndAKnownTexture)
{
    ASSERT_NE(MakeWindow(), nullptr);
    const DisplayMode mode = MakeMode(64, 48, true);
    ASSERT_TRUE(plugin_->SetMode(window_, &mode));
    const VideoVertex triangle[3] = { { 0, 0, 255, 255, 255, 255, 0, 0 }, { 10, 0, 255, 255, 255, 255, 1, 0 },
        { 0, 10, 255, 255, 255, 255, 0, 1 } };
    EXPECT_FALSE(plugin_->DrawTriangles(0, triangle, 3, nullptr, 0, kVideoBlendNormal)) << "outside a frame";
    ASSERT_TRUE(plugin_->BeginFrame());
    EXPECT_TRUE(plugin_->DrawTriangles(0, triangle, 3, nullptr, 0, kVideoBlendAdd));
    EXPECT_FALSE(plugin_->DrawTriangles(999, triangle, 3, nullptr, 0, kVideoBlendNormal));
    EXPECT_FALSE(plugin_->DrawTriangles(0, triangle, 2, nullptr, 0, kVideoBlendNormal));
    const int32_t outOfRange[3] = { 0, 1, 3 };
    EXPECT_FALSE(plugin_->DrawTriangles(0, triangle, 3, outOfRange, 3, kVideoBlendNormal));
    const TextureHandle target = plugin_->CreateTarget(8, 8);
    EXPECT_TRUE(plugin_->SetTarget(target));
    EXPECT_TRUE(plugin_->ClearTransparent());
    EXPECT_TRUE(plugin_->SetTarget(0));
    EXPECT_TRUE(plugin_->DrawTriangles(target, triangle, 3, nullptr, 0, kVideoBlendNormal));
    EXPECT_TRUE(plugin_->EndFrame());
}

TEST_F(VideoTextureTest, AForgottenWindowKeepsNoRendererAndCanBeFreedAtOnce)
{
    ASSERT_NE(MakeWindow(), nullptr);
    const DisplayMode mode = MakeMode(64, 48, true);
    ASSERT_TRUE(plugin_->SetMode(window_, &mode));
    EXPECT_EQ(SDL_GetWindowData(window_, "VornRenderer"), SDL_GetRenderer(window_));
    SDL_Window* other = SDL_CreateWindow("other", 0, 0, 10, 10, 0);
    plugin_->ForgetWindow(other);
    EXPECT_TRUE(plugin_->Ready()) << "another window changes nothing";
    SDL_DestroyWindow(other);

    const uint32_t generation = plugin_->TextureGeneration();
    plugin_->ForgetWindow(window_);
    EXPECT_EQ(SDL_GetRenderer(window_), nullptr);
    EXPECT_EQ(SDL_GetWindowData(window_, "VornRenderer"), nullptr);
    EXPECT_NE(plugin_->TextureGeneration(), generation);
    EXPECT_FALSE(plugin_->Ready());
    SDL_DestroyWindow(window_);
    window_ = nullptr;
}

} // namespace
} // namespace plugintest
