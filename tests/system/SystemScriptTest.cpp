// The device listing through the real binary, against the devices the test plugins are told to
// offer.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GameRun.h"
#include "LogMatch.h"

namespace {

// Prints one line per class: "<class>:<name>|<name>...", marked " gaps" when the table's keys are
// not exactly 1 to n.
const char* const kListing = "for _, class in ipairs({1, 3, 4, 5, 2, 0, 6, -1, 3.9}) do\n"
                             "  local names = system.enumerate_devices(class)\n"
                             "  local keys = 0\n"
                             "  for _ in pairs(names) do keys = keys + 1 end\n"
                             "  io.write(class, ':', table.concat(names, '|'), keys == #names and '' or ' gaps', '\\n')\n"
                             "end\n";

const char* const kDevices = "video.devices = Screen A;Screen B\n"
                             "audio.devices = Speakers;Headset\n"
                             "keyboard.devices = Keys\n"
                             "mouse.devices = Pointer\n"
                             "joystick.devices = Pad One;Pad Two\n";

TEST(SystemScript, EachClassListsItsPluginsDevicesAndOthersNothing)
{
    vorntest::GameFolder game;
    game.UseTestPluginsAsDefaults();
    game.Write("testplugins.cfg", kDevices);
    game.WriteScript("main.lua", kListing);
    auto run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_TRUE(vorntest::SameLines(vorntest::SplitLines(run.out),
        { "1:Screen A|Screen B|Keys|Pointer|Pad One|Pad Two|Speakers|Headset", "3:Screen A|Screen B",
            "4:Speakers|Headset", "5:Keys|Pointer|Pad One|Pad Two", "2:", "0:", "6:", "-1:",
            "3.9:Screen A|Screen B" }))
        << run.out;
    // Every plugin is asked for all of its devices (subclass 1): three for class 1, one for each of
    // 3, 4, 5 and 3.9.
    const std::vector<std::string> calls = game.ReadLines("testplugins.calls");
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                  [](const std::string& line) { return line.ends_with("EnumerateDevices 1"); }),
        7);
    // Without an input plugin, the video devices are followed by the audio devices.
    game.Write("testplugins.cfg", std::string(kDevices) + "input.factory = null\n");
    run = game.Run();
    ASSERT_EQ(0, run.exitCode) << run.Describe();
    EXPECT_EQ("1:Screen A|Screen B|Speakers|Headset", vorntest::SplitLines(run.out).at(0)) << run.out;
}

} // namespace
