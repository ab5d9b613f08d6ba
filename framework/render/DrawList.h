// DrawList: one frame's drawing as the renderer built it, in drawing order: runs of triangles
// (texture, blend mode, vertices already in target pixels) and the state changes between them
// (clip rectangle, drawing target). Items that later opaque items hide completely are dropped
// (CoverageMask), then the rest goes to the device in batches: one DrawTriangles per run of items
// with the same texture and blend mode. Its buffers are kept between frames.
#pragma once

#include <cstdint>
#include <vector>

#include "Vorn/core/Point.h"
#include "Vorn/render/CoverageMask.h"
#include "contracts/IVideo.h"

namespace Vorn {

struct DrawOp {
    enum class Kind : uint8_t { Triangles, Clip, Target };
    Kind kind = Kind::Triangles;
    // Triangles: texture (0: vertex colours only), blend, the vertex range in the list
    TextureHandle texture = 0;
    int32_t blend = kVideoBlendNormal;
    uint32_t first = 0;
    uint32_t count = 0;
    bool hidden = false;
    // The convex polygon the vertices cover (pixels), and the part of it that is opaque for sure
    // (none when opaqueCount is 0).
    uint8_t outlineCount = 0;
    uint8_t opaqueCount = 0;
    Point outline[8];
    Point opaque[8];
    // Clip: the rectangle (Target: the one to restore after switching; none when !hasRect)
    bool hasRect = false;
    VideoRect rect {};
    // Target: the target to draw into (0: the frame), and whether to clear it first
    TextureHandle target = 0;
    bool clear = false;
};

struct DrawStats {
    uint32_t items = 0; // triangle items built
    uint32_t hidden = 0; // items dropped as hidden
    uint32_t batches = 0; // DrawTriangles calls
    uint32_t triangles = 0;
};

class DrawList {
public:
    // How many times over the items must cover the target before hidden ones are looked for.
    static constexpr double kWorthCovering = 3.0;

    void Reset();

    // Appends an item of `count` vertices (a multiple of three) and returns them to be filled;
    // the pointer is good until the next append.
    VideoVertex* Add(TextureHandle texture, int32_t blend, uint32_t count);
    // The last item's outline (pixels, convex, at most 8 corners), and its opaque part.
    void SetOutline(const Point* polygon, uint32_t count);
    void SetOpaque(const Point* polygon, uint32_t count);
    void AddClip(const VideoRect* rect);
    void AddTarget(TextureHandle target, bool clear, const VideoRect* restoreClip);

    // Drops items hidden by later opaque ones, on a target of width x height pixels.
    void CullHidden(uint32_t width, uint32_t height);
    void Execute(IVideo& video);

    const std::vector<DrawOp>& Ops() const { return ops_; }
    const DrawStats& Stats() const { return stats_; }

private:
    void Flush(IVideo& video, std::size_t from, std::size_t to);

    std::vector<DrawOp> ops_;
    std::vector<VideoVertex> vertices_;
    std::vector<VideoVertex> batch_; // a batch whose items are not contiguous
    CoverageMask covered_;
    DrawStats stats_;
};

} // namespace Vorn
