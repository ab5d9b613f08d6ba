// The occlusion mask against pixels checked one by one: it marks only pixels lying wholly inside
// what covers them, and says an item is covered only when every pixel it touches is marked.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "Vorn/render/CoverageMask.h"

namespace {

using Vorn::CoverageMask;
using Vorn::Point;

constexpr int kSize = 64;

// A convex polygon: `corners` points on an ellipse turned by `turn`, around (cx, cy).
std::vector<Point> Polygon(float cx, float cy, float rx, float ry, float turn, int corners)
{
    std::vector<Point> polygon;
    for (int i = 0; i < corners; ++i) {
        const float a = turn + 6.2831853f * static_cast<float>(i) / static_cast<float>(corners);
        const float x = rx * std::cos(a), y = ry * std::sin(a);
        polygon.push_back(
            { cx + x * std::cos(turn) - y * std::sin(turn), cy + x * std::sin(turn) + y * std::cos(turn) });
    }
    return polygon;
}

bool Inside(const std::vector<Point>& polygon, float x, float y)
{
    bool negative = false, positive = false;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const Point& a = polygon[i];
        const Point& b = polygon[(i + 1) % polygon.size()];
        const float cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
        negative = negative || cross < 0;
        positive = positive || cross > 0;
    }
    return !(negative && positive);
}

// Whether the pixel's square meets the polygon: no edge of either separates them.
bool Touches(const std::vector<Point>& polygon, int px, int py)
{
    const Point square[4] = { { float(px), float(py) }, { px + 1.0f, float(py) }, { px + 1.0f, py + 1.0f },
        { float(px), py + 1.0f } };
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
    for (const Point& p : polygon)
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x), minY = std::min(minY, p.y),
        maxY = std::max(maxY, p.y);
    if (maxX < px || minX > px + 1 || maxY < py || minY > py + 1)
        return false;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const Point& a = polygon[i];
        const Point& b = polygon[(i + 1) % polygon.size()];
        const Point& c = polygon[(i + 2) % polygon.size()];
        const float side = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
        bool separated = true;
        for (const Point& s : square)
            separated = separated && ((b.x - a.x) * (s.y - a.y) - (b.y - a.y) * (s.x - a.x)) * side < 0;
        if (separated)
            return false;
    }
    return true;
}

TEST(CoverageMask, MarksOnlyWholePixelsAndCallsCoveredOnlyWhatIs)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    int coveredItems = 0;
    for (int round = 0; round < 300; ++round) {
        CoverageMask mask;
        mask.Reset(kSize, kSize);
        std::vector<std::vector<Point>> occluders;
        for (int k = 0; k < 3; ++k) {
            occluders.push_back(Polygon(unit(random) * kSize, unit(random) * kSize, 4 + unit(random) * 20,
                4 + unit(random) * 20, unit(random) * 6.28f, 3 + static_cast<int>(unit(random) * 6)));
            mask.Add(occluders.back().data(), static_cast<uint32_t>(occluders.back().size()));
        }
        // What a pixel check says is marked: wholly inside one of the occluders.
        std::vector<bool> whole(kSize * kSize, false);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                for (const auto& o : occluders)
                    whole[y * kSize + x] = whole[y * kSize + x]
                        || (Inside(o, x, y) && Inside(o, x + 1, y) && Inside(o, x, y + 1)
                            && Inside(o, x + 1, y + 1));
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                const Point pixel[4] = { { x + 0.25f, y + 0.25f }, { x + 0.75f, y + 0.25f },
                    { x + 0.75f, y + 0.75f }, { x + 0.25f, y + 0.75f } };
                ASSERT_EQ(mask.Covers(pixel, 4), whole[y * kSize + x]) << "pixel " << x << "," << y;
            }
        const std::vector<Point> item
            = Polygon(unit(random) * kSize, unit(random) * kSize, 1 + unit(random) * 8, 1 + unit(random) * 8,
                unit(random) * 6.28f, 3 + static_cast<int>(unit(random) * 6));
        if (!mask.Covers(item.data(), static_cast<uint32_t>(item.size())))
            continue;
        ++coveredItems;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                if (Touches(item, x, y)) {
                    ASSERT_TRUE(whole[y * kSize + x]) << "covered, yet it touches pixel " << x << "," << y;
                }
            }
    }
    EXPECT_GT(coveredItems, 10) << "items lying inside occluders are found covered";
}

} // namespace
