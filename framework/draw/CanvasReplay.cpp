// Canvas: replaying the retained operations into cairo, in the order they were recorded.
// Gradient stops and image pixels are read here, so later changes to them show.
#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "Vorn/draw/Canvas.h"

namespace Vorn {

namespace {

constexpr double kMiterLimit = 4.0;

double UnitAlpha(float alpha)
{
    return std::isnan(alpha) ? 0.0 : std::clamp(static_cast<double>(alpha), 0.0, 1.0);
}

void SetColor(cairo_t* context, const Color& color, float alpha)
{
    cairo_set_source_rgba(context, color.r / 255.0, color.g / 255.0, color.b / 255.0, UnitAlpha(alpha));
}

// A cairo surface holding the image's pixels, premultiplied as cairo wants them.
cairo_surface_t* SurfaceOf(const Image& image)
{
    const int width = static_cast<int>(image.Width());
    const int height = static_cast<int>(image.Height());
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
        return surface;
    cairo_surface_flush(surface);
    unsigned char* rows = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const uint8_t* from = image.Pixels();
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(rows + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width; ++x, from += 4) {
            const uint32_t a = from[3];
            auto pre = [a](uint32_t c) { return (c * a + 127) / 255; };
            row[x] = (a << 24) | (pre(from[0]) << 16) | (pre(from[1]) << 8) | pre(from[2]);
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

} // namespace

void Canvas::ReplayPaintImage(cairo_t* context, const Operation& operation) const
{
    const Image& image = *images_[operation.resource];
    if (!image.IsLoaded())
        return;
    cairo_surface_t* surface = SurfaceOf(image);
    // An image cairo cannot hold (too large) is left out rather than spoiling the whole raster.
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return;
    }
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(surface);
    // Content space (y up) to image pixels (rows top to bottom) with the top-left corner at the
    // offset, one pixel per unit.
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, 1.0, 0.0, 0.0, -1.0, -operation.offset.x, operation.offset.y);
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_set_source(context, pattern);
    cairo_new_path(context);
    cairo_rectangle(
        context, operation.offset.x, operation.offset.y - image.Height(), image.Width(), image.Height());
    cairo_fill(context);
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(surface);
}

void Canvas::Blit(cairo_t* context) const
{
    cairo_save(context);
    cairo_set_fill_rule(context, CAIRO_FILL_RULE_WINDING);
    cairo_set_line_join(context, CAIRO_LINE_JOIN_MITER);
    cairo_set_miter_limit(context, kMiterLimit);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_BUTT);
    for (const Operation& operation : operations_) {
        cairo_new_path(context);
        switch (operation.kind) {
        case Operation::Kind::Fill:
            Segments().AppendTo(context, operation.path);
            SetColor(context, operation.color, operation.alpha);
            cairo_fill(context);
            break;
        case Operation::Kind::FillGradient: {
            Segments().AppendTo(context, operation.path);
            cairo_pattern_t* pattern = gradients_[operation.resource]->CreatePattern(operation.alpha);
            cairo_set_source(context, pattern);
            cairo_fill(context);
            cairo_pattern_destroy(pattern);
            break;
        }
        case Operation::Kind::Stroke:
            Segments().AppendTo(context, operation.path);
            SetColor(context, operation.color, operation.alpha);
            cairo_set_line_width(context, operation.width);
            cairo_stroke(context);
            break;
        case Operation::Kind::Clip:
            Segments().AppendTo(context, operation.path);
            cairo_clip(context);
            break;
        case Operation::Kind::PaintColor:
            SetColor(context, operation.color, operation.alpha);
            cairo_paint(context);
            break;
        case Operation::Kind::PaintImage:
            ReplayPaintImage(context, operation);
            break;
        }
    }
    cairo_restore(context);
}

} // namespace Vorn
