// RasterShape: the outline (convex hull, reduced) and the largest opaque rectangle of a raster.
#include "Vorn/render/RasterShape.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Vorn {

namespace {

double Cross(const Point& o, const Point& a, const Point& b)
{
    return (static_cast<double>(a.x) - o.x) * (static_cast<double>(b.y) - o.y)
        - (static_cast<double>(a.y) - o.y) * (static_cast<double>(b.x) - o.x);
}

std::vector<Point> Hull(std::vector<Point> points)
{
    std::sort(points.begin(), points.end(),
        [](const Point& l, const Point& r) { return l.x < r.x || (l.x == r.x && l.y < r.y); });
    points.erase(std::unique(points.begin(), points.end(),
                     [](const Point& l, const Point& r) { return l.x == r.x && l.y == r.y; }),
        points.end());
    if (points.size() < 3)
        return points;
    std::vector<Point> hull(points.size() * 2);
    std::size_t k = 0;
    for (const Point& p : points) {
        while (k >= 2 && Cross(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        const Point& p = points[i];
        while (k >= lower && Cross(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    }
    hull.resize(k - 1);
    return hull;
}

// Where the lines through a-b and c-d meet; false when they are parallel.
bool Meet(const Point& a, const Point& b, const Point& c, const Point& d, Point& out)
{
    const double rx = static_cast<double>(b.x) - a.x, ry = static_cast<double>(b.y) - a.y;
    const double sx = static_cast<double>(d.x) - c.x, sy = static_cast<double>(d.y) - c.y;
    const double denominator = rx * sy - ry * sx;
    if (std::fabs(denominator) < 1e-12)
        return false;
    const double t
        = ((static_cast<double>(c.x) - a.x) * sy - (static_cast<double>(c.y) - a.y) * sx) / denominator;
    out = { static_cast<float>(a.x + t * rx), static_cast<float>(a.y + t * ry) };
    return true;
}

} // namespace

std::vector<Point> ConvexOutline(std::vector<Point> points, uint32_t limit)
{
    std::vector<Point> hull = Hull(std::move(points));
    while (hull.size() > limit && hull.size() > 3) {
        const std::size_t n = hull.size();
        double best = std::numeric_limits<double>::infinity();
        std::size_t bestEdge = n;
        Point bestPoint;
        // Removing edge (i, i+1): extend edges (i-1, i) and (i+2, i+1) until they meet at p,
        // outside the hull; the polygon grows by the triangle (i, p, i+1).
        for (std::size_t i = 0; i < n; ++i) {
            const Point& before = hull[(i + n - 1) % n];
            const Point& a = hull[i];
            const Point& b = hull[(i + 1) % n];
            const Point& after = hull[(i + 2) % n];
            Point p;
            if (!Meet(before, a, after, b, p))
                continue;
            // p must lie beyond a along before->a and beyond b along after->b.
            if ((static_cast<double>(p.x) - a.x) * (a.x - before.x)
                        + (static_cast<double>(p.y) - a.y) * (a.y - before.y)
                    < 0
                || (static_cast<double>(p.x) - b.x) * (b.x - after.x)
                        + (static_cast<double>(p.y) - b.y) * (b.y - after.y)
                    < 0)
                continue;
            const double added = std::fabs(Cross(a, p, b)) * 0.5;
            if (added < best) {
                best = added;
                bestEdge = i;
                bestPoint = p;
            }
        }
        if (bestEdge == n)
            break; // nothing can go without cutting: keep the finer outline
        hull[bestEdge] = bestPoint;
        hull.erase(hull.begin() + static_cast<std::ptrdiff_t>((bestEdge + 1) % n));
    }
    return hull;
}

RasterShape RasterShape::Measure(const Raster& raster, uint32_t border)
{
    RasterShape shape;
    const uint32_t w = raster.width;
    const uint32_t h = raster.height;
    if (w == 0 || h == 0 || raster.pixels.size() < static_cast<std::size_t>(w) * h * 4)
        return shape;
    const float maxX = static_cast<float>(w + 2 * border);
    const float maxY = static_cast<float>(h + 2 * border);
    const float grow = border > 0 ? 1.0f : 0.0f; // what linear filtering spreads into the border
    std::vector<Point> corners;
    std::vector<uint32_t> heights(w, 0);
    std::vector<uint32_t> stack;
    double bestArea = 0.0;
    for (uint32_t y = 0; y < h; ++y) {
        const uint8_t* row = raster.pixels.data() + static_cast<std::size_t>(y) * w * 4;
        uint32_t first = w;
        uint32_t last = 0;
        for (uint32_t x = 0; x < w; ++x) {
            const uint8_t a = row[x * 4 + 3];
            if (a != 0) {
                first = std::min(first, x);
                last = x;
            }
            heights[x] = a == 255 ? heights[x] + 1 : 0;
        }
        if (first < w) {
            const float top = std::max(0.0f, static_cast<float>(y + border) - grow);
            const float bottom = std::min(maxY, static_cast<float>(y + 1 + border) + grow);
            const float left = std::max(0.0f, static_cast<float>(first + border) - grow);
            const float right = std::min(maxX, static_cast<float>(last + 1 + border) + grow);
            corners.insert(
                corners.end(), { { left, top }, { right, top }, { left, bottom }, { right, bottom } });
        }
        // Largest rectangle of full-alpha pixels ending at this row: the histogram's largest bar run.
        stack.clear();
        for (uint32_t x = 0; x <= w; ++x) {
            const uint32_t height = x < w ? heights[x] : 0;
            while (!stack.empty() && heights[stack.back()] >= height) {
                const uint32_t bar = heights[stack.back()];
                stack.pop_back();
                const uint32_t start = stack.empty() ? 0 : stack.back() + 1;
                const double area = static_cast<double>(bar) * (x - start);
                if (bar > 0 && area > bestArea) {
                    bestArea = area;
                    shape.hasOpaque = true;
                    shape.opaqueLeft = static_cast<float>(start + border);
                    shape.opaqueRight = static_cast<float>(x + border);
                    shape.opaqueBottom = static_cast<float>(y + 1 + border);
                    shape.opaqueTop = static_cast<float>(y + 1 - bar + border);
                }
            }
            if (x < w)
                stack.push_back(x);
        }
    }
    // Linear filtering mixes in the neighbours of the rectangle's edge pixels: only what lies a
    // pixel inside is sure to come out opaque.
    if (shape.hasOpaque && shape.opaqueRight - shape.opaqueLeft > 2.0f
        && shape.opaqueBottom - shape.opaqueTop > 2.0f) {
        shape.opaqueLeft += 1.0f;
        shape.opaqueTop += 1.0f;
        shape.opaqueRight -= 1.0f;
        shape.opaqueBottom -= 1.0f;
    } else {
        shape.hasOpaque = false;
    }
    std::vector<Point> outline = ConvexOutline(std::move(corners), kMaxOutline);
    // Reducing corners can put one outside the texture, where no texture coordinate reaches (the
    // device refuses the whole draw): the box around the pixels, inside the texture, will do then.
    const bool outside = std::any_of(outline.begin(), outline.end(),
        [&](const Point& p) { return p.x < 0.0f || p.y < 0.0f || p.x > maxX || p.y > maxY; });
    if (outline.size() > kMaxOutline || outside) {
        // No corner could go without cutting pixels off: the box around them will do.
        float x0 = maxX, y0 = maxY, x1 = 0.0f, y1 = 0.0f;
        for (const Point& p : outline) {
            x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
        }
        outline = { { std::max(x0, 0.0f), std::max(y0, 0.0f) }, { std::min(x1, maxX), std::max(y0, 0.0f) },
            { std::min(x1, maxX), std::min(y1, maxY) }, { std::max(x0, 0.0f), std::min(y1, maxY) } };
    }
    if (outline.size() >= 3) {
        shape.outlineCount = static_cast<uint32_t>(outline.size());
        std::copy(outline.begin(), outline.end(), shape.outline);
    }
    return shape;
}

} // namespace Vorn
