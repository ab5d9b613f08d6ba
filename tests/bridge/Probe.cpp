// Probe: firing the callback through the engine's one calling protocol.
#include "Probe.h"

#include <tolua++.h>

#include "bridge/Callback.h"

namespace {

int PushProbe(lua_State* L, Probe* probe)
{
    tolua_pushusertype(L, probe, "Probe");
    return 1;
}

} // namespace

void Probe::Fire(lua_State* L)
{
    bridge::CallSlot(L, onEvent, [this](lua_State* S) { return PushProbe(S, this); });
}

bool Probe::Ask(lua_State* L)
{
    return bridge::CallSlot(
        L, onEvent, [this](lua_State* S) { return PushProbe(S, this); }, true);
}
