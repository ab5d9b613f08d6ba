// InputGlue: what the input package's generated glue includes: the key codes, the base class and
// the hand-written accessors of on_press and on_release, which hold registry references.
#pragma once

#include "bridge/CallbackProperty.h"
#include "contracts/KeyCodes.h"
#include "input/LuaInputDevice.h"

#define TOLUA_DISABLE_tolua_get_LuaInputDevice_on_press
#define TOLUA_DISABLE_tolua_set_LuaInputDevice_on_press
#define TOLUA_DISABLE_tolua_get_LuaInputDevice_on_release
#define TOLUA_DISABLE_tolua_set_LuaInputDevice_on_release
VORN_CALLBACK_PROPERTY(LuaInputDevice, on_press, OnPress)
VORN_CALLBACK_PROPERTY(LuaInputDevice, on_release, OnRelease)
