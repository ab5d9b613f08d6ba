// WindowSize: the outer size of the game window for a display mode: a windowed mode's client
// area is the mode's size inside the sizing frame and caption; full screen is the mode's size.
#pragma once

#include "contracts/DisplayMode.h"

namespace display {

struct WindowSize {
    int width;
    int height;
};

// The outer size for `mode`, from the window layer's frame metrics. Sizes too large for an int
// are capped (the layer clamps them further).
WindowSize OuterSize(const DisplayMode& mode);

} // namespace display
