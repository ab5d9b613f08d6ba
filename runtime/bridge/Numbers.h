// Numbers: the two ways a script's number becomes an integer field. Both truncate toward zero and
// are defined for every double (NaN and infinities included), so nothing a script passes can
// reach an undefined float-to-integer conversion.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace bridge {

// Truncated toward zero and saturated at Int's range; NaN gives 0.
template <typename Int> Int Truncate(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double high = static_cast<double>(std::numeric_limits<Int>::max());
    if (value <= low)
        return std::numeric_limits<Int>::min();
    if (value >= high)
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(std::trunc(value));
}

// Truncated toward zero, then taken modulo `modulus` (a power of two, 2^32 unless given), in 0 to
// modulus - 1: the low bits of the integer, as a store into a narrower unsigned field keeps them.
// NaN and infinities give 0. Exact: fmod of an integer-valued double is exact.
inline uint32_t TruncateWrapped(double value, double modulus = 4294967296.0)
{
    if (!std::isfinite(value))
        return 0;
    double rest = std::fmod(std::trunc(value), modulus);
    if (rest < 0)
        rest += modulus;
    return static_cast<uint32_t>(rest);
}

} // namespace bridge
