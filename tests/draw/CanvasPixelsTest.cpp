// What a canvas rasterises, pixel by pixel, against expectations computed from the geometry:
// inside a shape (by its winding number, or its distance to a curve) a pixel is opaque, well
// outside it is transparent, and only the one-pixel band along an edge is left unchecked.
#include <gtest/gtest.h>

#include <Vorn/draw/Canvas.h>

#include <cmath>
#include <numbers>

#include "RasterProbe.h"

using namespace drawtest;

namespace {

constexpr Color kRed { 255, 0, 0 };
constexpr Color kBlue { 0, 0, 255 };
constexpr Color kGreen { 0, 255, 0 };

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

TEST(CanvasPixels, FilledStarUsesTheNonZeroRule)
{
    // A pentagram: every second point of a regular pentagon, so its centre is wound twice.
    std::vector<Vec> star;
    for (int i = 0; i < 5; ++i)
        star.push_back({ 40 * std::sin(Radians(144.0 * i)), 40 * std::cos(Radians(144.0 * i)) });
    Vorn::Canvas canvas(nullptr);
    canvas.fill_color = kRed;
    canvas.MoveTo(star[0].x, star[0].y);
    for (int i = 1; i < 5; ++i)
        canvas.LineTo(star[i].x, star[i].y);
    canvas.ClosePath();
    canvas.Fill();

    Vorn::Raster raster;
    ASSERT_TRUE(canvas.Rasterize(1.0f, raster));
    int inside = 0, outside = 0;
    ForEachPixel(raster, [&](Vec p, Rgba px) {
        if (EdgeDistance(star, p) < 1.0)
            return;
        const bool filled = Winding(star, p) != 0;
        (filled ? inside : outside)++;
        ASSERT_EQ(filled ? 255 : 0, px.a) << "at " << p.x << ", " << p.y << " winding " << Winding(star, p);
        if (filled) {
            ASSERT_EQ(255, px.r);
        }
    });
    EXPECT_GT(inside, 1000);
    EXPECT_GT(outside, 1000);
    ASSERT_EQ(2, std::abs(Winding(star, { 0, 0 })));
    EXPECT_EQ(255, At(raster, 0, 0).a) << "the twice-wound centre is filled (even-odd would leave a hole)";
}

TEST(CanvasPixels, StrokedCubicBezierFollowsTheCurve)
{
    const Vec p0 { -40, -20 }, h1 { -20, 40 }, h2 { 20, -40 }, p3 { 40, 20 };
    const double width = 6;
    Vorn::Canvas canvas(nullptr);
    canvas.SetLineStyle(static_cast<float>(width), kBlue);
    canvas.MoveTo(p0.x, p0.y);
    canvas.CurveTo(p3.x, p3.y, h1.x, h1.y, h2.x, h2.y);
    canvas.Stroke();

    std::vector<Vec> curve;
    for (int i = 0; i <= 1000; ++i)
        curve.push_back(Cubic(p0, h1, h2, p3, i / 1000.0));
    Vorn::Raster raster;
    ASSERT_TRUE(canvas.Rasterize(1.0f, raster));
    int on = 0;
    ForEachPixel(raster, [&](Vec p, Rgba px) {
        double distance = 1e300, at = 0;
        for (size_t i = 0; i + 1 < curve.size(); ++i) {
            double along;
            const double d = SegmentDistance(p, curve[i], curve[i + 1], &along);
            if (d < distance) {
                distance = d;
                at = (i + along) / (curve.size() - 1);
            }
        }
        if (distance > width / 2 + 1) {
            ASSERT_EQ(0, px.a) << "off the line at " << p.x << ", " << p.y;
        }
        // Flat ends: only points beside the curve, not past its ends, are covered.
        if (distance < width / 2 - 1 && at > 0.03 && at < 0.97) {
            ++on;
            ASSERT_GE(px.a, 250) << "on the line at " << p.x << ", " << p.y;
            ASSERT_EQ(255, px.b);
        }
    });
    EXPECT_GT(on, 300);
}

TEST(CanvasPixels, FillIsClippedToTheClipRegion)
{
    Vorn::Canvas canvas(nullptr);
    canvas.MoveTo(0, 0);
    canvas.Ellipse(60, 60); // radius 30 around the origin
    canvas.Clip();
    canvas.MoveTo(10, 0);
    canvas.Rectangle(100, 40); // x from -40 to 60, y from -20 to 20
    canvas.Fill();

    Vorn::Raster raster;
    ASSERT_TRUE(canvas.Rasterize(1.0f, raster));
    // The raster covers only where both overlap.
    EXPECT_FLOAT_EQ(-30, raster.left);
    EXPECT_FLOAT_EQ(20, raster.top);
    EXPECT_EQ(60u, raster.width);
    EXPECT_EQ(40u, raster.height);
    ForEachPixel(raster, [&](Vec p, Rgba px) {
        const double toCircle = 30 - std::hypot(p.x, p.y);
        const double toRectangle = std::fmin(std::fmin(p.x + 40, 60 - p.x), std::fmin(p.y + 20, 20 - p.y));
        const double inside = std::fmin(toCircle, toRectangle);
        if (inside > 1) {
            ASSERT_EQ(255, px.a) << p.x << ", " << p.y;
        } else if (inside < -1) {
            ASSERT_EQ(0, px.a) << p.x << ", " << p.y;
        }
    });
}

TEST(CanvasPixels, GradientStopChangedAfterHandingItOverShows)
{
    Vorn::Ref<Vorn::LinearGradient> gradient(new Vorn::LinearGradient());
    gradient->SetBegin({ -50, 0, kRed, 1 });
    gradient->SetEnd({ 50, 0, kBlue, 1 });
    Vorn::Canvas canvas(nullptr);
    canvas.SetFillStyle(gradient.Get(), 1.0f);
    canvas.MoveTo(0, 0);
    canvas.Rectangle(100, 20);
    canvas.FillGradient();
    const uint64_t before = canvas.Version();
    gradient->SetEnd({ 50, 0, kGreen, 1 });
    EXPECT_NE(before, canvas.Version());

    Vorn::Raster raster;
    ASSERT_TRUE(canvas.Rasterize(1.0f, raster));
    for (double x : { -45.5, -20.5, 0.5, 30.5, 45.5 }) {
        const double t = (x + 50) / 100;
        const Rgba px = At(raster, x, 0.5);
        EXPECT_NEAR(255 * (1 - t), px.r, 2.5) << "x " << x;
        EXPECT_NEAR(255 * t, px.g, 2.5) << "x " << x;
        EXPECT_EQ(0, px.b) << "no blue left at x " << x;
        EXPECT_EQ(255, px.a);
    }
}
