// Images decoded from files the test writes byte by byte from known pixels, colour keys, and
// files that are missing, empty, truncated or corrupt.
#include <gtest/gtest.h>

#include <Vorn/core/Ref.h>
#include <Vorn/image/Image.h>

#include "ImageFiles.h"

namespace {

using imagetest::Pixels;

// Top-left red, top-right green, bottom-left blue, bottom-right half-transparent white.
const Pixels kQuad { 255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 128 };

Pixels PixelsOf(const Vorn::Image& image)
{
    return image.IsLoaded() ? Pixels(image.Pixels(), image.Pixels() + image.Width() * image.Height() * 4)
                            : Pixels();
}

// The quad, opaque: what a format without alpha keeps of it.
Pixels Opaque(Pixels rgba)
{
    for (size_t i = 3; i < rgba.size(); i += 4)
        rgba[i] = 255;
    return rgba;
}

} // namespace

TEST(ImageFile, PngBmpAndTgaDecodeToTheirPixels)
{
    imagetest::TempDir dir;
    const struct {
        std::string name, bytes;
        Pixels expected;
    } files[] = {
        { "quad.png", imagetest::Png(2, 2, kQuad), kQuad },
        { "quad.bmp", imagetest::Bmp(2, 2, kQuad), Opaque(kQuad) },
        { "quad.tga", imagetest::Tga(2, 2, kQuad), kQuad },
    };
    for (const auto& file : files) {
        Vorn::Ref<Vorn::Image> image(new Vorn::Image(nullptr));
        ASSERT_TRUE(image->LoadFile(dir.Write(file.name, file.bytes).c_str())) << file.name;
        EXPECT_EQ(2u, image->Width()) << file.name;
        EXPECT_EQ(2u, image->Height()) << file.name;
        EXPECT_EQ(file.expected, PixelsOf(*image)) << file.name;
    }
}

TEST(ImageFile, AColourKeyMakesExactlyTheMatchingPixelsTransparent)
{
    imagetest::TempDir dir;
    // The key, then pixels that differ from it in red, green or blue only.
    const Pixels pixels { 255, 0, 255, 255, 254, 0, 255, 255, 255, 1, 255, 255, 255, 0, 254, 255 };
    Vorn::Ref<Vorn::Image> image(new Vorn::Image(nullptr));
    ASSERT_TRUE(
        image->LoadFile(dir.Write("keyed.bmp", imagetest::Bmp(2, 2, pixels)).c_str(), Color { 255, 0, 255 }));
    EXPECT_EQ((Pixels { 0, 0, 0, 0, 254, 0, 255, 255, 255, 1, 255, 255, 255, 0, 254, 255 }), PixelsOf(*image));
}

TEST(ImageFile, UnreadableFilesFailAndLeaveTheImageAsItWas)
{
    imagetest::TempDir dir;
    const std::string png = imagetest::Png(2, 2, kQuad);
    std::string corrupt = png;
    corrupt[png.size() - 20] ^= 0x5a; // inside the compressed pixels
    Vorn::Ref<Vorn::Image> image(new Vorn::Image(nullptr));
    ASSERT_TRUE(image->LoadFile(dir.Write("good.png", png).c_str()));
    const uint64_t version = image->Version();
    const std::string bad[] = {
        dir.Path("missing.png"),
        dir.Write("empty.png", ""),
        dir.Write("truncated.png", png.substr(0, png.size() / 2)),
        dir.Write("corrupt.png", corrupt),
        dir.Write("truncated.bmp", imagetest::Bmp(2, 2, kQuad).substr(0, 60)),
        dir.Write("text.tga", "not an image at all"),
        dir.Path(""),
        "",
    };
    for (const std::string& path : bad) {
        EXPECT_FALSE(image->LoadFile(path.c_str())) << path;
        EXPECT_FALSE(image->LoadFile(path.c_str(), Color { 0, 0, 0 })) << path;
    }
    EXPECT_FALSE(image->LoadFile(nullptr));
    EXPECT_EQ(kQuad, PixelsOf(*image));
    EXPECT_EQ(version, image->Version());
}
