// RasterShape: what the renderer learns from a raster once, when it is made: a convex outline of
// at most kMaxOutline corners around every pixel it draws, so that a sprite's geometry covers its
// drawn pixels rather than its empty corners where that pays, and a convex region inside that is
// opaque for sure (what hides sprites behind). Both in pixels of the raster with its transparent
// border.
#pragma once

#include <cstdint>
#include <vector>

#include "Vorn/core/Point.h"
#include "Vorn/draw/Raster.h"

namespace Vorn {

struct RasterShape {
    static constexpr uint32_t kMaxOutline = 8;
    // What one more triangle costs, in pixels drawn: measured on Mesa's software rasteriser, where
    // setting up a triangle costs about as much as filling 400 pixels. An outline with more
    // corners is chosen only when the pixels it leaves out pay for its extra triangles, so small
    // sprites keep their box and large round ones get a tighter outline.
    static constexpr double kTrianglePixels = 400.0;
    // Rasters with more pixels get no opaque region (measuring one would take seconds).
    static constexpr uint64_t kMaxOpaqueMeasured = uint64_t(1) << 21;

    uint32_t outlineCount = 0; // 0: nothing is drawn
    Point outline[kMaxOutline]; // convex, in order
    // A convex region that comes out fully opaque however the texture is sampled (every pixel in
    // it and around it has alpha 255); none when opaqueCount is 0.
    uint32_t opaqueCount = 0;
    Point opaque[kMaxOutline];

    // Measures `raster`, whose pixels will sit `border` pixels in from the texture's edges.
    static RasterShape Measure(const Raster& raster, uint32_t border);
};

// The outline drawn for the points: the box around them, or their convex hull reduced to at most
// `limit` corners without cutting any point off, whichever costs least in pixels plus
// kTrianglePixels per triangle. Empty for fewer than three distinct points.
std::vector<Point> CheapestOutline(const std::vector<Point>& points, uint32_t limit);

} // namespace Vorn
