// JoystickLink: opening, closing and reading one joystick or game controller.
#include "JoystickLink.h"

#include "Buttons.h"

namespace sdlinput {

namespace {

constexpr SDL_GameControllerAxis kControllerAxes[] = {
    SDL_CONTROLLER_AXIS_LEFTX,
    SDL_CONTROLLER_AXIS_LEFTY,
    SDL_CONTROLLER_AXIS_RIGHTX,
};

} // namespace

bool JoystickLink::Open(int deviceIndex)
{
    Close();
    if (SDL_IsGameController(deviceIndex)) {
        controller_ = SDL_GameControllerOpen(deviceIndex);
        if (controller_ != nullptr)
            joystick_ = SDL_GameControllerGetJoystick(controller_);
    }
    if (controller_ == nullptr)
        joystick_ = SDL_JoystickOpen(deviceIndex);
    if (joystick_ == nullptr) {
        Close();
        return false;
    }
    instance_ = SDL_JoystickInstanceID(joystick_);
    return true;
}

void JoystickLink::Close()
{
    if (controller_ != nullptr)
        SDL_GameControllerClose(controller_);
    else if (joystick_ != nullptr)
        SDL_JoystickClose(joystick_);
    controller_ = nullptr;
    joystick_ = nullptr;
    instance_ = -1;
}

bool JoystickLink::ButtonDown(uint32_t code) const
{
    if (!Connected())
        return false;
    if (controller_ != nullptr) {
        const SDL_GameControllerButton button = ControllerButtonForCode(code);
        return button != SDL_CONTROLLER_BUTTON_INVALID
            && SDL_GameControllerGetButton(controller_, button) != 0;
    }
    if (const uint8_t hatBit = HatBitForCode(code); hatBit != 0)
        return SDL_JoystickNumHats(joystick_) > 0 && (SDL_JoystickGetHat(joystick_, 0) & hatBit) != 0;
    for (int button = 0; button < SDL_JoystickNumButtons(joystick_); ++button)
        if (CodeForJoystickButton(button) == code)
            return SDL_JoystickGetButton(joystick_, button) != 0;
    return false;
}

bool JoystickLink::ReadAxis(int axis, int32_t* out) const
{
    if (axis < 0 || axis > 2 || out == nullptr)
        return false;
    if (controller_ != nullptr) {
        if (!SDL_GameControllerHasAxis(controller_, kControllerAxes[axis]))
            return false;
        *out = SDL_GameControllerGetAxis(controller_, kControllerAxes[axis]);
        return true;
    }
    if (joystick_ == nullptr || axis >= SDL_JoystickNumAxes(joystick_))
        return false;
    *out = SDL_JoystickGetAxis(joystick_, axis);
    return true;
}

} // namespace sdlinput
