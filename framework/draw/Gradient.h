// Gradient and LinearGradient: colours that vary over content space, for filling canvas paths.
// Counted like nodes, because a canvas keeps the gradients its fills use while the script may drop
// its own. Stops are read when the canvas rasterises, so a stop changed after the gradient was
// handed to a canvas shows in the next raster; Version tells the canvas that it changed.
#pragma once

#include <cstdint>

#include "Vorn/core/Node.h"
#include "Vorn/core/Point.h"
#include "contracts/Color.h"

typedef struct _cairo_pattern cairo_pattern_t;

namespace Vorn {

struct GradientStop {
    float x = 0.0f; // position in the canvas's content space
    float y = 0.0f;
    Color color { 0, 0, 0 };
    float alpha = 1.0f;
};

class Gradient : public Node {
public:
    // The colour at each of `count` points (content space) into out[0..count).
    virtual void Apply(const Point* points, int count, Color* out) const = 0;
    // A new cairo source for this gradient with every stop's alpha multiplied by `alpha`; the
    // caller destroys it.
    virtual cairo_pattern_t* CreatePattern(float alpha) const = 0;
    // Changes whenever the colours change.
    uint64_t Version() const { return version_; }

protected:
    void Touch() { ++version_; }

private:
    uint64_t version_ = 1;
};

// A gradient along the line from the begin stop to the end stop: the begin colour at and before
// the begin stop, the end colour at and after the end stop, blended in between. When both stops
// sit at the same place, everything has the end colour.
class LinearGradient : public Gradient {
public:
    // Both stops at (0, 0), black, alpha 1.
    LinearGradient() = default;

    const GradientStop& GetBegin() const { return begin_; }
    const GradientStop& GetEnd() const { return end_; }
    void SetBegin(const GradientStop& stop);
    void SetEnd(const GradientStop& stop);

    void Apply(const Point* points, int count, Color* out) const override;
    cairo_pattern_t* CreatePattern(float alpha) const override;

private:
    // Where a point falls between the stops: 0 at the begin stop, 1 at the end stop, clamped.
    float Position(const Point& point) const;

    GradientStop begin_;
    GradientStop end_;
};

} // namespace Vorn
