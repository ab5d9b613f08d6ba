// Recorder: a window procedure for tests that records every message it receives and can be told
// to refuse creation or closing. Also helpers to pump until something happens and to reach the X
// window behind a layer window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Window.h"

struct Recorder {
    struct Entry {
        platform::Hwnd window;
        platform::Message message;
        platform::WParam wparam;
    };
    static std::vector<Entry> log;
    static void* createParam; // what NcCreate carried
    static bool refuseNcCreate; // NcCreate returns 0
    static bool failCreate; // Create returns -1
    static bool refuseClose; // Close returns 0 without the default procedure
    static bool destroyInCreate; // Create destroys the window
    static bool refuseSysCommand; // SysCommand returns 0 without the default procedure

    static void Reset();
    static platform::LResult Procedure(
        platform::Hwnd window, platform::Message message, platform::WParam wparam, platform::LParam lparam);
    // The messages of one window, in order.
    static std::vector<platform::Message> Of(platform::Hwnd window);
    static int Count(platform::Hwnd window, platform::Message message);
};

// Pumps until `done` holds or about three seconds pass; true when it held.
bool PumpUntil(const std::function<bool()>& done);
// Pumps until the queue has stayed empty for a while, so late X events are in.
void PumpQuiet();
// The X11 window id of a layer window.
unsigned long XWindowOf(platform::Hwnd window);
// Names of the messages, for readable failures.
std::string Names(const std::vector<platform::Message>& messages);
