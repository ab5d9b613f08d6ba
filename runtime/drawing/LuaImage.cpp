// LuaImage: the checks of the load forms and the texture size asked of the video device.
#include "drawing/LuaImage.h"

#include "bridge/Errors.h"
#include "bridge/Numbers.h"
#include "host/Plugins.h"

// The wrapper takes the image's first reference and is its owner.
LuaImage::LuaImage()
    : image_(new Vorn::Image(host::Plugins().video), this)
{
}

bool LuaImage::Load(const char* filename, const Color* key, lua_State* L)
{
    if (filename == nullptr || *filename == '\0')
        bridge::RaiseMessage(L, "load_image: filename expected, got nil.");
    if (key == nullptr)
        bridge::RaiseMessage(L, "load image: invalid color key");
    return image_->LoadFile(filename, *key);
}

bool LuaImage::Load(const char* filename)
{
    return image_->LoadFile(filename);
}

bool LuaImage::Load(double format, double width, double height, void* data, size_t size, lua_State* L)
{
    const uint32_t kind = bridge::TruncateWrapped(format);
    if (kind == Vorn::IMG_FORMAT_UNKNOWN)
        bridge::RaiseMessage(L, "Invalid parameter #1 to load: image format unknown.");
    if (data == nullptr)
        bridge::RaiseMessage(L, "Invalid argument #4 to load: data expected, got nil.");
    return image_->LoadMemory(
        data, kind, bridge::TruncateWrapped(width), bridge::TruncateWrapped(height), size);
}

bool LuaImage::Unload()
{
    return image_->Release();
}

uint32_t LuaImage::TextureWidth() const
{
    Vorn::Image* image = image_.Get();
    if (!image->IsLoaded())
        return 0;
    IVideo* video = image->Video();
    return video != nullptr ? video->TextureWidth(image->Texture()) : image->Width();
}

uint32_t LuaImage::TextureHeight() const
{
    Vorn::Image* image = image_.Get();
    if (!image->IsLoaded())
        return 0;
    IVideo* video = image->Video();
    return video != nullptr ? video->TextureHeight(image->Texture()) : image->Height();
}
