// DisplayMode: a resolution record read and filled by the video plugin.
#pragma once

#include <cstddef>
#include <cstdint>

struct DisplayMode {
    uint32_t width;     // pixels
    uint32_t height;    // pixels
    uint32_t depth;     // bits per pixel
    bool windowed;      // true: a window whose client area is width x height; false: full screen
    uint8_t pad[3];
    uint32_t refresh;   // Hz
};

using ModeEnumCallback = void (*)(const DisplayMode* mode, void* context);

static_assert(sizeof(DisplayMode) == 20);
static_assert(offsetof(DisplayMode, width) == 0);
static_assert(offsetof(DisplayMode, height) == 4);
static_assert(offsetof(DisplayMode, depth) == 8);
static_assert(offsetof(DisplayMode, windowed) == 12);
static_assert(sizeof(bool) == 1);
static_assert(offsetof(DisplayMode, refresh) == 16);
