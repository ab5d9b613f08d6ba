// ErrorHandler: the one native handler every script error passes through (logged with a
// backtrace, then the OK/Cancel box), and the box itself.
#pragma once

struct lua_State;

namespace host {

// The Lua error handler, also the global `Error`: logs the top value's text and a backtrace,
// asks the user; OK returns the value, Cancel finalises and ends the process with code 0.
int ErrorHandler(lua_State* L);

// Shows the error box with `text` and the OK/Cancel prompt. True for OK, false for Cancel.
// Without a display the process ends after the box, whatever the answer.
bool ReportError(const char* text);

}  // namespace host
