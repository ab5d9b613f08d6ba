// Images read from memory in the four IMG_FORMAT_ layouts, and the blocks they refuse.
#include <gtest/gtest.h>

#include <Vorn/core/Ref.h>
#include <Vorn/image/Image.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes PixelsOf(const Vorn::Image& image)
{
    return Bytes(image.Pixels(), image.Pixels() + image.Width() * image.Height() * 4);
}

} // namespace

TEST(ImageMemory, EachFormatReadsItsDocumentedLayout)
{
    const struct {
        uint32_t format;
        Bytes block; // two pixels
        Bytes rgba;
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
        Vorn::Ref<Vorn::Image> image(new Vorn::Image(nullptr));
        ASSERT_TRUE(image->LoadMemory(c.block.data(), c.format, 2, 1, c.block.size())) << c.format;
        EXPECT_EQ(c.rgba, PixelsOf(*image)) << "format " << c.format;
        // Rows are packed: the same block is one column of two rows.
        ASSERT_TRUE(image->LoadMemory(c.block.data(), c.format, 1, 2, c.block.size())) << c.format;
        EXPECT_EQ(c.rgba, PixelsOf(*image)) << "format " << c.format;
    }
}

TEST(ImageMemory, RefusesWhatItCannotReadWholeAndReadsNothing)
{
    Vorn::Ref<Vorn::Image> image(new Vorn::Image(nullptr));
    const Bytes grey { 0xff, 0x20 };
    ASSERT_TRUE(image->LoadMemory(grey.data(), Vorn::IMG_FORMAT_L8A8, 1, 1, grey.size()));
    const uint64_t version = image->Version();
    // Exactly sized blocks, so that a read past their end shows under the address sanitizer.
    const Bytes short_rgb(3 * 4 - 1);
    const Bytes some(64);
    EXPECT_FALSE(image->LoadMemory(short_rgb.data(), Vorn::IMG_FORMAT_R8G8B8, 2, 2, short_rgb.size()));
    EXPECT_FALSE(image->LoadMemory(some.data(), Vorn::IMG_FORMAT_UNKNOWN, 1, 1, some.size()));
    EXPECT_FALSE(image->LoadMemory(some.data(), 7, 1, 1, some.size()));
    EXPECT_FALSE(image->LoadMemory(some.data(), Vorn::IMG_FORMAT_A8R8G8B8, 0, 1, some.size()));
    EXPECT_FALSE(image->LoadMemory(some.data(), Vorn::IMG_FORMAT_A8R8G8B8, 1, 0, some.size()));
    EXPECT_FALSE(image->LoadMemory(some.data(), Vorn::IMG_FORMAT_L8A8, Vorn::Image::kMaxSide + 1, 1));
    EXPECT_FALSE(image->LoadMemory(some.data(), Vorn::IMG_FORMAT_L8A8, 1, 0xffffffffu));
    EXPECT_FALSE(image->LoadMemory(nullptr, Vorn::IMG_FORMAT_L8A8, 1, 1));
    EXPECT_EQ((Bytes { 0x20, 0x20, 0x20, 0xff }), PixelsOf(*image));
    EXPECT_EQ(version, image->Version());
}
