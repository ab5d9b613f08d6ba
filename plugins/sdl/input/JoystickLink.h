// JoystickLink: one opened SDL joystick, through SDL's game-controller support when SDL knows
// the device as a controller, as a raw joystick otherwise. Axes: x, y, z are the left stick's
// x and y and the right stick's x on a controller; the first three axes on a raw joystick.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace sdlinput {

class JoystickLink {
public:
    JoystickLink() = default;
    ~JoystickLink() { Close(); }
    JoystickLink(const JoystickLink&) = delete;
    JoystickLink& operator=(const JoystickLink&) = delete;

    // Opens SDL's device at `deviceIndex`. False: it cannot be opened (nothing held).
    bool Open(int deviceIndex);
    void Close();

    bool Connected() const { return instance_ >= 0; }
    SDL_JoystickID Instance() const { return instance_; }
    bool IsController() const { return controller_ != nullptr; }

    // Whether the button or d-pad direction of a JBUTTON_*/JDPAD_* code is held now.
    bool ButtonDown(uint32_t code) const;
    // Reads axis 0 (x), 1 (y) or 2 (z), -32768..32767. False: the device has no such axis.
    bool ReadAxis(int axis, int32_t* out) const;

private:
    SDL_GameController* controller_ = nullptr;
    SDL_Joystick* joystick_ = nullptr; // the raw device; owned only without a controller
    SDL_JoystickID instance_ = -1;
};

} // namespace sdlinput
