// IPath: path building. Shapes and arcs become cubic Béziers here, so everything downstream deals
// with moves, lines, curves and closes only. Calls with a non-finite number are ignored: they
// would poison the bounds and the rasteriser and cannot describe anything drawable.
#include "Vorn/draw/IPath.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace Vorn {

namespace {

using Kind = PathSegment::Kind;

// Handle length of a cubic Bézier approximating a quarter circle of radius 1.
constexpr float kQuarterHandle = 0.5522847498f;

bool Finite(std::initializer_list<float> values)
{
    for (float v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

IPath::~IPath() = default;

void IPath::MoveTo(float x, float y)
{
    if (!Finite({ x, y }))
        return;
    current = Point(x, y);
    subpath_start_ = current;
    data_.Append({ Kind::Move, current, {}, {} });
    open_ = true;
}

void IPath::StartAtPen()
{
    if (!open_)
        MoveTo(current.x, current.y);
}

void IPath::LineTo(float x, float y)
{
    if (!Finite({ x, y }))
        return;
    StartAtPen();
    current = Point(x, y);
    data_.Append({ Kind::Line, current, {}, {} });
}

void IPath::AppendCurve(Point h1, Point h2, Point to)
{
    // Finite input can still overflow here (a quadratic's handles, a huge shape).
    if (!Finite({ h1.x, h1.y, h2.x, h2.y, to.x, to.y }))
        return;
    StartAtPen();
    current = to;
    data_.Append({ Kind::Curve, to, h1, h2 });
}

void IPath::CurveTo(float x, float y, float hx, float hy)
{
    if (!Finite({ x, y, hx, hy }))
        return;
    // The cubic with the same curve: each handle two thirds of the way to the quadratic's handle.
    const Point from = current;
    const Point h1(from.x + 2.0f / 3.0f * (hx - from.x), from.y + 2.0f / 3.0f * (hy - from.y));
    const Point h2(x + 2.0f / 3.0f * (hx - x), y + 2.0f / 3.0f * (hy - y));
    AppendCurve(h1, h2, Point(x, y));
}

void IPath::CurveTo(float x, float y, float h1x, float h1y, float h2x, float h2y)
{
    if (!Finite({ x, y, h1x, h1y, h2x, h2y }))
        return;
    AppendCurve(Point(h1x, h1y), Point(h2x, h2y), Point(x, y));
}

void IPath::ClosePath()
{
    if (!open_)
        return;
    data_.Append({ Kind::Close, subpath_start_, {}, {} });
    current = subpath_start_;
    open_ = false;
}

void IPath::Ellipse(float width, float height)
{
    if (!Finite({ width, height }))
        return;
    const Point c = current;
    const float rx = std::fabs(width) / 2.0f;
    const float ry = std::fabs(height) / 2.0f;
    if (!Finite({ c.x - rx, c.x + rx, c.y - ry, c.y + ry }))
        return;
    const float kx = kQuarterHandle * rx;
    const float ky = kQuarterHandle * ry;
    // Clockwise from the top, the way Rectangle runs, so overlapping shapes add up under the
    // non-zero rule.
    MoveTo(c.x, c.y + ry);
    AppendCurve(Point(c.x + kx, c.y + ry), Point(c.x + rx, c.y + ky), Point(c.x + rx, c.y));
    AppendCurve(Point(c.x + rx, c.y - ky), Point(c.x + kx, c.y - ry), Point(c.x, c.y - ry));
    AppendCurve(Point(c.x - kx, c.y - ry), Point(c.x - rx, c.y - ky), Point(c.x - rx, c.y));
    AppendCurve(Point(c.x - rx, c.y + ky), Point(c.x - kx, c.y + ry), Point(c.x, c.y + ry));
    ClosePath();
    current = c;
}

void IPath::Rectangle(float width, float height)
{
    if (!Finite({ width, height }))
        return;
    const Point c = current;
    const float hw = std::fabs(width) / 2.0f;
    const float hh = std::fabs(height) / 2.0f;
    if (!Finite({ c.x - hw, c.x + hw, c.y - hh, c.y + hh }))
        return;
    MoveTo(c.x - hw, c.y + hh);
    LineTo(c.x + hw, c.y + hh);
    LineTo(c.x + hw, c.y - hh);
    LineTo(c.x - hw, c.y - hh);
    ClosePath();
    current = c;
}

void IPath::Arc(float rx, float ry, float start, float end)
{
    const Point c = current;
    if (!Finite({ rx, ry, start, end, c.x - std::fabs(rx), c.x + std::fabs(rx), c.y - std::fabs(ry),
            c.y + std::fabs(ry) }))
        return;
    const double sweep = std::clamp(static_cast<double>(end) - start, -360.0, 360.0);
    const double a0 = start * std::numbers::pi / 180.0;
    const double total = sweep * std::numbers::pi / 180.0;
    // The point at angle a and its derivative: angle 0 along +y, clockwise (Point convention).
    auto at = [&](double a) { return Point(c.x + rx * std::sin(a), c.y + ry * std::cos(a)); };
    auto slope = [&](double a) { return Point(rx * std::cos(a), -ry * std::sin(a)); };
    const Point first = at(a0);
    MoveTo(first.x, first.y);
    // Pieces of at most a quarter turn, each a cubic whose handles are tangent at both ends.
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / 90.0 - 1e-9)));
    const double step = total / pieces;
    const double k = 4.0 / 3.0 * std::tan(step / 4.0);
    for (int i = 0; i < pieces; ++i) {
        const double from = a0 + step * i;
        const double to = (i + 1 == pieces) ? a0 + total : from + step;
        const Point p0 = at(from), p1 = at(to), d0 = slope(from), d1 = slope(to);
        AppendCurve(Point(static_cast<float>(p0.x + k * d0.x), static_cast<float>(p0.y + k * d0.y)),
            Point(static_cast<float>(p1.x - k * d1.x), static_cast<float>(p1.y - k * d1.y)), p1);
    }
}

PathRange IPath::TakePath(bool preserve)
{
    const PathRange range { start_, static_cast<uint32_t>(data_.Size()) };
    if (!preserve) {
        start_ = range.last;
        open_ = false;
    }
    return range;
}

void IPath::ResetPath()
{
    data_.Release();
    start_ = 0;
    open_ = false;
    current = Point();
    subpath_start_ = Point();
}

} // namespace Vorn
