// DisplayWindowProc: the message table of the game window, and the display's callback calls.
// Callbacks run protected, with the error handler; their errors never stop a message.
#include "display/DisplayWindowProc.h"

#include <tolua++.h>

#include "bridge/ScriptState.h"
#include "bridge/SelfCallback.h"
#include "display/LuaDisplay.h"

namespace display {

using platform::Message;

namespace {

// The screen saver and monitor power-down, which the game window refuses.
bool IsPowerSaving(platform::WParam command)
{
    const platform::WParam masked = command & ~platform::WParam { 0xF };
    return masked == platform::kScScreenSave || masked == platform::kScMonitorPower;
}

} // namespace

platform::LResult DisplayWindowProc(
    platform::Hwnd window, Message message, platform::WParam wparam, platform::LParam lparam)
{
    if (message == Message::NcCreate) {
        const auto* params = reinterpret_cast<const platform::CreateParams*>(lparam);
        auto* display = static_cast<LuaDisplay*>(params->param);
        platform::SetWindowUserData(window, display);
        if (display != nullptr)
            display->WindowMade(window);
        return platform::DefWindowProc(window, message, wparam, lparam);
    }
    // Null once the display is deleted (finalisation), and for a window of another owner.
    auto* display = static_cast<LuaDisplay*>(platform::GetWindowUserData(window));
    if (display == nullptr)
        return platform::DefWindowProc(window, message, wparam, lparam);
    switch (message) {
    case Message::Create:
        display->Fire(display->onCreate);
        break;
    case Message::Destroy:
        display->Fire(display->onDestroy);
        break;
    case Message::NcDestroy:
        display->WindowGoing(window);
        display->WindowGone(window);
        break;
    case Message::SetFocus:
        display->Fire(display->onGainFocus);
        break;
    case Message::KillFocus:
        display->Fire(display->onLoseFocus);
        break;
    case Message::Paint:
        display->render();
        break;
    case Message::Close:
        if (!display->CloseAllowed())
            return 0;
        break;
    case Message::EnterMenuLoop:
    case Message::EnterSizeMove:
        display->Fire(display->onSuspend);
        break;
    case Message::ExitMenuLoop:
        display->Fire(display->onUnsuspend);
        break;
    case Message::ExitSizeMove:
        display->Fire(display->onUnsuspend);
        display->Fire(display->onResize);
        break;
    case Message::SysCommand:
        if (IsPowerSaving(wparam))
            return 0;
        break;
    default:
        break;
    }
    return platform::DefWindowProc(window, message, wparam, lparam);
}

} // namespace display

lua_State* LuaDisplay::CallbackState() const
{
    return caller_ != nullptr ? caller_ : ScriptState;
}

void LuaDisplay::Fire(const bridge::LuaRef& slot)
{
    lua_State* L = CallbackState();
    if (L == nullptr)
        return;
    bridge::CallWithSelf(L, slot, this, "LuaDisplay");
}

// An unset on_close lets the window close; a failed call leaves its error value, read as true.
bool LuaDisplay::CloseAllowed()
{
    lua_State* L = CallbackState();
    if (!onClose.IsSet() || L == nullptr)
        return true;
    return bridge::CallWithSelf(L, onClose, this, "LuaDisplay", true);
}
