// LuaClipper: creation on the video plugin's interface (null without a video plugin).
#include "scene/LuaClipper.h"

#include "host/Plugins.h"

LuaClipper::LuaClipper()
    : LuaClipper(new Vorn::Clipper(host::Plugins().video))
{
}

// The wrapper takes the clipper's first reference and is its owner.
LuaClipper::LuaClipper(Vorn::Clipper* clipper)
    : LuaPath(clipper)
    , clipper_(clipper, this)
{
}

LuaClipper::~LuaClipper() = default;
