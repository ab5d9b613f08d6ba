// LuaViewport: the script class Viewport, a scene node showing what its camera sees in a
// rectangle of the display (x, y, width, height; display pixels from the top-left corner). The
// camera object is anchored in cameraRef while attached.
#pragma once

#include <Vorn/scene/Viewport.h>

#include "bridge/LuaRef.h"
#include "scene/LuaSceneNode.h"

class LuaCamera;

class LuaViewport : public LuaSceneNode {
public:
    // Each number truncated toward zero.
    LuaViewport(double x, double y, double width, double height);
    ~LuaViewport() override;

    Vorn::Viewport* viewport() const { return static_cast<Vorn::Viewport*>(node()); }
    // Anchors the camera wrapper (null: none) and shows through its engine camera.
    void SetCamera(lua_State* L, LuaCamera* camera);

    bridge::LuaRef cameraRef; // the attached LuaCamera, unset when none
};
