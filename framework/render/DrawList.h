// DrawList: one frame's drawing as the renderer built it, in drawing order: runs of triangles
// (texture, blend mode, vertices already in target pixels) and the state changes between them
// (clip rectangle, drawing target). Items that later opaque items hide completely are dropped
// (Occlusion), then the rest goes to the device in batches: one DrawTriangles per run of items
// with the same texture and blend mode. Its buffers are kept between frames.
#pragma once

#include <cstdint>
#include <vector>

#include "Vorn/core/Point.h"
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
    float minX = 0.0f, minY = 0.0f, maxX = 0.0f, maxY = 0.0f; // pixel bounds of the vertices
    bool hidden = false;
    bool occluder = false; // `opaque` is a convex quad of fully opaque pixels
    Point opaque[4];
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
    void Reset();

    // Appends an item of `count` vertices (a multiple of three) and returns them to be filled;
    // the pointer is good until the next append. Call Close() once they are written.
    VideoVertex* Add(TextureHandle texture, int32_t blend, uint32_t count);
    // Computes the last item's pixel bounds.
    void Close();
    // Marks the last item as hiding what is below `quad` (pixels, convex, in order).
    void SetOccluder(const Point quad[4]);
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
    std::vector<uint64_t> covered_; // the occlusion grid's bits
    DrawStats stats_;
};

} // namespace Vorn
