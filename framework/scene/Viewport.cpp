// Viewport: its rectangle and camera; the renderer draws the view.
#include "Vorn/scene/Viewport.h"

#include "Vorn/render/RenderWalk.h"

namespace Vorn {

Viewport::Viewport(int32_t x, int32_t y, int32_t width, int32_t height)
    : x_(x)
    , y_(y)
    , width_(width)
    , height_(height)
{
    SetUnbounded();
}

void Viewport::SetCamera(Camera* camera)
{
    camera_.Reset(camera);
}

void Viewport::Emit(RenderWalk& walk) const
{
    walk.ViewportView(*this);
}

} // namespace Vorn
