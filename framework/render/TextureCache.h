// TextureCache: textures made from retained content (a canvas's vector content, a clipper's
// region) at the scale at which it appears. A content node is rasterised at that scale rounded to
// the nearest quarter octave; a drawer keeps its texture while the scale stays within three
// quarters of a step of it (about 14% either way), and gets a sharp new one beyond (zooming in).
// Content is rasterised again when its version changes or the device lost its textures, never
// otherwise. Unused entries go after a while. Needs IVideo.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "Vorn/core/Node.h"
#include "Vorn/core/Ref.h"
#include "Vorn/draw/Raster.h"
#include "Vorn/render/RasterShape.h"
#include "contracts/IVideo.h"

namespace Vorn {

// Rasterises `content` at `scale` pixels per unit; false (or an empty raster) when it draws nothing.
using RasterizeFn = bool (*)(const Node& content, float scale, Raster& out);

// A drawer's note of the entry it used last, so the next frame finds it without a lookup.
struct CacheMemo {
    uint32_t slot = 0;
    uint32_t serial = 0; // 0: none
    int32_t bucket = 0;
};

// A raster on the device: its texture has a transparent border of kBorder pixels around the
// raster's pixels, so edges sample to transparent and outlines may reach past the pixels.
struct CachedRaster {
    static constexpr uint32_t kBorder = 1;

    TextureHandle texture = 0;
    uint32_t width = 0; // texture size, border included
    uint32_t height = 0;
    float scale = 1.0f; // texture pixels per content unit
    float left = 0.0f; // content position of the texture's top-left corner
    float top = 0.0f;
    RasterShape shape; // in texture pixels
};

class TextureCache {
public:
    // Largest raster side: content larger than this on screen is rasterised at a lower scale.
    static constexpr uint32_t kMaxSide = 4096;
    // Frames an entry stays without being drawn.
    static constexpr uint64_t kKeepFrames = 300;

    explicit TextureCache(IVideo* video);
    ~TextureCache();
    TextureCache(const TextureCache&) = delete;
    TextureCache& operator=(const TextureCache&) = delete;

    // Once per frame, before Get: notes the device's texture generation.
    void BeginFrame();
    // The texture of `content` for drawing at `scale`; null when it draws nothing or no texture
    // could be made. The cache keeps a counted reference to the content while it keeps the entry.
    const CachedRaster* Get(
        Node& content, uint64_t version, float scale, RasterizeFn rasterize, CacheMemo& memo);
    // Once per frame, after drawing: lets go of entries unused for kKeepFrames frames.
    void EndFrame();

    std::size_t Size() const { return index_.size(); }
    // How many rasterisations the cache has made, for tests and benchmarks.
    uint64_t Rasterizations() const { return rasterizations_; }

private:
    struct Entry {
        CachedRaster raster;
        Ref<Node> content;
        uint64_t version = 0;
        int32_t bucket = 0;
        uint32_t generation = 0;
        uint64_t lastUsed = 0;
        uint32_t serial = 0; // 0: a free slot
        bool drawsNothing = false;
    };
    struct Key {
        const Node* content;
        int32_t bucket;
        bool operator==(const Key& other) const { return content == other.content && bucket == other.bucket; }
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const
        {
            return std::hash<const void*>()(key.content)
                ^ (static_cast<std::size_t>(key.bucket) * 0x9E3779B97F4A7C15ull);
        }
    };

    // log2(scale) in quarter octaves, and the nearest whole one.
    static float Steps(float scale);
    static int32_t Bucket(float scale);
    bool Refresh(Entry& entry, RasterizeFn rasterize);
    void Free(uint32_t slot);

    IVideo* video_;
    std::vector<Entry> slots_;
    std::vector<uint32_t> freeSlots_;
    std::unordered_map<Key, uint32_t, KeyHash> index_;
    uint32_t generation_ = 0;
    uint64_t frame_ = 1;
    uint32_t nextSerial_ = 1;
    uint64_t rasterizations_ = 0;
    Raster scratch_; // the raster being made, reused
};

} // namespace Vorn
