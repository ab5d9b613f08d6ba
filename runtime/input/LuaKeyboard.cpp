// LuaKeyboard: polls the keyboard once per frame. Dispatching its button events to on_press and
// on_release arrives with the input package.
#include "input/LuaKeyboard.h"

bool LuaKeyboard::update()
{
    input_->Poll(device_);
    return true;
}
