// ScriptFixture: a test-only stand-in for the host's script start-up. It builds the Lua state the
// way the host does (collector stopped, standard libraries, tolua, every package in the table,
// collector restarted, an error handler at stack index 1, ScriptState set) and runs Lua test
// files from the source tree, which print their failures and raise when any check failed.
#pragma once

#include <gtest/gtest.h>
#include <lua.hpp>
#include <string>
#include <vector>

class ScriptFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs a Lua file given relative to the source tree; returns "" or the error text.
    std::string RunFile(const char* relativePath);
    // Runs a chunk of Lua; returns "" or the error text.
    std::string Run(const char* chunk);
    // A global read as a number / as a boolean.
    double Number(const char* global);
    bool Boolean(const char* global);
    // Closes the state now (collecting every Lua-owned object), as the host's finalisation does.
    void CloseState();

    lua_State* L = nullptr;
    // Every message that reached the error handler, in order.
    std::vector<std::string> handled;

private:
    std::string Call(int loadStatus);
    static int ErrorHandler(lua_State* L);
};
