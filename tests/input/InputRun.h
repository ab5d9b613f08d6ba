// InputRun: runs a script through the real binary with the test plugins in a 640x480 window that
// closes itself after a while, and collects its printed lines and the plugins' call record.
#pragma once

#include <string>
#include <vector>

#include "GameRun.h"

namespace inputtest {

struct ScriptRun {
    vorntest::RunResult run;
    std::vector<std::string> printed; // standard output, one line per print
    std::vector<std::string> calls; // testplugins.calls
};

// Runs `script` after a prelude that creates the window and destroys it after 100 ticks of a 1 ms
// timer (hundreds of frames); `config` is testplugins.cfg. Error boxes are answered OK.
ScriptRun RunInWindow(const std::string& config, const std::string& script);

// The call-record lines of frame `frame` (from its "input Update" to the next one), from 1.
std::vector<std::string> CallsOfFrame(const std::vector<std::string>& calls, int frame);

} // namespace inputtest
