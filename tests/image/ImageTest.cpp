// Images: files the test writes decoded to their pixels, colour keys, unreadable files, the
// IMG_FORMAT_ memory layouts and the blocks refused, and the texture on the video device.
#include <gtest/gtest.h>

#include <Vorn/core/Ref.h>
#include <Vorn/image/Image.h>

#include "ImageFiles.h"
#include "NullVideo.h"

namespace {

using imagetest::Pixels;

// Top-left red, top-right green, bottom-left blue, bottom-right half-transparent white.
const Pixels kQuad { 255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 128 };

Pixels PixelsOf(const Vorn::Image& image)
{
    return Pixels(image.Pixels(), image.Pixels() + image.Width() * image.Height() * 4);
}

Vorn::Ref<Vorn::Image> NewImage(IVideo* video = nullptr)
{
    return Vorn::Ref<Vorn::Image>(new Vorn::Image(video));
}

} // namespace

TEST(Image, FilesDecodeToTheirPixelsAndAKeyClearsExactlyItsColour)
{
    imagetest::TempDir dir;
    auto image = NewImage();
    ASSERT_TRUE(image->LoadFile(dir.Write("quad.png", imagetest::Png(2, 2, kQuad)).c_str()));
    EXPECT_EQ(2u, image->Width());
    EXPECT_EQ(kQuad, PixelsOf(*image));
    // The key, then pixels that differ from it in red, green or blue only (a BMP has no alpha).
    const Pixels keyed { 255, 0, 255, 255, 254, 0, 255, 255, 255, 1, 255, 255, 255, 0, 254, 255 };
    ASSERT_TRUE(
        image->LoadFile(dir.Write("keyed.bmp", imagetest::Bmp(2, 2, keyed)).c_str(), Color { 255, 0, 255 }));
    EXPECT_EQ(
        (Pixels { 0, 0, 0, 0, 254, 0, 255, 255, 255, 1, 255, 255, 255, 0, 254, 255 }), PixelsOf(*image));
}

TEST(Image, UnreadableFilesFailAndLeaveTheImageAsItWas)
{
    imagetest::TempDir dir;
    const std::string png = imagetest::Png(2, 2, kQuad);
    std::string corrupt = png;
    corrupt[png.size() - 20] ^= 0x5a; // inside the compressed pixels
    auto image = NewImage();
    ASSERT_TRUE(image->LoadFile(dir.Write("good.png", png).c_str()));
    const uint64_t version = image->Version();
    for (const std::string& path : { dir.Path("missing.png"), dir.Write("empty.png", ""),
             dir.Write("truncated.png", png.substr(0, png.size() / 2)), dir.Write("corrupt.png", corrupt),
             dir.Write("truncated.bmp", imagetest::Bmp(2, 2, kQuad).substr(0, 60)), dir.Path(""),
             std::string() }) {
        EXPECT_FALSE(image->LoadFile(path.c_str())) << path;
        EXPECT_FALSE(image->LoadFile(path.c_str(), Color { 0, 0, 0 })) << path;
    }
    EXPECT_FALSE(image->LoadFile(nullptr));
    EXPECT_EQ(kQuad, PixelsOf(*image));
    EXPECT_EQ(version, image->Version());
}

TEST(Image, MemoryFormatsReadTheirDocumentedLayouts)
{
    const struct {
        uint32_t format;
        Pixels block; // two pixels
        Pixels rgba;
    } cases[] = {
        // Byte 0 alpha, byte 1 luminance.
        { Vorn::IMG_FORMAT_L8A8, { 0x80, 0x40, 0xff, 0x00 }, { 0x40, 0x40, 0x40, 0x80, 0, 0, 0, 0xff } },
        // Little-endian A RRRRR GGGGG BBBBB: 0xfc00 opaque red; 0x0200 green 16 of 31, transparent.
        { Vorn::IMG_FORMAT_A1R5G5B5, { 0x00, 0xfc, 0x00, 0x02 }, { 255, 0, 0, 255, 0, 132, 0, 0 } },
        // Bytes blue, green, red.
        { Vorn::IMG_FORMAT_R8G8B8, { 0x10, 0x20, 0x30, 0xff, 0, 0 },
            { 0x30, 0x20, 0x10, 255, 0, 0, 0xff, 255 } },
        // 0xAARRGGBB little-endian: bytes blue, green, red, alpha.
        { Vorn::IMG_FORMAT_A8R8G8B8, { 0x10, 0x20, 0x30, 0x40, 1, 2, 3, 4 },
            { 0x30, 0x20, 0x10, 0x40, 3, 2, 1, 4 } },
    };
    for (const auto& c : cases) {
        auto image = NewImage();
        ASSERT_TRUE(image->LoadMemory(c.block.data(), c.format, 2, 1, c.block.size())) << c.format;
        EXPECT_EQ(c.rgba, PixelsOf(*image)) << "format " << c.format;
    }
    // Exactly sized blocks, so that a read past their end shows under the address sanitizer.
    auto image = NewImage();
    ASSERT_TRUE(image->LoadMemory(cases[0].block.data(), Vorn::IMG_FORMAT_L8A8, 1, 2, 4));
    const Pixels three(3);
    EXPECT_FALSE(image->LoadMemory(three.data(), Vorn::IMG_FORMAT_L8A8, 1, 2, three.size()));
    EXPECT_FALSE(image->LoadMemory(three.data(), 7, 1, 1, three.size()));
    EXPECT_FALSE(image->LoadMemory(three.data(), Vorn::IMG_FORMAT_L8A8, 0, 1, three.size()));
    EXPECT_FALSE(image->LoadMemory(three.data(), Vorn::IMG_FORMAT_L8A8, 1, Vorn::Image::kMaxSide + 1));
    EXPECT_FALSE(image->LoadMemory(nullptr, Vorn::IMG_FORMAT_L8A8, 1, 1));
    EXPECT_EQ(cases[0].rgba, PixelsOf(*image)) << "refused blocks change nothing";
}

TEST(Image, TheTextureHasTheImagesSizeAndIsUploadedAgainWhenTheDeviceLostIt)
{
    struct CountingVideo : vorntest::NullVideo {
        bool UpdateTexture(
            TextureHandle t, const VideoRect* area, const uint8_t* pixels, uint32_t pitch) override
        {
            ++uploads;
            return NullVideo::UpdateTexture(t, area, pixels, pitch);
        }
        int uploads = 0;
    } video;
    const uint8_t pixels[8] = {};
    {
        auto image = NewImage(&video);
        ASSERT_TRUE(image->LoadMemory(pixels, Vorn::IMG_FORMAT_A8R8G8B8, 2, 1, sizeof pixels));
        const TextureHandle texture = image->Texture();
        EXPECT_EQ(2u, video.TextureWidth(texture));
        EXPECT_EQ(1u, video.TextureHeight(texture));
        EXPECT_EQ(texture, image->Texture());
        EXPECT_EQ(1, video.uploads) << "pixels the device still holds are not sent again";
        ++video.generation;
        EXPECT_EQ(texture, image->Texture());
        EXPECT_EQ(2, video.uploads) << "lost pixels are sent again";
        ASSERT_TRUE(image->LoadMemory(pixels, Vorn::IMG_FORMAT_A8R8G8B8, 1, 2, sizeof pixels));
        EXPECT_EQ(1u, video.TextureWidth(image->Texture())) << "a new size, a texture of that size";
        EXPECT_EQ(1u, video.sizes.size()) << "the old texture is freed";
        EXPECT_TRUE(image->Release());
        EXPECT_TRUE(video.sizes.empty()) << "unloading frees the texture";
        EXPECT_FALSE(image->Release());
        ASSERT_TRUE(image->LoadMemory(pixels, Vorn::IMG_FORMAT_A8R8G8B8, 2, 1, sizeof pixels));
    }
    EXPECT_TRUE(video.sizes.empty()) << "deleting the image frees its texture";
}
