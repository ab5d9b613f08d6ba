// InputDevice: the capped event queue of one opened device.
#include "InputDevice.h"

#include "contracts/KeyCodes.h"

namespace sdlinput {

void InputDevice::Push(uint32_t code, bool down)
{
    if (events.size() >= kMaxPendingEvents)
        events.pop_front();
    ButtonEvent event {};
    event.code = code;
    event.down = down;
    events.push_back(event);
    if (code >= JBUTTON_1 && code <= JDPAD_WEST) {
        const uint32_t bit = 1u << (code - JBUTTON_1);
        held = down ? (held | bit) : (held & ~bit);
    }
}

} // namespace sdlinput
