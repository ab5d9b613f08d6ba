// ImageHeader: the size an image file declares in its header, read before decoding. The decoder
// allocates (and clears) the whole picture as soon as it has read the header, so a damaged or
// hostile header that declares a picture of gigabytes would cost that much memory before any
// check on the decoded size could refuse it.
#pragma once

#include <cstdint>

namespace Vorn {

// Width and height as the header of a PNG, BMP, GIF, TGA (by the ".tga" name) or JPEG file at
// `path` declares them; false when the file is none of these or its header says nothing usable.
bool DeclaredImageSize(const char* path, uint32_t& width, uint32_t& height);

} // namespace Vorn
