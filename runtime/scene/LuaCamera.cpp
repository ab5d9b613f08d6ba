// LuaCamera: a new engine camera.
#include "scene/LuaCamera.h"

#include "bridge/RuntimeNode.h"

LuaCamera::LuaCamera()
    : LuaSceneNode(new bridge::RuntimeNode<Vorn::Camera>())
{
}

LuaCamera::~LuaCamera() = default;
