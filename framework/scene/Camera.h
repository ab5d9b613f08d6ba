// Camera: a scene node that stands for a view. In the display's root list the last camera drawn
// gives the frame its view (the inverse of the camera's world transform) and fills the background
// with its colour and alpha; a viewport shows what its camera sees. A camera draws nothing itself
// and starts black.
#pragma once

#include "Vorn/scene/SceneNode.h"

namespace Vorn {

class Camera : public SceneNode {
public:
    Camera();
    void Draw(Renderer& renderer) override;
};

} // namespace Vorn
