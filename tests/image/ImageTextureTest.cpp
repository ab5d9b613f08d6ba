// An image's texture on the video device: made at the image's size when it loads, uploaded again
// when the device lost its pixels, freed with the pixels; and the premultiplied copy painting uses.
#include <gtest/gtest.h>

#include <Vorn/core/Ref.h>
#include <Vorn/image/Image.h>
#include <cairo.h>

#include "NullVideo.h"

namespace {

// Counts uploads; refuses textures while `refuse` is set.
class CountingVideo : public vorntest::NullVideo {
public:
    TextureHandle CreateTexture(uint32_t width, uint32_t height) override
    {
        return refuse ? 0 : NullVideo::CreateTexture(width, height);
    }
    bool UpdateTexture(
        TextureHandle texture, const VideoRect* area, const uint8_t* pixels, uint32_t pitch) override
    {
        ++uploads;
        return NullVideo::UpdateTexture(texture, area, pixels, pitch);
    }
    int uploads = 0;
    bool refuse = false;
};

const uint8_t kPixels[8] = { 10, 20, 30, 255, 255, 255, 255, 128 };

} // namespace

TEST(ImageTexture, IsMadeAtTheImagesSizeAndUploadedAgainWhenTheDeviceLostIt)
{
    CountingVideo video;
    {
        Vorn::Ref<Vorn::Image> image(new Vorn::Image(&video));
        EXPECT_EQ(0u, image->Texture()) << "nothing loaded";
        ASSERT_TRUE(image->LoadMemory(kPixels, Vorn::IMG_FORMAT_A8R8G8B8, 2, 1, sizeof kPixels));
        const TextureHandle texture = image->Texture();
        ASSERT_NE(0u, texture);
        EXPECT_EQ(2u, video.TextureWidth(texture));
        EXPECT_EQ(1u, video.TextureHeight(texture));
        EXPECT_EQ(1, video.uploads);
        EXPECT_EQ(texture, image->Texture());
        EXPECT_EQ(1, video.uploads) << "pixels the device still holds are not sent again";
        ++video.generation;
        EXPECT_EQ(texture, image->Texture());
        EXPECT_EQ(2, video.uploads) << "lost pixels are sent again";

        ASSERT_TRUE(image->LoadMemory(kPixels, Vorn::IMG_FORMAT_A8R8G8B8, 1, 2, sizeof kPixels));
        EXPECT_EQ(1u, video.TextureWidth(image->Texture())) << "a new size gets a texture of that size";
        EXPECT_EQ(1u, video.sizes.size()) << "the old texture is freed";
        video.refuse = true;
        EXPECT_FALSE(image->LoadMemory(kPixels, Vorn::IMG_FORMAT_A8R8G8B8, 2, 1, sizeof kPixels));
        EXPECT_EQ(1u, image->Width()) << "an image the device cannot hold does not load";
        EXPECT_TRUE(image->Release());
        EXPECT_TRUE(video.sizes.empty()) << "unloading frees the texture";
        EXPECT_FALSE(image->Release());
        video.refuse = false;
        ASSERT_TRUE(image->LoadMemory(kPixels, Vorn::IMG_FORMAT_A8R8G8B8, 2, 1, sizeof kPixels));
    }
    EXPECT_TRUE(video.sizes.empty()) << "deleting the image frees its texture";
}

TEST(ImageTexture, PaintingUsesOnePremultipliedCopyUntilThePixelsChange)
{
    Vorn::Ref<Vorn::Image> image(new Vorn::Image(nullptr));
    ASSERT_TRUE(image->LoadMemory(kPixels, Vorn::IMG_FORMAT_A8R8G8B8, 2, 1, sizeof kPixels));
    cairo_surface_t* surface = image->Surface();
    ASSERT_NE(nullptr, surface);
    EXPECT_EQ(surface, image->Surface()) << "made once";
    const auto* words = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface));
    EXPECT_EQ(0xff1e140au, words[0]) << "ARGB of bytes B 10, G 20, R 30, A 255";
    EXPECT_EQ(0x80808080u, words[1]) << "white at alpha 128, premultiplied";
    const uint8_t black[4] = { 0, 0, 0, 255 };
    ASSERT_TRUE(image->LoadMemory(black, Vorn::IMG_FORMAT_A8R8G8B8, 1, 1, sizeof black));
    ASSERT_NE(nullptr, image->Surface());
    EXPECT_EQ(
        0xff000000u, *reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(image->Surface())));
    image->Release();
    EXPECT_EQ(nullptr, image->Surface());
}
