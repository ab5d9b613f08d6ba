// Tint: colour and alpha multiplied down the scene (a layer's into its children's), as fractions.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "contracts/Color.h"

namespace Vorn {

struct Tint {
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float a = 1.0f;

    // This tint times a node's colour and alpha (alpha clamped to 0..1).
    Tint Times(const Color& color, float alpha) const
    {
        const float clamped = std::isnan(alpha) ? 0.0f : std::clamp(alpha, 0.0f, 1.0f);
        return { r * color.r / 255.0f, g * color.g / 255.0f, b * color.b / 255.0f, a * clamped };
    }
    static uint8_t Byte(float value)
    {
        return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
    }
};

} // namespace Vorn
