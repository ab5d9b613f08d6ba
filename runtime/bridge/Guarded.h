// Guarded: the wall between C++ exceptions and Lua errors. Glue that calls code which may throw
// runs it through CallGuarded: the exception is caught and its text copied into a plain buffer
// inside a frame that has ended before the Lua error is raised, so no exception crosses a Lua
// frame and no destructor is skipped by the longjmp.
#pragma once

#include <cstdio>
#include <exception>

#include "bridge/Errors.h"

namespace bridge {

namespace detail {

// Runs fn; on an exception writes its text into `text` and returns false.
template <typename Fn> bool RunCatching(Fn& fn, char* text, int size) noexcept
{
    try {
        fn();
        return true;
    } catch (const std::exception& e) {
        std::snprintf(text, size, "%s", e.what());
    } catch (...) {
        std::snprintf(text, size, "unknown C++ error");
    }
    return false;
}

} // namespace detail

// Calls fn() and raises its exception's text as a Lua error once fn's frames are gone. The
// caller's own frame must hold only trivially destructible objects (fn's captures included);
// results travel out through references captured by fn.
template <typename Fn> void CallGuarded(lua_State* L, Fn&& fn)
{
    char text[256];
    if (!detail::RunCatching(fn, text, static_cast<int>(sizeof text)))
        RaiseMessage(L, text);
}

} // namespace bridge
