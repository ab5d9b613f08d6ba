// RegionRectangle: sub-paths as rectangles, and whether a few rectangles make up one.
#include "Vorn/draw/RegionRectangle.h"

#include <algorithm>

namespace Vorn {

namespace {

using Kind = PathSegment::Kind;

// At most this many rectangles are compared; more gets a conservative "no".
constexpr size_t kMostRectangles = 16;

bool Same(const Point& a, const Point& b)
{
    return a.x == b.x && a.y == b.y;
}

// The corners of one sub-path as a rectangle: 0 not one, +1 / -1 its turning direction.
int RectangleOf(std::vector<Point>& corners, Bounds& box)
{
    corners.erase(std::unique(corners.begin(), corners.end(), Same), corners.end());
    if (corners.size() > 1 && Same(corners.front(), corners.back()))
        corners.pop_back();
    if (corners.size() != 4)
        return 0;
    const Point* v = corners.data();
    const bool verticalFirst = v[0].x == v[1].x && v[1].y == v[2].y && v[2].x == v[3].x && v[3].y == v[0].y;
    const bool horizontalFirst = v[0].y == v[1].y && v[1].x == v[2].x && v[2].y == v[3].y && v[3].x == v[0].x;
    if (!verticalFirst && !horizontalFirst)
        return 0;
    box = Bounds();
    for (const Point& p : corners)
        box.Add(p.x, p.y);
    if (!(box.Width() > 0.0f && box.Height() > 0.0f))
        return 0;
    // Twice the signed area of the first three corners' triangle gives the direction.
    const double turn = (static_cast<double>(v[1].x) - v[0].x) * (static_cast<double>(v[2].y) - v[1].y)
        - (static_cast<double>(v[1].y) - v[0].y) * (static_cast<double>(v[2].x) - v[1].x);
    return turn > 0 ? 1 : -1;
}

} // namespace

bool AppendRectangles(const PathData& data, PathRange range, std::vector<Bounds>& out)
{
    std::vector<Point> corners;
    int direction = 0;
    // Ends the sub-path collected so far; false when it is not a rectangle.
    auto finish = [&]() {
        const bool drawn = corners.size() > 1;
        if (!drawn) {
            corners.clear();
            return true;
        }
        Bounds box;
        const int turn = RectangleOf(corners, box);
        corners.clear();
        if (turn == 0 || (direction != 0 && turn != direction))
            return false;
        direction = turn;
        out.push_back(box);
        return true;
    };
    for (uint32_t i = range.first; i < range.last; ++i) {
        const PathSegment& s = data[i];
        switch (s.kind) {
        case Kind::Move:
            if (!finish())
                return false;
            corners.push_back(s.to);
            break;
        case Kind::Line:
            corners.push_back(s.to);
            break;
        case Kind::Curve:
            return false;
        case Kind::Close:
            if (!finish())
                return false;
            break;
        }
    }
    return finish();
}

bool UnionIsOneBox(const std::vector<Bounds>& boxes, Bounds& out)
{
    if (boxes.empty() || boxes.size() > kMostRectangles)
        return false;
    Bounds whole;
    std::vector<float> xs, ys;
    for (const Bounds& b : boxes) {
        whole.Add(b);
        xs.insert(xs.end(), { b.min_x, b.max_x });
        ys.insert(ys.end(), { b.min_y, b.max_y });
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    // Every cell of the grid the edges make must lie inside some box.
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        for (size_t j = 0; j + 1 < ys.size(); ++j) {
            const double cx = (static_cast<double>(xs[i]) + xs[i + 1]) / 2;
            const double cy = (static_cast<double>(ys[j]) + ys[j + 1]) / 2;
            const bool covered = std::any_of(boxes.begin(), boxes.end(), [&](const Bounds& b) {
                return cx > b.min_x && cx < b.max_x && cy > b.min_y && cy < b.max_y;
            });
            if (!covered)
                return false;
        }
    }
    out = whole;
    return true;
}

} // namespace Vorn
