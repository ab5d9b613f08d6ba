// KeyMap: the keyboard part of the key codes (contracts/KeyCodes.h) against SDL scancodes, i.e.
// physical key positions. The whole table lives in KeyMap.cpp; docs/input-keymap.md lists it.
#pragma once

#include <SDL_scancode.h>

#include <cstdint>

namespace sdlinput {

// First and last keyboard code (KEY_ESCAPE .. KEY_TILDE).
bool IsKeyboardCode(uint32_t code);

// The scancode of a keyboard code; SDL_SCANCODE_UNKNOWN for any other code.
SDL_Scancode ScancodeForKey(uint32_t code);

// The keyboard code of a scancode; KEY_NONE for keys without a code.
uint32_t KeyForScancode(SDL_Scancode scancode);

} // namespace sdlinput
