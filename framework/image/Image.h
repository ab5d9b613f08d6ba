// Image: pixels a canvas can paint. Holds decoded straight-alpha RGBA8 pixels once loaded; until
// then it reports not loaded and a canvas paints nothing from it. Loading from files and memory
// is added by the decoders; SetPixels is where their result lands.
#pragma once

#include <cstdint>
#include <vector>

#include "Vorn/core/Node.h"

class IVideo;

namespace Vorn {

class Image : public SharedChildNode {
public:
    // `video` may be null (no video device): the image still holds its pixels.
    explicit Image(IVideo* video);

    bool IsLoaded() const { return width_ > 0 && height_ > 0; }
    uint32_t Width() const { return width_; }
    uint32_t Height() const { return height_; }
    // Straight-alpha RGBA8, rows top to bottom, Width() * 4 bytes each; null when not loaded.
    const uint8_t* Pixels() const { return IsLoaded() ? pixels_.data() : nullptr; }
    // Changes whenever the pixels change, so canvases that paint the image know to redraw.
    uint64_t Version() const { return version_; }

    // Takes width x height decoded pixels (width * height * 4 bytes). False, and nothing changes,
    // when the sizes do not match.
    bool SetPixels(uint32_t width, uint32_t height, std::vector<uint8_t> rgba);

    IVideo* Video() const { return video_; }

private:
    IVideo* video_;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    std::vector<uint8_t> pixels_;
    uint64_t version_ = 1;
};

} // namespace Vorn
