// WindowSize: frame arithmetic on 64 bits, so any 32-bit mode size stays well defined.
#include "display/WindowSize.h"

#include <algorithm>
#include <cstdint>

#include "platform/Window.h"

namespace display {

namespace {

constexpr int64_t kLargest = 1 << 30;

int Capped(int64_t value)
{
    return static_cast<int>(std::min(value, kLargest));
}

} // namespace

WindowSize OuterSize(const DisplayMode& mode)
{
    int64_t width = mode.width;
    int64_t height = mode.height;
    if (mode.windowed) {
        using platform::SystemMetric;
        width += 2 * platform::GetSystemMetrics(SystemMetric::FrameWidth);
        height += 2 * platform::GetSystemMetrics(SystemMetric::FrameHeight)
            + platform::GetSystemMetrics(SystemMetric::CaptionHeight);
    }
    return { Capped(width), Capped(height) };
}

} // namespace display
