// DevicesGlue: what the devices package's generated glue includes: the three devices and the
// hand-written accessors of the mouse's and the joystick's callback properties.
#pragma once

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
