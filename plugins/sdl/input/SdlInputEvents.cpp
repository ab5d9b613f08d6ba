// SdlInputEvents: Update() takes SDL's pending input events and routes them to the opened
// devices: key and mouse-button presses, mouse motion and wheel, joystick and controller
// buttons, hats, and joysticks plugged in or pulled out.
#include "SdlInput.h"

#include "Buttons.h"
#include "KeyMap.h"
#include "PluginLog.h"
#include "contracts/KeyCodes.h"

namespace sdlinput {

namespace {

constexpr const char* kPlugin = "VornDI8";

// Every input event type: keys and text, mouse, joystick and controller, touch and gestures.
// Window, display, quit, audio, render and user events lie outside and stay in the queue.
constexpr Uint32 kFirstInputEvent = SDL_KEYDOWN; // 0x300
constexpr Uint32 kLastInputEvent = SDL_CLIPBOARDUPDATE - 1; // 0x8FF
static_assert(SDL_WINDOWEVENT < kFirstInputEvent && SDL_SYSWMEVENT < kFirstInputEvent);
static_assert(SDL_USEREVENT > kLastInputEvent && SDL_AUDIODEVICEADDED > kLastInputEvent);

constexpr int kWheelNotch = 120;

} // namespace

void SdlInput::Update()
{
    if (!eventsStarted_)
        return;
    SDL_PumpEvents();
    SDL_Event batch[64];
    for (;;) {
        const int taken = SDL_PeepEvents(batch, 64, SDL_GETEVENT, kFirstInputEvent, kLastInputEvent);
        if (taken <= 0)
            break;
        for (int i = 0; i < taken; ++i)
            Take(batch[i]);
    }
}

void SdlInput::Take(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        // Auto-repeat is not a new press: devices report state changes only.
        const uint32_t code = KeyForScancode(event.key.keysym.scancode);
        if (event.key.repeat != 0 || code == KEY_NONE)
            return;
        for (auto& [handle, device] : devices_)
            if (device->kind == DeviceKind::Keyboard)
                device->Push(code, event.type == SDL_KEYDOWN);
        return;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const uint32_t code = CodeForMouseButton(event.button.button);
        if (code == KEY_NONE)
            return;
        for (auto& [handle, device] : devices_)
            if (device->kind == DeviceKind::Mouse)
                device->Push(code, event.type == SDL_MOUSEBUTTONDOWN);
        return;
    }
    case SDL_MOUSEMOTION:
        for (auto& [handle, device] : devices_) {
            if (device->kind != DeviceKind::Mouse)
                continue;
            device->pendingDx += event.motion.xrel;
            device->pendingDy += event.motion.yrel;
        }
        return;
    case SDL_MOUSEWHEEL: {
        // Away from the user is positive, whatever the system's scrolling preference.
        double notches = event.wheel.preciseY != 0.0f ? event.wheel.preciseY : event.wheel.y;
        if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED)
            notches = -notches;
        for (auto& [handle, device] : devices_)
            if (device->kind == DeviceKind::Mouse)
                device->pendingWheel += notches * kWheelNotch;
        return;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        TakeControllerButton(
            event.cbutton.which, event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
        return;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        TakeJoystickButton(event.jbutton.which, event.jbutton.button, event.type == SDL_JOYBUTTONDOWN);
        return;
    case SDL_JOYHATMOTION:
        TakeHat(event.jhat.which, event.jhat.hat, event.jhat.value);
        return;
    case SDL_JOYDEVICEADDED:
        JoystickAdded(event.jdevice.which);
        return;
    case SDL_JOYDEVICEREMOVED:
        JoystickRemoved(event.jdevice.which);
        return;
    default:
        return; // text, axes (read when polled), touch and the rest: not needed
    }
}

void SdlInput::TakeControllerButton(SDL_JoystickID instance, int button, bool down)
{
    const uint32_t code = CodeForControllerButton(button);
    if (code == KEY_NONE)
        return;
    for (auto& [handle, device] : devices_)
        if (device->link != nullptr && device->link->IsController() && device->link->Instance() == instance)
            device->Push(code, down);
}

void SdlInput::TakeJoystickButton(SDL_JoystickID instance, int button, bool down)
{
    // A controller's buttons arrive again as controller events, under their mapped names.
    const uint32_t code = CodeForJoystickButton(button);
    if (code == KEY_NONE)
        return;
    for (auto& [handle, device] : devices_)
        if (device->link != nullptr && !device->link->IsController() && device->link->Instance() == instance)
            device->Push(code, down);
}

void SdlInput::TakeHat(SDL_JoystickID instance, uint8_t hat, uint8_t value)
{
    if (hat != 0)
        return;
    constexpr uint32_t kDirections[] = { JDPAD_NORTH, JDPAD_EAST, JDPAD_SOUTH, JDPAD_WEST };
    for (auto& [handle, device] : devices_) {
        if (device->link == nullptr || device->link->IsController() || device->link->Instance() != instance)
            continue;
        const uint8_t previous = device->hat;
        device->hat = value;
        for (const uint32_t code : kDirections) {
            const uint8_t bit = HatBitForCode(code);
            if ((previous & bit) != (value & bit))
                device->Push(code, (value & bit) != 0);
        }
    }
}

void SdlInput::JoystickAdded(int deviceIndex)
{
    const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (instance < 0)
        return;
    for (auto& [handle, device] : devices_)
        if (device->link != nullptr && device->link->Instance() == instance)
            return; // already held (SDL also announces the devices present at start)
    // A handle whose joystick was pulled out takes the next one plugged in.
    for (auto& [handle, device] : devices_) {
        if (device->link == nullptr || device->link->Connected())
            continue;
        if (device->link->Open(deviceIndex))
            sdlplugin::Log(kPlugin, "joystick reconnected: %s", SDL_JoystickNameForIndex(deviceIndex));
        return;
    }
}

void SdlInput::JoystickRemoved(SDL_JoystickID instance)
{
    for (auto& [handle, device] : devices_) {
        if (device->link == nullptr || device->link->Instance() != instance)
            continue;
        // Release what it held, so nothing stays pressed, and centre its axes.
        for (uint32_t code = JBUTTON_1; code <= JDPAD_WEST; ++code)
            if ((device->held & (1u << (code - JBUTTON_1))) != 0)
                device->Push(code, false);
        device->hat = 0;
        for (int axis = 0; axis < 3; ++axis)
            device->latched[axis] = 0;
        device->link->Close();
        sdlplugin::Log(kPlugin, "joystick disconnected");
    }
}

} // namespace sdlinput
