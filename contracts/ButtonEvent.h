// ButtonEvent: one press or release reported by the input plugin, in delivery order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct ButtonEvent {
    uint32_t code;   // key code (KEY_*, MBUTTON_*, JBUTTON_*, JDPAD_*)
    bool down;       // true: press; false: release
};

// The list the plugin fills; the caller passes it empty.
using ButtonEventList = std::vector<ButtonEvent>;

static_assert(sizeof(ButtonEvent) == 8);
static_assert(offsetof(ButtonEvent, code) == 0);
static_assert(offsetof(ButtonEvent, down) == 4);
