// ScriptFixture: the in-process unit tests' stand-in for the host's script start-up. It builds the
// Lua state the way the host does (collector stopped, standard libraries, tolua, every package in
// the table, collector restarted, an error handler at stack index 1, ScriptState set) and runs
// chunks on it; the handler records what reached it. Script suites run through the binary instead
// (LuaSuite.h).
#pragma once

#include <gtest/gtest.h>
#include <lua.hpp>
#include <string>
#include <vector>

class ScriptFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs a chunk of Lua; returns "" or the error text.
    std::string Run(const char* chunk);
    // A global read as a number.
    double Number(const char* global);
    // A global read as a boolean.
    bool Boolean(const char* global);
    // Closes the state now (collecting every Lua-owned object), as the host's finalisation does.
    void CloseState();

    lua_State* L = nullptr;
    // Every message that reached the error handler, in order.
    std::vector<std::string> handled;

private:
    static int ErrorHandler(lua_State* L);
};
