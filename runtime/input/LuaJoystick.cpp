// LuaJoystick: the axes and button events arrive with the input package; until then a frame
// does nothing for the joystick.
#include "input/LuaJoystick.h"

bool LuaJoystick::update()
{
    return true;
}
