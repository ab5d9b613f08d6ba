// InputRun: the windowed script runs of the input tests.
#include "InputRun.h"

namespace inputtest {

namespace {

constexpr const char* kPrelude = R"(assert(display:create("input test", 640, 480, 32, true))
StopTimer = Timer()
local ticks = 0
StopTimer.on_tick = function()
    ticks = ticks + 1
    if ticks == 100 then display:destroy() end
end
StopTimer:start(1, true)
)";

} // namespace

ScriptRun RunInWindow(const std::string& config, const std::string& script)
{
    vorntest::GameFolder game;
    game.UseTestPluginsAsDefaults();
    game.Write("testplugins.cfg", config);
    game.WriteScript("main.lua", std::string(kPrelude) + script);
    ScriptRun result;
    result.run = game.Run(vorntest::RunOptions().Env("VORN_MESSAGEBOX", "ok"));
    result.printed = vorntest::SplitLines(result.run.out);
    result.calls = game.ReadLines("testplugins.calls");
    return result;
}

std::vector<std::string> CallsOfFrame(const std::vector<std::string>& calls, int frame)
{
    std::vector<std::string> lines;
    int seen = 0;
    for (const auto& line : calls) {
        if (line == "input Update")
            ++seen;
        if (seen == frame)
            lines.push_back(line);
        else if (seen > frame)
            break;
    }
    return lines;
}

} // namespace inputtest
