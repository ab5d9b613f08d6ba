// LuaPath: the Point forms, relative moves and circles.
#include "drawing/LuaPath.h"

#include "bridge/Errors.h"
#include "geometry/LuaPoint.h"

void LuaPath::MoveTo(const LuaPoint* p, lua_State* L)
{
    if (p == nullptr)
        bridge::RaiseMessage(L, "move_to: invalid position.");
    path_->MoveTo(p->x, p->y);
}

// Relative forms read the pen from the engine path each time: nothing is cached here.
void LuaPath::RelMoveTo(float dx, float dy)
{
    path_->MoveTo(path_->current.x + dx, path_->current.y + dy);
}

void LuaPath::RelMoveTo(const LuaPoint* p, lua_State* L)
{
    if (p == nullptr)
        bridge::RaiseMessage(L, "rel_move_to: invalid position.");
    RelMoveTo(p->x, p->y);
}

void LuaPath::LineTo(const LuaPoint* p, lua_State* L)
{
    if (p == nullptr)
        bridge::RaiseMessage(L, "line_to: invalid position.");
    path_->LineTo(p->x, p->y);
}

void LuaPath::RelLineTo(float dx, float dy)
{
    path_->LineTo(path_->current.x + dx, path_->current.y + dy);
}

void LuaPath::RelLineTo(const LuaPoint* p, lua_State* L)
{
    if (p == nullptr)
        bridge::RaiseMessage(L, "rel_line_to: invalid position.");
    RelLineTo(p->x, p->y);
}

void LuaPath::CurveTo(const LuaPoint* p, const LuaPoint* h1, const LuaPoint* h2, lua_State* L)
{
    if (p == nullptr)
        bridge::RaiseMessage(L, "curve_to: invalild position.");
    if (h1 == nullptr)
        bridge::RaiseMessage(L, "curve_to: invalid first handle.");
    if (h2 == nullptr)
        bridge::RaiseMessage(L, "curve_to: invalid second handle.");
    path_->CurveTo(p->x, p->y, h1->x, h1->y, h2->x, h2->y);
}

void LuaPath::CurveTo(const LuaPoint* p, const LuaPoint* h, lua_State* L)
{
    if (p == nullptr)
        bridge::RaiseMessage(L, "curve_to: invalild position.");
    if (h == nullptr)
        bridge::RaiseMessage(L, "curve_to: invalid handle.");
    path_->CurveTo(p->x, p->y, h->x, h->y);
}

void LuaPath::Circle(float radius)
{
    const float diameter = 2.0f * radius;
    path_->Ellipse(diameter, diameter);
}
