// Text written on a canvas, read from its rasters: upright glyphs drawn from their outlines at
// every scale, and each line keeping the colour, alpha and face it was written with.
#include <gtest/gtest.h>

#include <Vorn/core/Ref.h>
#include <Vorn/draw/Canvas.h>
#include <Vorn/render/RasterShape.h>
#include <Vorn/text/Font.h>

#include "RasterProbe.h"

namespace {

class CanvasText : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(font->LoadFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 40));
        canvas.SetFont(font.Get(), Color { 255, 0, 0 }, 1.0f);
    }
    Vorn::Raster Rasterized(float scale)
    {
        Vorn::Raster raster;
        EXPECT_TRUE(canvas.Rasterize(scale, raster));
        return raster;
    }
    // How many pixels of a raster row are at least half covered, and how many only partly.
    static void CountRow(const Vorn::Raster& raster, uint32_t row, int& covered, int& partial)
    {
        covered = partial = 0;
        for (uint32_t col = 0; col < raster.width; ++col) {
            const uint8_t a = raster.pixels[(static_cast<size_t>(row) * raster.width + col) * 4 + 3];
            covered += a >= 128;
            partial += a > 0 && a < 255;
        }
    }

    Vorn::Ref<Vorn::Font> font { new Vorn::Font(nullptr) };
    Vorn::Canvas canvas { nullptr };
};

} // namespace

TEST_F(CanvasText, GlyphsStandUprightAndStaySharpWhenScaledUp)
{
    canvas.Write("L");
    const Vorn::Raster small = Rasterized(1.0f);
    int top = 0, bottom = 0, partial = 0;
    CountRow(small, 1, top, partial);
    CountRow(small, small.height - 2, bottom, partial);
    EXPECT_GT(bottom, 3 * top) << "the foot of the L is at the bottom";
    // Four times larger, the stem is four times as wide with one soft pixel at each edge: the
    // outline drawn at that size, not the small raster blown up.
    int stem = 0;
    CountRow(small, small.height / 2, stem, partial);
    const Vorn::Raster large = Rasterized(4.0f);
    int covered = 0;
    CountRow(large, large.height / 2, covered, partial);
    EXPECT_NEAR(4 * stem, covered, 4);
    EXPECT_LE(partial, 2);
}

TEST_F(CanvasText, EachLineKeepsItsColourAlphaAndFace)
{
    const char* block = "\xe2\x96\x88"; // U+2588, a full block from below the baseline to above the caps
    const double advance = font->GetWidth(block);
    canvas.SetFont(font.Get(), Color { 255, 0, 0 }, 0.5f);
    canvas.Write(block);
    EXPECT_NEAR(advance, canvas.current.x, 0.5) << "the pen moves to the end of the text";
    Vorn::Ref<Vorn::Font> other(new Vorn::Font(nullptr));
    ASSERT_TRUE(other->LoadSystem("DejaVu Sans", 10));
    canvas.SetFont(other.Get(), Color { 0, 0, 255 }, 1.0f);
    font->Release();
    const Vorn::Raster raster = Rasterized(1.0f);
    const drawtest::Rgba middle = drawtest::At(raster, advance / 2, 10);
    EXPECT_EQ(255, middle.r);
    EXPECT_EQ(0, middle.b);
    EXPECT_NEAR(128, middle.a, 1);
    EXPECT_NEAR(128, drawtest::At(raster, advance / 2, -8).a, 1) << "the block reaches below the baseline";
    canvas.Clear();
    Vorn::Raster none;
    EXPECT_FALSE(canvas.Rasterize(1.0f, none));
}

TEST_F(CanvasText, ARasterOfTextKeepsItsOutlineInsideItsTexture)
{
    // "Helo" made a corner outside the texture once, and the device refused to draw the canvas.
    for (const char* text : { "Helo", "\xd9\x85\xd8\xb1\xd8\xad\xd8\xa8\xd8\xa7" }) {
        canvas.Clear();
        canvas.Write(text);
        for (float scale : { 1.0f, 1.5f, 2.0f }) {
            const Vorn::Raster raster = Rasterized(scale);
            const Vorn::RasterShape shape = Vorn::RasterShape::Measure(raster, 1);
            for (uint32_t i = 0; i < shape.outlineCount; ++i) {
                const Vorn::Point& p = shape.outline[i];
                EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x <= raster.width + 2 && p.y <= raster.height + 2)
                    << text << " at scale " << scale << ": corner (" << p.x << ", " << p.y << ")";
            }
        }
    }
}
