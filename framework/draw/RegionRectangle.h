// RegionRectangle: recognising a clip region that is exactly one axis-aligned rectangle, so the
// renderer can clip with a scissor rectangle instead of a mask. The answer may be a conservative
// "no" (curves, rotated edges, many pieces); it is never a wrong "yes".
#pragma once

#include <vector>

#include "Vorn/draw/Bounds.h"
#include "Vorn/draw/PathData.h"

namespace Vorn {

// Appends the rectangle each sub-path of `range` fills. False when a sub-path is anything else,
// or when they do not all run the same way round (under the non-zero rule opposite rectangles
// can cut holes).
bool AppendRectangles(const PathData& data, PathRange range, std::vector<Bounds>& out);

// Whether the union of the boxes is exactly one box; writes it.
bool UnionIsOneBox(const std::vector<Bounds>& boxes, Bounds& out);

} // namespace Vorn
