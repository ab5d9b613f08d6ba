// Camera: black by default; drawn, it becomes the frame's view.
#include "Vorn/scene/Camera.h"

#include "Vorn/render/Renderer.h"

namespace Vorn {

Camera::Camera()
{
    color = { 0, 0, 0 };
}

void Camera::Draw(Renderer& renderer)
{
    if (visible)
        renderer.UseCamera(this);
}

} // namespace Vorn
