// Text written on a canvas, read from its rasters: the baseline at the pen, the pen moving by the
// shaped advance, upright glyphs, outlines that stay sharp when scaled up, and the colour, alpha
// and face each line keeps.
#include <gtest/gtest.h>

#include <Vorn/core/Ref.h>
#include <Vorn/draw/Canvas.h>
#include <Vorn/render/RasterShape.h>
#include <Vorn/text/Font.h>

#include <algorithm>

#include "RasterProbe.h"
#include "TextFonts.h"

namespace {

using drawtest::At;

// The box, in content space, of the pixels at least half covered.
struct Ink {
    double left = 1e9, bottom = 1e9, right = -1e9, top = -1e9;
};

Ink InkOf(const Vorn::Raster& raster)
{
    Ink ink;
    drawtest::ForEachPixel(raster, [&](drawtest::Vec c, drawtest::Rgba px) {
        if (px.a < 128)
            return;
        const double half = 0.5 / raster.scale;
        ink.left = std::min(ink.left, c.x - half), ink.right = std::max(ink.right, c.x + half);
        ink.bottom = std::min(ink.bottom, c.y - half), ink.top = std::max(ink.top, c.y + half);
    });
    return ink;
}

// How many pixels of a raster row are covered, and how many only partly.
void CountRow(const Vorn::Raster& raster, uint32_t row, int& covered, int& partial)
{
    covered = partial = 0;
    for (uint32_t col = 0; col < raster.width; ++col) {
        const uint8_t a = raster.pixels[(static_cast<size_t>(row) * raster.width + col) * 4 + 3];
        covered += a >= 128;
        partial += a > 0 && a < 255;
    }
}

class CanvasText : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(font->LoadFile(texttest::kDejaVuSans, 40));
        canvas.SetFont(font.Get(), Color { 255, 0, 0 }, 1.0f);
    }

    Vorn::Raster Rasterized(float scale)
    {
        Vorn::Raster raster;
        EXPECT_TRUE(canvas.Rasterize(scale, raster));
        return raster;
    }

    Vorn::Ref<Vorn::Font> font { new Vorn::Font(nullptr) };
    Vorn::Canvas canvas { nullptr };
};

} // namespace

TEST_F(CanvasText, TheBaselineStartsAtThePenWhichMovesByTheAdvance)
{
    const double advance = font->GetWidth("H");
    canvas.MoveTo(10, 20);
    canvas.Write("H");
    EXPECT_NEAR(10 + advance, canvas.current.x, 0.5);
    EXPECT_EQ(20.0f, canvas.current.y);
    const Ink h = InkOf(Rasterized(1.0f));
    EXPECT_NEAR(20, h.bottom, 0.5) << "an H stands on the baseline";
    EXPECT_GT(h.top, 20 + 0.6 * 40) << "capitals are most of an em tall";
    EXPECT_LT(h.top, 20 + 0.8 * 40);
    EXPECT_GT(h.left, 10);
    EXPECT_LT(h.right, 10 + advance);
    canvas.Write("H");
    const Ink hh = InkOf(Rasterized(1.0f));
    EXPECT_NEAR(h.right + advance, hh.right, 1.0) << "the second H starts where the first ended";
    EXPECT_EQ(h.bottom, hh.bottom);
}

TEST_F(CanvasText, GlyphsStandUpright)
{
    canvas.Write("L");
    const Vorn::Raster raster = Rasterized(1.0f);
    int top = 0, bottom = 0, partial = 0;
    const Ink ink = InkOf(raster);
    CountRow(raster, static_cast<uint32_t>(raster.top - ink.top), top, partial);
    CountRow(raster, static_cast<uint32_t>(raster.top - ink.bottom) - 1, bottom, partial);
    EXPECT_GT(bottom, 3 * top) << "the foot of the L is at the bottom";
}

TEST_F(CanvasText, OutlinesStaySharpWhenScaledUp)
{
    canvas.Write("I");
    const Ink small = InkOf(Rasterized(1.0f));
    const Vorn::Raster large = Rasterized(4.0f);
    const Ink big = InkOf(large);
    EXPECT_NEAR(small.top - small.bottom, big.top - big.bottom, 1.0) << "the same height in content units";
    int covered = 0, partial = 0;
    CountRow(large, large.height / 2, covered, partial);
    EXPECT_NEAR(4 * (small.right - small.left), covered, 4.0) << "four pixels a unit across the stem";
    EXPECT_LE(partial, 2) << "one soft pixel at each edge, as drawn at that size, not a blur";
}

TEST_F(CanvasText, EachLineKeepsItsColourAlphaAndFace)
{
    const char* block = "\xe2\x96\x88"; // U+2588, a full block from below the baseline to above the caps
    const double advance = font->GetWidth(block);
    canvas.SetFont(font.Get(), Color { 255, 0, 0 }, 0.5f);
    canvas.Write(block);
    Vorn::Ref<Vorn::Font> other(new Vorn::Font(nullptr));
    ASSERT_TRUE(other->LoadFile(texttest::kDejaVuSans, 10));
    canvas.SetFont(other.Get(), Color { 0, 0, 255 }, 1.0f);
    font->Release();
    const Vorn::Raster raster = Rasterized(1.0f);
    const drawtest::Rgba middle = At(raster, advance / 2, 10);
    EXPECT_EQ(255, middle.r);
    EXPECT_EQ(0, middle.b);
    EXPECT_NEAR(128, middle.a, 1);
    const Ink ink = InkOf(raster);
    EXPECT_LT(ink.bottom, -5) << "the block reaches below the baseline";
    EXPECT_NEAR(raster.top - raster.height / raster.scale, ink.bottom, 1.0) << "the bounds hold the ink";
    EXPECT_NEAR(raster.top, ink.top, 1.0);
    canvas.Clear();
    Vorn::Raster none;
    EXPECT_FALSE(canvas.Rasterize(1.0f, none));
}

TEST_F(CanvasText, BlanksOnlyMoveThePenAndAFontWithoutAFaceDoesNothing)
{
    canvas.Write("   ");
    EXPECT_EQ(0u, canvas.OperationCount());
    EXPECT_NEAR(font->GetWidth("   "), canvas.current.x, 0.5);
    EXPECT_GT(canvas.current.x, 0.0f);
    font->Release();
    const Vorn::Point pen = canvas.current;
    canvas.Write("x");
    canvas.Write(nullptr);
    EXPECT_EQ(0u, canvas.OperationCount());
    EXPECT_EQ(pen.x, canvas.current.x);
}

TEST_F(CanvasText, ARasterOfTextKeepsItsOutlineInsideItsTexture)
{
    for (const char* text : { "Helo", "Hello, Vorn!", "AV To", "\xd9\x85\xd8\xb1\xd8\xad\xd8\xa8\xd8\xa7" }) {
        canvas.Clear();
        canvas.Write(text);
        for (float scale : { 1.0f, 1.5f, 2.0f }) {
            const Vorn::Raster raster = Rasterized(scale);
            const Vorn::RasterShape shape = Vorn::RasterShape::Measure(raster, 1);
            ASSERT_GE(shape.outlineCount, 3u) << text;
            for (uint32_t i = 0; i < shape.outlineCount; ++i) {
                const Vorn::Point& p = shape.outline[i];
                EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x <= raster.width + 2 && p.y <= raster.height + 2)
                    << text << " at scale " << scale << ": corner (" << p.x << ", " << p.y << ")";
            }
        }
    }
}
