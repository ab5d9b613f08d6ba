// Image: pixels that canvases paint, decoded from a file (ImageDecode.h) or read from memory in
// one of the IMG_FORMAT_ layouts (PixelFormats.h), held as straight-alpha RGBA8. With a video
// device the image is also a texture of exactly its size from the moment it loads, uploaded again
// whenever the device has lost its pixels. A failed load leaves the image as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Vorn/core/Node.h"
#include "Vorn/image/PixelFormats.h"
#include "contracts/Color.h"
#include "contracts/IVideo.h"

typedef struct _cairo_surface cairo_surface_t;

namespace Vorn {

class Image : public SharedChildNode {
public:
    // Largest side in pixels an image loads with: the largest texture a video device makes.
    static constexpr uint32_t kMaxSide = 16384;
    // LoadMemory's block size when nobody knows it (a light userdata).
    static constexpr size_t kUnknownSize = static_cast<size_t>(-1);

    // `video` may be null (no video device): the image then holds its pixels only.
    explicit Image(IVideo* video);
    ~Image() override;

    // Decodes an image file. False (logged) for a null or missing file, one the decoder cannot
    // read, an image above kMaxSide, or a texture the video device cannot make.
    bool LoadFile(const char* filename);
    // The same, then every pixel whose red, green and blue equal the key's becomes transparent
    // (all four bytes 0).
    bool LoadFile(const char* filename, const Color& key);
    // Reads width x height pixels of `format` from `data`, packed rows top to bottom. False, and
    // nothing read, for null data, an unknown format, a zero side or one above kMaxSide, and a
    // block of `size` bytes too small to hold them.
    bool LoadMemory(
        const void* data, uint32_t format, uint32_t width, uint32_t height, size_t size = kUnknownSize);
    // Frees the pixels and the texture. False when nothing was loaded.
    bool Release();

    bool IsLoaded() const { return width_ > 0 && height_ > 0; }
    uint32_t Width() const { return width_; }
    uint32_t Height() const { return height_; }
    // Straight-alpha RGBA8, rows top to bottom, Width() * 4 bytes each; null when not loaded.
    const uint8_t* Pixels() const { return IsLoaded() ? pixels_.data() : nullptr; }
    // Changes whenever the pixels change, so canvases that paint the image know to redraw.
    uint64_t Version() const { return version_; }

    // Takes width x height decoded pixels (width * height * 4 bytes) and makes the texture. False,
    // and nothing changes, when the sizes do not match or the texture cannot be made.
    bool SetPixels(uint32_t width, uint32_t height, std::vector<uint8_t> rgba);

    // The video device's texture holding the pixels (uploaded again first when the device lost
    // them); 0 without a video device or when nothing is loaded.
    TextureHandle Texture();
    // The pixels premultiplied, as cairo paints them; made on first use and kept until the pixels
    // change. Null when not loaded or when cairo cannot hold the image.
    cairo_surface_t* Surface() const;

    IVideo* Video() const { return video_; }

private:
    bool Upload();
    void DropSurface() const;

    IVideo* video_;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    std::vector<uint8_t> pixels_;
    uint64_t version_ = 1;
    TextureHandle texture_ = 0;
    bool uploaded_ = false; // the texture holds the pixels as of `generation_`
    uint32_t generation_ = 0;
    mutable cairo_surface_t* surface_ = nullptr;
};

} // namespace Vorn
