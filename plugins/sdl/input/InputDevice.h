// InputDevice: the state the input plugin keeps per opened handle: its pending button events
// (capped, oldest dropped first, since the runtime reads them only while a script listens), the
// mouse motion gathered since the last poll, the axes latched by the last poll, and for a
// joystick its SDL link and the buttons it holds.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>

#include "JoystickLink.h"
#include "contracts/ButtonEvent.h"
#include "contracts/WindowHandle.h"

namespace sdlinput {

enum class DeviceKind { Keyboard, Mouse, Joystick };

// Device ids in DeviceInfo: the keyboard, the mouse, and joysticks by SDL instance id.
constexpr uint32_t kKeyboardId = 1;
constexpr uint32_t kMouseId = 2;
constexpr uint32_t kJoystickIdBase = 0x100;

// Pending events kept per device before the oldest are dropped.
constexpr std::size_t kMaxPendingEvents = 1024;

struct InputDevice {
    explicit InputDevice(DeviceKind k)
        : kind(k)
    {
    }

    // Queues a press or release, dropping the oldest event when the queue is full.
    void Push(uint32_t code, bool down);

    DeviceKind kind;
    std::deque<ButtonEvent> events;
    WindowHandle window = nullptr;

    // Mouse: motion gathered since the last poll (wheel in 1/120 notches).
    int64_t pendingDx = 0;
    int64_t pendingDy = 0;
    double pendingWheel = 0.0;

    // The last poll's readings: mouse dx, dy, wheel; joystick x, y, z.
    int32_t latched[3] = { 0, 0, 0 };
    bool latchedValid[3] = { false, false, false };

    // Joystick: the SDL device (disconnected while unplugged) and the codes it holds down,
    // one bit per code from JBUTTON_1, so unplugging can release them.
    std::unique_ptr<JoystickLink> link;
    uint32_t held = 0;
    uint8_t hat = 0;
};

} // namespace sdlinput
