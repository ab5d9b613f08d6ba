// ConvexSpan: where a convex polygon lies along a band of one pixel row, the way the occlusion mask
// and the raster measurements need it: the outer span (every x the polygon reaches within the
// band) and the inner span (the x that are inside the polygon for every y of the band).
#pragma once

#include <cstdint>

#include "Vorn/core/Point.h"

namespace Vorn {

// The x-range where the horizontal line at y crosses the polygon; false when it misses it.
bool CrossSection(const Point* polygon, uint32_t count, float y, float& left, float& right);
// Every x the polygon reaches for y in [top, bottom]; false when it does not reach the band.
bool OuterSpan(const Point* polygon, uint32_t count, float top, float bottom, float& left, float& right);
// The x inside the polygon for every y in [top, bottom]; false when there are none.
bool InnerSpan(const Point* polygon, uint32_t count, float top, float bottom, float& left, float& right);

} // namespace Vorn

namespace Vorn {

// The spans of a convex polygon row band after row band, walking its two sides once from top to
// bottom: what the occlusion mask asks for every item of every frame.
class ConvexRows {
public:
    // `polygon`: convex, corners in order (either way round), at least three.
    ConvexRows(const Point* polygon, uint32_t count);

    float Top() const { return polygon_[top_].y; }
    float Bottom() const { return polygon_[bottom_].y; }
    // The outer and inner spans (as OuterSpan and InnerSpan) of the band [y, y + 1]; the bands are
    // asked for from the top down. False when the polygon does not reach the band; the inner span
    // is empty (inner left >= inner right) when no x is inside for the whole band.
    bool Band(float y, float& outerLeft, float& outerRight, float& innerLeft, float& innerRight);

private:
    struct Side {
        uint32_t at; // the side's current edge runs from `at` to `next`
        uint32_t next;
        int step; // +1 or -1 around the polygon
    };
    // Moves the side down to the edge holding y, noting the x of the corners it passes in [from, y].
    void Advance(Side& side, float y, float from, float& low, float& high) const;
    float XAt(const Side& side, float y) const;

    const Point* polygon_;
    uint32_t count_;
    uint32_t top_ = 0;
    uint32_t bottom_ = 0;
    Side a_ {};
    Side b_ {};
};

} // namespace Vorn
