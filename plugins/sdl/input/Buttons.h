// Buttons: mouse buttons, game-controller buttons and hat directions as key codes.
// Game controllers: A, B, X, Y, left/right shoulder, back, start, left/right stick, guide, misc,
// paddles 1-4 are JBUTTON_1..16 in that order; the d-pad is JDPAD_*. Raw joysticks: button n is
// JBUTTON_(n+1) for the first 16 buttons; the first hat is the d-pad.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace sdlinput {

// MBUTTON_* for an SDL mouse button (both X buttons are MBUTTON_X); KEY_NONE for others.
uint32_t CodeForMouseButton(uint8_t button);
// Whether the SDL mouse-state mask holds the button of an MBUTTON_* code.
bool MouseMaskHolds(uint32_t mask, uint32_t code);

// JBUTTON_* or JDPAD_* for a game-controller button; KEY_NONE for buttons without a code.
uint32_t CodeForControllerButton(int button);
// The game-controller button of a JBUTTON_*/JDPAD_* code; SDL_CONTROLLER_BUTTON_INVALID if none.
SDL_GameControllerButton ControllerButtonForCode(uint32_t code);

// JBUTTON_* for a raw joystick button; KEY_NONE past the sixteenth.
uint32_t CodeForJoystickButton(int button);
// The SDL_HAT_* bit of a JDPAD_* code; 0 for other codes.
uint8_t HatBitForCode(uint32_t code);

bool IsJoystickCode(uint32_t code);
bool IsMouseCode(uint32_t code);

} // namespace sdlinput
