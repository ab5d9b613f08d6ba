// LuaCamera: the script class Camera, a scene node standing for a view; black by default. The
// display's `camera` and a viewport's `camera` attach it.
#pragma once

#include <Vorn/scene/Camera.h>

#include "scene/LuaSceneNode.h"

class LuaCamera : public LuaSceneNode {
public:
    LuaCamera();
    ~LuaCamera() override;

    Vorn::Camera* camera() const { return static_cast<Vorn::Camera*>(node()); }
};
