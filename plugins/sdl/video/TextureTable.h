// TextureTable: the plugin's textures and drawing targets behind their handles. A record keeps its
// size for the whole run; its SDL texture belongs to the renderer of the moment and is made when
// first needed, so textures exist before any window and survive a change of renderer (their pixels
// do not: the generation tells owners to upload again). Needs SDL's renderer.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "contracts/IVideo.h"

namespace sdlvideo {

class TextureTable {
public:
    TextureTable() = default;
    ~TextureTable();
    TextureTable(const TextureTable&) = delete;
    TextureTable& operator=(const TextureTable&) = delete;

    // Largest side of a texture or target.
    static constexpr uint32_t kMaxSide = 16384;

    // Switches to another renderer (null: none). Every SDL texture of the old one is destroyed
    // while it still lives, and the pixels count as lost. `premultiplied`: the renderer blends
    // premultiplied colour, so uploads are premultiplied on the way in.
    void UseRenderer(SDL_Renderer* renderer, bool premultiplied);
    // The device lost its textures (reset): they are made again, empty, when next needed.
    void Lost();
    // The renderer vanished with its window: its textures are forgotten, never destroyed.
    void Abandon();
    SDL_Renderer* Renderer() const { return renderer_; }

    TextureHandle Create(uint32_t width, uint32_t height, bool target);
    bool Update(TextureHandle handle, const VideoRect* area, const uint8_t* pixels, uint32_t pitch);
    void Release(TextureHandle handle);
    uint32_t Width(TextureHandle handle) const;
    uint32_t Height(TextureHandle handle) const;
    uint32_t Generation() const { return generation_; }
    // The SDL texture of a handle on the current renderer, made (transparent) when missing; null
    // for an unknown handle or without a renderer. `target`: only a drawing target will do.
    SDL_Texture* Native(TextureHandle handle, bool target = false);

private:
    struct Record {
        uint32_t width = 0;
        uint32_t height = 0;
        bool target = false;
        SDL_Texture* texture = nullptr; // of renderer_, or null until needed
    };

    SDL_Texture* Make(Record& record);
    void DropNativeTextures();

    std::unordered_map<TextureHandle, Record> records_;
    TextureHandle next_ = 1;
    uint32_t generation_ = 0;
    SDL_Renderer* renderer_ = nullptr;
    bool premultiplied_ = false;
    std::vector<uint8_t> scratch_; // premultiplied rows on their way to the device
};

} // namespace sdlvideo
