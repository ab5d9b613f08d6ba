// PointArrays: stroke and fill. The lists one call needs live in one C++ frame (Run) that reaches
// Lua only through protected calls: reading the points (which may run __index metamethods or hit
// a value that cannot be indexed) and writing the result both happen inside lua_pcall, and an
// error they leave is raised only after that frame, and its lists, are gone.
#include "system/PointArrays.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

#include <Vorn/geometry/Fill.h>
#include <Vorn/geometry/Stroke.h>

#include "bridge/Errors.h"
#include "geometry/LuaPoint.h"

namespace {

// What tells stroke and fill apart: names, argument numbers and texts.
struct ArrayRules {
    const char* name;
    int outArgument;
    const char* pointsNil;
    const char* outNil;
    const char* nilEntry; // null: nil entries are skipped
    const char* noX;
    const char* noY;
    bool fill;
};

constexpr ArrayRules kStroke { "stroke", 3, "stroke: invalid argument #1, object expected, got nil",
    "stroke: invalid argument #3, object expected, got nil", nullptr,
    "Invalid argument in the array: no x-member", "Invalid argument in the array: no y-member", false };
constexpr ArrayRules kFill { "fill", 2, "fill: invalid argument #1, object expected, got nil",
    "fill: invalid argument #2, object expected, got nil",
    "fill: Invalid value in the array, table expected, got nil",
    "fill: Invalid argument in the array: no x-member", "fill: Invalid argument in the array: no y-member",
    true };

using PointList = std::vector<Vorn::Point>;

enum class Outcome { Error, False, True };

// Raises `text` with the script's position in front, from a function run by a protected call of
// the bound function: level 0 is that function, 1 the bound one, 2 the script that called it.
[[noreturn]] void RaiseAtScript(lua_State* L, const char* text)
{
    luaL_where(L, 2);
    lua_pushstring(L, text);
    lua_concat(L, 2);
    lua_error(L);
    std::abort(); // not reached: lua_error always raises
}

// A script number as a 32-bit float; beyond the float range it becomes an infinity (which the
// engine refuses) instead of an undefined conversion.
float ToFloat(double value)
{
    if (value > FLT_MAX)
        return INFINITY;
    if (value < -FLT_MAX)
        return -INFINITY;
    return static_cast<float>(value);
}

bool Append(PointList& list, const Vorn::Point& point) noexcept
{
    try {
        list.push_back(point);
        return true;
    } catch (...) {
        return false;
    }
}

// Protected: reads the array (argument 1) by the rules (argument 2) into the list (argument 3).
// The length is read again at every step, as a metamethod may change the array.
int ReadPoints(lua_State* L)
{
    const auto& rules = *static_cast<const ArrayRules*>(lua_touserdata(L, 2));
    auto& list = *static_cast<PointList*>(lua_touserdata(L, 3));
    for (size_t i = 1; i <= lua_objlen(L, 1); ++i) {
        lua_pushinteger(L, static_cast<lua_Integer>(i));
        lua_gettable(L, 1);
        if (lua_isnil(L, -1)) {
            if (rules.nilEntry != nullptr)
                RaiseAtScript(L, rules.nilEntry);
            lua_pop(L, 1);
            continue;
        }
        lua_getfield(L, -1, "x");
        if (!lua_isnumber(L, -1))
            RaiseAtScript(L, rules.noX);
        lua_getfield(L, -2, "y");
        if (!lua_isnumber(L, -1))
            RaiseAtScript(L, rules.noY);
        const Vorn::Point point(ToFloat(lua_tonumber(L, -2)), ToFloat(lua_tonumber(L, -1)));
        lua_pop(L, 3);
        if (!Append(list, point))
            RaiseAtScript(L, "not enough memory");
    }
    return 0;
}

// Protected: stores each point of the list (argument 2) as a new Lua-owned Point at out[k]
// (argument 1), k from 1; entries of out past the last are left alone.
int WritePoints(lua_State* L)
{
    const auto& list = *static_cast<const PointList*>(lua_touserdata(L, 2));
    for (size_t k = 0; k < list.size(); ++k) {
        lua_pushinteger(L, static_cast<lua_Integer>(k + 1));
        auto* point = new (std::nothrow) LuaPoint(list[k].x, list[k].y);
        if (point == nullptr)
            RaiseAtScript(L, "not enough memory");
        tolua_pushusertype_and_takeownership(L, point, "LuaPoint");
        lua_settable(L, 1);
    }
    return 0;
}

// The frame that owns the lists. Expects WritePoints, out, ReadPoints, points and the rules on the
// stack; leaves the error on the stack for Outcome::Error.
Outcome Run(lua_State* L, const ArrayRules& rules, float width) noexcept
{
    PointList in;
    PointList out;
    lua_pushlightuserdata(L, &in);
    if (lua_pcall(L, 3, 0, 0) != 0)
        return Outcome::Error;
    const int count = static_cast<int>(in.size());
    const bool made
        = rules.fill ? Vorn::Fill(in.data(), count, out) : Vorn::Stroke(in.data(), count, width, out);
    if (!made) {
        lua_pop(L, 2); // WritePoints and out: out stays untouched
        return Outcome::False;
    }
    lua_pushlightuserdata(L, &out);
    if (lua_pcall(L, 2, 0, 0) != 0)
        return Outcome::Error;
    return Outcome::True;
}

// An argument that is present and not nil must be a table: anything else is never indexed.
void CheckTable(lua_State* L, const ArrayRules& rules, lua_Object value, int argument)
{
    if (value == 0 || lua_isnil(L, value) || lua_istable(L, value))
        return;
    tolua_Error err { argument, 0, "table" };
    bridge::RaiseArgumentError(L, rules.name, &err);
}

bool RunArrays(lua_State* L, const ArrayRules& rules, lua_Object points, lua_Object out, float width)
{
    if (points == 0 || lua_isnil(L, points))
        bridge::RaiseMessage(L, rules.pointsNil);
    if (out == 0 || lua_isnil(L, out))
        bridge::RaiseMessage(L, rules.outNil);
    CheckTable(L, rules, points, 1);
    CheckTable(L, rules, out, rules.outArgument);

    luaL_checkstack(L, 6, rules.name);
    lua_pushcfunction(L, WritePoints);
    lua_pushvalue(L, out);
    lua_pushcfunction(L, ReadPoints);
    lua_pushvalue(L, points);
    lua_pushlightuserdata(L, const_cast<ArrayRules*>(&rules));
    const Outcome outcome = Run(L, rules, width);
    if (outcome == Outcome::Error)
        lua_error(L);
    return outcome == Outcome::True;
}

} // namespace

bool stroke(lua_Object points, float width, lua_Object out, lua_State* L)
{
    return RunArrays(L, kStroke, points, out, width);
}

bool fill(lua_Object points, lua_Object out, lua_State* L)
{
    return RunArrays(L, kFill, points, out, 0.0f);
}
