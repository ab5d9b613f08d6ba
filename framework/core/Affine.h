// Affine: a 2D affine transform, the way nodes place themselves: x' = a·x + c·y + tx,
// y' = b·x + d·y + ty, in the engine's y-up space with clockwise-positive angles.
#pragma once

#include "Vorn/core/Point.h"

namespace Vorn {

struct Affine {
    float a = 1.0f;
    float b = 0.0f;
    float c = 0.0f;
    float d = 1.0f;
    float tx = 0.0f;
    float ty = 0.0f;

    // translate(position) · rotate(radians, clockwise) · shear(x + sx·y, y + sy·x) · scale.
    static Affine Compose(Point position, float radians, Point shear, Point scale);

    Point Apply(Point p) const { return { a * p.x + c * p.y + tx, b * p.x + d * p.y + ty }; }
    // This transform after `inner`: (this * inner).Apply(p) == Apply(inner.Apply(p)).
    Affine operator*(const Affine& inner) const;
    float Determinant() const { return a * d - b * c; }
    // The inverse; false (and `out` untouched) when the transform collapses space onto a line or
    // a point, which has no inverse.
    bool Invert(Affine& out) const;
    // How many units one unit along the transform's x or y axis becomes, whichever is longer.
    float LargestScale() const;
    // No turn and no shear: axis-aligned rectangles stay axis-aligned rectangles.
    bool KeepsAxes() const { return b == 0.0f && c == 0.0f; }
};

} // namespace Vorn
