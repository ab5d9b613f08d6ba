// Raster: pixels that a canvas or clipper rasterised for the renderer, and where they sit in the
// content's own space. Straight (not premultiplied) alpha, the way the video plugin's textures and
// blend modes take it.
#pragma once

#include <cstdint>
#include <vector>

namespace Vorn {

struct Raster {
    uint32_t width = 0;   // pixels
    uint32_t height = 0;
    float scale = 1.0f;   // pixels per content unit
    float left = 0.0f;    // content-space x of the left edge
    float top = 0.0f;     // content-space y of the top edge (y up: the largest y covered)
    std::vector<uint8_t> pixels; // RGBA8 (bytes R, G, B, A), rows top to bottom, width * 4 bytes each
};

} // namespace Vorn
