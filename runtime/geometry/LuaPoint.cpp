// LuaPoint: the Point formulas, in double on the float fields; results are floats. Angles use the
// float constants (degrees per radian, radians per degree, pi) and a float arc tangent, so the
// range ends come out exactly: (0, 1) and (0, 0) have angle 0, (1, 0) has 90.
#include "geometry/LuaPoint.h"

#include <cmath>

#include "bridge/Errors.h"

namespace {

constexpr float kDegreesPerRadian = 57.29578f;
constexpr float kRadiansPerDegree = 0.017453292f;
constexpr float kPi = 3.1415927f;
constexpr float kZeroTolerance = 0.001f;

// Every Point-taking method reports a nil point with this one text.
constexpr const char* kInvalidPoint = "add: invalid point.";

const LuaPoint& Required(const LuaPoint* p, lua_State* L)
{
    if (p == nullptr)
        bridge::RaiseMessage(L, kInvalidPoint);
    return *p;
}

// atan2(-dx, -dy) + pi: 0 along +y, growing clockwise, in 0 to 2·pi.
double AngleR(double dx, double dy)
{
    const float a = std::atan2(static_cast<float>(-dx), static_cast<float>(-dy));
    return static_cast<double>(a) + kPi;
}

double Length(double x, double y)
{
    return std::sqrt(x * x + y * y);
}

void SetPolar(Vorn::Point& p, double radians, double length)
{
    p.x = static_cast<float>(length * std::sin(radians));
    p.y = static_cast<float>(length * std::cos(radians));
}

} // namespace

float LuaPoint::GetSize() const
{
    return static_cast<float>(Length(x, y));
}

float LuaPoint::GetSizeSquared() const
{
    return static_cast<float>(static_cast<double>(x) * x + static_cast<double>(y) * y);
}

bool LuaPoint::IsZero() const
{
    return std::fabs(x) <= kZeroTolerance && std::fabs(y) <= kZeroTolerance;
}

void LuaPoint::SetZero()
{
    x = 0.0f;
    y = 0.0f;
}

float LuaPoint::GetRotation() const
{
    return static_cast<float>(AngleR(x, y) * kDegreesPerRadian);
}

float LuaPoint::GetRotationR() const
{
    return static_cast<float>(AngleR(x, y));
}

void LuaPoint::SetRotation(float degrees)
{
    SetPolar(*this, static_cast<double>(degrees) * kRadiansPerDegree, Length(x, y));
}

void LuaPoint::SetRotationR(float radians)
{
    SetPolar(*this, radians, Length(x, y));
}

void LuaPoint::ChangeRotation180()
{
    x = -x;
    y = -y;
}

void LuaPoint::ChangeRotation(float degrees)
{
    ChangeRotationR(static_cast<float>(static_cast<double>(degrees) * kRadiansPerDegree));
}

void LuaPoint::SetRotationSize(float degrees, float length)
{
    SetPolar(*this, static_cast<double>(degrees) * kRadiansPerDegree, length);
}

void LuaPoint::SetRotationRSize(float radians, float length)
{
    SetPolar(*this, radians, length);
}

void LuaPoint::Normalize()
{
    Divide(static_cast<float>(Length(x, y)));
}

void LuaPoint::Multiply(float factor)
{
    x = static_cast<float>(static_cast<double>(factor) * x);
    y = static_cast<float>(static_cast<double>(factor) * y);
}

void LuaPoint::Add(float px, float py)
{
    x = static_cast<float>(static_cast<double>(x) + px);
    y = static_cast<float>(static_cast<double>(y) + py);
}

void LuaPoint::Add(const LuaPoint* p, lua_State* L)
{
    const LuaPoint& q = Required(p, L);
    Add(q.x, q.y);
}

void LuaPoint::Subtract(float px, float py)
{
    x = static_cast<float>(static_cast<double>(x) - px);
    y = static_cast<float>(static_cast<double>(y) - py);
}

void LuaPoint::Subtract(const LuaPoint* p, lua_State* L)
{
    const LuaPoint& q = Required(p, L);
    Subtract(q.x, q.y);
}

void LuaPoint::Assign(float px, float py)
{
    x = px;
    y = py;
}

void LuaPoint::Assign(const LuaPoint* p, lua_State* L)
{
    const LuaPoint& q = Required(p, L);
    Assign(q.x, q.y);
}

float LuaPoint::Dot(float px, float py) const
{
    return static_cast<float>(static_cast<double>(x) * px + static_cast<double>(y) * py);
}

float LuaPoint::Dot(const LuaPoint* p, lua_State* L) const
{
    const LuaPoint& q = Required(p, L);
    return Dot(q.x, q.y);
}

float LuaPoint::Per(float px, float py) const
{
    return static_cast<float>(static_cast<double>(x) * py - static_cast<double>(y) * px);
}

float LuaPoint::Per(const LuaPoint* p, lua_State* L) const
{
    const LuaPoint& q = Required(p, L);
    return Per(q.x, q.y);
}

float LuaPoint::Distance(float px, float py) const
{
    return static_cast<float>(Length(static_cast<double>(x) - px, static_cast<double>(y) - py));
}

float LuaPoint::Distance(const LuaPoint* p, lua_State* L) const
{
    const LuaPoint& q = Required(p, L);
    return Distance(q.x, q.y);
}

float LuaPoint::DistanceSquared(float px, float py) const
{
    const double dx = static_cast<double>(x) - px;
    const double dy = static_cast<double>(y) - py;
    return static_cast<float>(dx * dx + dy * dy);
}

float LuaPoint::DistanceSquared(const LuaPoint* p, lua_State* L) const
{
    const LuaPoint& q = Required(p, L);
    return DistanceSquared(q.x, q.y);
}

float LuaPoint::Direction(float px, float py) const
{
    return static_cast<float>(
        AngleR(static_cast<double>(px) - x, static_cast<double>(py) - y) * kDegreesPerRadian);
}

float LuaPoint::Direction(const LuaPoint* p, lua_State* L) const
{
    const LuaPoint& q = Required(p, L);
    return Direction(q.x, q.y);
}

float LuaPoint::DirectionR(float px, float py) const
{
    return static_cast<float>(AngleR(static_cast<double>(px) - x, static_cast<double>(py) - y));
}

float LuaPoint::DirectionR(const LuaPoint* p, lua_State* L) const
{
    const LuaPoint& q = Required(p, L);
    return DirectionR(q.x, q.y);
}
