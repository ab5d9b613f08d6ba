// ScriptFixture: a small script state for tests of one package: standard libraries, the tolua++
// runtime, the package, an error handler at stack index 1 that records what it is given, and
// ScriptState pointing at it. Scripts run through Run(); the handler's messages land in errors.
#pragma once

#include <string>
#include <vector>

#include <lua.hpp>

#include <gtest/gtest.h>

class ScriptFixture : public ::testing::Test {
public:
    // Every message the handler was given, in order (script errors and failed callbacks alike).
    static std::vector<std::string> errors;

protected:
    using PackageOpen = int (*)(lua_State*);

    // Creates the state with the package registered; call first in SetUp.
    void OpenWith(PackageOpen open);
    // Closes the state (collecting what Lua owns) and clears ScriptState.
    void TearDown() override;

    // Runs a chunk in protected mode with the handler; true when it raised no error.
    bool Run(const char* code);
    // Runs a chunk that must fail and returns the message it raised ("" when it did not fail).
    std::string ErrorOf(const char* code);

    double Number(const char* global);
    bool Boolean(const char* global);

    lua_State* L = nullptr;
};
