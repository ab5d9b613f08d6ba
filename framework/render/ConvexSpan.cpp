// ConvexSpan: cross-sections of a convex polygon. Its left boundary is convex and its right one
// concave in y, so over a band the inner span's ends are found at the band's edges, and the outer
// span's at the band's edges or at corners inside the band.
#include "Vorn/render/ConvexSpan.h"

#include <algorithm>
#include <limits>

namespace Vorn {

bool CrossSection(const Point* polygon, uint32_t count, float y, float& left, float& right)
{
    bool found = false;
    for (uint32_t i = 0; i < count; ++i) {
        const Point& a = polygon[i];
        const Point& b = polygon[(i + 1) % count];
        if ((y < a.y && y < b.y) || (y > a.y && y > b.y))
            continue;
        float x0 = a.x, x1 = b.x;
        if (a.y != b.y) {
            x0 = x1 = a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y);
        }
        if (!found) {
            left = std::min(x0, x1);
            right = std::max(x0, x1);
            found = true;
        } else {
            left = std::min(left, std::min(x0, x1));
            right = std::max(right, std::max(x0, x1));
        }
    }
    return found;
}

bool OuterSpan(const Point* polygon, uint32_t count, float top, float bottom, float& left, float& right)
{
    bool found = false;
    auto take = [&](float l, float r) {
        left = found ? std::min(left, l) : l;
        right = found ? std::max(right, r) : r;
        found = true;
    };
    float l = 0.0f, r = 0.0f;
    if (CrossSection(polygon, count, top, l, r))
        take(l, r);
    if (CrossSection(polygon, count, bottom, l, r))
        take(l, r);
    for (uint32_t i = 0; i < count; ++i)
        if (polygon[i].y >= top && polygon[i].y <= bottom)
            take(polygon[i].x, polygon[i].x);
    return found;
}

bool InnerSpan(const Point* polygon, uint32_t count, float top, float bottom, float& left, float& right)
{
    float l0 = 0.0f, r0 = 0.0f, l1 = 0.0f, r1 = 0.0f;
    if (!CrossSection(polygon, count, top, l0, r0) || !CrossSection(polygon, count, bottom, l1, r1))
        return false;
    left = std::max(l0, l1);
    right = std::min(r0, r1);
    return left < right;
}

} // namespace Vorn

namespace Vorn {

ConvexRows::ConvexRows(const Point* polygon, uint32_t count)
    : polygon_(polygon)
    , count_(count)
{
    for (uint32_t i = 1; i < count; ++i) {
        if (polygon[i].y < polygon[top_].y)
            top_ = i;
        if (polygon[i].y > polygon[bottom_].y)
            bottom_ = i;
    }
    a_ = { top_, (top_ + 1) % count, 1 };
    b_ = { top_, (top_ + count - 1) % count, -1 };
}

void ConvexRows::Advance(Side& side, float y, float from, float& low, float& high) const
{
    while (side.at != bottom_ && polygon_[side.next].y <= y) {
        const Point& corner = polygon_[side.next];
        if (corner.y >= from) {
            low = std::min(low, corner.x);
            high = std::max(high, corner.x);
        }
        side.at = side.next;
        side.next = (side.next + count_ + static_cast<uint32_t>(side.step)) % count_;
    }
}

float ConvexRows::XAt(const Side& side, float y) const
{
    const Point& a = polygon_[side.at];
    const Point& b = polygon_[side.next];
    if (side.at == bottom_ || b.y == a.y)
        return a.x;
    const float t = std::clamp((y - a.y) / (b.y - a.y), 0.0f, 1.0f);
    return a.x + (b.x - a.x) * t;
}

bool ConvexRows::Band(float y, float& outerLeft, float& outerRight, float& innerLeft, float& innerRight)
{
    const float top = Top();
    const float bottom = Bottom();
    const float end = y + 1.0f;
    if (end < top || y > bottom)
        return false;
    float low = std::numeric_limits<float>::infinity();
    float high = -std::numeric_limits<float>::infinity();
    // The band's upper edge: both sides' x there (the top corner when the polygon starts below).
    const float upper = std::max(y, top);
    Advance(a_, upper, upper, low, high);
    Advance(b_, upper, upper, low, high);
    const float a0 = XAt(a_, upper), b0 = XAt(b_, upper);
    // Down to the band's lower edge, through the corners inside the band.
    const float lower = std::min(end, bottom);
    Advance(a_, lower, upper, low, high);
    Advance(b_, lower, upper, low, high);
    const float a1 = XAt(a_, lower), b1 = XAt(b_, lower);
    outerLeft = std::min({ low, a0, b0, a1, b1 });
    outerRight = std::max({ high, a0, b0, a1, b1 });
    if (y < top || end > bottom) {
        innerLeft = innerRight = 0.0f; // part of the band lies outside the polygon
    } else {
        innerLeft = std::max(std::min(a0, b0), std::min(a1, b1));
        innerRight = std::min(std::max(a0, b0), std::max(a1, b1));
    }
    return true;
}

} // namespace Vorn
