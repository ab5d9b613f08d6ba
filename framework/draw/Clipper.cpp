// Clipper: recording fills, telling a rectangle apart, and replaying the region into cairo.
#include "Vorn/draw/Clipper.h"

#include <cairo.h>

#include "Vorn/draw/Rasterize.h"
#include "Vorn/draw/RegionRectangle.h"

namespace Vorn {

Clipper::Clipper(IVideo* video)
    : video_(video)
{
}

Clipper::~Clipper() = default;

void Clipper::RecordFill(bool preserve)
{
    const PathRange path = TakePath(preserve);
    if (!Segments().Draws(path))
        return;
    fills_.push_back(path);
    bounds_.Add(Segments().BoundsOf(path));
    ++version_;
}

void Clipper::Fill()
{
    RecordFill(false);
}

void Clipper::FillPreserve()
{
    RecordFill(true);
}

void Clipper::Clear()
{
    std::vector<PathRange>().swap(fills_);
    bounds_ = Bounds();
    ResetPath();
    ++version_;
}

bool Clipper::GetRectangle(Bounds& out) const
{
    if (rectangle_version_ != version_) {
        std::vector<Bounds> boxes;
        bool rectangles = true;
        for (const PathRange& fill : fills_)
            rectangles = rectangles && AppendRectangles(Segments(), fill, boxes);
        is_rectangle_ = rectangles && UnionIsOneBox(boxes, rectangle_);
        rectangle_version_ = version_;
    }
    if (is_rectangle_)
        out = rectangle_;
    return is_rectangle_;
}

bool Clipper::Rasterize(float scale, Raster& out) const
{
    return RasterizeContent(*this, bounds_, scale, out);
}

void Clipper::Blit(cairo_t* context) const
{
    cairo_save(context);
    cairo_set_fill_rule(context, CAIRO_FILL_RULE_WINDING);
    cairo_set_source_rgba(context, 1.0, 1.0, 1.0, 1.0);
    // Each fill on its own, so one fill's winding never cancels another's: the union.
    for (const PathRange& fill : fills_) {
        cairo_new_path(context);
        Segments().AppendTo(context, fill);
        cairo_fill(context);
    }
    cairo_restore(context);
}

} // namespace Vorn
