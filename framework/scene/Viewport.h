// Viewport: a rectangle of the display (x, y, width, height in display pixels from the top-left
// corner, y down) that shows what its camera sees: centred on the camera, clipped to the rectangle,
// on the camera's colour. It shows the scene of the camera's layer, or the display's root list
// when the camera has none; viewports are not drawn inside viewports. Its own colour and alpha tint
// what it shows; its transform does not move the rectangle.
#pragma once

#include <cstdint>

#include "Vorn/core/Ref.h"
#include "Vorn/scene/Camera.h"
#include "Vorn/scene/SceneNode.h"

namespace Vorn {

class Viewport : public SceneNode {
public:
    Viewport(int32_t x, int32_t y, int32_t width, int32_t height);

    // Keeps a counted reference to the camera; null shows nothing.
    void SetCamera(Camera* camera);
    Camera* GetCamera() const { return camera_.Get(); }

    int32_t X() const { return x_; }
    int32_t Y() const { return y_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }

    void Emit(RenderWalk& walk) const override;

private:
    int32_t x_, y_, width_, height_;
    Ref<Camera> camera_;
};

} // namespace Vorn
