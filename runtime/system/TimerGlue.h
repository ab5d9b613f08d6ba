// TimerGlue: what the generated Timer glue needs beyond the class: on_tick's accessors, which
// hold the callback in the timer's registry slot. Included by timer.pkg only.
#pragma once

#define TOLUA_DISABLE_tolua_get_LuaTimer_on_tick
#define TOLUA_DISABLE_tolua_set_LuaTimer_on_tick

#include "bridge/CallbackProperty.h"
#include "system/LuaTimer.h"

VORN_CALLBACK_PROPERTY(LuaTimer, on_tick, OnTick)
