// LuaAudio: the script's `audio`, the default playback device of the audio plugin.
#pragma once

#include "contracts/IAudio.h"

class LuaAudio {
public:
    LuaAudio(IAudio* audio, DeviceHandle device);
    virtual ~LuaAudio();
    LuaAudio(const LuaAudio&) = delete;
    LuaAudio& operator=(const LuaAudio&) = delete;

    IAudio* plugin() const { return audio_; }
    DeviceHandle device() const { return device_; }

private:
    IAudio* audio_;
    DeviceHandle device_;
};
