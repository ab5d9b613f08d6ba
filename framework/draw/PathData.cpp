// PathData: bounds of a range and its replay into cairo.
#include "Vorn/draw/PathData.h"

#include <cairo.h>

namespace Vorn {

void PathData::Release()
{
    std::vector<PathSegment>().swap(segments_);
}

bool PathData::Draws(PathRange range) const
{
    for (uint32_t i = range.first; i < range.last; ++i) {
        const PathSegment::Kind kind = segments_[i].kind;
        if (kind == PathSegment::Kind::Line || kind == PathSegment::Kind::Curve)
            return true;
    }
    return false;
}

Bounds PathData::BoundsOf(PathRange range) const
{
    Bounds box;
    for (uint32_t i = range.first; i < range.last; ++i) {
        const PathSegment& s = segments_[i];
        // A move that nothing follows draws nothing and does not widen the box.
        if (s.kind == PathSegment::Kind::Move
            && (i + 1 == range.last || segments_[i + 1].kind == PathSegment::Kind::Move))
            continue;
        box.Add(s.to.x, s.to.y);
        if (s.kind == PathSegment::Kind::Curve) {
            box.Add(s.handle1.x, s.handle1.y);
            box.Add(s.handle2.x, s.handle2.y);
        }
    }
    return box;
}

void PathData::AppendTo(cairo_t* context, PathRange range) const
{
    for (uint32_t i = range.first; i < range.last; ++i) {
        const PathSegment& s = segments_[i];
        switch (s.kind) {
        case PathSegment::Kind::Move:
            cairo_move_to(context, s.to.x, s.to.y);
            break;
        case PathSegment::Kind::Line:
            cairo_line_to(context, s.to.x, s.to.y);
            break;
        case PathSegment::Kind::Curve:
            cairo_curve_to(context, s.handle1.x, s.handle1.y, s.handle2.x, s.handle2.y, s.to.x, s.to.y);
            break;
        case PathSegment::Kind::Close:
            cairo_close_path(context);
            break;
        }
    }
}

} // namespace Vorn
