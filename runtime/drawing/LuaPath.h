// LuaPath: the path operations scripts share between Canvas and Clipper, applied through the
// wrapped object's IPath. Adds what the engine path lacks: Point forms with their nil messages,
// relative moves from the path's current point, and circles and squares as ellipses and
// rectangles. The forms taking lua_State raise Lua errors (no C++ object with a destructor is
// alive in their frames). Does not own the path; the derived wrapper does.
#pragma once

#include <Vorn/draw/IPath.h>

struct lua_State;
class LuaPoint;

class LuaPath {
public:
    explicit LuaPath(Vorn::IPath* path)
        : path_(path)
    {
    }
    virtual ~LuaPath() = default;
    LuaPath(const LuaPath&) = delete;
    LuaPath& operator=(const LuaPath&) = delete;

    void MoveTo(float x, float y) { path_->MoveTo(x, y); }
    void MoveTo(const LuaPoint* p, lua_State* L);
    void RelMoveTo(float dx, float dy);
    void RelMoveTo(const LuaPoint* p, lua_State* L);
    void LineTo(float x, float y) { path_->LineTo(x, y); }
    void LineTo(const LuaPoint* p, lua_State* L);
    void RelLineTo(float dx, float dy);
    void RelLineTo(const LuaPoint* p, lua_State* L);
    void ClosePath() { path_->ClosePath(); }
    // The end point comes first, then the handle(s): one handle a quadratic, two a cubic.
    void CurveTo(float x, float y, float h1x, float h1y, float h2x, float h2y)
    {
        path_->CurveTo(x, y, h1x, h1y, h2x, h2y);
    }
    void CurveTo(const LuaPoint* p, const LuaPoint* h1, const LuaPoint* h2, lua_State* L);
    void CurveTo(float x, float y, float hx, float hy) { path_->CurveTo(x, y, hx, hy); }
    void CurveTo(const LuaPoint* p, const LuaPoint* h, lua_State* L);
    void Circle(float radius);
    void Ellipse(float width, float height) { path_->Ellipse(width, height); }
    void Square(float side) { path_->Rectangle(side, side); }
    void Rectangle(float width, float height) { path_->Rectangle(width, height); }
    void Arc(float a, float b, float c, float d) { path_->Arc(a, b, c, d); }

protected:
    Vorn::IPath* path_;
};
