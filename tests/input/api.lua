-- The input API without a window: the key codes, the devices' classes, is_down/is_up results,
-- the properties' conversions and the error texts.
-- Runs as a main script with the test plugins: vorn <path>/tests/input/api.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("input")

-- Key codes: 132 globals in four families whose values are 0 to 131, each once; the family
-- boundaries and a few keys whose place on a keyboard row is easily miscounted.
local seen, count = {}, 0
for name, value in pairs(_G) do
    if type(value) == "number" and (name:match("^KEY_") or name:match("^[MJ]BUTTON_") or name:match("^JDPAD_")) then
        count = count + 1
        T:eq(seen[value], nil, name .. " has a code of its own")
        seen[value] = name
    end
end
T:eq(count, 132, "key-code constants")
for value = 0, 131 do
    T:ok(seen[value], "code " .. value .. " is taken")
end
local spots = { KEY_NONE = 0, KEY_ESCAPE = 1, KEY_F15 = 16, KEY_1 = 17, KEY_0 = 26, KEY_Q = 31, KEY_A = 45,
    KEY_ENTER = 56, KEY_Z = 58, KEY_SPACE = 72, KEY_TILDE = 107, MBUTTON_LEFT = 108, MBUTTON_X = 111,
    JBUTTON_1 = 112, JBUTTON_16 = 127, JDPAD_NORTH = 128, JDPAD_WEST = 131 }
for name, value in pairs(spots) do
    T:eq(_G[name], value, name)
end
T:eq(type(input) == "table" and next(input), nil, "input is an empty table")

-- The devices and their classes.
T:eq(tolua.type(keyboard) .. " " .. tolua.type(mouse) .. " " .. tolua.type(joystick), "LuaKeyboard LuaMouse LuaJoystick",
    "device types")
T:eq(keyboard.is_down == LuaInputDevice.is_down and keyboard.xaxis, nil, "the keyboard inherits is_down, has no axes")

-- Key-state queries (nothing is down on the test keyboard): the answer, then the code asked about.
local down, code = keyboard:is_down(KEY_SPACE)
T:eq(tostring(down) .. " " .. code, "false 72", "is_down(KEY_SPACE)")
local up
up, code = keyboard:is_up(3.9)
T:eq(tostring(up) .. " " .. code, "true 3", "is_up(3.9) asks about 3")
T:eq(select(2, keyboard:is_up(-2.5)), 4294967294, "a negative key becomes the unsigned code")
T:raises_argument("is_down", 2, "string", "number", "is_down('x')", keyboard.is_down, keyboard, "x")
T:raises("invalid 'self' in function 'is_down'", "is_down(nil)", keyboard.is_down, nil, 1)
T:raises("invalid 'self' in accessing variable 'on_rotate'", "on_rotate on the class", function() return Joystick.on_rotate end)

-- Mouse: integer positions, truncated toward zero and saturated; kept without a window.
mouse.xaxis = 5.7
mouse.yaxis = -5.7
T:eq(mouse.xaxis .. "," .. mouse.yaxis, "5,-5", "truncated, each axis kept")
mouse.xaxis = 0 / 0
T:eq(mouse.xaxis, 0, "NaN reads as 0")
T:raises_argument("set_cursor_pos", 1, "LuaKeyboard", "LuaMouse", "set_cursor_pos on the keyboard",
    Mouse.set_cursor_pos, keyboard, 1, 2)
T:raises_assignment("string", "number", "mouse.xaxis = 'abc'", function() mouse.xaxis = "abc" end)

-- Joystick: single-precision axes, 0 at start.
T:eq(joystick.xaxis, 0, "joystick.xaxis at start")
joystick.zaxis = 0.1
T:eq(joystick.zaxis, 0.10000000149011612, "zaxis stored as a float")
-- Beyond single precision's range a number rounds to an infinity; the largest float stays one.
joystick.xaxis, joystick.yaxis, joystick.zaxis = 1e300, -1e39, 3.4028234663852886e38
T:eq(joystick.xaxis .. " " .. joystick.yaxis .. " " .. joystick.zaxis, "inf -inf 3.4028234663853e+38", "axes out of range")
joystick.xaxis, joystick.yaxis, joystick.zaxis = 0, 0, 0
T:raises_assignment("boolean", "number", "joystick.yaxis = true", function() joystick.yaxis = true end)

T:finish()
