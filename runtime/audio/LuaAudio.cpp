// LuaAudio: holds the audio plugin and the device; mode and volume arrive with the audio package.
#include "audio/LuaAudio.h"

LuaAudio::LuaAudio(IAudio* audio, DeviceHandle device)
    : audio_(audio)
    , device_(device)
{
}

LuaAudio::~LuaAudio() = default;
