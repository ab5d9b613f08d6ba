// Packages: the ordered table of the script API's registration functions.
#pragma once

struct lua_State;

namespace host {

// Registers every package of the script API, in start-up order.
void RegisterPackages(lua_State* L);

}  // namespace host
