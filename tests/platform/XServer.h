// XServer: a private Xvfb for one test program (the harness's, see tests/support/XSession.h),
// exported as DISPLAY for SDL and xdotool before the first test and stopped after the last.
#pragma once

#include <string>

#include <gtest/gtest.h>

class XServer : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

    // Runs an xdotool command line against the server; true when it exits 0.
    static bool XdoTool(const std::string& arguments);
};
