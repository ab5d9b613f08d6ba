// LuaImage: the script class Image, holding one counted reference to its engine Image on the
// process-wide video interface. A canvas paints the engine image it holds. Loads return false on
// failure; only missing names and keys raise, with the API's messages.
#pragma once

#include <Vorn/image/Image.h>

#include <cstddef>
#include <cstdint>

#include "bridge/Held.h"

struct Color;
struct lua_State;

class LuaImage {
public:
    LuaImage();
    virtual ~LuaImage() = default;
    LuaImage(const LuaImage&) = delete;
    LuaImage& operator=(const LuaImage&) = delete;

    // load(filename, key): a nil or empty name, then a nil key, raise.
    bool Load(const char* filename, const Color* key, lua_State* L);
    // load(filename): no checks; a nil or empty name fails the load.
    bool Load(const char* filename);
    // load_memory(format, width, height, data): format 0, then nil data, raise. `size` is the
    // block's size (Image::kUnknownSize for a light userdata, whose block is trusted); the load
    // must fit in it.
    bool Load(double format, double width, double height, void* data, size_t size, lua_State* L);
    bool Unload();

    // The size the video device reports for the image's texture; the decoded size without a video
    // device; 0 while nothing is loaded.
    uint32_t TextureWidth() const;
    uint32_t TextureHeight() const;

    Vorn::Image* image() const { return image_.Get(); }

private:
    bridge::Held<Vorn::Image> image_;
};
