// IAudio: the audio plugin's interface. Every call comes from the main thread.
#pragma once

#include <cstdint>

#include "AudioMode.h"
#include "DeviceInfo.h"
#include "WindowHandle.h"

class IAudio {
public:
    // Deletes the object inside the plugin's module.
    virtual ~IAudio() = default;
    // Starts the plugin's subsystem. False: the plugin is unusable.
    virtual bool Initialize() = 0;
    // Once per frame.
    virtual void Update() = 0;
    // Stops the subsystem; called once before the object is deleted.
    virtual void Shutdown() = 0;
    // Calls callback(info, context) once per playback device before returning.
    virtual bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context) = 0;
    // Fills *out with the default playback device (subclass 2). False: none.
    virtual bool FindDefaultDevice(uint32_t subclass, DeviceInfo* out) = 0;
    // Opens the device and writes its handle. False: it cannot be opened.
    virtual bool OpenDevice(const DeviceInfo* info, DeviceHandle* out) = 0;
    // Releases a handle from OpenDevice (closes the device), at finalisation.
    virtual void ReleaseDevice(DeviceHandle handle) = 0;

    // Sets the output format of the opened device. False: refused, nothing changed.
    virtual bool SetMode(WindowHandle window, const AudioMode* mode) = 0;
    // Writes the current output format. False: no device is open.
    virtual bool GetMode(AudioMode* out) = 0;
    // Master volume, a linear gain from 0 to 1.
    virtual void SetVolume(float volume) = 0;
    virtual float GetVolume() = 0;
};

// The factory an audio plugin exports as "CreateAudio": a new object, or null.
using CreateAudioFunction = IAudio* (*)();
