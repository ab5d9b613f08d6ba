// ImageGlue: the hand-written pieces of the Image package, included only by its generated glue:
// constructors that check the name and key before allocating, and the width and height getters.
#pragma once

#include <Vorn/image/PixelFormats.h>

#include "bridge/CallbackProperty.h"
#include "bridge/Errors.h"
#include "bridge/GlueNew.h"
#include "contracts/Color.h"
#include "drawing/LuaImage.h"

using namespace Vorn; // the IMG_FORMAT_ constants

inline LuaImage* GlueNewLuaImage()
{
    return new LuaImage();
}

// Image(filename): a nil or empty name raises; the load's result is dropped.
inline LuaImage* GlueNewLuaImage(const char* filename, lua_State* L)
{
    if (filename == nullptr || *filename == '\0')
        bridge::RaiseMessage(L, "load_image: filename expected, got nil.");
    auto* image = new LuaImage();
    image->Load(filename);
    return image;
}

// Image(filename, key): the name is checked first, then the key (nil is refused rather than read).
inline LuaImage* GlueNewLuaImage(const char* filename, const Color* key, lua_State* L)
{
    if (filename == nullptr || *filename == '\0')
        bridge::RaiseMessage(L, "load_image: filename expected, got nil.");
    if (key == nullptr)
        bridge::RaiseMessage(L, "load image: invalid color key");
    auto* image = new LuaImage();
    image->Load(filename, key, L);
    return image;
}

#define TOLUA_DISABLE_tolua_get_LuaImage_width
#define TOLUA_DISABLE_tolua_get_LuaImage_height
static int tolua_get_LuaImage_width(lua_State* L)
{
    const LuaImage* self = bridge::SelfForVariable<LuaImage>(L, "LuaImage", "width");
    lua_pushnumber(L, self->TextureWidth());
    return 1;
}
static int tolua_get_LuaImage_height(lua_State* L)
{
    const LuaImage* self = bridge::SelfForVariable<LuaImage>(L, "LuaImage", "height");
    lua_pushnumber(L, self->TextureHeight());
    return 1;
}
