// TextureCache: entries by content and scale, their textures, and their eviction.
#include "Vorn/render/TextureCache.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

constexpr int32_t kBuckets = 4; // per octave
constexpr int32_t kLowestBucket = -40;
constexpr int32_t kHighestBucket = 48;

} // namespace

TextureCache::TextureCache(IVideo* video)
    : video_(video)
{
}

TextureCache::~TextureCache()
{
    for (uint32_t slot = 0; slot < slots_.size(); ++slot)
        if (slots_[slot].serial != 0)
            Free(slot);
}

float TextureCache::Steps(float scale)
{
    if (!(scale > 0.0f) || !std::isfinite(scale))
        return static_cast<float>(kLowestBucket);
    return std::clamp(
        std::log2(scale) * kBuckets, static_cast<float>(kLowestBucket), static_cast<float>(kHighestBucket));
}

int32_t TextureCache::Bucket(float scale)
{
    return static_cast<int32_t>(std::lround(Steps(scale)));
}

void TextureCache::BeginFrame()
{
    generation_ = video_->TextureGeneration();
}

const CachedRaster* TextureCache::Get(
    Node& content, uint64_t version, float scale, RasterizeFn rasterize, CacheMemo& memo)
{
    // The bucket drawn last stays while the scale is within three quarters of a step of it, so a
    // scale hovering at a boundary does not rasterise back and forth.
    int32_t bucket = Bucket(scale);
    Entry* entry = nullptr;
    if (memo.serial != 0 && memo.slot < slots_.size()
        && std::fabs(Steps(scale) - static_cast<float>(memo.bucket)) <= 0.75f) {
        Entry& noted = slots_[memo.slot];
        if (noted.serial == memo.serial && noted.content.Get() == &content) {
            entry = &noted;
            bucket = memo.bucket;
        }
    }
    if (entry == nullptr) {
        const auto found = index_.find({ &content, bucket });
        uint32_t slot = 0;
        if (found != index_.end()) {
            slot = found->second;
        } else {
            if (freeSlots_.empty()) {
                slot = static_cast<uint32_t>(slots_.size());
                slots_.emplace_back();
            } else {
                slot = freeSlots_.back();
                freeSlots_.pop_back();
            }
            Entry& fresh = slots_[slot];
            fresh.content.Reset(&content);
            fresh.bucket = bucket;
            fresh.serial = nextSerial_++;
            if (nextSerial_ == 0)
                nextSerial_ = 1;
            fresh.version = version + 1; // forces the first rasterisation
            index_.emplace(Key { &content, bucket }, slot);
        }
        entry = &slots_[slot];
        memo = { slot, entry->serial, bucket };
    }
    entry->lastUsed = frame_;
    if ((entry->version != version || entry->generation != generation_) && !Refresh(*entry, rasterize))
        return nullptr;
    entry->version = version;
    entry->generation = generation_;
    return entry->drawsNothing ? nullptr : &entry->raster;
}

// Rasterises the entry's content again and uploads it, into a texture of the right size.
bool TextureCache::Refresh(Entry& entry, RasterizeFn rasterize)
{
    ++rasterizations_;
    scratch_.width = scratch_.height = 0;
    scratch_.pixels.clear();
    const float scale = std::exp2(static_cast<float>(entry.bucket) / kBuckets);
    const bool drawn = rasterize(*entry.content, scale, scratch_) && scratch_.width > 0 && scratch_.height > 0
        && scratch_.width <= kMaxSide && scratch_.height <= kMaxSide
        && scratch_.pixels.size() >= static_cast<std::size_t>(scratch_.width) * scratch_.height * 4;
    entry.drawsNothing = !drawn;
    if (!drawn)
        return true;
    CachedRaster& raster = entry.raster;
    const uint32_t border = CachedRaster::kBorder;
    const uint32_t width = scratch_.width + 2 * border;
    const uint32_t height = scratch_.height + 2 * border;
    if (raster.texture == 0 || raster.width != width || raster.height != height) {
        video_->ReleaseTexture(raster.texture);
        raster.texture = video_->CreateTexture(width, height);
        raster.width = width;
        raster.height = height;
    }
    const VideoRect area { static_cast<int32_t>(border), static_cast<int32_t>(border),
        static_cast<int32_t>(scratch_.width), static_cast<int32_t>(scratch_.height) };
    if (raster.texture == 0
        || !video_->UpdateTexture(raster.texture, &area, scratch_.pixels.data(), scratch_.width * 4))
        return false;
    raster.scale = scratch_.scale;
    raster.left = scratch_.left - static_cast<float>(border) / scratch_.scale;
    raster.top = scratch_.top + static_cast<float>(border) / scratch_.scale;
    raster.shape = RasterShape::Measure(scratch_, border);
    entry.drawsNothing = raster.shape.outlineCount == 0;
    return true;
}

void TextureCache::EndFrame()
{
    ++frame_;
    if (frame_ % 64 != 0)
        return;
    for (uint32_t slot = 0; slot < slots_.size(); ++slot) {
        const Entry& entry = slots_[slot];
        if (entry.serial != 0 && entry.lastUsed + kKeepFrames < frame_)
            Free(slot);
    }
}

void TextureCache::Free(uint32_t slot)
{
    Entry& entry = slots_[slot];
    index_.erase({ entry.content.Get(), entry.bucket });
    video_->ReleaseTexture(entry.raster.texture);
    entry = Entry();
    freeSlots_.push_back(slot);
}

} // namespace Vorn
