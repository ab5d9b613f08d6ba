// CallbackProperty: accessors for properties holding a Lua value in a LuaRef slot (the `on_*`
// callbacks). A package declares `tolua_property lua_Object on_x;`, switches the two generated
// accessors off with TOLUA_DISABLE_... and defines them with VORN_CALLBACK_PROPERTY (README.md).
// Needs: the registered type name equals the C++ class name, as everywhere in the API.
#pragma once

#include <functional>
#include <tolua++.h>

#include "bridge/Errors.h"
#include "bridge/LuaRef.h"

namespace bridge {

// Argument 1 of an accessor: an object of `type` (or derived). nil or any other value raises
// "invalid 'self' in accessing variable '<field>'" instead of reading foreign memory.
template <class T> T* SelfForVariable(lua_State* L, const char* type, const char* field)
{
    tolua_Error err;
    T* self = nullptr;
    if (tolua_isusertype(L, 1, type, 0, &err))
        self = static_cast<T*>(tolua_tousertype(L, 1, nullptr));
    if (self == nullptr)
        RaiseInvalidSelfVariable(L, field);
    return self;
}

// Getter: pushes the slot's value, nil when unset. Slot is a LuaRef data member or a member
// function returning LuaRef&.
template <class T, auto Slot> int GetSlotProperty(lua_State* L, const char* type, const char* property)
{
    T* self = SelfForVariable<T>(L, type, property);
    const LuaRef& slot = std::invoke(Slot, *self);
    slot.Push(L);
    return 1;
}

// Setter: any present value is stored (non-functions fail later, when called); nil empties the
// slot; the old reference is released first.
template <class T, auto Slot> int SetSlotProperty(lua_State* L, const char* type, const char* property)
{
    T* self = SelfForVariable<T>(L, type, property);
    tolua_Error err;
    if (!tolua_isvalue(L, 2, 0, &err))
        RaiseAssignmentError(L, &err);
    LuaRef& slot = std::invoke(Slot, *self);
    slot.Set(L, 2);
    return 0;
}

} // namespace bridge

// Defines the two accessors the generator would have named for `Class.property`, bound to the
// slot `Class::slot`. Use after the matching TOLUA_DISABLE_ defines, in a header the .pkg includes.
#define VORN_CALLBACK_PROPERTY(Class, property, slot)                                                        \
    static int tolua_get_##Class##_##property(lua_State* L)                                                  \
    {                                                                                                        \
        return ::bridge::GetSlotProperty<Class, &Class::slot>(L, #Class, #property);                         \
    }                                                                                                        \
    static int tolua_set_##Class##_##property(lua_State* L)                                                  \
    {                                                                                                        \
        return ::bridge::SetSlotProperty<Class, &Class::slot>(L, #Class, #property);                         \
    }
