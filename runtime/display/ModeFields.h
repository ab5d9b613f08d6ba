// ModeFields: turning a script's number into a DisplayMode field: truncated toward zero and kept
// in 32 bits (modulo 2^32), so negative, huge or non-finite values never reach an undefined cast.
#pragma once

#include <cstdint>

namespace display {

// The number truncated toward zero, modulo 2^32; 0 for NaN and infinities.
uint32_t ModeField(double value);

} // namespace display
