// WindowMode: puts an SDL window into a display mode: windowed with the mode's client size, or
// full screen in a display mode the display offers. Needs SDL video.
#pragma once

#include <SDL.h>

#include "contracts/DisplayMode.h"

namespace sdlvideo {

// Largest width or height accepted; anything above is refused as absurd.
constexpr uint32_t kMaxModeSide = 16384;

// Whether the mode's numbers can be asked of SDL at all (non-zero, not absurd).
bool IsSensibleMode(const DisplayMode& mode);

// Applies the mode to the window and tells the mode in use (in full screen, the display's own
// record of it). False: refused; the window is left as it was.
bool ApplyWindowMode(SDL_Window* window, const DisplayMode& mode, DisplayMode* inUse);

} // namespace sdlvideo
