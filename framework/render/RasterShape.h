// RasterShape: what the renderer learns from a raster once, when it is made: a convex outline of
// at most kMaxOutline corners around every pixel it draws (so a sprite's geometry covers its drawn
// pixels and not its empty corners), and the largest fully opaque axis-aligned rectangle inside it
// (what may hide sprites behind). Both in pixels of the raster with its transparent border.
#pragma once

#include <cstdint>
#include <vector>

#include "Vorn/core/Point.h"
#include "Vorn/draw/Raster.h"

namespace Vorn {

struct RasterShape {
    static constexpr uint32_t kMaxOutline = 8;

    uint32_t outlineCount = 0; // 0: nothing is drawn
    Point outline[kMaxOutline]; // convex, in order
    bool hasOpaque = false;
    float opaqueLeft = 0.0f, opaqueTop = 0.0f, opaqueRight = 0.0f, opaqueBottom = 0.0f;

    // Measures `raster`, whose pixels will sit `border` pixels in from the texture's edges.
    static RasterShape Measure(const Raster& raster, uint32_t border);
};

// The convex hull of the points (counter-clockwise in the points' own axes), then reduced to at
// most `limit` corners by cutting no point off: each step replaces an edge and its neighbours'
// ends with the point where the neighbouring edges meet, choosing the one that adds least area.
std::vector<Point> ConvexOutline(std::vector<Point> points, uint32_t limit);

} // namespace Vorn
