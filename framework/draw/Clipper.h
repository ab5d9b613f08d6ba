// Clipper: a region built from paths the way a canvas builds them, for a layer to clip its
// children with. The region is the union of every area filled into it (each fill by the non-zero
// winding rule); a clipper nothing was filled into is empty and clips nothing. Kept as retained
// paths; rasterised (white, alpha = coverage) into a mask at the scale the caller gives.
#pragma once

#include <cstdint>
#include <vector>

#include "Vorn/core/Node.h"
#include "Vorn/draw/Bounds.h"
#include "Vorn/draw/IPath.h"
#include "Vorn/draw/Raster.h"

class IVideo;

namespace Vorn {

class Clipper : public SharedChildNode, public IPath {
public:
    // `video` may be null (no video device).
    explicit Clipper(IVideo* video);
    ~Clipper() override;

    // Adds the path's inside to the region; FillPreserve keeps the path.
    void Fill();
    void FillPreserve();
    // Empties the region and the path.
    void Clear();

    // Nothing has been filled since construction or Clear: the clipper clips nothing.
    bool IsEmpty() const { return fills_.empty(); }
    // True when the region is exactly one axis-aligned rectangle, written to `out` (content
    // space, y up). False for anything else, and for shapes too involved to tell.
    bool GetRectangle(Bounds& out) const;
    // Changes whenever the region changes.
    uint64_t Version() const { return version_; }
    // The box around the region; empty when nothing was filled.
    Bounds GetBounds() const { return bounds_; }
    // The region as a coverage mask at `scale` pixels per unit over GetBounds(): white, alpha 255
    // inside, 0 outside, partial on anti-aliased edges. False when the clipper is empty.
    bool Rasterize(float scale, Raster& out) const;
    void Blit(cairo_t* context) const override;

    IVideo* Video() const { return video_; }

private:
    void RecordFill(bool preserve);

    IVideo* video_;
    std::vector<PathRange> fills_;
    Bounds bounds_;
    uint64_t version_ = 1;
    mutable uint64_t rectangle_version_ = 0;
    mutable bool is_rectangle_ = false;
    mutable Bounds rectangle_;
};

} // namespace Vorn
