// DisplayGlue: the hand-written pieces of the display package, included only by its generated
// glue: DisplayMode's construction and number setters, the on_* callback properties and the
// `modes` list.
#pragma once

#include "bridge/CallbackProperty.h"
#include "bridge/Errors.h"
#include "bridge/GlueNew.h"
#include "bridge/Numbers.h"
#include "display/LuaDisplay.h"
#include "scene/LuaCamera.h"
#include "scene/LuaLayer.h"
#include "scene/LuaSprite.h"

// DisplayMode is the plugins' plain record with no constructor of its own; a script's new record
// starts zeroed (all numbers 0, windowed false) rather than with whatever memory held.
inline DisplayMode* GlueNewDisplayMode()
{
    return new DisplayMode {};
}

// Setter of one number field: self check naming the field, number check, truncation to 32 bits
// (the generated setter would cast an arbitrary double straight to unsigned, undefined out of range).
template <uint32_t DisplayMode::*Field> int SetModeField(lua_State* L, const char* field)
{
    DisplayMode* self = bridge::SelfForVariable<DisplayMode>(L, "DisplayMode", field);
    tolua_Error err;
    if (!tolua_isnumber(L, 2, 0, &err))
        bridge::RaiseAssignmentError(L, &err);
    self->*Field = bridge::TruncateWrapped(tolua_tonumber(L, 2, 0));
    return 0;
}

#define TOLUA_DISABLE_tolua_set_DisplayMode_unsigned_width
#define TOLUA_DISABLE_tolua_set_DisplayMode_unsigned_height
#define TOLUA_DISABLE_tolua_set_DisplayMode_unsigned_depth
#define TOLUA_DISABLE_tolua_set_DisplayMode_unsigned_refresh
static int tolua_set_DisplayMode_unsigned_width(lua_State* L)
{
    return SetModeField<&DisplayMode::width>(L, "width");
}
static int tolua_set_DisplayMode_unsigned_height(lua_State* L)
{
    return SetModeField<&DisplayMode::height>(L, "height");
}
static int tolua_set_DisplayMode_unsigned_depth(lua_State* L)
{
    return SetModeField<&DisplayMode::depth>(L, "depth");
}
static int tolua_set_DisplayMode_unsigned_refresh(lua_State* L)
{
    return SetModeField<&DisplayMode::refresh>(L, "refresh");
}

#define TOLUA_DISABLE_tolua_get_LuaDisplay_on_create
#define TOLUA_DISABLE_tolua_set_LuaDisplay_on_create
#define TOLUA_DISABLE_tolua_get_LuaDisplay_on_destroy
#define TOLUA_DISABLE_tolua_set_LuaDisplay_on_destroy
#define TOLUA_DISABLE_tolua_get_LuaDisplay_on_gainfocus
#define TOLUA_DISABLE_tolua_set_LuaDisplay_on_gainfocus
#define TOLUA_DISABLE_tolua_get_LuaDisplay_on_losefocus
#define TOLUA_DISABLE_tolua_set_LuaDisplay_on_losefocus
#define TOLUA_DISABLE_tolua_get_LuaDisplay_on_resize
#define TOLUA_DISABLE_tolua_set_LuaDisplay_on_resize
#define TOLUA_DISABLE_tolua_get_LuaDisplay_on_suspend
#define TOLUA_DISABLE_tolua_set_LuaDisplay_on_suspend
#define TOLUA_DISABLE_tolua_get_LuaDisplay_on_unsuspend
#define TOLUA_DISABLE_tolua_set_LuaDisplay_on_unsuspend
#define TOLUA_DISABLE_tolua_get_LuaDisplay_on_close
#define TOLUA_DISABLE_tolua_set_LuaDisplay_on_close
VORN_CALLBACK_PROPERTY(LuaDisplay, on_create, onCreate)
VORN_CALLBACK_PROPERTY(LuaDisplay, on_destroy, onDestroy)
VORN_CALLBACK_PROPERTY(LuaDisplay, on_gainfocus, onGainFocus)
VORN_CALLBACK_PROPERTY(LuaDisplay, on_losefocus, onLoseFocus)
VORN_CALLBACK_PROPERTY(LuaDisplay, on_resize, onResize)
VORN_CALLBACK_PROPERTY(LuaDisplay, on_suspend, onSuspend)
VORN_CALLBACK_PROPERTY(LuaDisplay, on_unsuspend, onUnsuspend)
VORN_CALLBACK_PROPERTY(LuaDisplay, on_close, onClose)

// `modes`: a new table on every read, one Lua-owned copy per mode the device lists, from index 1.
// The list lives in the display, so no local with a destructor is alive while Lua may raise.
#define TOLUA_DISABLE_tolua_get_LuaDisplay_modes
static int tolua_get_LuaDisplay_modes(lua_State* L)
{
    LuaDisplay* self = bridge::SelfForVariable<LuaDisplay>(L, "LuaDisplay", "modes");
    lua_newtable(L);
    self->list_modes();
    int index = 0;
    for (const DisplayMode& mode : self->listed_modes()) {
        tolua_pushusertype_and_takeownership(L, new DisplayMode(mode), "DisplayMode");
        lua_rawseti(L, -2, ++index);
    }
    return 1;
}

// `camera`: the attached camera object, or nil; assigning one moves it to the end of the root list.
#define TOLUA_DISABLE_tolua_get_LuaDisplay_camera_ptr
#define TOLUA_DISABLE_tolua_set_LuaDisplay_camera_ptr
static int tolua_get_LuaDisplay_camera_ptr(lua_State* L)
{
    const LuaDisplay* self = bridge::SelfForVariable<LuaDisplay>(L, "LuaDisplay", "camera");
    self->CameraRef().Push(L);
    return 1;
}
static int tolua_set_LuaDisplay_camera_ptr(lua_State* L)
{
    LuaDisplay* self = bridge::SelfForVariable<LuaDisplay>(L, "LuaDisplay", "camera");
    tolua_Error err;
    if (!tolua_isusertype(L, 2, "LuaCamera", 0, &err))
        bridge::RaiseAssignmentError(L, &err);
    self->SetCamera(L, static_cast<LuaCamera*>(tolua_tousertype(L, 2, nullptr)));
    return 0;
}
