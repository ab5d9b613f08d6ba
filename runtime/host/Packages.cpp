// Packages: the one ordered table of the script API's packages. Each entry is the registration
// function the build generates from an area's .pkg file; start-up runs them top to bottom.
#include "host/Packages.h"

struct lua_State;

int tolua_timer_open(lua_State* L);

namespace host {

namespace {

using PackageOpen = int (*)(lua_State*);

// Start-up order: timers, debug helpers, Point, Color, input constants, system, Image,
// LinearGradient + Canvas, Clipper, Font, Sprite, Layer, Camera, DisplayMode + Display,
// SceneNode, Viewport, Keyboard/Mouse/Joystick, AudioMode + Audio, Sound + Music.
constexpr PackageOpen kPackages[] = {
    tolua_timer_open,
    nullptr,
};

}  // namespace

void RegisterPackages(lua_State* L)
{
    for (PackageOpen open : kPackages)
        if (open != nullptr)
            open(L);
}

}  // namespace host
