// SdlInputState: the queries of the input plugin: key state, axes, polls and the event hand-over.
#include "SdlInput.h"

#include <cmath>

#include "Buttons.h"
#include "KeyMap.h"
#include "contracts/KeyCodes.h"

namespace sdlinput {

namespace {

int32_t Clamp32(int64_t value)
{
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

} // namespace

bool SdlInput::KeyDown(const InputDevice& device, uint32_t key, bool* known) const
{
    // Keyboard and mouse state is the system's, so any device answers for it; joystick codes
    // only a joystick can answer.
    *known = true;
    if (IsKeyboardCode(key)) {
        int count = 0;
        const Uint8* keys = SDL_GetKeyboardState(&count);
        const SDL_Scancode scancode = ScancodeForKey(key);
        return keys != nullptr && scancode < count && keys[scancode] != 0;
    }
    if (IsMouseCode(key))
        return MouseMaskHolds(SDL_GetMouseState(nullptr, nullptr), key);
    if (IsJoystickCode(key) && device.link != nullptr)
        return device.link->ButtonDown(key);
    *known = false;
    return false;
}

bool SdlInput::KeyState(DeviceHandle device, uint32_t key, uint8_t* flag)
{
    InputDevice* opened = Find(device);
    if (opened == nullptr || flag == nullptr || *flag > 1)
        return false;
    bool known = false;
    const bool down = KeyDown(*opened, key, &known);
    // 0 on entry asks "is it down?", 1 asks "is it up?"; the answer replaces the question.
    *flag = (*flag == 0) ? (down ? 1 : 0) : (down ? 0 : 1);
    return known;
}

bool SdlInput::Poll(DeviceHandle device)
{
    InputDevice* opened = Find(device);
    if (opened == nullptr)
        return false;
    switch (opened->kind) {
    case DeviceKind::Keyboard:
        return true;
    case DeviceKind::Mouse: {
        opened->latched[0] = Clamp32(opened->pendingDx);
        opened->latched[1] = Clamp32(opened->pendingDy);
        // Whole units of the wheel go out; a fraction from a smooth wheel waits for the next poll.
        const double wheel = std::trunc(opened->pendingWheel);
        opened->latched[2] = Clamp32(static_cast<int64_t>(wheel));
        opened->pendingDx = 0;
        opened->pendingDy = 0;
        opened->pendingWheel -= wheel;
        for (bool& valid : opened->latchedValid)
            valid = true;
        return true;
    }
    case DeviceKind::Joystick:
        for (int axis = 0; axis < 3; ++axis) {
            int32_t value = 0;
            // An unplugged joystick keeps its axes: centred, as when it went.
            if (!opened->link->Connected())
                continue;
            opened->latchedValid[axis] = opened->link->ReadAxis(axis, &value);
            opened->latched[axis] = opened->latchedValid[axis] ? value : 0;
        }
        return true;
    }
    return false;
}

bool SdlInput::Axis(DeviceHandle device, uint32_t axis, int32_t* out)
{
    InputDevice* opened = Find(device);
    if (opened == nullptr || out == nullptr)
        return false;
    int slot = -1;
    if (opened->kind == DeviceKind::Mouse && axis <= AXIS_MOUSE_WHEEL)
        slot = static_cast<int>(axis - AXIS_MOUSE_X);
    else if (opened->kind == DeviceKind::Joystick && axis >= AXIS_JOY_X && axis <= AXIS_JOY_Z)
        slot = static_cast<int>(axis - AXIS_JOY_X);
    if (slot < 0 || !opened->latchedValid[slot])
        return false;
    *out = opened->latched[slot];
    return true;
}

bool SdlInput::Events(DeviceHandle device, ButtonEventList* out)
{
    InputDevice* opened = Find(device);
    if (opened == nullptr || out == nullptr)
        return false;
    out->insert(out->end(), opened->events.begin(), opened->events.end());
    opened->events.clear();
    return true;
}

} // namespace sdlinput
