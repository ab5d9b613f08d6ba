// Path building: where the pen is after each call, where shapes sit, and what curves and arcs
// become. A small IPath exposes the segments it built.
#include <gtest/gtest.h>

#include <Vorn/draw/IPath.h>

#include <cmath>
#include <limits>

#include "RasterProbe.h"

using namespace drawtest;

namespace {

class PathProbe : public Vorn::IPath {
public:
    void Blit(cairo_t*) const override { }
    Vorn::Bounds Built() { return Segments().BoundsOf(TakePath(true)); }
    const Vorn::PathSegment& Last() { return Segments()[Segments().Size() - 1]; }
    size_t Count() const { return Segments().Size(); }
};

Vec V(const Vorn::Point& p)
{
    return { p.x, p.y };
}

} // namespace

TEST(Path, QuadraticCurveKeepsItsShape)
{
    PathProbe path;
    const Vec p0 { 0, 0 }, h { 10, 20 }, p1 { 20, 0 };
    path.MoveTo(p0.x, p0.y);
    path.CurveTo(p1.x, p1.y, h.x, h.y);
    const Vorn::PathSegment& s = path.Last();
    ASSERT_EQ(Vorn::PathSegment::Kind::Curve, s.kind);
    for (double t : { 0.25, 0.5, 0.8 }) {
        const double u = 1 - t;
        const Vec quadratic { u * u * p0.x + 2 * u * t * h.x + t * t * p1.x,
            u * u * p0.y + 2 * u * t * h.y + t * t * p1.y };
        const Vec cubic = Cubic(p0, V(s.handle1), V(s.handle2), V(s.to), t);
        EXPECT_NEAR(quadratic.x, cubic.x, 1e-4);
        EXPECT_NEAR(quadratic.y, cubic.y, 1e-4);
    }
}

TEST(Path, ArcAnglesAreDegreesClockwiseFromPlusY)
{
    PathProbe path;
    path.MoveTo(100, 50);
    path.Arc(20, 10, 90, 180); // from the right of the centre to below it
    EXPECT_NEAR(100, path.current.x, 1e-4);
    EXPECT_NEAR(40, path.current.y, 1e-4);
    const Vorn::Bounds box = path.Built();
    EXPECT_NEAR(120, box.max_x, 1e-4) << "starts at angle 90: +x";
    EXPECT_NEAR(100, box.min_x, 1e-4);
    EXPECT_NEAR(40, box.min_y, 1e-4);
    EXPECT_NEAR(50, box.max_y, 1e-4);
    // Each piece's middle lies on the ellipse.
    const Vorn::PathSegment& s = path.Last();
    const Vec mid = Cubic({ 120, 50 }, V(s.handle1), V(s.handle2), V(s.to), 0.5);
    EXPECT_NEAR(1.0, std::pow((mid.x - 100) / 20, 2) + std::pow((mid.y - 50) / 10, 2), 1e-3);

    PathProbe back;
    back.Arc(10, 10, 0, -90); // anticlockwise: from up to left
    EXPECT_NEAR(-10, back.current.x, 1e-4);
    EXPECT_NEAR(0, back.current.y, 1e-4);
    EXPECT_NEAR(-10, back.Built().min_x, 1e-4);
}

TEST(Path, NonFiniteNumbersAreIgnored)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    PathProbe path;
    path.MoveTo(1, 2);
    const size_t count = path.Count();
    path.LineTo(nan, 0);
    path.MoveTo(0, std::numeric_limits<float>::infinity());
    path.Ellipse(nan, 3);
    path.Arc(1, 1, 0, nan);
    EXPECT_EQ(count, path.Count());
    EXPECT_EQ(1.0f, path.current.x);
    EXPECT_EQ(2.0f, path.current.y);

    // Finite numbers whose shape would reach past the largest float.
    path.MoveTo(3e38f, 2);
    const size_t far = path.Count();
    path.Ellipse(1e38f, 1);
    path.Rectangle(1e38f, 1);
    path.Arc(1e38f, 1, 0, 90);
    path.CurveTo(0, 0, -3e38f, 0);
    EXPECT_EQ(far, path.Count());
    EXPECT_EQ(3e38f, path.current.x);
}
