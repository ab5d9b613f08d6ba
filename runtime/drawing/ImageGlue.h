// ImageGlue: the hand-written pieces of the Image package, included only by its generated glue:
// constructors that check the name and key before allocating, load_memory (the generated one
// would read a full userdata's block as if it held an object's address), and the width and
// height getters.
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

// load_memory(format, width, height, data): the data is the address of the userdata's block, and
// a full userdata's block size is known. Checks and messages as generated glue gives them.
#define TOLUA_DISABLE_tolua_image_Image_load_memory00
static int tolua_image_Image_load_memory00(lua_State* L)
{
    tolua_Error err;
    if (!tolua_isusertype(L, 1, "LuaImage", 0, &err) || !tolua_isnumber(L, 2, 0, &err)
        || !tolua_isnumber(L, 3, 0, &err) || !tolua_isnumber(L, 4, 0, &err)
        || !tolua_isuserdata(L, 5, 0, &err) || !tolua_isnoobj(L, 6, &err))
        bridge::RaiseArgumentError(L, "load_memory", &err);
    auto* self = static_cast<LuaImage*>(tolua_tousertype(L, 1, nullptr));
    if (self == nullptr)
        bridge::RaiseInvalidSelf(L, "Load");
    const size_t size = lua_type(L, 5) == LUA_TUSERDATA ? lua_objlen(L, 5) : Vorn::Image::kUnknownSize;
    const bool loaded = self->Load(tolua_tonumber(L, 2, 0), tolua_tonumber(L, 3, 0), tolua_tonumber(L, 4, 0),
        lua_touserdata(L, 5), size, L);
    lua_pushboolean(L, loaded);
    return 1;
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
