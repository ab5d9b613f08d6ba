// LuaJoystick: the script's `joystick`, the default joystick of the input plugin. Adds three axes
// scaled to -1..1 (y inverted: up is positive) and the on_move/on_rotate callbacks, which get the
// raw readings and fire only when a reading differs from the (script-assignable) property.
#pragma once

#include "input/LuaInputDevice.h"

class LuaJoystick : public LuaInputDevice {
public:
    using LuaInputDevice::LuaInputDevice;

    // Poll, button events, then the axes: on_move(x, y) when x or y changed, on_rotate(z) when z
    // changed. Stops at a failed poll or event read.
    bool update() override;

    // Script properties; a script's assignment takes part in the next change test.
    float xaxis = 0.0f;
    float yaxis = 0.0f;
    float zaxis = 0.0f;

    bridge::LuaRef& OnMove() { return on_move_; }
    bridge::LuaRef& OnRotate() { return on_rotate_; }

private:
    bridge::LuaRef on_move_;
    bridge::LuaRef on_rotate_;
};
