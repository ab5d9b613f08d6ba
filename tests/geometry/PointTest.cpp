// Vorn::Point, the engine's vector: the operations whose arithmetic the engine decides (zero
// lengths, zero divisors, negative limits) and the rotation direction of the angle convention.
#include <Vorn/core/Point.h>
#include <cmath>
#include <gtest/gtest.h>

namespace {

void ExpectPoint(const Vorn::Point& p, float x, float y)
{
    EXPECT_NEAR(p.x, x, 1e-5f);
    EXPECT_NEAR(p.y, y, 1e-5f);
}

} // namespace

TEST(VornPoint, LengthChangesKeepTheDirectionAndLeaveZeroAlone)
{
    Vorn::Point p(3, 4);
    p.SetSize(10);
    ExpectPoint(p, 6, 8);
    p.ChangeSize(-5);
    ExpectPoint(p, 3, 4);
    p.ChangeSize(-7);
    ExpectPoint(p, 0, 0);
    Vorn::Point zero;
    zero.SetSize(5);
    zero.ChangeSize(5);
    ExpectPoint(zero, 0, 0);
}

TEST(VornPoint, RotationsTurnClockwiseForPositiveAngles)
{
    Vorn::Point up(0, 1);
    up.ChangeRotationR(static_cast<float>(M_PI / 2));
    ExpectPoint(up, 1, 0); // +y to +x is clockwise with y up
    up.ChangeRotationR(static_cast<float>(-M_PI));
    ExpectPoint(up, -1, 0);
    Vorn::Point q(2, 1);
    q.ChangeRotation90CW();
    ExpectPoint(q, 1, -2);
    q.ChangeRotation90CCW();
    ExpectPoint(q, 2, 1);
}

TEST(VornPoint, DivideByZeroAndNegativeLimitsAreDefined)
{
    Vorn::Point p(4, -2);
    p.Divide(0);
    ExpectPoint(p, 4, -2);
    p.Divide(2);
    ExpectPoint(p, 2, -1);
    p.Truncate(-3);
    ExpectPoint(p, 0, 0);
    Vorn::Point far(30, 40);
    far.Truncate(5);
    ExpectPoint(far, 3, 4);
    far.Truncate(100);
    ExpectPoint(far, 3, 4);
}
