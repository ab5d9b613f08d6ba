// LuaSound, LuaMusic: script sounds over engine sounds.
#include "audio/LuaSound.h"

#include "bridge/Errors.h"
#include "bridge/Guarded.h"
#include "host/Plugins.h"

namespace {

void RequireFilename(lua_State* L, const char* filename)
{
    if (filename == nullptr)
        bridge::RaiseMessage(L, "load sound: invalid argument, filename expected, got nil.");
}

} // namespace

// The wrapper owns the one count it takes here.
LuaSound::LuaSound()
    : sound_(new Vorn::Sound(host::Plugins().audio), this)
{
}

LuaSound::~LuaSound() = default;

bool LuaSound::Load(const char* filename, lua_State* L)
{
    RequireFilename(L, filename);
    bool loaded = false;
    bridge::CallGuarded(L, [&] { loaded = sound_->Load(filename, false); });
    return loaded;
}

bool LuaMusic::Load(const char* filename, lua_State* L)
{
    RequireFilename(L, filename);
    bool loaded = false;
    bridge::CallGuarded(L, [&] { loaded = sound()->Load(filename, true); });
    return loaded;
}

bool LuaSound::Unload()
{
    return sound_->Release();
}

void LuaSound::stop()
{
    sound_->Stop();
}

void LuaSound::play()
{
    sound_->Play();
}

void LuaSound::pause()
{
    sound_->Pause();
}

void LuaSound::resume()
{
    sound_->Resume();
}

void LuaSound::play_loop()
{
    sound_->PlayLoop();
}

LuaSound* LuaSound::copy(lua_State* L)
{
    LuaSound* made = nullptr;
    bridge::CallGuarded(L, [&] {
        made = new LuaSound();
        made->sound_->Copy(sound_.Get()); // an empty source leaves an empty copy
    });
    return made;
}

bool LuaSound::is_playing()
{
    return sound_->IsPlaying();
}
