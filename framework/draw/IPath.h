// IPath: how scripts build a path, shared by canvases and clippers. Coordinates are content
// space, y up. The current point is where the pen is; closed shapes are centred on it and leave
// it there; arcs take it as their centre and end where the arc ends. Angles are degrees by the
// Point convention: 0 along +y, positive turning clockwise. The path keeps what it is given as
// moves, lines and cubic curves (PathData); derived classes consume it when they fill, stroke or
// clip, and replay their retained content through Blit.
#pragma once

#include "Vorn/core/Point.h"
#include "Vorn/draw/PathData.h"

typedef struct _cairo cairo_t;

namespace Vorn {

class IPath {
public:
    IPath() = default;
    virtual ~IPath();
    IPath(const IPath&) = delete;
    IPath& operator=(const IPath&) = delete;

    // Starts a new sub-path at (x, y).
    void MoveTo(float x, float y);
    // A straight line from the current point to (x, y).
    void LineTo(float x, float y);
    // A quadratic Bézier to (x, y) with one handle (hx, hy).
    void CurveTo(float x, float y, float hx, float hy);
    // A cubic Bézier to (x, y): the first handle pulls the start, the second the end.
    void CurveTo(float x, float y, float h1x, float h1y, float h2x, float h2y);
    // Closes the sub-path with a line to its start; the current point goes back to that start.
    void ClosePath();
    // A closed ellipse of the given width and height centred on the current point.
    void Ellipse(float width, float height);
    // A closed axis-aligned rectangle centred on the current point.
    void Rectangle(float width, float height);
    // The arc of the ellipse with radii (rx, ry) centred on the current point, from angle `start`
    // to angle `end` (degrees): clockwise when end > start, anticlockwise when end < start, at
    // most one full turn. It starts a new sub-path at its first point; the current point moves
    // to its last point.
    void Arc(float rx, float ry, float start, float end);

    // Replays the retained content into a cairo context whose user space is content space.
    virtual void Blit(cairo_t* context) const = 0;

    // The pen: where the next line or curve starts. Read by the script bindings for relative moves.
    Point current;
    // Width of the lines a stroke draws, in content units; scripts assign it directly.
    float line_width = 1.0f;

protected:
    // The path built since it was last consumed. `preserve` false starts a new, empty path.
    PathRange TakePath(bool preserve);
    // Forgets every segment (the content is being cleared) and puts the pen at the origin.
    void ResetPath();
    const PathData& Segments() const { return data_; }

private:
    // Starts a sub-path at the pen when a line or curve has none to continue.
    void StartAtPen();
    void AppendCurve(Point h1, Point h2, Point to);

    PathData data_;
    uint32_t start_ = 0; // first segment of the path being built
    bool open_ = false; // a sub-path is open and a line may continue it
    Point subpath_start_;
};

} // namespace Vorn
