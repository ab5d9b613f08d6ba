// DevicesGlue: what the devices package's generated glue includes: the three devices and the
// hand-written accessors of the mouse's and the joystick's callback properties and of the
// joystick's axes.
#pragma once

#include <limits>

#include "bridge/CallbackProperty.h"
#include "input/LuaJoystick.h"
#include "input/LuaKeyboard.h"
#include "input/LuaMouse.h"

#define TOLUA_DISABLE_tolua_get_LuaMouse_on_move
#define TOLUA_DISABLE_tolua_set_LuaMouse_on_move
#define TOLUA_DISABLE_tolua_get_LuaMouse_on_wheelmove
#define TOLUA_DISABLE_tolua_set_LuaMouse_on_wheelmove
#define TOLUA_DISABLE_tolua_get_LuaJoystick_on_move
#define TOLUA_DISABLE_tolua_set_LuaJoystick_on_move
#define TOLUA_DISABLE_tolua_get_LuaJoystick_on_rotate
#define TOLUA_DISABLE_tolua_set_LuaJoystick_on_rotate
VORN_CALLBACK_PROPERTY(LuaMouse, on_move, OnMove)
VORN_CALLBACK_PROPERTY(LuaMouse, on_wheelmove, OnWheelMove)
VORN_CALLBACK_PROPERTY(LuaJoystick, on_move, OnMove)
VORN_CALLBACK_PROPERTY(LuaJoystick, on_rotate, OnRotate)

// A script's number as a single-precision axis, rounded to nearest as the hardware does: from
// 2^128 - 2^103 on, that is an infinity. (Converting such a double with a cast is undefined.)
inline float RoundToFloat(double value)
{
    constexpr double kRoundsToInfinity = 0x1.ffffffp127;
    if (value >= kRoundsToInfinity)
        return std::numeric_limits<float>::infinity();
    if (value <= -kRoundsToInfinity)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

template <float LuaJoystick::*Axis> int SetJoystickAxis(lua_State* L, const char* field)
{
    LuaJoystick* self = bridge::SelfForVariable<LuaJoystick>(L, "LuaJoystick", field);
    tolua_Error err;
    if (!tolua_isnumber(L, 2, 0, &err))
        bridge::RaiseAssignmentError(L, &err);
    self->*Axis = RoundToFloat(tolua_tonumber(L, 2, 0));
    return 0;
}

#define TOLUA_DISABLE_tolua_set_LuaJoystick_xaxis
#define TOLUA_DISABLE_tolua_set_LuaJoystick_yaxis
#define TOLUA_DISABLE_tolua_set_LuaJoystick_zaxis
static int tolua_set_LuaJoystick_xaxis(lua_State* L)
{
    return SetJoystickAxis<&LuaJoystick::xaxis>(L, "xaxis");
}
static int tolua_set_LuaJoystick_yaxis(lua_State* L)
{
    return SetJoystickAxis<&LuaJoystick::yaxis>(L, "yaxis");
}
static int tolua_set_LuaJoystick_zaxis(lua_State* L)
{
    return SetJoystickAxis<&LuaJoystick::zaxis>(L, "zaxis");
}
