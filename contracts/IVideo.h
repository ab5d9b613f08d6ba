// IVideo: the video plugin's interface. The runtime calls the operations in this order of slots;
// the host's operations come first, the engine library's own follow them.
// Every call comes from the main thread.
#pragma once

#include <cstdint>

#include "Color.h"
#include "DeviceInfo.h"
#include "DisplayMode.h"
#include "WindowHandle.h"

// A texture owned by the video plugin; 0 is no texture.
using TextureHandle = uint32_t;

class IVideo {
public:
    // Deletes the object inside the plugin's module; only the plugin frees its own memory.
    virtual ~IVideo() = default;
    // Starts the plugin's subsystem. False: the plugin is unusable and is never called again.
    virtual bool Initialize() = 0;
    // Whether a frame can be drawn now. False: the display paints its window black instead.
    virtual bool Ready() = 0;
    // Once per frame, before input is polled.
    virtual void Update() = 0;
    // Stops the subsystem; called once before the object is deleted.
    virtual void Shutdown() = 0;
    // Calls callback(info, context) once per device of the subclass (DEV_SUBCLASS_ALL: every
    // device) before returning. Returns false when the devices cannot be listed.
    virtual bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context) = 0;
    // Fills *out with the default device of the subclass. False: there is none.
    virtual bool FindDefaultDevice(uint32_t subclass, DeviceInfo* out) = 0;
    // Opens the device described by *info and writes its handle. False: it cannot be opened.
    virtual bool OpenDevice(const DeviceInfo* info, DeviceHandle* out) = 0;
    // Releases a handle from OpenDevice, at finalisation.
    virtual void ReleaseDevice(DeviceHandle handle) = 0;

    // Switches the window to *mode: windowed, its client area is the mode's size; otherwise full
    // screen at the mode's size. False: the mode was refused and nothing changed.
    virtual bool SetMode(WindowHandle window, const DisplayMode* mode) = 0;
    // Writes the current mode. False: no mode has been set yet.
    virtual bool GetMode(DisplayMode* out) = 0;
    // Calls callback(mode, context) for each mode of the device in info->id, in the device's
    // order. False: the modes cannot be listed (the callbacks made so far stand).
    virtual bool EnumerateModes(const DeviceInfo* info, ModeEnumCallback callback, void* context) = 0;
    // Starts drawing a frame.
    virtual bool BeginFrame() = 0;
    // Finishes the frame and presents it.
    virtual bool EndFrame() = 0;
    // Fills the whole frame with *color.
    virtual bool Clear(const Color* color) = 0;
    // Size in pixels of a texture; 0 for an unknown handle.
    virtual uint32_t TextureWidth(TextureHandle texture) = 0;
    virtual uint32_t TextureHeight(TextureHandle texture) = 0;
};

// The factory a video plugin exports as "CreateVideo": a new object, or null.
using CreateVideoFunction = IVideo* (*)();
