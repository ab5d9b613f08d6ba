// PointGlue: the hand-written pieces of the Point package, included only by its generated glue.
// The constructors go through GlueNewLuaPoint so the copy form can refuse nil before allocating,
// and `==` is written by hand because the generator cannot pass the lua_State to an operator.
#pragma once

#include "bridge/Errors.h"
#include "bridge/GlueNew.h"
#include "geometry/LuaPoint.h"

inline LuaPoint* GlueNewLuaPoint()
{
    return new LuaPoint();
}

inline LuaPoint* GlueNewLuaPoint(float x, float y)
{
    return new LuaPoint(x, y);
}

// Point(p): nil raises before anything is allocated.
inline LuaPoint* GlueNewLuaPoint(const LuaPoint* src, lua_State* L)
{
    if (src == nullptr)
        bridge::RaiseMessage(L, "Copy Point: invalid src.");
    return new LuaPoint(*src);
}

// `==` (the ".eq" member): true only for the very same object; coordinates are not compared.
#define TOLUA_DISABLE_tolua_point_Point__eq00
static int tolua_point_Point__eq00(lua_State* L)
{
    tolua_Error err;
    if (!tolua_isusertype(L, 1, "const LuaPoint", 0, &err)
        || !tolua_isusertype(L, 2, "const LuaPoint", 0, &err) || !tolua_isnoobj(L, 3, &err))
        bridge::RaiseArgumentError(L, ".eq", &err);
    const auto* self = static_cast<const LuaPoint*>(tolua_tousertype(L, 1, nullptr));
    if (self == nullptr)
        bridge::RaiseInvalidSelf(L, "operator==");
    const auto* other = static_cast<const LuaPoint*>(tolua_tousertype(L, 2, nullptr));
    if (other == nullptr)
        bridge::RaiseMessage(L, "eq: invalid right-hand value.");
    lua_pushboolean(L, self == other);
    return 1;
}
