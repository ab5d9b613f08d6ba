// DisplayGame: a game folder for the display's tests: the test plugins at the default paths,
// the game window's geometry recorded by the test video plugin, and the helpers to read back
// what the plugins were asked.
#pragma once

#include <string>

#include "GameRun.h"
#include "LogMatch.h"

namespace displaytest {

using vorntest::Lines;

// Test plugins, `main` as Scripts/main.lua, and testplugins.cfg with video.geometry plus `config`.
inline void DisplayGame(
    const vorntest::GameFolder& game, const std::string& main, const std::string& config = "")
{
    game.UseTestPluginsAsDefaults();
    game.Write("testplugins.cfg", "video.geometry = yes\n" + config);
    game.WriteScript("main.lua", main);
}

// The calls the test plugins recorded whose line starts with `kind` ("video ", "input Bind").
inline Lines CallsOf(const vorntest::GameFolder& game, const std::string& kind)
{
    Lines selected;
    for (const auto& line : game.ReadLines("testplugins.calls"))
        if (line.rfind(kind, 0) == 0)
            selected.push_back(line);
    return selected;
}

// Every box of the run is answered so.
inline vorntest::RunOptions Answer(const std::string& answer)
{
    return vorntest::RunOptions().Env("VORN_MESSAGEBOX", answer);
}

} // namespace displaytest
