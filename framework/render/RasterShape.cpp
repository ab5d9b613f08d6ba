// RasterShape: the outline (convex hull, reduced) and the largest opaque rectangle of a raster.
#include "Vorn/render/RasterShape.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Vorn/render/ConvexSpan.h"

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

// Removes one corner without cutting any point off: an edge and its neighbours' ends give way to
// the point where the neighbouring edges meet, choosing the edge that adds least area. False when
// no edge can go that way. The new corner stays within `lo`..`hi`.
bool DropCorner(std::vector<Point>& hull, Point lo, Point hi)
{
    const std::size_t n = hull.size();
    if (n <= 3)
        return false;
    double best = std::numeric_limits<double>::infinity();
    std::size_t bestEdge = n;
    Point bestPoint;
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
        if (p.x < lo.x || p.y < lo.y || p.x > hi.x || p.y > hi.y)
            continue;
        const double added = std::fabs(Cross(a, p, b)) * 0.5;
        if (added < best) {
            best = added;
            bestEdge = i;
            bestPoint = p;
        }
    }
    if (bestEdge == n)
        return false;
    hull[bestEdge] = bestPoint;
    hull.erase(hull.begin() + static_cast<std::ptrdiff_t>((bestEdge + 1) % n));
    return true;
}

double Area(const std::vector<Point>& polygon)
{
    double twice = 0.0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point& a = polygon[i];
        const Point& b = polygon[(i + 1) % polygon.size()];
        twice += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
    }
    return std::fabs(twice) * 0.5;
}

// The octagon of the box x0..x1, y0..y1 cut by the diagonal lines touching `hull`, in the hull's
// turning direction, repeated corners removed.
std::vector<Point> CutBox(const std::vector<Point>& hull, float x0, float y0, float x1, float y1)
{
    float sMin = std::numeric_limits<float>::infinity(), sMax = -sMin, dMin = sMin, dMax = -sMin;
    for (const Point& p : hull) {
        sMin = std::min(sMin, p.x + p.y), sMax = std::max(sMax, p.x + p.y);
        dMin = std::min(dMin, p.x - p.y), dMax = std::max(dMax, p.x - p.y);
    }
    const Point corners[] = { { sMin - y0, y0 }, { dMax + y0, y0 }, { x1, x1 - dMax }, { x1, sMax - x1 },
        { sMax - y1, y1 }, { dMin + y1, y1 }, { x0, x0 - dMin }, { x0, sMin - x0 } };
    std::vector<Point> octagon;
    for (const Point& p : corners)
        if (octagon.empty() || p.x != octagon.back().x || p.y != octagon.back().y)
            octagon.push_back(p);
    if (octagon.size() > 1 && octagon.front().x == octagon.back().x && octagon.front().y == octagon.back().y)
        octagon.pop_back();
    return octagon;
}

} // namespace

// `lo` and `hi` bound where a corner may go: the texture's own area, as texture coordinates
// beyond it make the device refuse the whole draw.
std::vector<Point> CheapestOutline(const std::vector<Point>& points, uint32_t limit, Point lo, Point hi)
{
    std::vector<Point> hull = Hull(points);
    if (hull.size() < 3)
        return {};
    float x0 = hull[0].x, y0 = hull[0].y, x1 = x0, y1 = y0;
    for (const Point& p : hull) {
        x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    }
    std::vector<Point> best = { { x0, y0 }, { x1, y0 }, { x1, y1 }, { x0, y1 } };
    double bestCost = Area(best) + 2.0 * RasterShape::kTrianglePixels;
    const auto consider = [&](const std::vector<Point>& candidate) {
        if (candidate.size() < 3 || candidate.size() > limit)
            return;
        const double cost
            = Area(candidate) + static_cast<double>(candidate.size() - 2) * RasterShape::kTrianglePixels;
        if (cost < bestCost) {
            bestCost = cost;
            best = candidate;
        }
    };
    // The box with its corners cut at 45 degrees: always inside the box, and close to the hull of
    // round shapes, where removing corners one at a time can wander off.
    if (limit >= 8)
        consider(CutBox(hull, x0, y0, x1, y1));
    while (hull.size() > 4) {
        consider(hull);
        if (!DropCorner(hull, lo, hi))
            break;
    }
    return best;
}

namespace {

// Removes corners of a convex polygon, each time the one whose loss takes the least area, until at
// most `limit` are left: the polygon only shrinks.
void KeepCorners(std::vector<Point>& polygon, uint32_t limit)
{
    while (polygon.size() > limit) {
        const std::size_t n = polygon.size();
        std::size_t cheapest = 0;
        double least = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < n; ++i) {
            const double lost = std::fabs(Cross(polygon[(i + n - 1) % n], polygon[i], polygon[(i + 1) % n]));
            if (lost < least) {
                least = lost;
                cheapest = i;
            }
        }
        polygon.erase(polygon.begin() + static_cast<std::ptrdiff_t>(cheapest));
    }
}

// Pixels that are opaque together with their eight neighbours: linear filtering anywhere on them
// reads opaque pixels only. One byte per pixel.
std::vector<uint8_t> SolidPixels(const Raster& raster)
{
    const uint32_t w = raster.width, h = raster.height;
    auto opaque = [&](int64_t x, int64_t y) {
        return x >= 0 && y >= 0 && x < w && y < h
            && raster.pixels[(static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x)) * 4 + 3] == 255;
    };
    std::vector<uint8_t> solid(static_cast<std::size_t>(w) * h, 0);
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x) {
            bool all = true;
            for (int dy = -1; dy <= 1 && all; ++dy)
                for (int dx = -1; dx <= 1 && all; ++dx)
                    all = opaque(static_cast<int64_t>(x) + dx, static_cast<int64_t>(y) + dy);
            solid[static_cast<std::size_t>(y) * w + x] = all ? 1 : 0;
        }
    return solid;
}

// Whether linear filtering anywhere inside the polygon reads opaque pixels only: every pixel
// whose square comes within half a pixel of the polygon has alpha 255.
bool SamplesOpaque(const std::vector<Point>& polygon, const Raster& raster)
{
    const auto count = static_cast<uint32_t>(polygon.size());
    const uint32_t w = raster.width;
    for (uint32_t y = 0; y < raster.height; ++y) {
        float left = 0.0f, right = 0.0f;
        if (!OuterSpan(polygon.data(), count, static_cast<float>(y) - 0.5f, static_cast<float>(y) + 1.5f,
                left, right))
            continue;
        const auto from = static_cast<int64_t>(std::floor(left - 0.5f));
        const auto to = static_cast<int64_t>(std::ceil(right + 0.5f));
        if (from < 0 || to > static_cast<int64_t>(w))
            return false;
        for (int64_t x = from; x < to; ++x)
            if (raster.pixels[(static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x)) * 4 + 3] != 255)
                return false;
    }
    return true;
}

// Moves every corner one pixel towards the polygon's centre.
void Shrink(std::vector<Point>& polygon)
{
    Point centre;
    for (const Point& p : polygon) {
        centre.x += p.x / static_cast<float>(polygon.size());
        centre.y += p.y / static_cast<float>(polygon.size());
    }
    for (Point& p : polygon) {
        const float dx = centre.x - p.x, dy = centre.y - p.y;
        const float length = std::hypot(dx, dy);
        if (length > 1.0f) {
            p.x += dx / length;
            p.y += dy / length;
        }
    }
}

// The largest rectangle of solid pixels, as four corners (none when there is no solid pixel).
std::vector<Point> SolidRectangle(const std::vector<uint8_t>& solid, uint32_t w, uint32_t h)
{
    std::vector<uint32_t> heights(w, 0);
    std::vector<uint32_t> stack;
    double bestArea = 0.0;
    std::vector<Point> best;
    for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < w; ++x)
            heights[x] = solid[static_cast<std::size_t>(y) * w + x] != 0 ? heights[x] + 1 : 0;
        // The histogram's largest bar run: the largest rectangle ending at this row.
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
                    const auto x0 = static_cast<float>(start), x1 = static_cast<float>(x);
                    const auto y0 = static_cast<float>(y + 1 - bar), y1 = static_cast<float>(y + 1);
                    best = { { x0, y0 }, { x1, y0 }, { x1, y1 }, { x0, y1 } };
                }
            }
            if (x < w)
                stack.push_back(x);
        }
    }
    return best;
}

} // namespace

RasterShape RasterShape::Measure(const Raster& raster, uint32_t border)
{
    RasterShape shape;
    const uint32_t w = raster.width;
    const uint32_t h = raster.height;
    if (w == 0 || h == 0 || raster.pixels.size() < static_cast<std::size_t>(w) * h * 4)
        return shape;
    std::vector<Point> drawn; // corners of each row's drawn run
    for (uint32_t y = 0; y < h; ++y) {
        const uint8_t* row = raster.pixels.data() + static_cast<std::size_t>(y) * w * 4;
        uint32_t first = w;
        uint32_t last = 0;
        for (uint32_t x = 0; x < w; ++x)
            if (row[x * 4 + 3] != 0) {
                first = std::min(first, x);
                last = x;
            }
        // The drawn pixels' own squares: what linear filtering spreads beyond them is under half
        // a pixel of the faintest edge, not worth drawing more pixels for.
        if (first < w) {
            const auto x0 = static_cast<float>(first), x1 = static_cast<float>(last + 1);
            const auto y0 = static_cast<float>(y), y1 = static_cast<float>(y + 1);
            drawn.insert(drawn.end(), { { x0, y0 }, { x1, y0 }, { x0, y1 }, { x1, y1 } });
        }
    }
    const Point offset { static_cast<float>(border), static_cast<float>(border) };
    const Point lo { -offset.x, -offset.y };
    const Point hi { static_cast<float>(w) + offset.x, static_cast<float>(h) + offset.y };
    const std::vector<Point> outline = CheapestOutline(drawn, kMaxOutline, lo, hi);
    if (outline.size() >= 3) {
        shape.outlineCount = static_cast<uint32_t>(outline.size());
        for (uint32_t i = 0; i < shape.outlineCount; ++i)
            shape.outline[i] = { outline[i].x + offset.x, outline[i].y + offset.y };
    }

    // The opaque region only pays for itself on rasters of moderate size: measuring it reads every
    // pixel a dozen times, seconds at the largest raster sides, and a raster that large is mostly
    // off screen anyway. Without one, nothing is taken as hidden behind this raster.
    if (static_cast<uint64_t>(w) * h > kMaxOpaqueMeasured)
        return shape;

    // The opaque region: the hull of the solid pixels' centres, trimmed to few corners and shrunk
    // until filtering inside it reads opaque pixels only; when that fails (the opaque part is not
    // convex), the largest rectangle of solid pixels.
    const std::vector<uint8_t> solid = SolidPixels(raster);
    std::vector<Point> centres;
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x)
            if (solid[static_cast<std::size_t>(y) * w + x] != 0
                && (x == 0 || solid[static_cast<std::size_t>(y) * w + x - 1] == 0 || x + 1 == w
                    || solid[static_cast<std::size_t>(y) * w + x + 1] == 0))
                centres.push_back({ static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f });
    std::vector<Point> opaque = Hull(std::move(centres));
    KeepCorners(opaque, kMaxOutline);
    bool safe = opaque.size() >= 3 && SamplesOpaque(opaque, raster);
    for (int attempt = 0; attempt < 2 && !safe && opaque.size() >= 3; ++attempt) {
        Shrink(opaque);
        safe = SamplesOpaque(opaque, raster);
    }
    if (!safe)
        opaque = SolidRectangle(solid, w, h);
    if (opaque.size() >= 3) {
        shape.opaqueCount = static_cast<uint32_t>(opaque.size());
        for (uint32_t i = 0; i < shape.opaqueCount; ++i)
            shape.opaque[i] = { opaque[i].x + offset.x, opaque[i].y + offset.y };
    }
    return shape;
}

} // namespace Vorn
