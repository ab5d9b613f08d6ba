// TextureTable: handles, lazily made SDL textures, uploads (premultiplied when the renderer
// blends that way) and the generation count of lost pixels.
#include "TextureTable.h"

#include <cstring>

#include "PluginLog.h"

namespace sdlvideo {

namespace {

constexpr const char* kPlugin = "VornDX8";

// Straight alpha to premultiplied, rounding to nearest: c * a / 255.
inline uint8_t Premultiply(uint8_t channel, uint8_t alpha)
{
    const unsigned product = static_cast<unsigned>(channel) * alpha + 128u;
    return static_cast<uint8_t>((product + (product >> 8)) >> 8);
}

bool Inside(const VideoRect& area, uint32_t width, uint32_t height)
{
    return area.x >= 0 && area.y >= 0 && area.width > 0 && area.height > 0
        && static_cast<int64_t>(area.x) + area.width <= static_cast<int64_t>(width)
        && static_cast<int64_t>(area.y) + area.height <= static_cast<int64_t>(height);
}

} // namespace

TextureTable::~TextureTable()
{
    DropNativeTextures();
}

void TextureTable::UseRenderer(SDL_Renderer* renderer, bool premultiplied)
{
    if (renderer == renderer_ && premultiplied == premultiplied_)
        return;
    DropNativeTextures();
    renderer_ = renderer;
    premultiplied_ = premultiplied;
    ++generation_;
}

void TextureTable::Lost()
{
    DropNativeTextures();
    ++generation_;
}

void TextureTable::Abandon()
{
    for (auto& [handle, record] : records_)
        record.texture = nullptr;
    renderer_ = nullptr;
    ++generation_;
}

void TextureTable::DropNativeTextures()
{
    for (auto& [handle, record] : records_) {
        if (record.texture != nullptr)
            SDL_DestroyTexture(record.texture);
        record.texture = nullptr;
    }
}

TextureHandle TextureTable::Create(uint32_t width, uint32_t height, bool target)
{
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide)
        return 0;
    const TextureHandle handle = next_++;
    Record record;
    record.width = width;
    record.height = height;
    record.target = target;
    records_.emplace(handle, record);
    return handle;
}

SDL_Texture* TextureTable::Make(Record& record)
{
    const int access = record.target ? SDL_TEXTUREACCESS_TARGET : SDL_TEXTUREACCESS_STATIC;
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32, access,
        static_cast<int>(record.width), static_cast<int>(record.height));
    if (texture == nullptr) {
        sdlplugin::Log(kPlugin, "cannot make a %ux%u %s: %s", record.width, record.height,
            record.target ? "drawing target" : "texture", SDL_GetError());
        return nullptr;
    }
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    // A new SDL texture holds undefined pixels: start transparent, as the contract says.
    if (record.target) {
        SDL_Texture* previous = SDL_GetRenderTarget(renderer_);
        if (SDL_SetRenderTarget(renderer_, texture) == 0) {
            Uint8 r, g, b, a;
            SDL_GetRenderDrawColor(renderer_, &r, &g, &b, &a);
            SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 0);
            SDL_RenderClear(renderer_);
            SDL_SetRenderDrawColor(renderer_, r, g, b, a);
        }
        SDL_SetRenderTarget(renderer_, previous);
    } else {
        const std::vector<uint8_t> clear(static_cast<size_t>(record.width) * 4, 0);
        for (uint32_t row = 0; row < record.height; ++row) {
            const SDL_Rect line { 0, static_cast<int>(row), static_cast<int>(record.width), 1 };
            SDL_UpdateTexture(texture, &line, clear.data(), static_cast<int>(record.width * 4));
        }
    }
    record.texture = texture;
    return texture;
}

SDL_Texture* TextureTable::Native(TextureHandle handle, bool target)
{
    const auto found = records_.find(handle);
    if (found == records_.end() || renderer_ == nullptr || (target && !found->second.target))
        return nullptr;
    Record& record = found->second;
    return record.texture != nullptr ? record.texture : Make(record);
}

bool TextureTable::Update(TextureHandle handle, const VideoRect* area, const uint8_t* pixels, uint32_t pitch)
{
    const auto found = records_.find(handle);
    if (found == records_.end() || pixels == nullptr)
        return false;
    const Record& record = found->second;
    const VideoRect whole { 0, 0, static_cast<int32_t>(record.width), static_cast<int32_t>(record.height) };
    const VideoRect& rect = area != nullptr ? *area : whole;
    if (!Inside(rect, record.width, record.height) || pitch < static_cast<uint32_t>(rect.width) * 4)
        return false;
    SDL_Texture* texture = Native(handle);
    if (texture == nullptr)
        return false;
    const SDL_Rect sdlRect { rect.x, rect.y, rect.width, rect.height };
    if (!premultiplied_)
        return SDL_UpdateTexture(texture, &sdlRect, pixels, static_cast<int>(pitch)) == 0;
    const size_t rowBytes = static_cast<size_t>(rect.width) * 4;
    scratch_.resize(rowBytes * static_cast<size_t>(rect.height));
    for (int32_t row = 0; row < rect.height; ++row) {
        const uint8_t* in = pixels + static_cast<size_t>(row) * pitch;
        uint8_t* out = scratch_.data() + static_cast<size_t>(row) * rowBytes;
        for (size_t i = 0; i < rowBytes; i += 4) {
            const uint8_t alpha = in[i + 3];
            out[i] = Premultiply(in[i], alpha);
            out[i + 1] = Premultiply(in[i + 1], alpha);
            out[i + 2] = Premultiply(in[i + 2], alpha);
            out[i + 3] = alpha;
        }
    }
    return SDL_UpdateTexture(texture, &sdlRect, scratch_.data(), static_cast<int>(rowBytes)) == 0;
}

void TextureTable::Release(TextureHandle handle)
{
    const auto found = records_.find(handle);
    if (found == records_.end())
        return;
    if (found->second.texture != nullptr)
        SDL_DestroyTexture(found->second.texture);
    records_.erase(found);
}

uint32_t TextureTable::Width(TextureHandle handle) const
{
    const auto found = records_.find(handle);
    return found == records_.end() ? 0 : found->second.width;
}

uint32_t TextureTable::Height(TextureHandle handle) const
{
    const auto found = records_.find(handle);
    return found == records_.end() ? 0 : found->second.height;
}

} // namespace sdlvideo
