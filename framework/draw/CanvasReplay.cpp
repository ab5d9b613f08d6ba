// Canvas: replaying the retained operations into cairo, in the order they were recorded.
// Gradient stops and image pixels are read here, so later changes to them show.
#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "Vorn/draw/Canvas.h"
#include "Vorn/text/FontFace.h"

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

} // namespace

void Canvas::ReplayPaintImage(cairo_t* context, const Operation& operation) const
{
    const Image& image = *images_[operation.resource];
    // The image keeps its premultiplied copy, so painting converts its pixels once, not per raster.
    cairo_surface_t* surface = image.Surface();
    if (surface == nullptr)
        return;
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
}

void Canvas::ReplayText(cairo_t* context, const Operation& operation) const
{
    // Glyph outlines unhinted and grey anti-aliased, so text looks the same at every scale.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(context, options);
    cairo_font_options_destroy(options);
    cairo_set_font_face(context, faces_[operation.resource]->Drawing());
    // Font space is y down and content space y up: flipping the font's y keeps glyphs upright.
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, operation.width, 0.0, 0.0, -operation.width, 0.0, 0.0);
    cairo_set_font_matrix(context, &matrix);
    SetColor(context, operation.color, operation.alpha);
    constexpr uint32_t kBatch = 256;
    cairo_glyph_t batch[kBatch];
    for (uint32_t first = operation.path.first; first < operation.path.last; first += kBatch) {
        const uint32_t count = std::min(kBatch, operation.path.last - first);
        for (uint32_t i = 0; i < count; ++i) {
            const ShapedGlyph& glyph = glyphs_[first + i];
            batch[i] = { glyph.index, glyph.x, glyph.y };
        }
        cairo_show_glyphs(context, batch, static_cast<int>(count));
    }
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
        case Operation::Kind::Text:
            ReplayText(context, operation);
            break;
        }
    }
    cairo_restore(context);
}

} // namespace Vorn
