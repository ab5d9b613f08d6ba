// HostLines: the host's fixed log lines, assembled for the tests that compare whole runs.
#pragma once

#include <string>
#include <vector>

#include "GameRun.h"
#include "LogMatch.h"

namespace hosttest {

using vorntest::Lines;

inline const std::string kBanner = "[vorn] version [1.2.6] built on [May 25 2009 19:14:50] starting";
inline const std::string kEngineInitialized = "[vorn] engine initialized, running lua global code...";
inline const std::string kEnteringMainLoop = "[vorn] entering main loop";
inline const std::string kPrompt = "\nPress OK to continue, Cancel to exit";

// Appends `more` to `lines`.
inline Lines operator+(Lines lines, const Lines& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

// The three default plugins loaded.
inline Lines DefaultPluginsLoaded()
{
    return {"[vorn] plugin [Plugins\\VornDX8.dll] loaded", "[vorn] plugin [Plugins\\VornDI8.dll] loaded",
        "[vorn] plugin [Plugins\\VornDS8.dll] loaded"};
}

// Every default device of the test plugins found and opened.
inline Lines AllDevicesFound()
{
    return {"[vorn] found default video [Test Video]", "[vorn] found default keyboard [Test Keyboard]",
        "[vorn] found default mouse [Test Mouse]", "[vorn] found default joystick [Test Joystick]",
        "[vorn] found default audio [Test Audio]"};
}

// The releases of every device, in finalisation order.
inline Lines AllDevicesReleased()
{
    return {"[vorn] releasing audio...", "[vorn] releasing joystick...", "[vorn] releasing mouse...",
        "[vorn] releasing keyboard...", "[vorn] releasing video..."};
}

inline Lines PluginsUnloaded()
{
    return {"[vorn] audio plugin unloaded", "[vorn] input plugin unloaded", "[vorn] video plugin unloaded"};
}

// A normal end of the run, from the finalisation line on, with `released` as the release lines.
inline Lines NormalEnd(const Lines& released)
{
    return Lines{"[vorn] finalization started."} + released + Lines{"[vorn] lua state released."} +
        PluginsUnloaded() + Lines{"[vorn] all interfaces released. Exitting."};
}

// The end of the run after Cancel in the error box, with `released` as the release lines.
inline Lines CancelEnd(const Lines& released)
{
    return released + PluginsUnloaded() + Lines{"exitting..."};
}

// Start of a run with the test plugins at the default paths and every device present.
inline Lines StandardStart(const std::string& script = "Scripts/main.lua")
{
    return Lines{kBanner} + DefaultPluginsLoaded() + AllDevicesFound() +
        Lines{"[vorn] will load file [" + script + "]"};
}

// The test plugins' calls behind a finalisation with every device present, from the first release.
inline Lines AllReleaseCalls()
{
    return {"audio ReleaseDevice 102", "input ReleaseDevice 118", "input ReleaseDevice 117",
        "input ReleaseDevice 116", "video ReleaseDevice 101", "audio Shutdown", "audio Destroy",
        "input Shutdown", "input Destroy", "video Shutdown", "video Destroy"};
}

// A game folder with the test plugins at the default module paths and `main` as Scripts/main.lua.
inline void StandardGame(const vorntest::GameFolder& game, const std::string& main)
{
    game.UseTestPluginsAsDefaults();
    game.WriteScript("main.lua", main);
}

}  // namespace hosttest
