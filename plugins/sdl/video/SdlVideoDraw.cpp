// SdlVideoDraw: what the engine draws inside a frame: triangles in the five blend modes and the
// mask, the clip rectangle, and drawing targets.
#include "SdlVideo.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "BlendModes.h"
#include "GuardBand.h"
#include "PluginLog.h"

namespace sdlvideo {

namespace {

constexpr const char* kPlugin = "VornDX8";

static_assert(sizeof(SDL_Vertex) == sizeof(VideoVertex));
static_assert(offsetof(SDL_Vertex, position) == offsetof(VideoVertex, x));
static_assert(offsetof(SDL_Vertex, color) == offsetof(VideoVertex, r));
static_assert(offsetof(SDL_Vertex, tex_coord) == offsetof(VideoVertex, u));

inline uint8_t Scaled(uint8_t channel, uint8_t alpha)
{
    const unsigned product = static_cast<unsigned>(channel) * alpha + 128u;
    return static_cast<uint8_t>((product + (product >> 8)) >> 8);
}

} // namespace

bool SdlVideo::DrawTriangles(TextureHandle texture, const VideoVertex* vertices, uint32_t vertexCount,
    const int32_t* indices, uint32_t indexCount, int32_t blend)
{
    SDL_Renderer* renderer = Renderer();
    if (renderer == nullptr || !inFrame_)
        return false;
    if (vertexCount == 0)
        return true;
    if (vertices == nullptr)
        return false;
    if ((indices != nullptr ? indexCount : vertexCount) % 3 != 0)
        return false;
    const bool exact = renderer_.Premultiplied();
    const SDL_BlendMode mode = SdlBlendMode(blend, exact);
    if (mode == SDL_BLENDMODE_INVALID) {
        if (!warnedMask_)
            sdlplugin::Log(kPlugin, "this renderer cannot mask: shapes clip to their bounding box");
        warnedMask_ = true;
        return false;
    }
    SDL_Texture* native = nullptr;
    if (texture != 0) {
        native = textures_.Native(texture);
        if (native == nullptr)
            return false;
        SDL_SetTextureBlendMode(native, mode);
    } else {
        SDL_SetRenderDrawBlendMode(renderer, mode);
    }
    // Geometry far outside the drawing area is cut to a band one viewport wide around it.
    SDL_Rect viewport {};
    SDL_RenderGetViewport(renderer, &viewport);
    const float margin = static_cast<float>(std::max(viewport.w, viewport.h));
    const GuardRect band { -margin, -margin, static_cast<float>(viewport.w) + margin,
        static_cast<float>(viewport.h) + margin };
    const auto* given = reinterpret_cast<const SDL_Vertex*>(vertices);
    if (InsideGuardBand(given, vertexCount, band)) {
        vertices_.resize(vertexCount);
        std::memcpy(vertices_.data(), vertices, vertexCount * sizeof(VideoVertex));
    } else {
        vertices_.clear();
        CutToGuardBand(given, vertexCount, indices, indices != nullptr ? indexCount : 0, band, vertices_);
        indices = nullptr;
        if (vertices_.empty())
            return true;
    }
    if (PremultipliesVertices(blend, exact))
        for (SDL_Vertex& vertex : vertices_) {
            SDL_Color& color = vertex.color;
            color.r = Scaled(color.r, color.a);
            color.g = Scaled(color.g, color.a);
            color.b = Scaled(color.b, color.a);
        }
    return SDL_RenderGeometry(renderer, native, vertices_.data(), static_cast<int>(vertices_.size()), indices,
               indices != nullptr ? static_cast<int>(indexCount) : 0)
        == 0;
}

bool SdlVideo::SetClipRect(const VideoRect* rect)
{
    SDL_Renderer* renderer = Renderer();
    if (renderer == nullptr)
        return false;
    if (rect == nullptr)
        return SDL_RenderSetClipRect(renderer, nullptr) == 0;
    const SDL_Rect clip { rect->x, rect->y, rect->width > 0 ? rect->width : 0,
        rect->height > 0 ? rect->height : 0 };
    return SDL_RenderSetClipRect(renderer, &clip) == 0;
}

bool SdlVideo::SetTarget(TextureHandle target)
{
    SDL_Renderer* renderer = Renderer();
    if (renderer == nullptr || !inFrame_)
        return false;
    SDL_Texture* native = nullptr;
    if (target != 0) {
        native = textures_.Native(target, true);
        if (native == nullptr)
            return false;
    }
    if (SDL_SetRenderTarget(renderer, native) != 0)
        return false;
    SDL_RenderSetClipRect(renderer, nullptr);
    return true;
}

bool SdlVideo::ClearTransparent()
{
    SDL_Renderer* renderer = Renderer();
    if (renderer == nullptr || !inFrame_)
        return false;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 0);
    return SDL_RenderClear(renderer) == 0;
}

} // namespace sdlvideo
