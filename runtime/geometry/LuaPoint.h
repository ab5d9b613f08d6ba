// LuaPoint: the script API's Point, the engine's Vorn::Point extended by methods only (same
// layout). Formulas run in double on the float fields; results are stored and returned as float.
// The forms taking `const LuaPoint*` and lua_State are the script-facing ones: a nil point raises
// the API's message there (no C++ object with a destructor is alive in those frames).
#pragma once

#include <Vorn/core/Point.h>

struct lua_State;

class LuaPoint : public Vorn::Point {
public:
    LuaPoint() = default;
    LuaPoint(float x_, float y_)
        : Vorn::Point(x_, y_)
    {
    }

    float GetSize() const;
    float GetSizeSquared() const;
    bool IsZero() const;
    bool IsNonZero() const { return !IsZero(); }
    void SetZero();
    // Angle in degrees (0 to 360) and radians (0 to 2·pi); 0 points along +y.
    float GetRotation() const;
    float GetRotationR() const;
    // Keep the length, point the vector at the angle.
    void SetRotation(float degrees);
    void SetRotationR(float radians);
    void ChangeRotation180();
    // Turns clockwise by degrees (through the engine's ChangeRotationR).
    void ChangeRotation(float degrees);
    // Ignore the current value: the vector of `length` at the angle.
    void SetRotationSize(float degrees, float length);
    void SetRotationRSize(float radians, float length);
    void Normalize();
    void Multiply(float factor);

    void Add(float px, float py);
    void Add(const LuaPoint* p, lua_State* L);
    void Subtract(float px, float py);
    void Subtract(const LuaPoint* p, lua_State* L);
    void Assign(float px, float py);
    void Assign(const LuaPoint* p, lua_State* L);
    float Dot(float px, float py) const;
    float Dot(const LuaPoint* p, lua_State* L) const;
    float Per(float px, float py) const;
    float Per(const LuaPoint* p, lua_State* L) const;
    float Distance(float px, float py) const;
    float Distance(const LuaPoint* p, lua_State* L) const;
    float DistanceSquared(float px, float py) const;
    float DistanceSquared(const LuaPoint* p, lua_State* L) const;
    // Angle of the vector from this point to (px, py), degrees and radians.
    float Direction(float px, float py) const;
    float Direction(const LuaPoint* p, lua_State* L) const;
    float DirectionR(float px, float py) const;
    float DirectionR(const LuaPoint* p, lua_State* L) const;
};

static_assert(sizeof(LuaPoint) == sizeof(Vorn::Point));
