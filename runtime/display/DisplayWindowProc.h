// DisplayWindowProc: the window procedure of the game window's class: window messages become
// the display's script callbacks. Needs the display stored as the window's user data.
#pragma once

#include "platform/Window.h"

namespace display {

platform::LResult DisplayWindowProc(
    platform::Hwnd window, platform::Message message, platform::WParam wparam, platform::LParam lparam);

} // namespace display
