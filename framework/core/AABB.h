// AABB: an axis-aligned box given by its centre and half-extents, as the display builds the
// frame's frustum (centre 0, 0 and half the mode's size). Used for culling and bounds.
#pragma once

#include <algorithm>

#include "Vorn/core/Affine.h"
#include "Vorn/core/Point.h"

namespace Vorn {

struct AABB {
    Point center;
    Point half; // negative: the empty box

    AABB()
        : half(-1.0f, -1.0f)
    {
    }
    AABB(float cx, float cy, float hx, float hy)
        : center(cx, cy)
        , half(hx, hy)
    {
    }
    static AABB FromCorners(float minX, float minY, float maxX, float maxY)
    {
        return AABB((minX + maxX) * 0.5f, (minY + maxY) * 0.5f, (maxX - minX) * 0.5f, (maxY - minY) * 0.5f);
    }

    bool IsEmpty() const { return !(half.x >= 0.0f && half.y >= 0.0f); }
    float MinX() const { return center.x - half.x; }
    float MaxX() const { return center.x + half.x; }
    float MinY() const { return center.y - half.y; }
    float MaxY() const { return center.y + half.y; }

    bool Intersects(const AABB& other) const
    {
        return !IsEmpty() && !other.IsEmpty() && MinX() <= other.MaxX() && other.MinX() <= MaxX()
            && MinY() <= other.MaxY() && other.MinY() <= MaxY();
    }
    bool Contains(const AABB& other) const
    {
        return !IsEmpty() && !other.IsEmpty() && MinX() <= other.MinX() && other.MaxX() <= MaxX()
            && MinY() <= other.MinY() && other.MaxY() <= MaxY();
    }
    // The smallest box holding both (an empty box adds nothing).
    AABB United(const AABB& other) const
    {
        if (IsEmpty())
            return other;
        if (other.IsEmpty())
            return *this;
        return FromCorners(std::min(MinX(), other.MinX()), std::min(MinY(), other.MinY()),
            std::max(MaxX(), other.MaxX()), std::max(MaxY(), other.MaxY()));
    }
    AABB Intersected(const AABB& other) const
    {
        if (!Intersects(other))
            return AABB();
        return FromCorners(std::max(MinX(), other.MinX()), std::max(MinY(), other.MinY()),
            std::min(MaxX(), other.MaxX()), std::min(MaxY(), other.MaxY()));
    }
    // The box around this box's four corners after the transform.
    AABB Transformed(const Affine& transform) const
    {
        if (IsEmpty())
            return AABB();
        const float hx = std::abs(transform.a) * half.x + std::abs(transform.c) * half.y;
        const float hy = std::abs(transform.b) * half.x + std::abs(transform.d) * half.y;
        const Point c = transform.Apply(center);
        return AABB(c.x, c.y, hx, hy);
    }
};

} // namespace Vorn
