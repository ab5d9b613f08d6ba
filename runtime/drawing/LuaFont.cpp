// LuaFont: the name checks of the load methods and the size conversion (a script's number,
// truncated, taken as an unsigned 32-bit value).
#include "drawing/LuaFont.h"

#include "bridge/Errors.h"
#include "bridge/Numbers.h"
#include "host/Plugins.h"

// The wrapper takes the font's first reference and is its owner.
LuaFont::LuaFont()
    : font_(new Vorn::Font(host::Plugins().video), this)
{
}

LuaFont::LuaFont(const char* filename, double size)
    : LuaFont()
{
    font_->LoadFile(filename, bridge::TruncateWrapped(size));
}

bool LuaFont::LoadFile(const char* filename, double size, lua_State* L)
{
    if (filename == nullptr || *filename == '\0')
        bridge::RaiseMessage(L, "load_font: invalid fontname.");
    return font_->LoadFile(filename, bridge::TruncateWrapped(size));
}

bool LuaFont::LoadSystem(const char* name, double size, lua_State* L)
{
    if (name == nullptr || *name == '\0')
        bridge::RaiseMessage(L, "load_system: invalid fontname.");
    return font_->LoadSystem(name, bridge::TruncateWrapped(size));
}

bool LuaFont::Unload()
{
    return font_->Release();
}

uint32_t LuaFont::GetWidth(const char* text) const
{
    return font_->GetWidth(text);
}

uint32_t LuaFont::GetHeight() const
{
    return font_->GetHeight();
}

uint32_t LuaFont::GetSize() const
{
    return font_->GetSize();
}
