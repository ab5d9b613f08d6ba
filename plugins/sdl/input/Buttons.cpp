// Buttons: the small tables between SDL's button numbers and the key codes.
#include "Buttons.h"

#include <iterator>

#include "contracts/KeyCodes.h"

namespace sdlinput {

namespace {

// Index i is JBUTTON_1 + i.
constexpr SDL_GameControllerButton kControllerButtons[] = {
    SDL_CONTROLLER_BUTTON_A,
    SDL_CONTROLLER_BUTTON_B,
    SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,
    SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
    SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
    SDL_CONTROLLER_BUTTON_BACK,
    SDL_CONTROLLER_BUTTON_START,
    SDL_CONTROLLER_BUTTON_LEFTSTICK,
    SDL_CONTROLLER_BUTTON_RIGHTSTICK,
    SDL_CONTROLLER_BUTTON_GUIDE,
    SDL_CONTROLLER_BUTTON_MISC1,
    SDL_CONTROLLER_BUTTON_PADDLE1,
    SDL_CONTROLLER_BUTTON_PADDLE2,
    SDL_CONTROLLER_BUTTON_PADDLE3,
    SDL_CONTROLLER_BUTTON_PADDLE4,
};
static_assert(std::size(kControllerButtons) == JBUTTON_16 - JBUTTON_1 + 1);

struct DpadEntry {
    uint32_t code;
    SDL_GameControllerButton button;
    uint8_t hatBit;
};

constexpr DpadEntry kDpad[] = {
    { JDPAD_NORTH, SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_HAT_UP },
    { JDPAD_EAST, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_HAT_RIGHT },
    { JDPAD_SOUTH, SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_HAT_DOWN },
    { JDPAD_WEST, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_HAT_LEFT },
};

} // namespace

uint32_t CodeForMouseButton(uint8_t button)
{
    switch (button) {
    case SDL_BUTTON_LEFT:
        return MBUTTON_LEFT;
    case SDL_BUTTON_MIDDLE:
        return MBUTTON_MIDDLE;
    case SDL_BUTTON_RIGHT:
        return MBUTTON_RIGHT;
    case SDL_BUTTON_X1:
    case SDL_BUTTON_X2:
        return MBUTTON_X;
    default:
        return KEY_NONE;
    }
}

bool MouseMaskHolds(uint32_t mask, uint32_t code)
{
    switch (code) {
    case MBUTTON_LEFT:
        return (mask & SDL_BUTTON_LMASK) != 0;
    case MBUTTON_MIDDLE:
        return (mask & SDL_BUTTON_MMASK) != 0;
    case MBUTTON_RIGHT:
        return (mask & SDL_BUTTON_RMASK) != 0;
    case MBUTTON_X:
        return (mask & (SDL_BUTTON_X1MASK | SDL_BUTTON_X2MASK)) != 0;
    default:
        return false;
    }
}

uint32_t CodeForControllerButton(int button)
{
    for (std::size_t i = 0; i < std::size(kControllerButtons); ++i)
        if (kControllerButtons[i] == button)
            return JBUTTON_1 + static_cast<uint32_t>(i);
    for (const DpadEntry& entry : kDpad)
        if (entry.button == button)
            return entry.code;
    return KEY_NONE;
}

SDL_GameControllerButton ControllerButtonForCode(uint32_t code)
{
    if (code >= JBUTTON_1 && code <= JBUTTON_16)
        return kControllerButtons[code - JBUTTON_1];
    for (const DpadEntry& entry : kDpad)
        if (entry.code == code)
            return entry.button;
    return SDL_CONTROLLER_BUTTON_INVALID;
}

uint32_t CodeForJoystickButton(int button)
{
    if (button < 0 || button > static_cast<int>(JBUTTON_16 - JBUTTON_1))
        return KEY_NONE;
    return JBUTTON_1 + static_cast<uint32_t>(button);
}

uint8_t HatBitForCode(uint32_t code)
{
    for (const DpadEntry& entry : kDpad)
        if (entry.code == code)
            return entry.hatBit;
    return 0;
}

bool IsJoystickCode(uint32_t code)
{
    return code >= JBUTTON_1 && code <= JDPAD_WEST;
}

bool IsMouseCode(uint32_t code)
{
    return code >= MBUTTON_LEFT && code <= MBUTTON_X;
}

} // namespace sdlinput
