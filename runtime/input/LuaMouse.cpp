// LuaMouse: the cursor in display coordinates, motion and wheel callbacks, cursor visibility.
// Needs the display (its window and current mode) and the platform's window and cursor calls.
#include "input/LuaMouse.h"

#include "Vorn/core/Log.h"
#include "bridge/Callback.h"
#include "bridge/ScriptState.h"
#include "display/LuaDisplay.h"
#include "host/Devices.h"
#include "bridge/Numbers.h"
#include "platform/Cursor.h"
#include "platform/Window.h"

namespace input {

// What converting between screen and display coordinates needs: the window, the display mode's
// size and the client area's size.
struct ClientGeometry {
    platform::Hwnd window = nullptr;
    double modeWidth = 0, modeHeight = 0; // W, H
    double halfWidth = 0, halfHeight = 0; // W/2, H/2 halved as integers
    double clientWidth = 0, clientHeight = 0; // cw, ch
};

// Fills *out; false when the display, its window, its mode or its client area is missing, with
// *emptyClient set when only the client area's size is zero.
bool ReadClientGeometry(ClientGeometry* out, bool* emptyClient)
{
    *emptyClient = false;
    LuaDisplay* display = host::Devices().display;
    if (display == nullptr || display->window() == nullptr)
        return false;
    DisplayMode mode {};
    if (!display->get_mode(&mode))
        return false;
    platform::Rect client {};
    if (!platform::GetClientRect(display->window(), &client))
        return false;
    const int cw = client.right - client.left;
    const int ch = client.bottom - client.top;
    if (cw <= 0 || ch <= 0) {
        *emptyClient = true; // a minimised window: nothing to divide by
        return false;
    }
    out->window = display->window();
    out->modeWidth = mode.width;
    out->modeHeight = mode.height;
    out->halfWidth = mode.width / 2;
    out->halfHeight = mode.height / 2;
    out->clientWidth = cw;
    out->clientHeight = ch;
    return true;
}

} // namespace input

bool LuaMouse::update()
{
    if (!read_cursor())
        return false;
    if (!dispatch_events())
        return false;
    if (!input_->Poll(device_))
        return false;
    lua_State* L = ScriptState;
    if (on_move_.IsSet()) {
        int32_t dx = 0, dy = 0;
        input_->Axis(device_, AXIS_MOUSE_X, &dx);
        input_->Axis(device_, AXIS_MOUSE_Y, &dy);
        if (dx != 0 || dy != 0) {
            bridge::CallSlot(L, on_move_, [dx, dy](lua_State* S) {
                lua_pushnumber(S, dx);
                lua_pushnumber(S, dy);
                return 2;
            });
        }
    }
    if (on_wheelmove_.IsSet()) {
        int32_t dz = 0;
        input_->Axis(device_, AXIS_MOUSE_WHEEL, &dz);
        if (dz != 0) {
            bridge::CallSlot(L, on_wheelmove_, [dz](lua_State* S) {
                lua_pushnumber(S, dz);
                return 1;
            });
        }
    }
    return true;
}

// x = (px / cw) * W - W/2 and y = H/2 - (py / ch) * H, with (px, py) the cursor in client
// coordinates: one unit per mode pixel whatever the client area's size.
bool LuaMouse::read_cursor()
{
    LuaDisplay* display = host::Devices().display;
    if (display == nullptr || display->window() == nullptr)
        return false;
    platform::Point point {};
    if (!platform::GetCursorPos(&point))
        return false;
    x_ = point.x;
    y_ = point.y;
    input::ClientGeometry g;
    if (!ReadGeometry(&g))
        return false;
    if (!platform::ScreenToClient(g.window, &point))
        return false;
    x_ = bridge::Truncate<int32_t>(point.x / g.clientWidth * g.modeWidth - g.halfWidth);
    y_ = bridge::Truncate<int32_t>(g.halfHeight - point.y / g.clientHeight * g.modeHeight);
    return true;
}

// The inverse of read_cursor: the client point px = (x + W/2) * cw / W, py = (H/2 - y) * ch / H
// (truncated toward zero), then moved from client to screen coordinates by the client area's
// origin. So (0, 0) is the client area's centre and (-W/2, H/2) its top-left corner.
void LuaMouse::move_cursor(int32_t x, int32_t y)
{
    x_ = x;
    y_ = y;
    input::ClientGeometry g;
    if (!ReadGeometry(&g) || g.modeWidth == 0 || g.modeHeight == 0)
        return;
    // The screen origin in client coordinates is minus the client area's screen position.
    platform::Point origin { 0, 0 };
    if (!platform::ScreenToClient(g.window, &origin))
        return;
    const double px = (x + g.halfWidth) * g.clientWidth / g.modeWidth;
    const double py = (g.halfHeight - y) * g.clientHeight / g.modeHeight;
    platform::SetCursorPos(bridge::Truncate<int32_t>(px - origin.x), bridge::Truncate<int32_t>(py - origin.y));
}

// Logs an empty client area once each time the window becomes empty, not every frame.
bool LuaMouse::ReadGeometry(input::ClientGeometry* g)
{
    bool emptyClient = false;
    const bool good = input::ReadClientGeometry(g, &emptyClient);
    if (emptyClient && !reportedEmpty_)
        Vorn::Log::Output(
            "[vorn] mouse: the window's client area is empty; the cursor is not read or placed.\n");
    reportedEmpty_ = emptyClient;
    return good;
}

void LuaMouse::set_xaxis(double x)
{
    move_cursor(bridge::Truncate<int32_t>(x), y_);
}

void LuaMouse::set_yaxis(double y)
{
    move_cursor(x_, bridge::Truncate<int32_t>(y));
}

void LuaMouse::set_cursor_pos(double x, double y)
{
    move_cursor(bridge::Truncate<int32_t>(x), bridge::Truncate<int32_t>(y));
}

void LuaMouse::show_cursor()
{
    platform::ShowCursor(true);
}

void LuaMouse::hide_cursor()
{
    platform::ShowCursor(false);
}
