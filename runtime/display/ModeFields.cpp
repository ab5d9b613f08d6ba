// ModeFields: exact modular arithmetic on doubles (fmod of an integer value is exact).
#include "display/ModeFields.h"

#include <cmath>

namespace display {

uint32_t ModeField(double value)
{
    constexpr double kModulus = 4294967296.0;
    if (!std::isfinite(value))
        return 0;
    double rest = std::fmod(std::trunc(value), kModulus);
    if (rest < 0)
        rest += kModulus;
    return static_cast<uint32_t>(rest);
}

} // namespace display
