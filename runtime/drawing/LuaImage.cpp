// LuaImage: creation on the video plugin's interface (null without a video plugin).
#include "drawing/LuaImage.h"

#include "host/Plugins.h"

// The wrapper takes the image's first reference and is its owner.
LuaImage::LuaImage()
    : image_(new Vorn::Image(host::Plugins().video), this)
{
}
