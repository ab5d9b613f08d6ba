// XServer: a private Xvfb for one test program. Started before the first test (the server picks a
// free display number itself and reports it through -displayfd, so parallel runs never collide),
// exported as DISPLAY for SDL and xdotool, and stopped after the last test.
#pragma once

#include <sys/types.h>

#include <string>

#include <gtest/gtest.h>

class XServer : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

    // Runs an xdotool command line against the server; true when it exits 0.
    static bool XdoTool(const std::string& arguments);

private:
    pid_t pid_ = -1;
};
