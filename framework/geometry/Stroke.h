// Stroke: the area a polyline covers when drawn with a pen of a given width, as triangles.
// Outlines come from Clipper (libpolyclipping) and are cut into triangles by GLU.
#pragma once

#include <vector>

#include "Vorn/core/Point.h"

namespace Vorn {

// The polyline through points[0..count) stroked at `width`: butt ends, mitred joins (a corner
// sharper than a mitre of 10 half-widths is squared off, as a canvas stroke's default limit of 10
// would cut it). On success `out` is replaced by triangles (consecutive triples, counter-clockwise
// with y up) that cover the stroke exactly once, overlapping parts of the line included, and the
// result is true. False, with `out` left as it was, for fewer than two distinct points, a width
// that is not a positive finite number, a coordinate that is not finite, or a failure inside.
bool Stroke(const Point* points, int count, float width, std::vector<Point>& out);

} // namespace Vorn
