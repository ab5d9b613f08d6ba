// RasterProbe: reading a Raster the way the tests reason about it, in content space (y up), and
// the plane geometry the expectations are computed from (winding numbers, distances to curves).
#pragma once

#include <Vorn/draw/Raster.h>

#include <cmath>
#include <functional>
#include <vector>

namespace drawtest {

struct Rgba {
    int r, g, b, a;
};

struct Vec {
    double x, y;
};

// The pixel whose square holds content point (x, y).
inline Rgba At(const Vorn::Raster& raster, double x, double y)
{
    const long col = static_cast<long>(std::floor((x - raster.left) * raster.scale));
    const long row = static_cast<long>(std::floor((raster.top - y) * raster.scale));
    if (col < 0 || row < 0 || col >= static_cast<long>(raster.width)
        || row >= static_cast<long>(raster.height))
        return { 0, 0, 0, 0 };
    const uint8_t* p = &raster.pixels[(static_cast<size_t>(row) * raster.width + col) * 4];
    return { p[0], p[1], p[2], p[3] };
}

// Calls visit(centre, pixel) for the centre of every pixel of the raster, in content space.
inline void ForEachPixel(const Vorn::Raster& raster, const std::function<void(Vec, Rgba)>& visit)
{
    for (uint32_t row = 0; row < raster.height; ++row)
        for (uint32_t col = 0; col < raster.width; ++col) {
            const Vec centre { raster.left + (col + 0.5) / raster.scale,
                raster.top - (row + 0.5) / raster.scale };
            const uint8_t* p = &raster.pixels[(static_cast<size_t>(row) * raster.width + col) * 4];
            visit(centre, { p[0], p[1], p[2], p[3] });
        }
}

// How many times the closed polygon winds around p (non-zero: inside by the winding rule).
inline int Winding(const std::vector<Vec>& polygon, Vec p)
{
    int winding = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const Vec a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        const double side = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
        if (a.y <= p.y && b.y > p.y && side > 0)
            ++winding;
        else if (a.y > p.y && b.y <= p.y && side < 0)
            --winding;
    }
    return winding;
}

inline double SegmentDistance(Vec p, Vec a, Vec b, double* along = nullptr)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::fmax(0.0, std::fmin(1.0, t));
    if (along != nullptr)
        *along = t;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Distance from p to the closed polygon's outline.
inline double EdgeDistance(const std::vector<Vec>& polygon, Vec p)
{
    double best = 1e300;
    for (size_t i = 0; i < polygon.size(); ++i)
        best = std::fmin(best, SegmentDistance(p, polygon[i], polygon[(i + 1) % polygon.size()]));
    return best;
}

// The cubic Bézier from p0 to p3 with handles p1, p2 at t.
inline Vec Cubic(Vec p0, Vec p1, Vec p2, Vec p3, double t)
{
    const double u = 1 - t;
    return { u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x,
        u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y };
}

} // namespace drawtest
