// Displays: SDL's video displays seen as the plugin's devices, and their display modes as the
// contract's records. Needs SDL's video subsystem.
#pragma once

#include "contracts/DeviceInfo.h"
#include "contracts/DisplayMode.h"

namespace sdlvideo {

// Number of displays; 0 when SDL cannot tell.
int DisplayCount();

// The device record of display `index`: its SDL name, class video, subclass "all".
DeviceInfo DisplayDevice(int index);

// Calls callback once per SDL display mode of the display, in SDL's order. False: the display's
// modes cannot be listed (the callbacks made so far stand).
bool EnumerateDisplayModes(int display, ModeEnumCallback callback, void* context);

} // namespace sdlvideo
