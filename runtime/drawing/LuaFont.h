// LuaFont: the script-facing font, holding one counted reference to its engine Font on the
// process-wide video interface. A canvas writes with the engine font it holds; a font counts as
// loaded when that reports a loaded face.
#pragma once

#include <Vorn/text/Font.h>

#include "bridge/Held.h"

class LuaFont {
public:
    LuaFont();
    virtual ~LuaFont() = default;
    LuaFont(const LuaFont&) = delete;
    LuaFont& operator=(const LuaFont&) = delete;

    Vorn::Font* font() const { return font_.Get(); }

private:
    bridge::Held<Vorn::Font> font_;
};
