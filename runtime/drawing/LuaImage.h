// LuaImage: the script-facing image, holding one counted reference to its engine Image on the
// process-wide video interface. A canvas paints the engine image it holds.
#pragma once

#include <Vorn/image/Image.h>

#include "bridge/Held.h"

class LuaImage {
public:
    LuaImage();
    virtual ~LuaImage() = default;
    LuaImage(const LuaImage&) = delete;
    LuaImage& operator=(const LuaImage&) = delete;

    Vorn::Image* image() const { return image_.Get(); }

private:
    bridge::Held<Vorn::Image> image_;
};
