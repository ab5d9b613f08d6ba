// What the renderer measures in a raster: an outline of at most eight corners that holds every
// drawn pixel (and leaves a disc's empty corners out), and an opaque rectangle made only of fully
// opaque pixels.
#include <gtest/gtest.h>

#include <cmath>

#include "Vorn/render/RasterShape.h"

namespace {

using Vorn::Point;
using Vorn::Raster;
using Vorn::RasterShape;

constexpr uint32_t kBorder = 1;

// A disc of radius r in a 2r x 2r raster: opaque inside, an anti-aliased rim, empty corners.
Raster Disc(uint32_t r)
{
    Raster raster;
    raster.width = raster.height = 2 * r;
    raster.pixels.assign(static_cast<size_t>(4) * raster.width * raster.height, 0);
    for (uint32_t y = 0; y < raster.height; ++y)
        for (uint32_t x = 0; x < raster.width; ++x) {
            const double d = std::hypot(x + 0.5 - r, y + 0.5 - r);
            const double coverage = std::clamp(r - d + 0.5, 0.0, 1.0);
            uint8_t* px = &raster.pixels[(static_cast<size_t>(y) * raster.width + x) * 4];
            px[0] = px[1] = px[2] = 255;
            px[3] = static_cast<uint8_t>(std::lround(coverage * 255));
        }
    return raster;
}

bool Inside(const RasterShape& shape, float x, float y)
{
    bool negative = false, positive = false;
    for (uint32_t i = 0; i < shape.outlineCount; ++i) {
        const Point& a = shape.outline[i];
        const Point& b = shape.outline[(i + 1) % shape.outlineCount];
        const float cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
        negative = negative || cross < -1e-3f;
        positive = positive || cross > 1e-3f;
    }
    return !(negative && positive);
}

double Area(const RasterShape& shape)
{
    double twice = 0;
    for (uint32_t i = 0; i < shape.outlineCount; ++i) {
        const Point& a = shape.outline[i];
        const Point& b = shape.outline[(i + 1) % shape.outlineCount];
        twice += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
    }
    return std::fabs(twice) / 2;
}

TEST(RasterShape, TheOutlineHoldsEveryDrawnPixelWithFewCornersAndCutsADiscsCorners)
{
    const Raster disc = Disc(16);
    const RasterShape shape = RasterShape::Measure(disc, kBorder);
    ASSERT_GE(shape.outlineCount, 3u);
    EXPECT_LE(shape.outlineCount, RasterShape::kMaxOutline);
    for (uint32_t y = 0; y < disc.height; ++y)
        for (uint32_t x = 0; x < disc.width; ++x) {
            if (disc.pixels[(static_cast<size_t>(y) * disc.width + x) * 4 + 3] == 0)
                continue;
            for (float cx : { 0.0f, 1.0f })
                for (float cy : { 0.0f, 1.0f }) {
                    ASSERT_TRUE(Inside(shape, x + cx + kBorder, y + cy + kBorder)) << x << "," << y;
                }
        }
    const double box = (disc.width + 2.0 * kBorder) * (disc.height + 2.0 * kBorder);
    EXPECT_LT(Area(shape), 0.9 * box) << "a disc's outline leaves out its box's corners";
}

TEST(RasterShape, TheOpaqueRectangleHoldsOnlyFullyOpaquePixels)
{
    const Raster disc = Disc(16);
    const RasterShape shape = RasterShape::Measure(disc, kBorder);
    ASSERT_TRUE(shape.hasOpaque);
    EXPECT_GT((shape.opaqueRight - shape.opaqueLeft) * (shape.opaqueBottom - shape.opaqueTop), 200.0f);
    for (float y = shape.opaqueTop; y < shape.opaqueBottom; ++y)
        for (float x = shape.opaqueLeft; x < shape.opaqueRight; ++x) {
            const auto px = static_cast<size_t>(x) - kBorder;
            const auto py = static_cast<size_t>(y) - kBorder;
            ASSERT_EQ(disc.pixels[(py * disc.width + px) * 4 + 3], 255) << x << "," << y;
        }

    Raster faint = Disc(8);
    for (size_t i = 3; i < faint.pixels.size(); i += 4)
        faint.pixels[i] = faint.pixels[i] / 2;
    EXPECT_FALSE(RasterShape::Measure(faint, kBorder).hasOpaque);
    EXPECT_EQ(RasterShape::Measure(Raster(), kBorder).outlineCount, 0u);
}

} // namespace
