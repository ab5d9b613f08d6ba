// LuaLinearGradient: setting the two stops with the API's checks.
#include "drawing/LuaLinearGradient.h"

#include "bridge/Errors.h"
#include "geometry/LuaPoint.h"

LuaLinearGradient::LuaLinearGradient()
    : gradient_(new Vorn::LinearGradient(), this)
{
}

// The colour is checked where it stands among the arguments: 3 after (x, y), 2 after a point
// (self is argument 1, so the indices are one more).
void LuaLinearGradient::Begin(float x, float y, const Color* color, float alpha, lua_State* L)
{
    if (color == nullptr)
        bridge::RaiseExpected(L, "stop_point1", "Color", 4);
    gradient_->SetBegin({ x, y, *color, alpha });
}

void LuaLinearGradient::Begin(const LuaPoint* p, const Color* color, float alpha, lua_State* L)
{
    if (p == nullptr)
        bridge::RaiseExpected(L, "stop_point1", "Point", 2);
    if (color == nullptr)
        bridge::RaiseExpected(L, "stop_point1", "Color", 3);
    gradient_->SetBegin({ p->x, p->y, *color, alpha });
}

void LuaLinearGradient::End(float x, float y, const Color* color, float alpha, lua_State* L)
{
    if (color == nullptr)
        bridge::RaiseExpected(L, "stop_point2", "Color", 4);
    gradient_->SetEnd({ x, y, *color, alpha });
}

void LuaLinearGradient::End(const LuaPoint* p, const Color* color, float alpha, lua_State* L)
{
    if (p == nullptr)
        bridge::RaiseExpected(L, "stop_point2", "Point", 2);
    if (color == nullptr)
        bridge::RaiseExpected(L, "stop_point2", "Color", 3);
    gradient_->SetEnd({ p->x, p->y, *color, alpha });
}
