// ColorChannels: channels keep the low bits of the truncated number (bridge/Numbers.h).
#include "drawing/ColorChannels.h"

#include "bridge/Numbers.h"

namespace drawing {

uint8_t ChannelFromNumber(double value)
{
    return static_cast<uint8_t>(bridge::TruncateWrapped(value, 256.0));
}

Color ColorFromNumbers(double red, double green, double blue)
{
    return Color { ChannelFromNumber(red), ChannelFromNumber(green), ChannelFromNumber(blue) };
}

// Bits 24 to 31 are ignored, so only the value modulo 2^24 matters.
Color ColorFromPacked(double rgb)
{
    const uint32_t v = bridge::TruncateWrapped(rgb, 16777216.0);
    return Color { static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v) };
}

} // namespace drawing
