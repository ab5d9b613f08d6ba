// Displays: SDL's video displays seen as the plugin's devices, and their display modes as the
// contract's records. Needs SDL's video subsystem.
#pragma once

#include <SDL.h>

#include "contracts/DeviceInfo.h"
#include "contracts/DisplayMode.h"

namespace sdlvideo {

// Number of displays; 0 when SDL cannot tell.
int DisplayCount();

// The device record of display `index`: its SDL name, class video, subclass "all".
DeviceInfo DisplayDevice(int index);

// An SDL display mode as a full-screen mode record (depth in bits per pixel).
DisplayMode FromSdl(const SDL_DisplayMode& sdlMode);

// Calls callback once per SDL display mode of the display, in SDL's order. False: the display's
// modes cannot be listed (the callbacks made so far stand).
bool EnumerateDisplayModes(int display, ModeEnumCallback callback, void* context);

// The display's current desktop mode, as a windowed mode of the desktop's size. False when SDL
// cannot tell.
bool DesktopMode(int display, DisplayMode* out);

} // namespace sdlvideo
