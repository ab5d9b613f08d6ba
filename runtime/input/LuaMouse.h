// LuaMouse: the script's `mouse`, the default mouse of the input plugin. Adds the cursor position
// in display coordinates (origin at the display's centre, y up, one unit per pixel of the display
// mode), relative motion and wheel callbacks, and the system cursor's visibility.
#pragma once

#include <cstdint>

#include "input/LuaInputDevice.h"

namespace input {
struct ClientGeometry;
}

class LuaMouse : public LuaInputDevice {
public:
    using LuaInputDevice::LuaInputDevice;

    // Cursor, button events, then on_move(dx, dy) and on_wheelmove(dz) from the device's relative
    // axes. Stops at the first failed step; without a window nothing is delivered.
    bool update() override;

    // Script properties `xaxis`/`yaxis`: the cursor in display coordinates. Assigning one moves
    // the cursor there, keeping the other; the number is truncated toward zero.
    double get_xaxis() const { return x_; }
    double get_yaxis() const { return y_; }
    void set_xaxis(double x);
    void set_yaxis(double y);

    void show_cursor();
    void hide_cursor();
    // Stores the position (numbers truncated toward zero) and moves the system cursor there.
    void set_cursor_pos(double x, double y);

    // Reads the system cursor into display coordinates; false without a window, a mode or a
    // client area (a zero-sized client area fails rather than dividing by zero).
    bool read_cursor();
    // Stores (x, y) and, when there is a window with a mode and a client area, places the system
    // cursor at the screen point that read_cursor() reads back as (x, y).
    void move_cursor(int32_t x, int32_t y);

    bridge::LuaRef& OnMove() { return on_move_; }
    bridge::LuaRef& OnWheelMove() { return on_wheelmove_; }

private:
    // The display's geometry for the conversions (see LuaMouse.cpp); false when incomplete.
    bool ReadGeometry(input::ClientGeometry* g);

    int32_t x_ = 0;
    int32_t y_ = 0;
    bridge::LuaRef on_move_;
    bridge::LuaRef on_wheelmove_;
    bool reportedEmpty_ = false; // the empty client area has been logged
};
