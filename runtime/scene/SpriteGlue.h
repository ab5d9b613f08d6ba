// SpriteGlue: the hand-written pieces of the Sprite package, included only by its generated glue:
// construction (the Point form checks its argument before anything is made) and the `canvas`
// property, which anchors the canvas object it is given.
#pragma once

#include "bridge/CallbackProperty.h"
#include "bridge/Errors.h"
#include "bridge/GlueNew.h"
#include "drawing/LuaCanvas.h"
#include "geometry/LuaPoint.h"
#include "scene/LuaSprite.h"

inline LuaSprite* GlueNewLuaSprite(lua_State* L)
{
    return new LuaSprite(L);
}

inline LuaSprite* GlueNewLuaSprite(float x, float y, lua_State* L)
{
    return new LuaSprite(x, y, L);
}

inline LuaSprite* GlueNewLuaSprite(const LuaPoint* position, lua_State* L)
{
    if (position == nullptr)
        bridge::RaiseMessage(L, "Sprite: invalid position.");
    return new LuaSprite(position->x, position->y, L);
}

#define TOLUA_DISABLE_tolua_get_LuaSprite_canvas_ptr
#define TOLUA_DISABLE_tolua_set_LuaSprite_canvas_ptr

static int tolua_get_LuaSprite_canvas_ptr(lua_State* L)
{
    const LuaSprite* self = bridge::SelfForVariable<LuaSprite>(L, "LuaSprite", "canvas");
    self->canvasRef.Push(L);
    return 1;
}

static int tolua_set_LuaSprite_canvas_ptr(lua_State* L)
{
    LuaSprite* self = bridge::SelfForVariable<LuaSprite>(L, "LuaSprite", "canvas");
    tolua_Error err;
    if (!tolua_isusertype(L, 2, "LuaCanvas", 0, &err))
        bridge::RaiseAssignmentError(L, &err);
    self->SetCanvas(L, static_cast<LuaCanvas*>(tolua_tousertype(L, 2, nullptr)));
    return 0;
}
