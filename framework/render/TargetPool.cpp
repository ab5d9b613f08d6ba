// TargetPool: targets by nesting level.
#include "Vorn/render/TargetPool.h"

namespace Vorn {

TargetPool::TargetPool(IVideo* video)
    : video_(video)
{
}

TargetPool::~TargetPool()
{
    for (const Target& target : targets_)
        video_->ReleaseTexture(target.texture);
}

TextureHandle TargetPool::Get(std::size_t level, uint32_t width, uint32_t height)
{
    if (targets_.size() < level)
        targets_.resize(level);
    Target& target = targets_[level - 1];
    if (target.texture != 0 && target.width == width && target.height == height)
        return target.texture;
    video_->ReleaseTexture(target.texture);
    target.texture = video_->CreateTarget(width, height);
    target.width = width;
    target.height = height;
    return target.texture;
}

} // namespace Vorn
