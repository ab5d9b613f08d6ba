// Color: three 8-bit channels, no alpha. The same record the engine library and the plugins use.
#pragma once

#include <cstddef>
#include <cstdint>

struct Color {
    uint8_t r;
    uint8_t g;
    uint8_t b;
};

static_assert(sizeof(Color) == 3);
static_assert(offsetof(Color, r) == 0);
static_assert(offsetof(Color, g) == 1);
static_assert(offsetof(Color, b) == 2);
