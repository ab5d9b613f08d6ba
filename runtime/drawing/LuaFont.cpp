// LuaFont: creation on the video plugin's interface (null without a video plugin).
#include "drawing/LuaFont.h"

#include "host/Plugins.h"

// The wrapper takes the font's first reference and is its owner.
LuaFont::LuaFont()
    : font_(new Vorn::Font(host::Plugins().video), this)
{
}
