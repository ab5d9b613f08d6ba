// Fill: the triangles of a polygon, concave and self-intersecting ones included, cut by GLU's
// tessellator.
#pragma once

#include <vector>

#include "Vorn/core/Point.h"

namespace Vorn {

// The polygon points[0..count) (closed: the last point joins the first) filled under the
// non-zero winding rule, as a canvas fills by default: where the outline crosses itself, a region
// it winds around twice or more (the centre of a five-pointed star drawn in one stroke) is
// inside, one it winds around once clockwise and once counter-clockwise is not. On success `out`
// is replaced by triangles (consecutive triples, counter-clockwise with y up) that cover the
// filled area exactly once, and the result is true. False, with `out` left as it was, for fewer
// than three points, a polygon of zero area, a coordinate that is not finite, or a failure inside.
bool Fill(const Point* points, int count, std::vector<Point>& out);

} // namespace Vorn
