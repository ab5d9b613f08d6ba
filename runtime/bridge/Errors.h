// Errors: the one home of the script API's error wording. Every fixed argument and "invalid ..."
// text that hand-written glue raises goes through these helpers; generated glue raises the same
// texts through tolua_error. All of them raise a Lua error (longjmp): call them only from frames
// whose live objects are all trivially destructible (see README.md).
#pragma once

#include <tolua++.h>

namespace bridge {

// "invalid 'self' in function '<member>'", naming the engine member (not the Lua name).
[[noreturn]] void RaiseInvalidSelf(lua_State* L, const char* member);
// "invalid 'self' in accessing variable '<field>'", naming the engine field.
[[noreturn]] void RaiseInvalidSelfVariable(lua_State* L, const char* field);
// "error in function '<lua name>'." with the failed check's argument index and both types.
[[noreturn]] void RaiseArgumentError(lua_State* L, const char* luaName, tolua_Error* err);
// "invalid type in variable assignment." with the failed check's provided and expected types.
[[noreturn]] void RaiseAssignmentError(lua_State* L, tolua_Error* err);
// A per-operation message raised as given (with the caller's position in front), for example
// "add: invalid point.". The text is never used as a format string.
[[noreturn]] void RaiseMessage(lua_State* L, const char* text);
// "<operation>: <expected> expected, got <type of the value at index>".
[[noreturn]] void RaiseExpected(lua_State* L, const char* operation, const char* expected, int index);

} // namespace bridge
