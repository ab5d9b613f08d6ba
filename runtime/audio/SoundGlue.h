// SoundGlue: the constructors of Sound and Music for the generated glue. A nil file name raises
// before anything is allocated; a file that does not load frees the new object before raising.
// Sound's message ends with a period, Music's does not.
#pragma once

#include <memory>

#include "audio/LuaSound.h"
#include "bridge/Errors.h"
#include "bridge/GlueNew.h"
#include "bridge/Guarded.h"

template <class Wrapper> Wrapper* NewSoundWrapper(lua_State* L)
{
    Wrapper* made = nullptr;
    bridge::CallGuarded(L, [&] { made = new Wrapper(); });
    return made;
}

// `stream`: load as music (the engine's load flag).
template <class Wrapper, bool stream>
Wrapper* NewLoadedSoundWrapper(lua_State* L, const char* filename, const char* nilText, const char* failText)
{
    if (filename == nullptr)
        bridge::RaiseMessage(L, nilText);
    Wrapper* made = nullptr;
    bridge::CallGuarded(L, [&] {
        auto wrapper = std::make_unique<Wrapper>();
        if (wrapper->sound()->Load(filename, stream))
            made = wrapper.release();
    });
    if (made == nullptr)
        bridge::RaiseMessage(L, failText);
    return made;
}

inline LuaSound* GlueNewLuaSound(lua_State* L)
{
    return NewSoundWrapper<LuaSound>(L);
}

inline LuaMusic* GlueNewLuaMusic(lua_State* L)
{
    return NewSoundWrapper<LuaMusic>(L);
}

inline LuaSound* GlueNewLuaSound(const char* filename, lua_State* L)
{
    return NewLoadedSoundWrapper<LuaSound, false>(
        L, filename, "Sound: invalid argument, filename expected, got nil.", "Sound: cannot load file.");
}

inline LuaMusic* GlueNewLuaMusic(const char* filename, lua_State* L)
{
    return NewLoadedSoundWrapper<LuaMusic, true>(
        L, filename, "Music: invalid argument, filename expected, got nil.", "Sound: cannot load file");
}
