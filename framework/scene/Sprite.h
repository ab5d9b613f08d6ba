// Sprite: a scene node that shows a canvas at its place, tinted by its colour and alpha, blended
// by its mode. The canvas is rasterised at the scale at which it appears on screen (sprite, its
// layers and the view together), so content scaled up stays sharp; what the canvas covers, moved
// by the sprite's transform, is what the sprite covers for culling.
#pragma once

#include "Vorn/core/Ref.h"
#include "Vorn/draw/Canvas.h"
#include "Vorn/render/TextureCache.h"
#include "Vorn/scene/SceneNode.h"

namespace Vorn {

class Sprite : public SceneNode {
public:
    Sprite();
    ~Sprite() override;

    // Keeps a counted reference to the canvas (null: the sprite shows nothing).
    void SetCanvas(Canvas* canvas);
    Canvas* GetCanvas() const { return canvas_.Get(); }

    void Emit(RenderWalk& walk) const override;
    void UpdateBounds() override;

private:
    Ref<Canvas> canvas_;
    AABB content_; // the canvas's box at the last rebuild, in the sprite's space
    mutable CacheMemo memo_;
};

} // namespace Vorn
