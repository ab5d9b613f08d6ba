// LuaSound and LuaMusic: the script classes Sound and Music. Each wraps one engine Sound made for
// the loaded audio plugin (none: it still loads, and plays nothing); a Music loads its files to
// be streamed while it plays. Needs the host's plugin set and bridge::Held.
#pragma once

#include "Vorn/sound/Sound.h"
#include "bridge/Held.h"

struct lua_State;

class LuaSound {
public:
    // An empty sound.
    LuaSound();
    // Drops the wrapper's reference: the engine sound stops and goes when nobody else holds it.
    virtual ~LuaSound();
    LuaSound(const LuaSound&) = delete;
    LuaSound& operator=(const LuaSound&) = delete;

    // Script `load`: nil raises "load sound: invalid argument, filename expected, got nil.";
    // otherwise the engine's answer. A Music streams what it loads.
    virtual bool Load(const char* filename, lua_State* L);
    // Script `unload`: empties the sound; false when it held nothing.
    bool Unload();
    void stop();
    void play();
    void pause();
    void resume();
    void play_loop();
    // A new Sound (never a Music) sharing this one's data and settings; Lua does not own it.
    LuaSound* copy(lua_State* L);
    bool is_playing();

    // Script properties volume (0..1), pan (-1..1) and pitch (a rate factor).
    float get_volume() { return sound_->GetVolume(); }
    void set_volume(float volume) { sound_->SetVolume(volume); }
    float get_pan() { return sound_->GetPan(); }
    void set_pan(float pan) { sound_->SetPan(pan); }
    float get_pitch() { return sound_->GetPitch(); }
    void set_pitch(float pitch) { sound_->SetPitch(pitch); }

    Vorn::Sound* sound() const { return sound_.Get(); }

private:
    bridge::Held<Vorn::Sound> sound_;
};

class LuaMusic : public LuaSound {
public:
    // Loads with the engine's stream flag set.
    bool Load(const char* filename, lua_State* L) override;
};
