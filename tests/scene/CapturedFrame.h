// CapturedFrame: what a scene script shows, as the video plugin presented it. The script runs in
// a 320x240 window on a private Xvfb with the SDL plugins; frame 3 is captured and read back, and
// pixels are looked up in display coordinates (centred, y up) as the scene places things.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "XSession.h"

namespace scenetest {

struct Rgb {
    int r, g, b;
};

class CapturedFrame {
public:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;

    // Runs `scene` after the window exists; an empty frame with `error` set when anything failed.
    static CapturedFrame Of(const vorntest::XServer& server, const std::string& scene);

    // The pixel whose centre is nearest the display point (x, y).
    Rgb At(float x, float y) const;
    bool Empty() const { return pixels_.empty(); }

    std::string error;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<unsigned char> pixels_; // RGB rows, top first
};

// Whether each channel is within `tolerance` of the expected one; prints both otherwise.
::testing::AssertionResult Near(const Rgb& actual, const Rgb& expected, int tolerance = 4);

} // namespace scenetest
