// Affine: composition, inversion and the scale a transform gives.
#include "Vorn/core/Affine.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

Affine Affine::Compose(Point position, float radians, Point shear, Point scale)
{
    const float cosine = std::cos(radians);
    const float sine = std::sin(radians);
    // Shear then scale first: [[sx, hx·sy], [hy·sx, sy]]; the clockwise turn [[cos, sin], [-sin, cos]].
    const float m00 = scale.x;
    const float m01 = shear.x * scale.y;
    const float m10 = shear.y * scale.x;
    const float m11 = scale.y;
    Affine result;
    result.a = cosine * m00 + sine * m10;
    result.c = cosine * m01 + sine * m11;
    result.b = -sine * m00 + cosine * m10;
    result.d = -sine * m01 + cosine * m11;
    result.tx = position.x;
    result.ty = position.y;
    return result;
}

Affine Affine::operator*(const Affine& inner) const
{
    Affine result;
    result.a = a * inner.a + c * inner.b;
    result.b = b * inner.a + d * inner.b;
    result.c = a * inner.c + c * inner.d;
    result.d = b * inner.c + d * inner.d;
    result.tx = a * inner.tx + c * inner.ty + tx;
    result.ty = b * inner.tx + d * inner.ty + ty;
    return result;
}

bool Affine::Invert(Affine& out) const
{
    const double det = static_cast<double>(a) * d - static_cast<double>(b) * c;
    if (!std::isfinite(det) || std::fabs(det) < 1e-12)
        return false;
    const double inv = 1.0 / det;
    Affine result;
    result.a = static_cast<float>(d * inv);
    result.b = static_cast<float>(-b * inv);
    result.c = static_cast<float>(-c * inv);
    result.d = static_cast<float>(a * inv);
    result.tx = static_cast<float>((static_cast<double>(c) * ty - static_cast<double>(d) * tx) * inv);
    result.ty = static_cast<float>((static_cast<double>(b) * tx - static_cast<double>(a) * ty) * inv);
    out = result;
    return true;
}

float Affine::LargestScale() const
{
    return std::max(std::hypot(a, b), std::hypot(c, d));
}

} // namespace Vorn
