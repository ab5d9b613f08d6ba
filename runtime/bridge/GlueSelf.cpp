// GlueSelf: see GlueSelf.h. Needs the tolua++ runtime's type registry.
#include "bridge/GlueSelf.h"

#include <cstdio>

namespace bridge {

bool GlueSelfIs(lua_State* L, const char* type)
{
    tolua_Error err;
    if (tolua_isusertype(L, 1, type, 0, &err))
        return true;
    // tolua registers every class twice; an object pushed as "const X" is an X as well.
    char constType[160];
    std::snprintf(constType, sizeof constType, "const %s", type);
    return tolua_isusertype(L, 1, constType, 0, &err);
}

} // namespace bridge
