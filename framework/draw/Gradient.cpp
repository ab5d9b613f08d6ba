// LinearGradient: colour evaluation and its cairo pattern (stops read at the time of the call).
#include "Vorn/draw/Gradient.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

// A script may store any float as alpha; cairo wants 0 to 1 and NaN means nothing.
double UnitAlpha(float alpha)
{
    return std::isnan(alpha) ? 0.0 : std::clamp(static_cast<double>(alpha), 0.0, 1.0);
}

void AddStop(cairo_pattern_t* pattern, double offset, const GradientStop& stop, float alpha)
{
    cairo_pattern_add_color_stop_rgba(pattern, offset, stop.color.r / 255.0, stop.color.g / 255.0,
        stop.color.b / 255.0, UnitAlpha(stop.alpha) * UnitAlpha(alpha));
}

} // namespace

void LinearGradient::SetBegin(const GradientStop& stop)
{
    begin_ = stop;
    Touch();
}

void LinearGradient::SetEnd(const GradientStop& stop)
{
    end_ = stop;
    Touch();
}

float LinearGradient::Position(const Point& point) const
{
    const double dx = static_cast<double>(end_.x) - begin_.x;
    const double dy = static_cast<double>(end_.y) - begin_.y;
    const double length2 = dx * dx + dy * dy;
    // Stops at one place (or not finite) make no direction: everything is past the end.
    if (!(length2 > 0.0) || !std::isfinite(length2))
        return 1.0f;
    const double t = ((point.x - begin_.x) * dx + (point.y - begin_.y) * dy) / length2;
    return static_cast<float>(std::isnan(t) ? 1.0 : std::clamp(t, 0.0, 1.0));
}

void LinearGradient::Apply(const Point* points, int count, Color* out) const
{
    auto mix = [](uint8_t a, uint8_t b, float t) {
        return static_cast<uint8_t>(std::lround(a + (static_cast<float>(b) - a) * t));
    };
    for (int i = 0; i < count; ++i) {
        const float t = Position(points[i]);
        out[i] = Color { mix(begin_.color.r, end_.color.r, t), mix(begin_.color.g, end_.color.g, t),
            mix(begin_.color.b, end_.color.b, t) };
    }
}

cairo_pattern_t* LinearGradient::CreatePattern(float alpha) const
{
    if (Position(Point(begin_.x, begin_.y)) == 1.0f) {
        const Color& c = end_.color;
        return cairo_pattern_create_rgba(
            c.r / 255.0, c.g / 255.0, c.b / 255.0, UnitAlpha(end_.alpha) * UnitAlpha(alpha));
    }
    cairo_pattern_t* pattern = cairo_pattern_create_linear(begin_.x, begin_.y, end_.x, end_.y);
    AddStop(pattern, 0.0, begin_, alpha);
    AddStop(pattern, 1.0, end_, alpha);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    return pattern;
}

} // namespace Vorn
