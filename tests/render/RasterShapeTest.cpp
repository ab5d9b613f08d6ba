// What the renderer measures in a raster: an outline of at most eight corners that holds every
// drawn pixel (and leaves a large disc's empty corners out), and an opaque region made only of
// fully opaque pixels.
#include <gtest/gtest.h>

#include <cmath>

#include "Vorn/render/ConvexSpan.h"
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

TEST(RasterShape, TheOutlineHoldsEveryDrawnPixelAndCutsALargeDiscsCornersOnly)
{
    const Raster disc = Disc(150);
    const RasterShape shape = RasterShape::Measure(disc, kBorder);
    ASSERT_GE(shape.outlineCount, 5u) << "a large disc pays for more triangles";
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
    EXPECT_LT(Area(shape), 0.9 * box) << "the outline leaves out the box's corners";
    // A small disc saves fewer pixels than its extra triangles would cost: it keeps its box.
    EXPECT_EQ(RasterShape::Measure(Disc(16), kBorder).outlineCount, 4u);
}

// Whether every pixel (of the raster, border taken off) the region touches is opaque.
bool OnlyOpaque(const RasterShape& shape, const Raster& raster)
{
    for (uint32_t y = 0; y < raster.height; ++y) {
        float left = 0, right = 0;
        if (!Vorn::OuterSpan(
                shape.opaque, shape.opaqueCount, y + 1.0f * kBorder, y + 1.0f + kBorder, left, right))
            continue;
        for (int x = static_cast<int>(std::floor(left)) - static_cast<int>(kBorder);
             x < static_cast<int>(std::ceil(right)) - static_cast<int>(kBorder); ++x)
            if (x < 0 || x >= static_cast<int>(raster.width)
                || raster.pixels[(static_cast<size_t>(y) * raster.width + x) * 4 + 3] != 255)
                return false;
    }
    return true;
}

double OpaqueArea(const RasterShape& shape)
{
    double twice = 0;
    for (uint32_t i = 0; i < shape.opaqueCount; ++i) {
        const Point& a = shape.opaque[i];
        const Point& b = shape.opaque[(i + 1) % shape.opaqueCount];
        twice += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
    }
    return std::fabs(twice) / 2;
}

TEST(RasterShape, TheOpaqueRegionHoldsOnlyOpaquePixelsAndMostOfAnOpaqueDisc)
{
    const Raster disc = Disc(16);
    const RasterShape shape = RasterShape::Measure(disc, kBorder);
    ASSERT_GE(shape.opaqueCount, 3u);
    EXPECT_TRUE(OnlyOpaque(shape, disc));
    EXPECT_GT(OpaqueArea(shape), 500.0) << "more than the square inside the disc (about 420)";

    // A ring: its hull would cover the hole, so a region inside the ring itself is taken.
    Raster ring = Disc(16);
    const Raster hole = Disc(8);
    for (uint32_t y = 0; y < hole.height; ++y)
        for (uint32_t x = 0; x < hole.width; ++x)
            if (hole.pixels[(static_cast<size_t>(y) * hole.width + x) * 4 + 3] != 0)
                ring.pixels[((y + 8) * static_cast<size_t>(ring.width) + x + 8) * 4 + 3] = 0;
    const RasterShape ringShape = RasterShape::Measure(ring, kBorder);
    EXPECT_TRUE(OnlyOpaque(ringShape, ring));

    Raster faint = Disc(8);
    for (size_t i = 3; i < faint.pixels.size(); i += 4)
        faint.pixels[i] = faint.pixels[i] / 2;
    EXPECT_EQ(RasterShape::Measure(faint, kBorder).opaqueCount, 0u);
    EXPECT_EQ(RasterShape::Measure(Raster(), kBorder).outlineCount, 0u);
}

} // namespace
