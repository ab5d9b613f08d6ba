// SdlInput: start-up, shutdown, the device list and opening/binding devices.
#include "SdlInput.h"

#include <string>
#include <vector>

#include "DeviceName.h"
#include "PluginLog.h"

namespace sdlinput {

namespace {

constexpr const char* kPlugin = "VornDI8";

DeviceInfo KeyboardInfo()
{
    return sdlplugin::MakeDeviceInfo(
        DEV_CLASS_INPUT, DEV_SUBCLASS_KEYBOARD, kKeyboardId, "System keyboard", "");
}

DeviceInfo MouseInfo()
{
    return sdlplugin::MakeDeviceInfo(DEV_CLASS_INPUT, DEV_SUBCLASS_MOUSE, kMouseId, "System mouse", "");
}

DeviceInfo JoystickInfo(int index)
{
    const char* name = SDL_IsGameController(index) ? SDL_GameControllerNameForIndex(index)
                                                   : SDL_JoystickNameForIndex(index);
    const std::string fallback = "Joystick " + std::to_string(index + 1);
    const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(index);
    return sdlplugin::MakeDeviceInfo(DEV_CLASS_INPUT, DEV_SUBCLASS_JOYSTICK,
        kJoystickIdBase + static_cast<uint32_t>(instance), name, fallback.c_str());
}

// The joysticks SDL lists now, in its order; none when the joystick subsystem is not running.
std::vector<DeviceInfo> Joysticks(bool started)
{
    std::vector<DeviceInfo> list;
    if (!started)
        return list;
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < count; ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) >= 0)
            list.push_back(JoystickInfo(i));
    return list;
}

bool Wants(uint32_t asked, uint32_t subclass)
{
    return asked == DEV_SUBCLASS_ALL || asked == subclass;
}

} // namespace

SdlInput::~SdlInput()
{
    Shutdown();
}

bool SdlInput::Initialize()
{
    if (eventsStarted_)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) {
        sdlplugin::Log(kPlugin, "cannot start SDL events: %s", SDL_GetError());
        return false;
    }
    eventsStarted_ = true;
    // Without joystick support the keyboard and mouse still work.
    joysticksStarted_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER) == 0;
    if (!joysticksStarted_)
        sdlplugin::Log(kPlugin, "no joystick support: %s", SDL_GetError());
    return true;
}

void SdlInput::Shutdown()
{
    if (!eventsStarted_)
        return;
    devices_.clear(); // closes the joysticks before their subsystem stops
    if (joysticksStarted_)
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER);
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
    joysticksStarted_ = false;
    eventsStarted_ = false;
}

bool SdlInput::EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context)
{
    if (!eventsStarted_)
        return false;
    std::vector<DeviceInfo> list;
    if (Wants(subclass, DEV_SUBCLASS_KEYBOARD))
        list.push_back(KeyboardInfo());
    if (Wants(subclass, DEV_SUBCLASS_MOUSE))
        list.push_back(MouseInfo());
    if (Wants(subclass, DEV_SUBCLASS_JOYSTICK))
        for (const DeviceInfo& info : Joysticks(joysticksStarted_))
            list.push_back(info);
    if (callback != nullptr)
        for (const DeviceInfo& info : list)
            callback(&info, context);
    return true;
}

bool SdlInput::FindDefaultDevice(uint32_t subclass, DeviceInfo* out)
{
    if (!eventsStarted_ || out == nullptr)
        return false;
    switch (subclass) {
    case DEV_SUBCLASS_KEYBOARD:
        *out = KeyboardInfo();
        return true;
    case DEV_SUBCLASS_MOUSE:
        *out = MouseInfo();
        return true;
    case DEV_SUBCLASS_JOYSTICK: {
        const std::vector<DeviceInfo> joysticks = Joysticks(joysticksStarted_);
        if (joysticks.empty())
            return false;
        *out = joysticks.front();
        return true;
    }
    default:
        return false;
    }
}

bool SdlInput::OpenDevice(const DeviceInfo* info, DeviceHandle* out)
{
    if (!eventsStarted_ || info == nullptr || out == nullptr)
        return false;
    std::unique_ptr<InputDevice> device;
    if (info->id == kKeyboardId) {
        device = std::make_unique<InputDevice>(DeviceKind::Keyboard);
    } else if (info->id == kMouseId) {
        device = std::make_unique<InputDevice>(DeviceKind::Mouse);
    } else if (joysticksStarted_ && info->id >= kJoystickIdBase) {
        // Joysticks are named by SDL instance id, which a re-plugged device does not keep.
        const uint32_t instance = info->id - kJoystickIdBase;
        const int count = SDL_NumJoysticks();
        for (int i = 0; i < count && device == nullptr; ++i) {
            if (static_cast<uint32_t>(SDL_JoystickGetDeviceInstanceID(i)) != instance)
                continue;
            auto joystick = std::make_unique<InputDevice>(DeviceKind::Joystick);
            joystick->link = std::make_unique<JoystickLink>();
            if (!joystick->link->Open(i)) {
                sdlplugin::Log(kPlugin, "cannot open joystick %d: %s", i, SDL_GetError());
                return false;
            }
            device = std::move(joystick);
        }
    }
    if (device == nullptr)
        return false;
    const DeviceHandle handle = nextHandle_++;
    devices_[handle] = std::move(device);
    *out = handle;
    return true;
}

void SdlInput::ReleaseDevice(DeviceHandle handle)
{
    devices_.erase(handle);
}

bool SdlInput::Bind(WindowHandle window, DeviceHandle device, bool, bool)
{
    // The flags ask how the device shares the window; SDL's input is per process, so they
    // change nothing here.
    InputDevice* opened = Find(device);
    if (opened == nullptr || window == nullptr)
        return false;
    opened->window = window;
    return true;
}

InputDevice* SdlInput::Find(DeviceHandle handle)
{
    const auto found = devices_.find(handle);
    return found != devices_.end() ? found->second.get() : nullptr;
}

} // namespace sdlinput
