// ColorGlue: the hand-written pieces of the colour package, included only by its generated glue.
// Color is the contracts' plain record (no constructors), so construction goes through
// GlueNewColor, and the channel setters are custom: the generated ones would cast an arbitrary
// double straight to an 8-bit integer, which is undefined out of range.
#pragma once

#include "bridge/CallbackProperty.h"
#include "bridge/Errors.h"
#include "bridge/GlueNew.h"
#include "drawing/ColorChannels.h"
#include "drawing/ScriptColors.h"

inline Color* GlueNewColor()
{
    return new Color { 0, 0, 0 };
}

inline Color* GlueNewColor(double rgb)
{
    return new Color(drawing::ColorFromPacked(rgb));
}

inline Color* GlueNewColor(double red, double green, double blue)
{
    return new Color(drawing::ColorFromNumbers(red, green, blue));
}

// Setter of one channel: self check naming the native field, number check, channel conversion.
template <uint8_t Color::*Channel> int SetColorChannel(lua_State* L, const char* field)
{
    Color* self = bridge::SelfForVariable<Color>(L, "Color", field);
    tolua_Error err;
    if (!tolua_isnumber(L, 2, 0, &err))
        bridge::RaiseAssignmentError(L, &err);
    self->*Channel = drawing::ChannelFromNumber(tolua_tonumber(L, 2, 0));
    return 0;
}

// The generator names the accessors of an `unsigned char` field with the word "unsigned".
#define TOLUA_DISABLE_tolua_set_Color_unsigned_red
#define TOLUA_DISABLE_tolua_set_Color_unsigned_green
#define TOLUA_DISABLE_tolua_set_Color_unsigned_blue
static int tolua_set_Color_unsigned_red(lua_State* L)
{
    return SetColorChannel<&Color::r>(L, "r");
}
static int tolua_set_Color_unsigned_green(lua_State* L)
{
    return SetColorChannel<&Color::g>(L, "g");
}
static int tolua_set_Color_unsigned_blue(lua_State* L)
{
    return SetColorChannel<&Color::b>(L, "b");
}
