// ViewportGlue: the `camera` property of the Viewport package (anchors the camera object it is
// given; nil detaches), included only by its generated glue.
#pragma once

#include "bridge/CallbackProperty.h"
#include "bridge/Errors.h"
#include "scene/LuaCamera.h"
#include "scene/LuaViewport.h"

#define TOLUA_DISABLE_tolua_get_LuaViewport_camera_ptr
#define TOLUA_DISABLE_tolua_set_LuaViewport_camera_ptr

static int tolua_get_LuaViewport_camera_ptr(lua_State* L)
{
    const LuaViewport* self = bridge::SelfForVariable<LuaViewport>(L, "LuaViewport", "camera");
    self->cameraRef.Push(L);
    return 1;
}

static int tolua_set_LuaViewport_camera_ptr(lua_State* L)
{
    LuaViewport* self = bridge::SelfForVariable<LuaViewport>(L, "LuaViewport", "camera");
    tolua_Error err;
    if (!tolua_isusertype(L, 2, "LuaCamera", 0, &err))
        bridge::RaiseAssignmentError(L, &err);
    self->SetCamera(L, static_cast<LuaCamera*>(tolua_tousertype(L, 2, nullptr)));
    return 0;
}
