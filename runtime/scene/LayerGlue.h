// LayerGlue: the hand-written pieces of the Layer package, included only by its generated glue:
// construction (the Point form checks its argument before anything is made; () is the origin)
// and the `clipper` property, which anchors the clipper object it is given.
#pragma once

#include "bridge/CallbackProperty.h"
#include "bridge/Errors.h"
#include "bridge/GlueNew.h"
#include "geometry/LuaPoint.h"
#include "scene/LuaClipper.h"
#include "scene/LuaLayer.h"

inline LuaLayer* GlueNewLuaLayer(lua_State* L)
{
    return new LuaLayer(0.0f, 0.0f, L);
}

inline LuaLayer* GlueNewLuaLayer(float x, float y, lua_State* L)
{
    return new LuaLayer(x, y, L);
}

inline LuaLayer* GlueNewLuaLayer(const LuaPoint* center, lua_State* L)
{
    if (center == nullptr)
        bridge::RaiseMessage(L, "Layer: invalid center.");
    return new LuaLayer(center->x, center->y, L);
}

#define TOLUA_DISABLE_tolua_get_LuaLayer_clipper_ptr
#define TOLUA_DISABLE_tolua_set_LuaLayer_clipper_ptr

static int tolua_get_LuaLayer_clipper_ptr(lua_State* L)
{
    const LuaLayer* self = bridge::SelfForVariable<LuaLayer>(L, "LuaLayer", "clipper");
    self->clipperRef.Push(L);
    return 1;
}

static int tolua_set_LuaLayer_clipper_ptr(lua_State* L)
{
    LuaLayer* self = bridge::SelfForVariable<LuaLayer>(L, "LuaLayer", "clipper");
    tolua_Error err;
    if (!tolua_isusertype(L, 2, "LuaClipper", 0, &err))
        bridge::RaiseAssignmentError(L, &err);
    self->SetClipper(L, static_cast<LuaClipper*>(tolua_tousertype(L, 2, nullptr)));
    return 0;
}
