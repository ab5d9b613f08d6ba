// ScriptState: the one process-wide Lua state. Null before start-up and after finalisation.
#pragma once

struct lua_State;

// Set by the host when the state is created and cleared after it is closed. Objects that hold
// registry references release them through it, so they must be destroyed while it is open.
extern lua_State* ScriptState;
