// LuaAudio: the script's `audio`, the default playback device of the audio plugin: its output
// format and its master volume. The host owns it; the device handle goes back at finalisation.
#pragma once

#include "contracts/IAudio.h"

struct lua_State;

class LuaAudio {
public:
    LuaAudio(IAudio* audio, DeviceHandle device);
    virtual ~LuaAudio();
    LuaAudio(const LuaAudio&) = delete;
    LuaAudio& operator=(const LuaAudio&) = delete;

    // Script property `volume`: the plugin's master volume.
    float get_volume();
    void set_volume(float volume);

    // Sets the output format; false without a game window (nothing is asked of the plugin) or
    // when the plugin refuses. The numbers are truncated toward zero.
    bool set_mode(double bps, double channels, double rate);
    // The same from a record; nil raises "set_mode: wrong parameter #2, AudioMode expected, got nil.".
    bool set_mode(const AudioMode* mode, lua_State* L);
    // Fills `mode` with the current format; nil raises. The plugin's answer.
    bool get_mode(AudioMode* mode, lua_State* L);

    IAudio* plugin() const { return audio_; }
    DeviceHandle device() const { return device_; }

private:
    bool SetMode(const AudioMode& mode);

    IAudio* audio_;
    DeviceHandle device_;
};
