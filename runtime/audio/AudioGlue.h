// AudioGlue: the hand-written pieces of the audio package, included only by its generated glue:
// AudioMode's number setters, which truncate toward zero and saturate (the generated ones would
// cast any double straight to int).
#pragma once

#include "audio/LuaAudio.h"
#include "bridge/CallbackProperty.h"
#include "bridge/Errors.h"
#include "bridge/Numbers.h"

template <int32_t AudioMode::*Field> int SetAudioModeField(lua_State* L, const char* field)
{
    AudioMode* self = bridge::SelfForVariable<AudioMode>(L, "AudioMode", field);
    tolua_Error err;
    if (!tolua_isnumber(L, 2, 0, &err))
        bridge::RaiseAssignmentError(L, &err);
    self->*Field = bridge::Truncate<int32_t>(tolua_tonumber(L, 2, 0));
    return 0;
}

#define TOLUA_DISABLE_tolua_set_AudioMode_bps
#define TOLUA_DISABLE_tolua_set_AudioMode_channels
#define TOLUA_DISABLE_tolua_set_AudioMode_rate
static int tolua_set_AudioMode_bps(lua_State* L)
{
    return SetAudioModeField<&AudioMode::bps>(L, "bps");
}
static int tolua_set_AudioMode_channels(lua_State* L)
{
    return SetAudioModeField<&AudioMode::channels>(L, "channels");
}
static int tolua_set_AudioMode_rate(lua_State* L)
{
    return SetAudioModeField<&AudioMode::rate>(L, "rate");
}
