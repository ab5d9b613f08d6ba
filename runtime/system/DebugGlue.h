// DebugGlue: what the debug package's generated glue includes: the value of DEBUG and the three
// global functions.
#pragma once

#include "system/OpenUrl.h"
#include "system/PointArrays.h"

// The global DEBUG: this runtime always has its debugging helpers.
enum : int { kDebug = 1 };
