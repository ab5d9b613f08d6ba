// ImageDecode: image files to straight-alpha RGBA8, by SDL2_image (PNG, JPEG, BMP, TGA, GIF and
// the other formats it reads; a GIF gives its first frame). The only file of the framework that
// sees SDL: a decoded surface never leaves it. Transparency a file declares (an alpha channel, a
// transparent palette entry) comes through as alpha.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Vorn {

struct DecodedImage {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> rgba; // bytes R, G, B, A; rows top to bottom, width * 4 bytes each
};

// Decodes the file at `path`. A TGA file is recognised by its ".tga" name only (the format has no
// signature); the others by their content. False, with the reason in `error`, for a missing,
// unreadable, truncated or corrupt file, a format the decoder does not know, or an image with a
// side above `max_side` pixels.
bool DecodeImageFile(const char* path, uint32_t max_side, DecodedImage& out, std::string& error);

} // namespace Vorn
