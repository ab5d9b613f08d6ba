// ScriptColors: the script-visible instances, initialised from the runtime's constants.
#include "drawing/ScriptColors.h"

#include "drawing/NamedColors.h"

namespace drawing::script_colors {

#define VORN_DEFINE_INSTANCE(name, red, green, blue) Color name = colors::name;
VORN_NAMED_COLORS(VORN_DEFINE_INSTANCE)
#undef VORN_DEFINE_INSTANCE

} // namespace drawing::script_colors
