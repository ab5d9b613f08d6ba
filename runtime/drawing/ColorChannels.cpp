// ColorChannels: number-to-channel conversion by exact modular arithmetic on doubles, so huge or
// negative values never hit an out-of-range float-to-integer cast.
#include "drawing/ColorChannels.h"

#include <cmath>

namespace drawing {

namespace {

// The truncated value modulo `modulus` (a power of two), in 0 to modulus - 1.
uint32_t LowBits(double value, double modulus)
{
    if (!std::isfinite(value))
        return 0;
    double rest = std::fmod(std::trunc(value), modulus); // exact, sign of value
    if (rest < 0)
        rest += modulus;
    return static_cast<uint32_t>(rest);
}

} // namespace

uint8_t ChannelFromNumber(double value)
{
    return static_cast<uint8_t>(LowBits(value, 256.0));
}

Color ColorFromNumbers(double red, double green, double blue)
{
    return Color { ChannelFromNumber(red), ChannelFromNumber(green), ChannelFromNumber(blue) };
}

// Bits 24 to 31 are ignored, so only the value modulo 2^24 matters.
Color ColorFromPacked(double rgb)
{
    const uint32_t v = LowBits(rgb, 16777216.0);
    return Color { static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v) };
}

} // namespace drawing
