// Rasterize: turns retained vector content (anything that can Blit itself into cairo) into a
// Raster at a given scale, anti-aliased, covering a box of content space snapped outwards to
// whole pixels. Shared by Canvas and Clipper.
#pragma once

#include "Vorn/draw/Bounds.h"
#include "Vorn/draw/IPath.h"
#include "Vorn/draw/Raster.h"

namespace Vorn {

// Largest raster side in pixels. Content that would be larger at the asked scale is rasterised
// at the largest scale that fits (Raster::scale says which).
constexpr unsigned kMaxRasterSide = 4096;

// Renders `content` over `bounds` at `scale` pixels per unit into `out` (its pixel buffer is
// reused). False when the bounds are empty, the scale is not a positive number, or cairo fails
// (logged once); `out` is then an empty raster.
bool RasterizeContent(const IPath& content, const Bounds& bounds, float scale, Raster& out);

} // namespace Vorn
