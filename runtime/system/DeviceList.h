// DeviceList: system.enumerate_devices, the names of the devices the loaded plugins offer, asked
// of the plugins at each call. Needs the host's plugin set.
#pragma once

#include <tolua++.h>

// Pushes a new table of device names (1, 2, ... without gaps) for a DEV_CLASS_* value, truncated
// toward zero: ALL lists the video, input and audio plugins in that order, VIDEO, INPUT and SOUND
// one plugin each, CPU and any other value nothing; a plugin that is not loaded is skipped.
// Returns the table's stack index.
lua_Object enumerate_devices(double deviceClass, lua_State* L);
