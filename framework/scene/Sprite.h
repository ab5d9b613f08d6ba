// Sprite: a scene node that shows a canvas at its place, tinted by its colour and alpha, blended
// by its mode. The canvas is rasterised at the scale at which it appears on screen.
#pragma once

#include "Vorn/render/TextureCache.h"
#include "Vorn/scene/SceneNode.h"

namespace Vorn {

class Sprite : public SceneNode {
public:
    Sprite();
    ~Sprite() override;

    void Emit(RenderWalk& walk) const override;
    void UpdateBounds() override;

private:
    mutable CacheMemo memo_;
};

} // namespace Vorn
