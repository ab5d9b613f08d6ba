// PathData: the retained form of paths: moves, lines, cubic curves and closes in content space
// (y up), appended in order; operations refer to a range of it. Every shape a script adds is kept
// as these four kinds, so bounds and replay have one form to deal with. Replay needs cairo.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Vorn/core/Point.h"
#include "Vorn/draw/Bounds.h"

typedef struct _cairo cairo_t;

namespace Vorn {

struct PathSegment {
    enum class Kind : uint8_t { Move, Line, Curve, Close };
    Kind kind;
    Point to; // end point (Move, Line, Curve); the sub-path's start for Close
    Point handle1; // Curve only
    Point handle2;
};

// A run of segments, [first, last).
struct PathRange {
    uint32_t first = 0;
    uint32_t last = 0;
    bool IsEmpty() const { return first >= last; }
};

class PathData {
public:
    void Append(const PathSegment& segment) { segments_.push_back(segment); }
    size_t Size() const { return segments_.size(); }
    const PathSegment& operator[](size_t index) const { return segments_[index]; }
    // Drops every segment and gives their memory back.
    void Release();

    // Whether the range draws anything: a line or curve (moves and closes alone draw nothing).
    bool Draws(PathRange range) const;
    // The box holding every end point and handle of the range: a curve stays inside its handles'
    // hull, so the box covers the curve.
    Bounds BoundsOf(PathRange range) const;
    // Adds the range to the context's current path (the context's user space is content space).
    void AppendTo(cairo_t* context, PathRange range) const;

private:
    std::vector<PathSegment> segments_;
};

} // namespace Vorn
