// PixelFormats: per-format pixel conversion to RGBA8, byte by byte so that the host's own byte
// order never matters.
#include "Vorn/image/PixelFormats.h"

namespace Vorn {

namespace {

// A five-bit channel widened to eight bits: 0 stays 0, 31 becomes 255.
uint8_t Widen5(unsigned value)
{
    return static_cast<uint8_t>((value << 3) | (value >> 2));
}

} // namespace

uint32_t BytesPerPixel(uint32_t format)
{
    switch (format) {
    case IMG_FORMAT_L8A8:
    case IMG_FORMAT_A1R5G5B5:
        return 2;
    case IMG_FORMAT_R8G8B8:
        return 3;
    case IMG_FORMAT_A8R8G8B8:
        return 4;
    default:
        return 0;
    }
}

void ConvertToRgba(uint32_t format, const uint8_t* from, size_t count, uint8_t* to)
{
    for (size_t i = 0; i < count; ++i, to += 4) {
        switch (format) {
        case IMG_FORMAT_L8A8:
            to[0] = to[1] = to[2] = from[1];
            to[3] = from[0];
            from += 2;
            break;
        case IMG_FORMAT_A1R5G5B5: {
            const unsigned word = from[0] | (from[1] << 8);
            to[0] = Widen5((word >> 10) & 31);
            to[1] = Widen5((word >> 5) & 31);
            to[2] = Widen5(word & 31);
            to[3] = (word & 0x8000) != 0 ? 255 : 0;
            from += 2;
            break;
        }
        case IMG_FORMAT_R8G8B8:
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            to[3] = 255;
            from += 3;
            break;
        case IMG_FORMAT_A8R8G8B8:
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            to[3] = from[3];
            from += 4;
            break;
        default:
            return;
        }
    }
}

} // namespace Vorn
