// Sprite: its bounds and drawing follow its canvas.
#include "Vorn/scene/Sprite.h"

#include "Vorn/render/RenderWalk.h"

namespace Vorn {

Sprite::Sprite() = default;

Sprite::~Sprite() = default;

void Sprite::Emit(RenderWalk&) const { }

void Sprite::UpdateBounds()
{
    SetBounds(AABB());
}

} // namespace Vorn
