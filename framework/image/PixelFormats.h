// PixelFormats: the memory layouts an image can be loaded from, and their conversion to the
// straight-alpha RGBA8 an Image holds. Pixels are packed: rows top to bottom, each row's pixels
// left to right, no padding between rows. Each name lists a pixel's channels from its most
// significant bits to its least; a pixel of two or four bytes is one little-endian number:
//
//   IMG_FORMAT_L8A8      2 bytes: byte 0 alpha, byte 1 luminance (grey: red = green = blue = L)
//   IMG_FORMAT_A1R5G5B5  2 bytes, the 16-bit number A RRRRR GGGGG BBBBB: bit 15 alpha (1 opaque,
//                        0 transparent), bits 14-10 red, 9-5 green, 4-0 blue; byte 0 holds bits
//                        7-0. Five-bit channels widen to eight by repeating their top bits.
//   IMG_FORMAT_R8G8B8    3 bytes: byte 0 blue, byte 1 green, byte 2 red; opaque
//   IMG_FORMAT_A8R8G8B8  4 bytes, the 32-bit number 0xAARRGGBB: byte 0 blue, 1 green, 2 red, 3 alpha
//
// Colour channels are straight (not multiplied by alpha).
#pragma once

#include <cstddef>
#include <cstdint>

namespace Vorn {

enum IMAGE_FORMAT : uint32_t {
    IMG_FORMAT_UNKNOWN = 0,
    IMG_FORMAT_L8A8 = 1,
    IMG_FORMAT_A1R5G5B5 = 2,
    IMG_FORMAT_R8G8B8 = 3,
    IMG_FORMAT_A8R8G8B8 = 4,
};

// Bytes one pixel of `format` takes; 0 when the format is none of the four.
uint32_t BytesPerPixel(uint32_t format);

// Converts `count` pixels of a known `format` at `from` into RGBA8 (bytes R, G, B, A) at `to`.
void ConvertToRgba(uint32_t format, const uint8_t* from, size_t count, uint8_t* to);

} // namespace Vorn
