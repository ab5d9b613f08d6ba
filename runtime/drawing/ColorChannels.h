// ColorChannels: how Lua numbers become colour channels. A number is truncated toward zero and
// its low 8 bits kept (256 -> 0, 300 -> 44, -1 -> 255, 12.9 -> 12); a packed 0xRRGGBB number
// gives its three low bytes. Well defined for every double, NaN and infinities included (-> 0).
#pragma once

#include <cstdint>

#include "contracts/Color.h"

namespace drawing {

uint8_t ChannelFromNumber(double value);
Color ColorFromNumbers(double red, double green, double blue);
Color ColorFromPacked(double rgb);

} // namespace drawing
