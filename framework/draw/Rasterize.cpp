// Rasterize: cairo draws premultiplied ARGB32 straight into the raster's own buffer (same size:
// four bytes a pixel, no row padding), which is then turned into straight-alpha RGBA8 in place.
#include "Vorn/draw/Rasterize.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "Vorn/core/Log.h"

namespace Vorn {

namespace {

// The pixel box of `bounds` at `scale`: whole pixels covering it, at least one a side.
struct PixelBox {
    double x0, y0, x1, y1;
    double Width() const { return x1 - x0; }
    double Height() const { return y1 - y0; }
};

PixelBox BoxAt(const Bounds& bounds, double scale)
{
    PixelBox box { std::floor(bounds.min_x * scale), std::floor(bounds.min_y * scale),
        std::ceil(bounds.max_x * scale), std::ceil(bounds.max_y * scale) };
    box.x1 = std::max(box.x1, box.x0 + 1);
    box.y1 = std::max(box.y1, box.y0 + 1);
    return box;
}

// Premultiplied native-endian ARGB32 words to straight RGBA8 bytes, in place.
void ToStraightRgba(uint8_t* pixels, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        uint8_t* p = pixels + i * 4;
        uint32_t word;
        std::memcpy(&word, p, 4);
        const uint32_t a = word >> 24;
        if (a == 0) {
            std::memset(p, 0, 4);
            continue;
        }
        auto straight = [a](uint32_t c) {
            return static_cast<uint8_t>(std::min<uint32_t>(255, (c * 255 + a / 2) / a));
        };
        p[0] = straight((word >> 16) & 0xff);
        p[1] = straight((word >> 8) & 0xff);
        p[2] = straight(word & 0xff);
        p[3] = static_cast<uint8_t>(a);
    }
}

// Leaves `out` an empty raster (keeping its buffer's memory for the next time) and says so.
bool Nothing(Raster& out)
{
    out.width = 0;
    out.height = 0;
    out.pixels.clear();
    return false;
}

} // namespace

bool RasterizeContent(const IPath& content, const Bounds& bounds, float scale, Raster& out)
{
    if (bounds.IsEmpty() || !(scale > 0.0f) || !std::isfinite(scale))
        return Nothing(out);
    double s = scale;
    PixelBox box = BoxAt(bounds, s);
    // Shrink the scale until the raster fits (snapping can add a pixel, hence the loop).
    for (int tries = 0; tries < 8 && std::max(box.Width(), box.Height()) > kMaxRasterSide; ++tries) {
        s *= (kMaxRasterSide - 2) / std::max(box.Width(), box.Height());
        box = BoxAt(bounds, s);
    }
    if (std::max(box.Width(), box.Height()) > kMaxRasterSide || !(s > 0.0))
        return Nothing(out);

    const int width = static_cast<int>(box.Width());
    const int height = static_cast<int>(box.Height());
    out.pixels.assign(static_cast<size_t>(width) * height * 4, 0);
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        out.pixels.data(), CAIRO_FORMAT_ARGB32, width, height, width * 4);
    cairo_t* context = cairo_create(surface);
    // Content space (y up) to pixels (y down) with the box's top-left corner at pixel (0, 0).
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, s, 0.0, 0.0, -s, -box.x0, box.y1);
    cairo_set_matrix(context, &matrix);
    content.Blit(context);
    const cairo_status_t status = cairo_status(context);
    cairo_destroy(context);
    cairo_surface_finish(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        static bool logged = false;
        if (!logged)
            Log::Output("draw: rasterising failed: %s\n", cairo_status_to_string(status));
        logged = true;
        return Nothing(out);
    }

    ToStraightRgba(out.pixels.data(), static_cast<size_t>(width) * height);
    out.width = static_cast<uint32_t>(width);
    out.height = static_cast<uint32_t>(height);
    out.scale = static_cast<float>(s);
    out.left = static_cast<float>(box.x0 / s);
    out.top = static_cast<float>(box.y1 / s);
    return true;
}

} // namespace Vorn
