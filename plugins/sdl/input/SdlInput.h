// SdlInput: the IInput of the SDL plugin. Devices are the system keyboard and mouse and SDL's
// joysticks; Update() takes SDL's pending input events (never window or user events) into the
// opened devices' queues and motion sums. Needs SDL's events, joystick and game-controller
// subsystems (initialised here, reference-counted by SDL).
#pragma once

#include <SDL.h>

#include <cstdint>
#include <map>
#include <memory>

#include "InputDevice.h"
#include "contracts/IInput.h"

namespace sdlinput {

class SdlInput final : public IInput {
public:
    ~SdlInput() override;

    bool Initialize() override;
    void Update() override;
    void Shutdown() override;
    bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context) override;
    bool FindDefaultDevice(uint32_t subclass, DeviceInfo* out) override;
    bool OpenDevice(const DeviceInfo* info, DeviceHandle* out) override;
    void ReleaseDevice(DeviceHandle handle) override;

    bool Bind(WindowHandle window, DeviceHandle device, bool first, bool second) override;
    bool KeyState(DeviceHandle device, uint32_t key, uint8_t* flag) override;
    bool Axis(DeviceHandle device, uint32_t axis, int32_t* out) override;
    bool Poll(DeviceHandle device) override;
    bool Events(DeviceHandle device, ButtonEventList* out) override;

private:
    InputDevice* Find(DeviceHandle handle);
    // Routes one input event to the opened devices it concerns.
    void Take(const SDL_Event& event);
    void TakeControllerButton(SDL_JoystickID instance, int button, bool down);
    void TakeJoystickButton(SDL_JoystickID instance, int button, bool down);
    void TakeHat(SDL_JoystickID instance, uint8_t hat, uint8_t value);
    void JoystickAdded(int deviceIndex);
    void JoystickRemoved(SDL_JoystickID instance);
    bool KeyDown(const InputDevice& device, uint32_t key, bool* known) const;

    bool eventsStarted_ = false;
    bool joysticksStarted_ = false;
    std::map<DeviceHandle, std::unique_ptr<InputDevice>> devices_;
    DeviceHandle nextHandle_ = 1;
};

} // namespace sdlinput
