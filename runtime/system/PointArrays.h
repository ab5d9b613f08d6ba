// PointArrays: the script functions stroke and fill, which run a script's array of points through
// the engine's Stroke and Fill and store the triangles' corners back as new Points. Needs the
// framework's geometry and the Point class (registered before any script runs).
#pragma once

#include <tolua++.h>

// stroke(points, width, out): `points` and `out` are stack indices, 0 when the argument is
// missing. Nil entries of points are skipped. True when out was filled from index 1 on.
bool stroke(lua_Object points, float width, lua_Object out, lua_State* L);
// fill(points, out): as stroke, without a width; a nil entry of points is an error.
bool fill(lua_Object points, lua_Object out, lua_State* L);
