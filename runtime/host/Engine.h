// Engine: one run of the runtime: plugins, the script state with every package, the default
// devices, the main script, the frame loop and the ordered finalisation.
#pragma once

namespace host {

// The whole run after the banner; `path` is the main script, or null/empty for the default.
// Returns the process exit code (0).
int RunEngine(const char* path);

// Creates the script state, registers the packages and opens the default devices.
void InitEngine();

// Deletes the device wrappers, closes the script state and releases the devices. Safe to call
// when nothing was initialised.
void ReleaseEngine();

// Dispatches the waiting window messages; true when the quit message was taken.
bool PumpMessages();

}  // namespace host
