// Renderer: turns what the scene's nodes hand it during a frame into the frame's drawing. The
// display pushes the frame's frustum (display coordinates: centred, y up, one unit per pixel),
// lets each root node Draw, then calls Process: the last camera drawn gives the view and the
// background, the roots draw by decreasing depth (ties in the order they came), layers walk only
// the children their partition finds in view, and the items go to the device in batches.
// Needs IVideo; the scene's nodes; NODE_MANAGER for the rebuild before drawing.
#pragma once

#include <cstdint>
#include <vector>

#include "Vorn/core/AABB.h"
#include "Vorn/core/Ref.h"
#include "Vorn/render/DrawList.h"
#include "Vorn/render/RenderWalk.h"
#include "Vorn/render/TargetPool.h"
#include "Vorn/render/TextureCache.h"
#include "contracts/IVideo.h"

namespace Vorn {

class Camera;
class SceneNode;

class Renderer {
public:
    explicit Renderer(IVideo* video);
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // The box the frame shows, in display coordinates; Process uses the innermost.
    void PushFrustum(const AABB& frustum);
    void PopFrustum();

    // A root node to draw this frame (SceneNode::Draw).
    void Submit(SceneNode* node);
    // A camera drawn at the root: the last one gives the frame its view (Camera::Draw).
    void UseCamera(Camera* camera);
    // Draws what was handed over since the last Process, then forgets it.
    void Process();

    TextureCache& Textures() { return cache_; }
    // What the last Process drew.
    const DrawStats& Stats() const { return list_.Stats(); }

private:
    void Forget();

    IVideo* video_;
    std::vector<AABB> frusta_;
    std::vector<Ref<SceneNode>> submitted_;
    std::vector<uint32_t> order_;
    std::vector<SceneNode*> roots_; // submitted_ in drawing order
    Ref<Camera> camera_;
    TextureCache cache_;
    TargetPool targets_;
    DrawList list_;
    RenderWalk walk_;
};

} // namespace Vorn
