// LuaFont: the script class Font, holding one counted reference to its engine Font on the
// process-wide video interface. A canvas writes with the engine font it holds; a font counts as
// loaded when that reports a loaded face. Loads return false on failure; only missing names
// raise, with the API's messages.
#pragma once

#include <Vorn/text/Font.h>

#include <cstdint>

#include "bridge/Held.h"

struct lua_State;

class LuaFont {
public:
    // No face.
    LuaFont();
    // Loads the file at once; the result is dropped and the name is not checked (nil loads
    // nothing).
    LuaFont(const char* filename, double size);
    virtual ~LuaFont() = default;
    LuaFont(const LuaFont&) = delete;
    LuaFont& operator=(const LuaFont&) = delete;

    // load_file and load_system: a nil or empty name raises.
    bool LoadFile(const char* filename, double size, lua_State* L);
    bool LoadSystem(const char* name, double size, lua_State* L);
    bool Unload();
    // A nil text measures 0.
    uint32_t GetWidth(const char* text) const;
    uint32_t GetHeight() const;
    uint32_t GetSize() const;

    Vorn::Font* font() const { return font_.Get(); }

private:
    bridge::Held<Vorn::Font> font_;
};
