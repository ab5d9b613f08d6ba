// LuaKeyboard: polls the keyboard once per frame and dispatches its button events.
#include "input/LuaKeyboard.h"

bool LuaKeyboard::update()
{
    input_->Poll(device_); // the keyboard's events do not depend on the poll's answer
    return dispatch_events();
}
