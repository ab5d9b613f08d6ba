// LuaSuite: runs one of the Lua test files (which use tests/bridge/check.lua) as the main script
// of the real binary, and checks that its suite ran checks and none failed.
#pragma once

#include <string>

namespace vorntest {

// Runs <source tree>/<relative> through vorn in a fresh game folder with the test plugins, error
// boxes answered Cancel. Adds a test failure naming every failed check.
void ExpectLuaSuitePasses(const std::string& relative, const std::string& suite);

}  // namespace vorntest
