// LuaRef: one registry-reference slot, the way an engine object holds a Lua value (a callback
// function or the userdata of an object it keeps alive). Starts unset (-1), releases on replace
// and on destruction.
#pragma once

#include <lua.hpp>

namespace bridge {

class LuaRef {
public:
    LuaRef() = default;
    ~LuaRef() { Release(); }
    LuaRef(const LuaRef&) = delete;
    LuaRef& operator=(const LuaRef&) = delete;

    // Replaces the held value with a copy of the value at `index`; nil leaves the slot unset.
    void Set(lua_State* L, int index);
    // Anchors the userdata of `object`, pushed under its registered type name so it is the same
    // userdata a script holds; null unsets the slot. With takeOwnership Lua owns the object (a
    // companion the holder creates itself), so it lives at least as long as the slot holds it.
    void SetObject(lua_State* L, void* object, const char* type, bool takeOwnership = false);
    // Pushes the held value, or nil when unset.
    void Push(lua_State* L) const;
    // Drops the reference (nothing when unset or when the state is already closed).
    void Release();

    bool IsSet() const { return ref_ != LUA_REFNIL; }
    // The raw registry reference, -1 when unset.
    int Ref() const { return ref_; }

private:
    int ref_ = LUA_REFNIL;
};

}  // namespace bridge
