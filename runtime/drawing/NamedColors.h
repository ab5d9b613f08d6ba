// NamedColors: the runtime's own named-colour constants (WHITE, GOLDENRODYELLOW, ...), usable by
// every module. They are constants: scripts see separate instances (drawing/ScriptColors.h), so
// a script that changes one of those never changes these.
#pragma once

#include "contracts/Color.h"
#include "drawing/NamedColorList.h"

namespace colors {

#define VORN_DEFINE_CONSTANT(name, red, green, blue) inline constexpr Color name { red, green, blue };
VORN_NAMED_COLORS(VORN_DEFINE_CONSTANT)
#undef VORN_DEFINE_CONSTANT

} // namespace colors
