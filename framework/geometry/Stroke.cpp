// Stroke: Clipper offsets the polyline by half the width into its outline (outer contours and
// holes, overlaps merged), GLU cuts the outline into triangles. Clipper works on integers, so the
// points are moved to be centred on the origin and scaled to a fixed range first, whatever their
// size, and the outline is mapped back before it is cut.
#include "Vorn/geometry/Stroke.h"

#include <clipper.hpp>

#include <algorithm>
#include <cmath>

#include "Vorn/geometry/Tessellate.h"

namespace Vorn {

namespace {

// Mitre limit in half-widths; Clipper squares off a corner beyond it.
constexpr double kMiterLimit = 10.0;
// The largest coordinate, in Clipper's integer units, of anything the offset can produce: far
// more resolution than a float has, and far inside the range where Clipper's arithmetic is exact.
constexpr double kRange = 1099511627776.0; // 2^40

// Maps between the caller's coordinates and Clipper's integers.
struct Frame {
    double cx, cy, scale;

    ClipperLib::IntPoint ToInt(const Point& p) const
    {
        return ClipperLib::IntPoint(static_cast<ClipperLib::cInt>(std::llround((p.x - cx) * scale)),
            static_cast<ClipperLib::cInt>(std::llround((p.y - cy) * scale)));
    }
    geometry::Vertex FromInt(const ClipperLib::IntPoint& p) const
    {
        return geometry::Vertex { cx + static_cast<double>(p.X) / scale,
            cy + static_cast<double>(p.Y) / scale };
    }
};

// The frame in which the points, widened by the farthest a mitre can reach, fit kRange.
Frame FrameFor(const Point* points, int count, double halfWidth)
{
    double minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
    for (int i = 1; i < count; ++i) {
        minX = std::min(minX, double(points[i].x));
        maxX = std::max(maxX, double(points[i].x));
        minY = std::min(minY, double(points[i].y));
        maxY = std::max(maxY, double(points[i].y));
    }
    const double reach = std::max(maxX - minX, maxY - minY) / 2 + (kMiterLimit + 1) * halfWidth;
    // A power of two, so that coordinates survive the trip to integers and back unchanged
    // whenever they can.
    return Frame { (minX + maxX) / 2, (minY + maxY) / 2, std::exp2(std::floor(std::log2(kRange / reach))) };
}

} // namespace

bool Stroke(const Point* points, int count, float width, std::vector<Point>& out)
{
    if (points == nullptr || count < 2 || !std::isfinite(width) || width <= 0.0f)
        return false;
    for (int i = 0; i < count; ++i)
        if (!std::isfinite(points[i].x) || !std::isfinite(points[i].y))
            return false;
    try {
        const double halfWidth = width / 2.0;
        const Frame frame = FrameFor(points, count, halfWidth);
        ClipperLib::Path path;
        path.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            const ClipperLib::IntPoint p = frame.ToInt(points[i]);
            if (path.empty() || !(path.back() == p))
                path.push_back(p);
        }
        // A single point would come back as a square; a polyline of no length covers nothing.
        if (path.size() < 2)
            return false;

        ClipperLib::ClipperOffset offset(kMiterLimit);
        offset.AddPath(path, ClipperLib::jtMiter, ClipperLib::etOpenButt);
        ClipperLib::Paths outline;
        offset.Execute(outline, halfWidth * frame.scale);

        std::vector<geometry::Contour> contours(outline.size());
        for (size_t c = 0; c < outline.size(); ++c) {
            contours[c].reserve(outline[c].size());
            for (const ClipperLib::IntPoint& p : outline[c])
                contours[c].push_back(frame.FromInt(p));
        }
        std::vector<Point> triangles;
        if (!geometry::Tessellate(contours, triangles) || triangles.empty())
            return false;
        out = std::move(triangles);
        return true;
    } catch (...) {
        return false; // out of memory, or Clipper refused its input: a failure, as every other
    }
}

} // namespace Vorn
