// Point: the engine's 2D point and vector, two floats. Angles: a vector of length r at angle a is
// (r·sin a, r·cos a), so angle 0 points along +y and positive angles turn clockwise (y up).
// Needs nothing but <cmath> in its implementation; the script-facing LuaPoint extends it.
#pragma once

namespace Vorn {

struct Point {
    float x = 0.0f;
    float y = 0.0f;

    Point() = default;
    Point(float x_, float y_)
        : x(x_)
        , y(y_)
    {
    }

    // Scales the vector to the given length; a zero vector has no direction and stays zero.
    void SetSize(float length);
    // Adds amount to the length, never below zero; a zero vector stays zero.
    void ChangeSize(float amount);
    // Quarter turns: counter-clockwise (x, y) -> (-y, x), clockwise (x, y) -> (y, -x).
    void ChangeRotation90CCW();
    void ChangeRotation90CW();
    // Turns the vector clockwise by the angle in radians, keeping its length.
    void ChangeRotationR(float radians);
    // Divides both coordinates; a zero divisor leaves the point unchanged (no infinities).
    void Divide(float divisor);
    // Shortens the vector to at most the given length (a negative maximum counts as 0).
    void Truncate(float maximum);
};

} // namespace Vorn
