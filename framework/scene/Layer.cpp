// Layer: placed at its centre; drawn through the renderer's layer walk.
#include "Vorn/scene/Layer.h"

#include "Vorn/render/RenderWalk.h"

namespace Vorn {

Layer::Layer(float x, float y)
{
    if (x != 0.0f || y != 0.0f)
        SetPosition(x, y);
}

Layer::Layer(const Point& center)
    : Layer(center.x, center.y)
{
}

void Layer::SetClipper(Clipper* clipper)
{
    clipper_.Reset(clipper);
}

void Layer::Emit(RenderWalk& walk) const
{
    walk.LayerContent(*this);
}

} // namespace Vorn
