// TargetPool: the drawing targets the renderer draws clipped layers into, one per nesting level,
// made when first needed and kept (remade when the frame's size changes). Needs IVideo.
#pragma once

#include <cstdint>
#include <vector>

#include "contracts/IVideo.h"

namespace Vorn {

class TargetPool {
public:
    explicit TargetPool(IVideo* video);
    ~TargetPool();
    TargetPool(const TargetPool&) = delete;
    TargetPool& operator=(const TargetPool&) = delete;

    // The target of `level` (from 1), width x height; 0 when the device cannot make one.
    TextureHandle Get(std::size_t level, uint32_t width, uint32_t height);

private:
    struct Target {
        TextureHandle texture = 0;
        uint32_t width = 0;
        uint32_t height = 0;
    };
    IVideo* video_;
    std::vector<Target> targets_;
};

} // namespace Vorn
