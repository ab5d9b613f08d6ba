// ScriptColors: the named colours as scripts see them, one mutable Color per name, exposed by
// reference as read-only globals (a script may change their channels). Only the colour package
// uses these; the rest of the runtime uses the constants in drawing/NamedColors.h.
#pragma once

#include "contracts/Color.h"
#include "drawing/NamedColorList.h"

namespace drawing::script_colors {

#define VORN_DECLARE_INSTANCE(name, red, green, blue) extern Color name;
VORN_NAMED_COLORS(VORN_DECLARE_INSTANCE)
#undef VORN_DECLARE_INSTANCE

} // namespace drawing::script_colors
