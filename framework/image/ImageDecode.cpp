// ImageDecode: SDL2_image decodes into a surface, SDL converts it to bytes R, G, B, A (turning a
// colour-keyed palette entry into alpha 0), and the rows are copied out without their padding.
#include "Vorn/image/ImageDecode.h"

#include "Vorn/image/ImageHeader.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>

namespace Vorn {

namespace {

// Frees a surface when the decoding scope ends, whichever way it ends.
struct SurfaceHolder {
    SDL_Surface* surface;
    ~SurfaceHolder()
    {
        if (surface != nullptr)
            SDL_FreeSurface(surface);
    }
};

} // namespace

bool DecodeImageFile(const char* path, uint32_t max_side, DecodedImage& out, std::string& error)
{
    // A header that declares more than we load is refused before the decoder allocates for it.
    uint32_t declaredWidth = 0, declaredHeight = 0;
    if (DeclaredImageSize(path, declaredWidth, declaredHeight)
        && (declaredWidth > max_side || declaredHeight > max_side)) {
        error = "the image is " + std::to_string(declaredWidth) + "x" + std::to_string(declaredHeight)
            + " pixels; sides of 1 to " + std::to_string(max_side) + " load";
        return false;
    }
    SurfaceHolder decoded { IMG_Load(path) };
    if (decoded.surface == nullptr) {
        error = SDL_GetError();
        return false;
    }
    SurfaceHolder converted { SDL_ConvertSurfaceFormat(decoded.surface, SDL_PIXELFORMAT_RGBA32, 0) };
    if (converted.surface == nullptr) {
        error = SDL_GetError();
        return false;
    }
    SDL_Surface* surface = converted.surface;
    if (surface->w <= 0 || surface->h <= 0 || static_cast<uint32_t>(surface->w) > max_side
        || static_cast<uint32_t>(surface->h) > max_side) {
        error = "the image is " + std::to_string(surface->w) + "x" + std::to_string(surface->h)
            + " pixels; sides of 1 to " + std::to_string(max_side) + " load";
        return false;
    }
    const auto width = static_cast<uint32_t>(surface->w);
    const auto height = static_cast<uint32_t>(surface->h);
    const size_t row = static_cast<size_t>(width) * 4;
    out.rgba.resize(row * height);
    if (SDL_LockSurface(surface) != 0) {
        error = SDL_GetError();
        return false;
    }
    const auto* pixels = static_cast<const uint8_t*>(surface->pixels);
    for (uint32_t y = 0; y < height; ++y)
        std::memcpy(out.rgba.data() + row * y, pixels + static_cast<size_t>(surface->pitch) * y, row);
    SDL_UnlockSurface(surface);
    out.width = width;
    out.height = height;
    return true;
}

} // namespace Vorn
