// Vorn::Stroke and Vorn::Fill: the triangles cover exactly the stroked or filled area (checked by
// total area against shapes whose area is known, and by sampling coverage), the fill rule, the
// joins, inputs of any scale, and the degenerate inputs that give false.
#include <Vorn/geometry/Fill.h>
#include <Vorn/geometry/Stroke.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using Vorn::Point;
using Points = std::vector<Point>;

double SignedArea2(const Point& a, const Point& b, const Point& c)
{
    return (double(b.x) - a.x) * (double(c.y) - a.y) - (double(b.y) - a.y) * (double(c.x) - a.x);
}

// Sum of the triangles' areas; every triangle must be counter-clockwise.
double TrianglesArea(const Points& triangles)
{
    EXPECT_EQ(triangles.size() % 3, 0u);
    double total = 0;
    for (size_t i = 0; i + 2 < triangles.size(); i += 3) {
        const double twice = SignedArea2(triangles[i], triangles[i + 1], triangles[i + 2]);
        EXPECT_GT(twice, 0.0) << "triangle " << i / 3 << " is not counter-clockwise";
        total += twice / 2;
    }
    return total;
}

// Shoelace area of a simple polygon.
double PolygonArea(const Points& polygon)
{
    double twice = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const Point& a = polygon[i];
        const Point& b = polygon[(i + 1) % polygon.size()];
        twice += double(a.x) * b.y - double(b.x) * a.y;
    }
    return std::fabs(twice) / 2;
}

// How many triangles hold (x, y) strictly inside.
int Coverage(const Points& triangles, double x, double y)
{
    const Point p { float(x), float(y) };
    int count = 0;
    for (size_t i = 0; i + 2 < triangles.size(); i += 3)
        if (SignedArea2(triangles[i], triangles[i + 1], p) > 0
            && SignedArea2(triangles[i + 1], triangles[i + 2], p) > 0
            && SignedArea2(triangles[i + 2], triangles[i], p) > 0)
            ++count;
    return count;
}

// A star of `tips` points alternating between the outer and inner radius, counter-clockwise.
Points Star(int tips, double outer, double inner)
{
    Points star;
    for (int i = 0; i < 2 * tips; ++i) {
        const double angle = M_PI * i / tips;
        const double r = i % 2 == 0 ? outer : inner;
        star.emplace_back(float(r * std::sin(angle)), float(r * std::cos(angle)));
    }
    return star;
}

double DistanceToSegment(double x, double y, const Point& a, const Point& b)
{
    const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
    const double t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - (a.x + t * dx), y - (a.y + t * dy));
}

TEST(Fill, ConcaveShapesAreCoveredByTheirArea)
{
    const Points shapes[] = {
        { { 0, 0 }, { 60, 0 }, { 60, 20 }, { 20, 20 }, { 20, 50 }, { 0, 50 } }, // an L
        { { 0, 50 }, { 20, 50 }, { 20, 20 }, { 60, 20 }, { 60, 0 }, { 0, 0 } }, // the same L, clockwise
        Star(5, 50, 20),
    };
    for (const Points& shape : shapes) {
        Points triangles;
        ASSERT_TRUE(Vorn::Fill(shape.data(), int(shape.size()), triangles));
        EXPECT_NEAR(TrianglesArea(triangles), PolygonArea(shape), 1e-3);
    }
    EXPECT_NEAR(PolygonArea(shapes[0]), 1800, 1e-9);
}

// The five-pointed star drawn in one stroke winds twice around its centre: filled under the
// non-zero rule, it covers the outline star, centre included, once.
TEST(Fill, SelfIntersectingStarUsesTheNonZeroRule)
{
    Points pentagram;
    for (int i = 0; i < 5; ++i) {
        const double angle = 2 * M_PI * (2 * i) / 5;
        pentagram.emplace_back(float(50 * std::sin(angle)), float(50 * std::cos(angle)));
    }
    Points triangles;
    ASSERT_TRUE(Vorn::Fill(pentagram.data(), 5, triangles));
    const double inner = 50 * std::cos(2 * M_PI / 5) / std::cos(M_PI / 5);
    EXPECT_NEAR(TrianglesArea(triangles), PolygonArea(Star(5, 50, inner)), 1e-2);
    EXPECT_EQ(Coverage(triangles, 0.013, 0.021), 1);
}

TEST(Stroke, ASegmentCoversItsLengthTimesTheWidth)
{
    const Points segment = { { 0, 0 }, { 100, 0 } };
    Points triangles;
    ASSERT_TRUE(Vorn::Stroke(segment.data(), 2, 10, triangles));
    EXPECT_NEAR(TrianglesArea(triangles), 1000, 1e-3);
    for (const Point& p : triangles) {
        EXPECT_TRUE(p.x >= -1e-4f && p.x <= 100.0001f && std::fabs(p.y) <= 5.0001f) << p.x << ", " << p.y;
    }
}

// A right-angle corner gets a mitre: the two arms (1,000 each, overlapping by 25) plus the
// mitre's square corner (25) make 2,000; a bevel would give 1,987.5, a round join about 1,994.6.
TEST(Stroke, CornersAreMitred)
{
    const Points corner = { { 0, 0 }, { 100, 0 }, { 100, 100 } };
    Points triangles;
    ASSERT_TRUE(Vorn::Stroke(corner.data(), 3, 10, triangles));
    EXPECT_NEAR(TrianglesArea(triangles), 2000, 1e-2);
}

// A polyline that crosses itself: every sample near the line (and not past its butt ends, at x < 0
// and y < -50) is covered exactly once, nothing beyond the reach of a right-angle mitre is.
TEST(Stroke, ACrossingPolylineIsCoveredOnce)
{
    const Points line = { { 0, 0 }, { 100, 0 }, { 100, 50 }, { 50, 50 }, { 50, -50 } };
    Points triangles;
    ASSERT_TRUE(Vorn::Stroke(line.data(), int(line.size()), 10, triangles));
    int twice = 0, missed = 0, stray = 0;
    for (double x = -12.0137; x < 115; x += 0.5) {
        for (double y = -62.0071; y < 62; y += 0.5) {
            double distance = std::numeric_limits<double>::max();
            for (size_t i = 0; i + 1 < line.size(); ++i)
                distance = std::min(distance, DistanceToSegment(x, y, line[i], line[i + 1]));
            const int covered = Coverage(triangles, x, y);
            twice += covered > 1;
            missed += distance < 4.99 && x > 0 && y > -50 && covered == 0;
            stray += distance > 5 * std::sqrt(2.0) + 0.01 && covered > 0;
        }
    }
    EXPECT_EQ(twice, 0);
    EXPECT_EQ(missed, 0);
    EXPECT_EQ(stray, 0);
}

TEST(Stroke, WorksAtAnyScale)
{
    const Points huge = { { -5e5f, 0 }, { 5e5f, 0 } };
    Points triangles;
    ASSERT_TRUE(Vorn::Stroke(huge.data(), 2, 1000, triangles));
    EXPECT_NEAR(TrianglesArea(triangles), 1e9, 1e9 * 1e-6);
    const Points tiny = { { 0, 0 }, { 0, 1e-3f } };
    ASSERT_TRUE(Vorn::Stroke(tiny.data(), 2, 1e-4f, triangles));
    EXPECT_NEAR(TrianglesArea(triangles), 1e-7, 1e-7 * 1e-4);
}

TEST(StrokeAndFill, DegenerateInputIsFalseAndLeavesTheOutputAlone)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const Points kept = { { 7, 7 } };
    Points out = kept;
    const Points two = { { 0, 0 }, { 10, 0 } };
    const Points same = { { 3, 3 }, { 3, 3 }, { 3, 3 } };
    const Points notANumber = { { 0, 0 }, { nan, 5 }, { 10, 10 } };
    const Points infinite = { { 0, 0 }, { 10, inf }, { 10, 10 } };
    const Points collinear = { { 0, 0 }, { 5, 5 }, { 10, 10 }, { 2, 2 } };

    EXPECT_FALSE(Vorn::Stroke(two.data(), 0, 10, out));
    EXPECT_FALSE(Vorn::Stroke(two.data(), 1, 10, out));
    EXPECT_FALSE(Vorn::Stroke(same.data(), 3, 10, out));
    for (const float width : { 0.0f, -10.0f, nan, inf })
        EXPECT_FALSE(Vorn::Stroke(two.data(), 2, width, out)) << width;
    EXPECT_FALSE(Vorn::Stroke(notANumber.data(), 3, 10, out));
    EXPECT_FALSE(Vorn::Stroke(infinite.data(), 3, 10, out));

    EXPECT_FALSE(Vorn::Fill(two.data(), 2, out));
    EXPECT_FALSE(Vorn::Fill(same.data(), 3, out));
    EXPECT_FALSE(Vorn::Fill(collinear.data(), 4, out));
    EXPECT_FALSE(Vorn::Fill(notANumber.data(), 3, out));
    EXPECT_FALSE(Vorn::Fill(infinite.data(), 3, out));

    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].x, 7);
    EXPECT_EQ(out[0].y, 7);
}

} // namespace
