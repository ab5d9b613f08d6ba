// LuaAudio: the output format (which needs the game window) and the master volume.
#include "audio/LuaAudio.h"

#include "bridge/Errors.h"
#include "bridge/Numbers.h"
#include "display/LuaDisplay.h"
#include "host/Devices.h"

LuaAudio::LuaAudio(IAudio* audio, DeviceHandle device)
    : audio_(audio)
    , device_(device)
{
}

LuaAudio::~LuaAudio() = default;

float LuaAudio::get_volume()
{
    return audio_->GetVolume();
}

void LuaAudio::set_volume(float volume)
{
    audio_->SetVolume(volume);
}

bool LuaAudio::set_mode(double bps, double channels, double rate)
{
    AudioMode mode;
    mode.bps = bridge::Truncate<int32_t>(bps);
    mode.channels = bridge::Truncate<int32_t>(channels);
    mode.rate = bridge::Truncate<int32_t>(rate);
    return SetMode(mode);
}

bool LuaAudio::set_mode(const AudioMode* mode, lua_State* L)
{
    if (mode == nullptr)
        bridge::RaiseMessage(L, "set_mode: wrong parameter #2, AudioMode expected, got nil.");
    return SetMode(*mode);
}

bool LuaAudio::get_mode(AudioMode* mode, lua_State* L)
{
    if (mode == nullptr)
        bridge::RaiseMessage(L, "get_mode: wrong parameter #2, AudioMode expected, got nil.");
    return audio_->GetMode(mode);
}

bool LuaAudio::SetMode(const AudioMode& mode)
{
    // The format belongs to the game window's device: no window, no format.
    const LuaDisplay* display = host::Devices().display;
    WindowHandle window = nullptr;
    if (display == nullptr || !display->get_window(&window))
        return false;
    return audio_->SetMode(window, &mode);
}
