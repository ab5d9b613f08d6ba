// IInput: the input plugin's interface. Keyboard, mouse and joystick are devices of one plugin,
// told apart by their handles. Every call comes from the main thread.
#pragma once

#include <cstdint>

#include "ButtonEvent.h"
#include "DeviceInfo.h"
#include "WindowHandle.h"

// Axis numbers for IInput::Axis.
enum InputAxis : uint32_t {
    AXIS_MOUSE_X = 0,      // relative horizontal motion since the last poll
    AXIS_MOUSE_Y = 1,      // relative vertical motion since the last poll (down is positive)
    AXIS_MOUSE_WHEEL = 2,  // wheel motion since the last poll, 120 per notch, away from the user positive
    AXIS_JOY_X = 3,        // joystick axes: -32768..32767, full deflection is +-32768
    AXIS_JOY_Y = 4,
    AXIS_JOY_Z = 5,
};

class IInput {
public:
    // Deletes the object inside the plugin's module.
    virtual ~IInput() = default;
    // Starts the plugin's subsystem. False: the plugin is unusable.
    virtual bool Initialize() = 0;
    // Once per frame: takes the pending input events from the platform into per-device queues.
    virtual void Update() = 0;
    // Stops the subsystem; called once before the object is deleted.
    virtual void Shutdown() = 0;
    // Calls callback(info, context) once per device of the subclass before returning.
    virtual bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context) = 0;
    // Fills *out with the default keyboard (16), mouse (17) or joystick (18). False: none.
    virtual bool FindDefaultDevice(uint32_t subclass, DeviceInfo* out) = 0;
    // Opens the device and writes its handle. False: it cannot be opened.
    virtual bool OpenDevice(const DeviceInfo* info, DeviceHandle* out) = 0;
    // Releases a handle from OpenDevice, at finalisation.
    virtual void ReleaseDevice(DeviceHandle handle) = 0;

    // Ties the device to the game window; the two flags are passed as the runtime gives them
    // (the runtime uses false, true).
    virtual bool Bind(WindowHandle window, DeviceHandle device, bool first, bool second) = 0;
    // Key-state query. *flag is 0 on entry to ask "is it down?", 1 to ask "is it up?"; the answer
    // comes back through *flag (1 yes, 0 no). Returns false for a code the device doesn't know.
    virtual bool KeyState(DeviceHandle device, uint32_t key, uint8_t* flag) = 0;
    // Reads one axis (InputAxis) into *out. False: the device has no such axis.
    virtual bool Axis(DeviceHandle device, uint32_t axis, int32_t* out) = 0;
    // Latches the device's state: relative axes then report the motion since the previous poll.
    virtual bool Poll(DeviceHandle device) = 0;
    // Moves the device's pending button events, oldest first, into *out (passed empty).
    virtual bool Events(DeviceHandle device, ButtonEventList* out) = 0;
};

// The factory an input plugin exports as "CreateInput": a new object, or null.
using CreateInputFunction = IInput* (*)();
