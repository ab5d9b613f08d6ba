// Cursor: the system cursor's position in screen coordinates and its show/hide display counter.
#pragma once

#include "platform/Window.h"

namespace platform {

// Reads the cursor's screen position; false when there is no video device.
bool GetCursorPos(Point* point);
// Moves the cursor to a screen position; false when that is refused.
bool SetCursorPos(int x, int y);
// Raises (show) or lowers (hide) the display counter by one and returns its new value; the cursor
// is shown while the counter is 0 or more, so calls nest. The counter starts at 0.
int ShowCursor(bool show);

} // namespace platform
