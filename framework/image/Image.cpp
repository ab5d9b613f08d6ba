// Image: loading into the pixel store, the texture that mirrors it and the premultiplied copy
// canvases paint from.
#include "Vorn/image/Image.h"

#include <cairo.h>

#include <exception>
#include <string>
#include <utility>

#include "Vorn/core/Log.h"
#include "Vorn/image/ImageDecode.h"

namespace Vorn {

namespace {

// Decodes a file into `out`, logging why when it cannot.
bool Decode(const char* filename, DecodedImage& out)
{
    if (filename == nullptr || *filename == '\0') {
        Log::Output("image: cannot load an image without a file name\n");
        return false;
    }
    std::string error;
    bool decoded = false;
    try {
        decoded = DecodeImageFile(filename, Image::kMaxSide, out, error);
    } catch (const std::exception& e) {
        error = e.what();
    }
    if (!decoded)
        Log::Output("image: cannot load [%s]: %s\n", filename, error.c_str());
    return decoded;
}

} // namespace

Image::Image(IVideo* video)
    : video_(video)
{
}

Image::~Image()
{
    DropSurface();
    if (video_ != nullptr && texture_ != 0)
        video_->ReleaseTexture(texture_);
}

bool Image::LoadFile(const char* filename)
{
    DecodedImage decoded;
    return Decode(filename, decoded) && SetPixels(decoded.width, decoded.height, std::move(decoded.rgba));
}

bool Image::LoadFile(const char* filename, const Color& key)
{
    DecodedImage decoded;
    if (!Decode(filename, decoded))
        return false;
    for (size_t i = 0; i < decoded.rgba.size(); i += 4) {
        uint8_t* p = decoded.rgba.data() + i;
        if (p[0] == key.r && p[1] == key.g && p[2] == key.b)
            p[0] = p[1] = p[2] = p[3] = 0;
    }
    return SetPixels(decoded.width, decoded.height, std::move(decoded.rgba));
}

bool Image::LoadMemory(const void* data, uint32_t format, uint32_t width, uint32_t height, size_t size)
{
    const uint32_t bytes = BytesPerPixel(format);
    if (data == nullptr || bytes == 0 || width == 0 || height == 0 || width > kMaxSide || height > kMaxSide)
        return false;
    const size_t count = static_cast<size_t>(width) * height;
    if (size != kUnknownSize && size / bytes < count)
        return false;
    try {
        std::vector<uint8_t> rgba(count * 4);
        ConvertToRgba(format, static_cast<const uint8_t*>(data), count, rgba.data());
        return SetPixels(width, height, std::move(rgba));
    } catch (const std::exception& e) {
        Log::Output("image: cannot hold a %ux%u image: %s\n", width, height, e.what());
        return false;
    }
}

bool Image::SetPixels(uint32_t width, uint32_t height, std::vector<uint8_t> rgba)
{
    if (width == 0 || height == 0)
        return false;
    const uint64_t row = 4ull * width;
    if (rgba.size() % row != 0 || rgba.size() / row != height)
        return false;
    if (video_ != nullptr && (texture_ == 0 || width != width_ || height != height_)) {
        const TextureHandle made = video_->CreateTexture(width, height);
        if (made == 0) {
            Log::Output("image: the video device cannot make a %ux%u texture\n", width, height);
            return false;
        }
        if (texture_ != 0)
            video_->ReleaseTexture(texture_);
        texture_ = made;
    }
    width_ = width;
    height_ = height;
    pixels_ = std::move(rgba);
    ++version_;
    DropSurface();
    uploaded_ = false;
    Upload();
    return true;
}

bool Image::Upload()
{
    if (video_ == nullptr || texture_ == 0)
        return false;
    generation_ = video_->TextureGeneration();
    // Fails while the device has nowhere to keep pixels (no display mode yet): Texture() tries again.
    uploaded_ = video_->UpdateTexture(texture_, nullptr, pixels_.data(), width_ * 4);
    return uploaded_;
}

TextureHandle Image::Texture()
{
    if (!IsLoaded() || video_ == nullptr)
        return 0;
    if (!uploaded_ || generation_ != video_->TextureGeneration())
        Upload();
    return texture_;
}

bool Image::Release()
{
    if (!IsLoaded())
        return false;
    if (video_ != nullptr && texture_ != 0)
        video_->ReleaseTexture(texture_);
    texture_ = 0;
    uploaded_ = false;
    std::vector<uint8_t>().swap(pixels_);
    width_ = 0;
    height_ = 0;
    ++version_;
    DropSurface();
    return true;
}

cairo_surface_t* Image::Surface() const
{
    if (surface_ != nullptr || !IsLoaded())
        return surface_;
    const int width = static_cast<int>(width_);
    const int height = static_cast<int>(height_);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    // An image cairo cannot hold (too large) is left out of what canvases draw.
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_surface_flush(surface);
    unsigned char* rows = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const uint8_t* from = pixels_.data();
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(rows + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width; ++x, from += 4) {
            const uint32_t a = from[3];
            auto pre = [a](uint32_t c) { return (c * a + 127) / 255; };
            row[x] = (a << 24) | (pre(from[0]) << 16) | (pre(from[1]) << 8) | pre(from[2]);
        }
    }
    cairo_surface_mark_dirty(surface);
    surface_ = surface;
    return surface_;
}

void Image::DropSurface() const
{
    if (surface_ != nullptr)
        cairo_surface_destroy(surface_);
    surface_ = nullptr;
}

} // namespace Vorn
