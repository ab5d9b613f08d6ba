// Sprite: its canvas, watched for changes; bounds and drawing follow the canvas's content.
#include "Vorn/scene/Sprite.h"

#include "Vorn/render/RenderWalk.h"
#include "Vorn/scene/NodeManager.h"

namespace Vorn {

namespace {

bool RasterizeCanvas(const Node& content, float scale, Raster& out)
{
    return static_cast<const Canvas&>(content).Rasterize(scale, out);
}

AABB BoxOf(const Bounds& bounds)
{
    return bounds.IsEmpty() ? AABB()
                            : AABB::FromCorners(bounds.min_x, bounds.min_y, bounds.max_x, bounds.max_y);
}

} // namespace

Sprite::Sprite() = default;

Sprite::~Sprite()
{
    if (canvas_)
        NODE_MANAGER.Unwatch(this, canvas_.Get());
}

void Sprite::SetCanvas(Canvas* canvas)
{
    if (canvas == canvas_.Get())
        return;
    if (canvas_)
        NODE_MANAGER.Unwatch(this, canvas_.Get());
    canvas_.Reset(canvas);
    if (canvas_)
        NODE_MANAGER.Watch(this, canvas_.Get());
    MarkDirty();
}

void Sprite::UpdateBounds()
{
    content_ = canvas_ ? BoxOf(canvas_->GetBounds()) : AABB();
    SetBounds(content_.Transformed(Local()));
}

void Sprite::Emit(RenderWalk& walk) const
{
    if (canvas_)
        walk.Content(*this, *canvas_, canvas_->Version(), content_, RasterizeCanvas, memo_);
}

} // namespace Vorn
