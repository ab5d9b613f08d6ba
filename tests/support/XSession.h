// XSession: script tests against a real X server. XServer starts a private Xvfb (it picks a free
// display number itself, so parallel tests never collide); run vorn on it in the background with
// RunningGame (GameRun.h) to wait for log lines, act with xdotool or ask the window to close.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>

#include "GameRun.h"

namespace vorntest {

class XServer {
public:
    // Starts Xvfb with one 1280x1024x24 screen; throws when it does not come up.
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // ":N"
    const std::string& Display() const { return display_; }

    // Options for a run on this server: DISPLAY, SDL's X11 video driver, no session bus (libdbus
    // would try to start one and leak on the failure, which the sanitizer build reports).
    RunOptions Options() const;

    // Runs `xdotool <arguments>` against this server; true when it exits 0. Its standard output,
    // trimmed, goes to *output when given.
    bool XdoTool(const std::string& arguments, std::string* output = nullptr) const;
    // The id of the window whose title is exactly `title`, waiting up to `timeout`; 0 when none.
    unsigned long FindWindow(
        const std::string& title, std::chrono::milliseconds timeout = std::chrono::seconds(30)) const;
    // Asks a window to close as a window manager does (WM_DELETE_WINDOW through WM_PROTOCOLS).
    bool RequestClose(unsigned long window) const;

private:
    pid_t pid_ = -1;
    std::string display_;
};

} // namespace vorntest
