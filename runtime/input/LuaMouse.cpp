// LuaMouse: the cursor, motion, wheel and button events arrive with the input package; until
// then a frame does nothing for the mouse.
#include "input/LuaMouse.h"

bool LuaMouse::update()
{
    return true;
}
