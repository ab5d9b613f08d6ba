// IDrawable: something that draws into a frame. Draw hands what it shows to the renderer, which
// orders, culls and draws everything handed to it when the frame is processed.
#pragma once

namespace Vorn {

class Renderer;

class IDrawable {
public:
    virtual ~IDrawable() = default;
    virtual void Draw(Renderer& renderer) = 0;
};

} // namespace Vorn
