// DeviceList: the plugins report their devices to a callback that collects the names in C++; the
// names go into the Lua table in a protected call, and any error it leaves is raised only once the
// collected names are freed.
#include "system/DeviceList.h"

#include <cstring>
#include <string>
#include <vector>

#include "bridge/Numbers.h"
#include "contracts/DeviceInfo.h"
#include "host/Plugins.h"

namespace {

struct Listing {
    std::vector<std::string> names;
    bool failed = false; // a name could not be stored
};

// The plugins' DeviceEnumCallback: keeps the name, which may fill its whole field unterminated.
void AddName(const DeviceInfo* info, void* context)
{
    auto& listing = *static_cast<Listing*>(context);
    try {
        listing.names.emplace_back(info->name, strnlen(info->name, kDeviceNameSize));
    } catch (...) {
        listing.failed = true;
    }
}

template <typename Plugin> void List(Plugin* plugin, Listing& listing)
{
    if (plugin != nullptr)
        plugin->EnumerateDevices(DEV_SUBCLASS_ALL, AddName, &listing);
}

void Enumerate(int deviceClass, Listing& listing)
{
    const host::PluginSet& plugins = host::Plugins();
    switch (deviceClass) {
    case DEV_CLASS_ALL:
        List(plugins.video, listing);
        List(plugins.input, listing);
        List(plugins.audio, listing);
        break;
    case DEV_CLASS_VIDEO:
        List(plugins.video, listing);
        break;
    case DEV_CLASS_SOUND:
        List(plugins.audio, listing);
        break;
    case DEV_CLASS_INPUT:
        List(plugins.input, listing);
        break;
    default: // DEV_CLASS_CPU and unknown classes: no plugin offers such devices
        break;
    }
}

// Protected: stores the names of the listing (argument 2) at 1, 2, ... of the table (argument 1).
int StoreNames(lua_State* L)
{
    const auto& listing = *static_cast<const Listing*>(lua_touserdata(L, 2));
    if (listing.failed)
        luaL_error(L, "not enough memory");
    for (size_t i = 0; i < listing.names.size(); ++i) {
        lua_pushlstring(L, listing.names[i].data(), listing.names[i].size());
        lua_rawseti(L, 1, static_cast<int>(i + 1));
    }
    return 0;
}

// The frame that owns the names. Expects StoreNames and the table on the stack; false leaves the
// error there.
bool ListInto(lua_State* L, int deviceClass) noexcept
{
    Listing listing;
    Enumerate(deviceClass, listing);
    lua_pushlightuserdata(L, &listing);
    return lua_pcall(L, 2, 0, 0) == 0;
}

} // namespace

lua_Object enumerate_devices(double deviceClass, lua_State* L)
{
    const int devclass = bridge::Truncate<int>(deviceClass);
    lua_newtable(L);
    const int table = lua_gettop(L);
    lua_pushcfunction(L, StoreNames);
    lua_pushvalue(L, table);
    if (!ListInto(L, devclass))
        lua_error(L);
    return table;
}
