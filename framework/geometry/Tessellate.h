// Tessellate: closed contours to triangles with GLU's polygon tessellator (libGLU), which handles
// concave, self-intersecting and nested contours. Shared by Stroke and Fill; needs only libGLU
// (no GL context: the tessellator is pure geometry).
#pragma once

#include <vector>

#include "Vorn/core/Point.h"

namespace Vorn::geometry {

struct Vertex {
    double x;
    double y;
};

// A closed contour: the last vertex joins the first.
using Contour = std::vector<Vertex>;

// Appends to `triangles` the triangles (consecutive triples, each counter-clockwise with y up, as
// GLU orients them about the normal +z we give it) that cover the area the contours enclose under
// the non-zero winding rule: a point is inside when the contours wind around it a non-zero number
// of times in total. Triangles of no area are left out. False when the tessellator fails or memory
// runs out; then `triangles` holds an unspecified part of the result.
bool Tessellate(const std::vector<Contour>& contours, std::vector<Point>& triangles) noexcept;

} // namespace Vorn::geometry
