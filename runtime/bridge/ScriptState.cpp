// ScriptState: storage for the process-wide Lua state pointer.
#include "bridge/ScriptState.h"

lua_State* ScriptState = nullptr;
