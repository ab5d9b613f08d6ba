// RecordingVideo: a NullVideo that keeps what the renderer asked of it during frames: each draw
// (texture, blend, vertices), clip rectangle and texture upload, in order.
#pragma once

#include <string>
#include <vector>

#include "NullVideo.h"

namespace rendertest {

struct Draw {
    TextureHandle texture;
    int32_t blend;
    std::vector<VideoVertex> vertices;
};

class RecordingVideo : public vorntest::NullVideo {
public:
    bool DrawTriangles(TextureHandle texture, const VideoVertex* v, uint32_t count, const int32_t*, uint32_t,
        int32_t blend) override
    {
        draws.push_back({ texture, blend, std::vector<VideoVertex>(v, v + count) });
        calls.push_back("draw " + std::to_string(texture) + " " + std::to_string(blend));
        return true;
    }
    bool SetClipRect(const VideoRect* rect) override
    {
        calls.push_back(rect == nullptr ? "clip none"
                                        : "clip " + std::to_string(rect->x) + " " + std::to_string(rect->y)
                    + " " + std::to_string(rect->width) + " " + std::to_string(rect->height));
        return true;
    }
    bool UpdateTexture(
        TextureHandle texture, const VideoRect* area, const uint8_t* pixels, uint32_t pitch) override
    {
        ++uploads;
        return NullVideo::UpdateTexture(texture, area, pixels, pitch);
    }
    void Forget()
    {
        draws.clear();
        calls.clear();
    }

    std::vector<Draw> draws;
    std::vector<std::string> calls;
    int uploads = 0;
};

} // namespace rendertest
