// Point: length and rotation operations of the engine's 2D vector, computed in double and
// stored back as float.
#include "Vorn/core/Point.h"

#include <cmath>

namespace Vorn {

namespace {

double Length(const Point& p)
{
    return std::hypot(static_cast<double>(p.x), static_cast<double>(p.y));
}

void Scale(Point& p, double factor)
{
    p.x = static_cast<float>(p.x * factor);
    p.y = static_cast<float>(p.y * factor);
}

} // namespace

void Point::SetSize(float length)
{
    const double r = Length(*this);
    if (r > 0.0)
        Scale(*this, length / r);
}

void Point::ChangeSize(float amount)
{
    const double r = Length(*this);
    if (r > 0.0)
        Scale(*this, std::fmax(r + amount, 0.0) / r);
}

void Point::ChangeRotation90CCW()
{
    const float oldX = x;
    x = -y;
    y = oldX;
}

void Point::ChangeRotation90CW()
{
    const float oldX = x;
    x = y;
    y = -oldX;
}

// Clockwise by a: angle t becomes t + a, so (r·sin(t+a), r·cos(t+a)) expands to the lines below.
void Point::ChangeRotationR(float radians)
{
    const double c = std::cos(static_cast<double>(radians));
    const double s = std::sin(static_cast<double>(radians));
    const double oldX = x;
    const double oldY = y;
    x = static_cast<float>(oldX * c + oldY * s);
    y = static_cast<float>(oldY * c - oldX * s);
}

void Point::Divide(float divisor)
{
    if (divisor == 0.0f)
        return;
    x = static_cast<float>(static_cast<double>(x) / divisor);
    y = static_cast<float>(static_cast<double>(y) / divisor);
}

void Point::Truncate(float maximum)
{
    const double limit = std::fmax(static_cast<double>(maximum), 0.0);
    const double r = Length(*this);
    if (r > limit)
        Scale(*this, limit / r);
}

} // namespace Vorn
