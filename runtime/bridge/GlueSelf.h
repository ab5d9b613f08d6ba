// GlueSelf: the type check of `self` that the generated accessors and collectors lack. tolua++
// checks `self` of a method against its class, but a property accessor or a collector only casts
// argument 1; fetched from a class table (`Point[".set"].y(RED, 1)`, `Point[".collector"](RED)`)
// it would write into, or delete, an object of another class. cmake/GlueSelfChecks.cmake rewrites
// the generated glue so that every accessor and collector calls this check first.
#pragma once

#include <tolua++.h>

namespace bridge {

// True when argument 1 is an object of the registered type `type` or of a class derived from it,
// in its plain or const form. Raises nothing.
bool GlueSelfIs(lua_State* L, const char* type);

} // namespace bridge
