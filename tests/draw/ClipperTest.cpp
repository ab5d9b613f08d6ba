// Clipper: the region is the union of what was filled, empty until something is, and recognised
// as one rectangle exactly when it is one.
#include <gtest/gtest.h>

#include <Vorn/draw/Clipper.h>

#include "RasterProbe.h"

using namespace drawtest;

namespace {

void FillRectangle(Vorn::Clipper& clipper, float x, float y, float width, float height)
{
    clipper.MoveTo(x, y);
    clipper.Rectangle(width, height);
    clipper.Fill();
}

} // namespace

TEST(Clipper, EmptyUntilFilledAndAfterClear)
{
    Vorn::Clipper clipper(nullptr);
    Vorn::Raster raster;
    EXPECT_TRUE(clipper.IsEmpty());
    EXPECT_FALSE(clipper.Rasterize(1.0f, raster));
    clipper.MoveTo(0, 0);
    clipper.Ellipse(10, 10);
    EXPECT_TRUE(clipper.IsEmpty()) << "a path is not a region until filled";
    clipper.Fill();
    EXPECT_FALSE(clipper.IsEmpty());
    const uint64_t filled = clipper.Version();
    clipper.Clear();
    EXPECT_TRUE(clipper.IsEmpty());
    EXPECT_NE(filled, clipper.Version());
    EXPECT_FALSE(clipper.Rasterize(1.0f, raster));
}

TEST(Clipper, RegionIsTheUnionOfItsFills)
{
    // Two overlapping circles filled one after the other, the second drawn the other way round:
    // a single fill of both would cut a hole where they overlap.
    Vorn::Clipper clipper(nullptr);
    clipper.MoveTo(-10, 0);
    clipper.Ellipse(40, 40);
    clipper.Fill();
    clipper.MoveTo(10, 0);
    clipper.Arc(20, 20, 360, 0);
    clipper.Fill();
    Vorn::Raster raster;
    ASSERT_TRUE(clipper.Rasterize(1.0f, raster));
    EXPECT_FLOAT_EQ(-30, raster.left);
    EXPECT_EQ(60u, raster.width);
    ForEachPixel(raster, [](Vec p, Rgba px) {
        const double inside = std::fmax(20 - std::hypot(p.x + 10, p.y), 20 - std::hypot(p.x - 10, p.y));
        if (inside > 1) {
            ASSERT_EQ(255, px.a) << p.x << ", " << p.y;
            ASSERT_EQ(255, px.r);
        }
        if (inside < -1) {
            ASSERT_EQ(0, px.a) << p.x << ", " << p.y;
        }
    });
}

TEST(Clipper, TellsWhenTheRegionIsOneRectangle)
{
    Vorn::Bounds box;
    Vorn::Clipper one(nullptr);
    FillRectangle(one, 10, 20, 8, 4);
    ASSERT_TRUE(one.GetRectangle(box));
    EXPECT_EQ(Vorn::Bounds(6, 18, 14, 22), box);

    // Drawn by hand, anticlockwise and left open (a fill closes it).
    Vorn::Clipper lines(nullptr);
    lines.MoveTo(0, 0);
    lines.LineTo(0, -5);
    lines.LineTo(3, -5);
    lines.LineTo(3, 0);
    lines.Fill();
    ASSERT_TRUE(lines.GetRectangle(box));
    EXPECT_EQ(Vorn::Bounds(0, -5, 3, 0), box);

    // Two halves side by side make one rectangle; an L of two does not.
    Vorn::Clipper halves(nullptr);
    FillRectangle(halves, 0, 0, 10, 10);
    FillRectangle(halves, 10, 0, 10, 10);
    ASSERT_TRUE(halves.GetRectangle(box));
    EXPECT_EQ(Vorn::Bounds(-5, -5, 15, 5), box);
    FillRectangle(halves, 0, 10, 10, 10);
    EXPECT_FALSE(halves.GetRectangle(box));

    Vorn::Clipper diamond(nullptr);
    diamond.MoveTo(0, 5);
    diamond.LineTo(5, 0);
    diamond.LineTo(0, -5);
    diamond.LineTo(-5, 0);
    diamond.Fill();
    EXPECT_FALSE(diamond.GetRectangle(box));

    Vorn::Clipper circle(nullptr);
    circle.Ellipse(10, 10);
    circle.Fill();
    EXPECT_FALSE(circle.GetRectangle(box));
    EXPECT_FALSE(Vorn::Clipper(nullptr).GetRectangle(box)) << "an empty clipper is no rectangle";
}
