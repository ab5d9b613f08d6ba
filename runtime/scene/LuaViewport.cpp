// LuaViewport: a new engine viewport from the truncated numbers; its camera.
#include "scene/LuaViewport.h"

#include "bridge/Numbers.h"
#include "bridge/RuntimeNode.h"
#include "scene/LuaCamera.h"

LuaViewport::LuaViewport(double x, double y, double width, double height)
    : LuaSceneNode(new bridge::RuntimeNode<Vorn::Viewport>(bridge::Truncate<int32_t>(x),
        bridge::Truncate<int32_t>(y), bridge::Truncate<int32_t>(width), bridge::Truncate<int32_t>(height)))
{
}

LuaViewport::~LuaViewport() = default;

void LuaViewport::SetCamera(lua_State* L, LuaCamera* camera)
{
    cameraRef.SetObject(L, camera, "LuaCamera");
    viewport()->SetCamera(camera != nullptr ? camera->camera() : nullptr);
}
