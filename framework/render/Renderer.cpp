// Renderer: the frame's view, background, root order, culling and batched drawing.
#include "Vorn/render/Renderer.h"

#include <algorithm>
#include <cmath>

#include "Vorn/scene/Camera.h"
#include "Vorn/scene/NodeManager.h"
#include "Vorn/scene/SceneNode.h"

namespace Vorn {

Renderer::Renderer(IVideo* video)
    : video_(video)
    , cache_(video)
    , targets_(video)
    , walk_(list_, cache_, targets_)
{
}

Renderer::~Renderer() = default;

void Renderer::PushFrustum(const AABB& frustum)
{
    frusta_.push_back(frustum);
}

void Renderer::PopFrustum()
{
    if (!frusta_.empty())
        frusta_.pop_back();
}

void Renderer::Submit(SceneNode* node)
{
    if (node != nullptr)
        submitted_.emplace_back(node);
}

void Renderer::UseCamera(Camera* camera)
{
    camera_.Reset(camera);
}

void Renderer::Forget()
{
    submitted_.clear();
    roots_.clear();
    camera_.Reset();
}

void Renderer::Process()
{
    NODE_MANAGER.Rebuild();
    if (frusta_.empty() || video_ == nullptr) {
        Forget();
        return;
    }
    const AABB& frustum = frusta_.back();
    const VideoRect frame { 0, 0, static_cast<int32_t>(std::lround(2.0f * frustum.half.x)),
        static_cast<int32_t>(std::lround(2.0f * frustum.half.y)) };
    if (frame.width <= 0 || frame.height <= 0) {
        Forget();
        return;
    }
    // Display coordinates (centred, y up) to frame pixels (from the top-left corner, y down).
    Affine toPixels;
    toPixels.d = -1.0f;
    toPixels.tx = frustum.half.x - frustum.center.x;
    toPixels.ty = frustum.half.y + frustum.center.y;
    // The view is the inverse of the camera's world transform: the frame shows what the camera
    // covers. A camera scaled to nothing shows nothing.
    Affine cameraWorld;
    Affine view;
    bool showsScene = true;
    if (camera_) {
        cameraWorld = camera_->World();
        showsScene = cameraWorld.Invert(view);
    }

    order_.resize(submitted_.size());
    for (uint32_t i = 0; i < order_.size(); ++i)
        order_[i] = i;
    std::sort(order_.begin(), order_.end(), [this](uint32_t l, uint32_t r) {
        const float dl = submitted_[l]->depth;
        const float dr = submitted_[r]->depth;
        return dl != dr ? dl > dr : l < r;
    });
    roots_.clear();
    for (uint32_t index : order_)
        roots_.push_back(submitted_[index].Get());

    cache_.BeginFrame();
    list_.Reset(); // the frame starts unclipped
    if (camera_)
        walk_.Fill(frame, camera_->color, camera_->alpha);
    if (showsScene) {
        walk_.BeginFrame(toPixels * view, frustum.Transformed(cameraWorld), frame, &roots_);
        walk_.Roots();
    }
    list_.CullHidden(static_cast<uint32_t>(frame.width), static_cast<uint32_t>(frame.height));
    list_.Execute(*video_);
    cache_.EndFrame();
    Forget();
}

} // namespace Vorn
