-- The input API without a window: the key-code constants and the empty `input` module, the
-- devices' classes, is_down/is_up results, the properties' conversions and the error texts.
-- Runs as a main script with the test plugins: vorn <path>/tests/input/api.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("input")

-- Constants: 132 globals in four families, spot checks across every family and row.
local count = 0
for name, value in pairs(_G) do
    if type(value) == "number" and (name:match("^KEY_") or name:match("^MBUTTON_") or name:match("^JBUTTON_")
        or name:match("^JDPAD_")) then
        count = count + 1
    end
end
T:eq(count, 132, "key-code constants")
local rows = { KEY_NONE = 0, KEY_ESCAPE = 1, KEY_F1 = 2, KEY_F15 = 16, KEY_1 = 17, KEY_0 = 26, KEY_Q = 31,
    KEY_A = 45, KEY_ENTER = 56, KEY_Z = 58, KEY_SPACE = 72, KEY_UP = 86, KEY_LEFT = 87, KEY_DOWN = 88,
    KEY_RIGHT = 89, KEY_TILDE = 107, MBUTTON_LEFT = 108, MBUTTON_MIDDLE = 109, MBUTTON_RIGHT = 110,
    MBUTTON_X = 111, JBUTTON_1 = 112, JBUTTON_16 = 127, JDPAD_NORTH = 128, JDPAD_EAST = 129,
    JDPAD_SOUTH = 130, JDPAD_WEST = 131 }
for name, value in pairs(rows) do
    T:eq(_G[name], value, name)
end
T:eq(type(input), "table", "input is a table")
T:eq(next(input), nil, "input is empty")

-- The devices and their classes.
T:eq(tolua.type(keyboard), "LuaKeyboard", "keyboard's type")
T:eq(tolua.type(mouse), "LuaMouse", "mouse's type")
T:eq(tolua.type(joystick), "LuaJoystick", "joystick's type")
T:eq(keyboard.is_down, LuaInputDevice.is_down, "the keyboard inherits is_down")
T:eq(keyboard.xaxis, nil, "the keyboard has no axes")

-- Key-state queries (no key is down on the test keyboard): the answer, then the code asked about.
local down, code = keyboard:is_down(KEY_SPACE)
T:eq(down, false, "is_down(KEY_SPACE)")
T:eq(code, 72, "is_down(KEY_SPACE)'s code")
T:eq(select("#", keyboard:is_down(KEY_A)), 2, "is_down gives two results")
local up
up, code = keyboard:is_up(3.9)
T:eq(up, true, "is_up(3.9)")
T:eq(code, 3, "is_up(3.9) asks about 3")
T:eq(select(2, keyboard:is_up(-2.5)), 4294967294, "a negative key becomes the unsigned code")
T:eq(mouse:is_up(MBUTTON_LEFT), true, "the mouse answers too")
T:raises_argument("is_down", 2, "string", "number", "is_down('x')", keyboard.is_down, keyboard, "x")
T:raises_argument("is_up", 2, "[no object]", "number", "is_up()", keyboard.is_up, keyboard)
T:raises_argument("is_down", 3, "number", "[no object]", "is_down(1, 2)", keyboard.is_down, keyboard, 1, 2)
T:raises_argument("is_down", 1, "table", "const LuaInputDevice", "is_down on a table", keyboard.is_down, {}, 1)
T:raises("invalid 'self' in function 'is_down'", "is_down(nil)", keyboard.is_down, nil, 1)

-- Callback properties: any value is stored, nil clears; the self check.
local function f() end
keyboard.on_press = f
T:eq(keyboard.on_press, f, "on_press reads back")
keyboard.on_press = nil
T:eq(keyboard.on_press, nil, "on_press cleared")
mouse.on_release = 5
T:eq(mouse.on_release, 5, "a number is stored")
mouse.on_release = nil
T:raises("invalid 'self' in accessing variable 'on_move'", "on_move on the class",
    function() return Mouse.on_move end)
T:raises("invalid 'self' in accessing variable 'on_wheelmove'", "on_wheelmove on the class",
    function() Mouse.on_wheelmove = f end)
T:raises("invalid 'self' in accessing variable 'on_rotate'", "on_rotate on the class",
    function() return Joystick.on_rotate end)

-- Mouse: integer positions, truncated toward zero and saturated; stored without a window.
T:eq(mouse.xaxis, 0, "mouse.xaxis at start")
T:eq(mouse.yaxis, 0, "mouse.yaxis at start")
mouse.xaxis = 5.7
mouse.yaxis = -5.7
T:eq(mouse.xaxis, 5, "xaxis truncated")
T:eq(mouse.yaxis, -5, "yaxis truncated, the x kept")
T:eq(mouse.xaxis, 5, "assigning yaxis keeps xaxis")
mouse:set_cursor_pos(-9.9, 3.2)
T:eq(mouse.xaxis, -9, "set_cursor_pos x")
T:eq(mouse.yaxis, 3, "set_cursor_pos y")
mouse:set_cursor_pos(1e300, -1e300)
T:eq(mouse.xaxis, 2147483647, "huge x saturates")
T:eq(mouse.yaxis, -2147483648, "huge y saturates")
mouse.xaxis = 0 / 0
T:eq(mouse.xaxis, 0, "NaN reads as 0")
T:raises_argument("set_cursor_pos", 3, "[no object]", "number", "set_cursor_pos(1)", mouse.set_cursor_pos, mouse, 1)
T:raises_argument("set_cursor_pos", 1, "LuaKeyboard", "LuaMouse", "set_cursor_pos on the keyboard",
    Mouse.set_cursor_pos, keyboard, 1, 2)
T:raises("invalid 'self' in function 'set_cursor_pos'", "set_cursor_pos(nil)", Mouse.set_cursor_pos, nil, 1, 2)
T:raises_argument("hide_cursor", 2, "number", "[no object]", "hide_cursor(1)", mouse.hide_cursor, mouse, 1)
T:raises("invalid 'self' in accessing variable 'xaxis'", "Mouse.xaxis", function() return Mouse.xaxis end)
T:raises("invalid 'self' in accessing variable 'yaxis'", "Mouse.yaxis = 1", function() Mouse.yaxis = 1 end)
T:raises_assignment("string", "number", "mouse.xaxis = 'abc'", function() mouse.xaxis = "abc" end)
mouse.yaxis = "250"
T:eq(mouse.yaxis, 250, "a numeric string is converted")

-- Joystick: single-precision axes, 0 at start.
T:eq(joystick.xaxis, 0, "joystick.xaxis at start")
joystick.zaxis = 0.1
T:eq(joystick.zaxis, 0.10000000149011612, "zaxis stored as a float")
T:raises("invalid 'self' in accessing variable 'zaxis'", "Joystick.zaxis", function() return Joystick.zaxis end)
T:raises_assignment("boolean", "number", "joystick.yaxis = true", function() joystick.yaxis = true end)

T:finish()
