// RenderWalk: the renderer's walk through the scene while it builds a frame. Nodes call it from
// Emit: a layer to draw its children, a sprite to draw its content, a viewport to draw its view.
// It keeps the current pass (world-to-pixel transform, the world box that can show, the clip
// rectangle) and the tint so far, and turns what is drawn into items of the frame's DrawList.
#pragma once

#include <deque>
#include <vector>

#include "Vorn/core/AABB.h"
#include "Vorn/core/Affine.h"
#include "Vorn/render/DrawList.h"
#include "Vorn/render/TargetPool.h"
#include "Vorn/render/TextureCache.h"
#include "Vorn/render/Tint.h"

namespace Vorn {

class Clipper;
class Layer;
class PartitionNode;
class SceneNode;
class Viewport;

class RenderWalk {
public:
    RenderWalk(DrawList& list, TextureCache& cache, TargetPool& targets);

    // Starts the frame's main pass: world to frame pixels, the world box the frame shows, the
    // frame's pixel rectangle, and the root list in drawing order (for viewports without layer).
    void BeginFrame(const Affine& worldToPixels, const AABB& worldCull, const VideoRect& frame,
        const std::vector<SceneNode*>* roots);
    // Draws each root in order, skipping those whose bounds lie outside the pass.
    void Roots();
    // A node, if visible, and (with `cull`) if its bounds meet the pass.
    void Visit(const SceneNode& node, bool cull);
    // Fills a pixel rectangle of the current target with a colour.
    void Fill(const VideoRect& rect, const Color& color, float alpha);

    // For nodes' Emit:
    void Children(const PartitionNode& node);
    void LayerContent(const Layer& layer);
    void ViewportView(const Viewport& viewport);
    // Draws `content` (rasterised by `rasterize`, its version `version`) with the node's world
    // transform, colour, alpha and blend mode. `contentBox` bounds it in the node's space.
    void Content(const SceneNode& node, Node& content, uint64_t version, const AABB& contentBox,
        RasterizeFn rasterize, CacheMemo& memo);

    const Affine& WorldToPixels() const { return pass_.worldToPixels; }
    const AABB& WorldCull() const { return pass_.worldCull; }

private:
    struct Pass {
        Affine worldToPixels;
        AABB worldCull;
        VideoRect clip {};
        bool inViewport = false;
        TextureHandle target = 0; // 0: the frame
        std::size_t targetLevel = 0;
    };

    // Children clipped to a pixel rectangle of the current target.
    void ClippedChildren(const Layer& layer, const VideoRect& rect);
    // Children drawn into a target, masked by the clipper's coverage, then composed back.
    void MaskedChildren(const Layer& layer, Clipper& clipper, const Affine& toPixels);
    // Appends a quad covering `rect` with a texture, its corners' texture coordinates given.
    void Quad(const VideoRect& rect, TextureHandle texture, int32_t blend, const Point uv[4]);

    DrawList& list_;
    TextureCache& cache_;
    TargetPool& targets_;
    VideoRect frame_ {};
    Pass pass_;
    Tint tint_;
    const std::vector<SceneNode*>* roots_ = nullptr;
    std::deque<std::vector<SceneNode*>> scratch_; // one child list per nesting level
    std::size_t level_ = 0;
};

} // namespace Vorn
