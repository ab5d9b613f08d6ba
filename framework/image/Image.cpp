// Image: the pixel store canvases paint from.
#include "Vorn/image/Image.h"

#include <utility>

namespace Vorn {

Image::Image(IVideo* video)
    : video_(video)
{
}

bool Image::SetPixels(uint32_t width, uint32_t height, std::vector<uint8_t> rgba)
{
    if (width == 0 || height == 0)
        return false;
    const uint64_t row = 4ull * width;
    if (rgba.size() % row != 0 || rgba.size() / row != height)
        return false;
    width_ = width;
    height_ = height;
    pixels_ = std::move(rgba);
    ++version_;
    return true;
}

} // namespace Vorn
