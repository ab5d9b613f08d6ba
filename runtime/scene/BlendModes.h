// BlendModes: the script API's blend-mode constants. The engine draws a node's `blending` with the
// video plugin's blend of the same number; any other value draws as BM_NONE.
#pragma once

#include "contracts/IVideo.h"

enum BlendMode {
    BM_NONE = 0, // normal alpha blending
    BM_SELECT = 1, // replaces what is below
    BM_MODULATE = 2, // multiplies what is below
    BM_ADD = 3, // adds to what is below
    BM_SUBTRACT = 4, // subtracts from what is below
};

static_assert(BM_NONE == kVideoBlendNormal && BM_SELECT == kVideoBlendSelect
    && BM_MODULATE == kVideoBlendModulate && BM_ADD == kVideoBlendAdd && BM_SUBTRACT == kVideoBlendSubtract);
