// Truncate: script numbers to integers, truncated toward zero and saturated at the target's
// range (NaN gives 0), so that no conversion a script can provoke is undefined.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace input {

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

// A key code from a script's number: truncated toward zero, then taken modulo 2^32 as the
// unsigned code the plugin gets (-1 asks about 4294967295); no range check on the code itself.
inline uint32_t KeyCodeFrom(double value)
{
    return static_cast<uint32_t>(Truncate<int64_t>(value));
}

} // namespace input
