// CursorImage: asks an X server (through XFixes) whether the cursor it shows has any visible
// pixel. Kept apart from the tests because the X headers' macros clash with GoogleTest's.
#pragma once

#include <string>

namespace inputtest {

// False when the cursor is blank (hidden) or the server cannot be reached.
bool CursorVisible(const std::string& display);

} // namespace inputtest
