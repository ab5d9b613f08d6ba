// Bounds: an axis-aligned box in content space (y up: min_y is the bottom edge), the extent of
// what a canvas or clipper holds. A default box is empty; adding a point or a box grows it.
#pragma once

#include <algorithm>

namespace Vorn {

struct Bounds {
    float min_x = 0.0f;
    float min_y = 0.0f;
    float max_x = -1.0f; // max < min: empty
    float max_y = -1.0f;

    Bounds() = default;
    Bounds(float left, float bottom, float right, float top)
        : min_x(left)
        , min_y(bottom)
        , max_x(right)
        , max_y(top)
    {
    }

    // Empty: covers nothing (a box of zero width or height still covers a line).
    bool IsEmpty() const { return !(max_x >= min_x && max_y >= min_y); }
    float Width() const { return IsEmpty() ? 0.0f : max_x - min_x; }
    float Height() const { return IsEmpty() ? 0.0f : max_y - min_y; }

    void Add(float x, float y)
    {
        if (IsEmpty()) {
            *this = Bounds(x, y, x, y);
            return;
        }
        min_x = std::min(min_x, x);
        min_y = std::min(min_y, y);
        max_x = std::max(max_x, x);
        max_y = std::max(max_y, y);
    }
    void Add(const Bounds& other)
    {
        if (other.IsEmpty())
            return;
        Add(other.min_x, other.min_y);
        Add(other.max_x, other.max_y);
    }
    // Grows every side by `margin` (a stroke's reach beyond its path).
    Bounds Expanded(float margin) const
    {
        if (IsEmpty())
            return *this;
        return Bounds(min_x - margin, min_y - margin, max_x + margin, max_y + margin);
    }
    Bounds Intersected(const Bounds& other) const
    {
        return Bounds(std::max(min_x, other.min_x), std::max(min_y, other.min_y),
            std::min(max_x, other.max_x), std::min(max_y, other.max_y));
    }
    bool operator==(const Bounds& other) const = default;
};

} // namespace Vorn
