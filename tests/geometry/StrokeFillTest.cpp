// Vorn::Stroke and Vorn::Fill: the triangles cover exactly the stroked or filled area (their total
// area against shapes whose area is known), the fill rule, the joins, inputs of any scale, and the
// degenerate inputs that give false.
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

// Sum of the triangles' areas; every triangle must be counter-clockwise.
double TrianglesArea(const Points& t)
{
    EXPECT_EQ(t.size() % 3, 0u);
    double total = 0;
    for (size_t i = 0; i + 2 < t.size(); i += 3) {
        const double twice = (double(t[i + 1].x) - t[i].x) * (double(t[i + 2].y) - t[i].y)
            - (double(t[i + 1].y) - t[i].y) * (double(t[i + 2].x) - t[i].x);
        EXPECT_GT(twice, 0.0) << "triangle " << i / 3 << " is not counter-clockwise";
        total += twice / 2;
    }
    return total;
}

// Shoelace area of a simple polygon.
double PolygonArea(const Points& p)
{
    double twice = 0;
    for (size_t i = 0; i < p.size(); ++i)
        twice += double(p[i].x) * p[(i + 1) % p.size()].y - double(p[(i + 1) % p.size()].x) * p[i].y;
    return std::fabs(twice) / 2;
}

// `count` points on a circle, each `step` positions on from the last, counter-clockwise; with
// two radii, the points alternate between them.
Points Ring(int count, int step, double outer, double inner)
{
    Points ring;
    for (int i = 0; i < count; ++i) {
        const double angle = -2 * M_PI * i * step / count;
        const double r = i % 2 == 0 ? outer : inner;
        ring.emplace_back(float(r * std::sin(angle)), float(r * std::cos(angle)));
    }
    return ring;
}

TEST(Fill, ConcaveShapesAreCoveredByTheirArea)
{
    const Points shapes[] = {
        { { 0, 0 }, { 60, 0 }, { 60, 20 }, { 20, 20 }, { 20, 50 }, { 0, 50 } }, // an L of 1,800
        { { 0, 50 }, { 20, 50 }, { 20, 20 }, { 60, 20 }, { 60, 0 }, { 0, 0 } }, // the same L, clockwise
        Ring(10, 1, 50, 20), // a star
    };
    for (const Points& shape : shapes) {
        Points triangles;
        ASSERT_TRUE(Vorn::Fill(shape.data(), int(shape.size()), triangles));
        EXPECT_NEAR(TrianglesArea(triangles), PolygonArea(shape), 1e-3);
    }
}

// The five-pointed star drawn in one stroke winds twice around its centre: under the non-zero
// rule it covers the outline star, centre included (the even-odd rule would leave the centre out).
TEST(Fill, SelfIntersectingStarUsesTheNonZeroRule)
{
    const Points pentagram = Ring(5, 2, 50, 50);
    Points triangles;
    ASSERT_TRUE(Vorn::Fill(pentagram.data(), 5, triangles));
    const double inner = 50 * std::cos(2 * M_PI / 5) / std::cos(M_PI / 5);
    EXPECT_NEAR(TrianglesArea(triangles), PolygonArea(Ring(10, 1, 50, inner)), 1e-2);
}

// Width 10, butt ends, mitred corners (each right-angle mitre adds a 5 x 5 square, each joint's
// arms overlap by as much). The loop's last arm crosses its first: that 10 x 10 is covered once,
// and the area the loop encloses is not covered at all.
TEST(Stroke, CoversTheLineOnceWithMitredCorners)
{
    const struct {
        Points line;
        double area;
        float left, bottom, right, top; // the triangles' bounds: butt ends, mitre tips
    } cases[] = {
        { { { 0, 0 }, { 100, 0 } }, 1000, 0, -5, 100, 5 },
        // A bevel would give 1,987.5, a round join 1,994.6.
        { { { 0, 0 }, { 100, 0 }, { 100, 100 } }, 2000, 0, -5, 105, 100 },
        { { { 0, 0 }, { 100, 0 }, { 100, 100 }, { 50, 100 }, { 50, -50 } }, 1000 + 1000 + 500 + 1500 - 100, 0,
            -50, 105, 105 },
    };
    for (const auto& c : cases) {
        Points t;
        ASSERT_TRUE(Vorn::Stroke(c.line.data(), int(c.line.size()), 10, t));
        EXPECT_NEAR(TrianglesArea(t), c.area, 1e-2) << c.line.size() << " points";
        const auto [left, right]
            = std::minmax_element(t.begin(), t.end(), [](Point a, Point b) { return a.x < b.x; });
        const auto [bottom, top]
            = std::minmax_element(t.begin(), t.end(), [](Point a, Point b) { return a.y < b.y; });
        EXPECT_TRUE(left->x == c.left && bottom->y == c.bottom && right->x == c.right && top->y == c.top)
            << left->x << " " << bottom->y << " " << right->x << " " << top->y;
    }
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
    Points out = { { 7, 7 } };
    const Points two = { { 0, 0 }, { 10, 0 } };
    const Points same = { { 3, 3 }, { 3, 3 }, { 3, 3 } };
    const Points notANumber = { { 0, 0 }, { nan, 5 }, { 10, 10 } };
    const Points infinite = { { 0, 0 }, { 10, inf }, { 10, 10 } };
    const Points collinear = { { 0, 0 }, { 5, 5 }, { 10, 10 }, { 2, 2 } };

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
    EXPECT_TRUE(out[0].x == 7 && out[0].y == 7);
}

} // namespace
