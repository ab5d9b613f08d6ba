// LuaJoystick: once per frame, button events and the three axes with their change tests.
// Readings are signed 32-bit with +-32768 as full deflection.
#include "input/LuaJoystick.h"

#include "bridge/Callback.h"
#include "bridge/ScriptState.h"
#include "bridge/Numbers.h"

namespace {

// 1/32768 in single precision (3.0517578125e-05).
constexpr float kScale = 1.0f / 32768.0f;

// Reads one axis into *reading (0 when the query fails). When it succeeds, tests whether the
// reading differs from the property (scaled back by `sign` x 32768, truncated) and then stores
// the scaled reading in the property. Returns whether the axis changed.
bool ReadAxis(
    IInput* input, DeviceHandle device, uint32_t axis, float sign, float* property, int32_t* reading)
{
    int32_t value = 0;
    if (!input->Axis(device, axis, &value)) {
        *reading = 0;
        return false;
    }
    *reading = value;
    const bool changed = bridge::Truncate<int64_t>(static_cast<double>(*property) * sign * 32768.0) != value;
    *property = static_cast<float>(value) * (sign * kScale);
    return changed;
}

} // namespace

bool LuaJoystick::update()
{
    if (!input_->Poll(device_))
        return false;
    if (!dispatch_events())
        return false;
    int32_t x = 0, y = 0, z = 0;
    const bool xChanged = ReadAxis(input_, device_, AXIS_JOY_X, 1.0f, &xaxis, &x);
    const bool yChanged = ReadAxis(input_, device_, AXIS_JOY_Y, -1.0f, &yaxis, &y);
    const bool zChanged = ReadAxis(input_, device_, AXIS_JOY_Z, 1.0f, &zaxis, &z);
    lua_State* L = ScriptState;
    if (xChanged || yChanged) {
        bridge::CallSlot(L, on_move_, [x, y](lua_State* S) {
            lua_pushnumber(S, x);
            lua_pushnumber(S, y);
            return 2;
        });
    }
    if (zChanged) {
        bridge::CallSlot(L, on_rotate_, [z](lua_State* S) {
            lua_pushnumber(S, z);
            return 1;
        });
    }
    return true;
}
