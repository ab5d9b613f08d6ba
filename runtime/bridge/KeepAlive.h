// KeepAlive: pushing an object that lives inside an engine node (a node's colour) so that the
// node outlives the script's handle on it. The object's userdata carries, in its peer table under
// a private key, a small sentinel holding one counted reference on the node; when the userdata is
// collected, so is the sentinel, and its finaliser releases the reference. This is the one place
// that knows how the binding library keeps peers.
#pragma once

#include <tolua++.h>

namespace Vorn {
class Node;
}

namespace bridge {

// Pushes `object` under `type` without ownership (the same userdata while it lives) and makes
// that userdata keep `keeper` alive. May raise a memory error like any Lua allocation.
void PushKeepingAlive(lua_State* L, void* object, const char* type, Vorn::Node* keeper);

} // namespace bridge
