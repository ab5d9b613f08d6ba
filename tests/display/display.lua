-- Display and DisplayMode through the script API, with the test plugins on SDL's dummy video:
-- the DisplayMode record, the argument errors of create, get_mode and set_mode, the title and
-- visibility rules, destroy twice, and the `modes` tables. Ends with the window destroyed.
-- Runs as a main script too: vorn <path>/tests/display/display.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("display")

-- DisplayMode: zeroed by every constructor; new is not Lua-owned, new_local and the call form are.
for label, mode in pairs({ new = DisplayMode:new(), new_local = DisplayMode:new_local(), call = DisplayMode() }) do
    T:eq(mode.width, 0, label .. " width")
    T:eq(mode.height, 0, label .. " height")
    T:eq(mode.depth, 0, label .. " depth")
    T:eq(mode.refresh, 0, label .. " refresh")
    T:eq(mode.windowed, false, label .. " windowed")
    T:eq(check.owned(mode), label ~= "new", label .. " owned by Lua")
    tolua.takeownership(mode) -- so that the record from new is freed too
end
T:raises_argument("new", 2, "number", "[no object]", "DisplayMode:new(1)", DisplayMode.new, DisplayMode, 1)

-- Number fields: truncation toward zero, kept in 32 bits; numeric strings convert.
local m = DisplayMode()
m.width = 640.9
T:eq(m.width, 640, "640.9 truncated")
m.width = -1
T:eq(m.width, 4294967295, "-1 wraps to 32 bits")
m.height = 2 ^ 32 + 5
T:eq(m.height, 5, "2^32 + 5 keeps the low 32 bits")
m.depth = -0.5
T:eq(m.depth, 0, "-0.5 truncated toward zero")
m.refresh = "75"
T:eq(m.refresh, 75, "numeric string")
m.refresh = 0 / 0
T:eq(m.refresh, 0, "NaN stores 0")
m.windowed = true
T:eq(m.windowed, true, "windowed")
m.windowed = nil
T:eq(m.windowed, false, "nil is false")
T:raises_assignment("string", "number", "width = 'wide'", function() m.width = "wide" end)
T:raises_assignment("table", "boolean", "windowed = {}", function() m.windowed = {} end)
T:raises("invalid 'self' in accessing variable 'width'", "width of nil",
    function() return DisplayMode[".get"].width(nil) end)

-- Argument errors: the mode is tested before the title; nil windowed is accepted.
T:raises("Invalid argument #3 to create: DisplayMode expected, got nil", "create(nil, nil)",
    display.create, display, nil, nil)
T:raises("Invalid argument #2 to create: title expected, got nil", "create(nil, mode)",
    display.create, display, nil, m)
T:raises("Invalid argument #2 to create: title expected, got nil", "create(nil, 640, ...)",
    display.create, display, nil, 640, 480, 32, true)
T:raises_argument("create", 3, "number", "const DisplayMode", "create without windowed",
    display.create, display, "No windowed", 640, 480, 32)
T:raises_argument("create", 3, "number", "const DisplayMode", "create with a string windowed",
    display.create, display, "Bad windowed", 640, 480, 32, "yes")
T:raises("invalid 'self' in function 'create'", "Display.create(nil, ...)",
    display.create, nil, "x", 640, 480, 32, true)
T:raises("Invalid argument #2 to get_mode, DisplayMode expected, got nil", "get_mode(nil)",
    display.get_mode, display, nil)
T:raises("Invalid argument #2 to set_mode, DisplayMode expected, got nil", "set_mode(nil)",
    display.set_mode, display, nil)
T:raises_argument("get_mode", 2, "LuaPoint", "DisplayMode", "get_mode of a Point",
    display.get_mode, display, Point(1, 2))

-- Without a window.
T:eq(display:get_title(), nil, "get_title before create")
T:eq(display:set_title("x"), false, "set_title without a window")
T:eq(display:show(), false, "show without a window")
T:eq(display:destroy(), false, "destroy without a window")

-- A window; the callbacks hold any value and give it back.
local created, destroyed = 0, 0
display.on_create = function(d)
    created = created + 1
    T:eq(d, display, "on_create gets the display")
    T:eq(d:get_title(), nil, "on_create runs before create stores the window")
end
display.on_destroy = function() destroyed = destroyed + 1 end
T:eq(type(display.on_create), "function", "on_create reads back")
T:eq(display.on_close, nil, "on_close unset")
display.on_close = 5
T:eq(display.on_close, 5, "on_close holds a number")
display.on_close = nil
T:eq(display.on_close, nil, "on_close cleared")
T:eq(display:create("Display test", 320, 200, 32, nil), true, "create with an explicit nil windowed")
T:eq(created, 1, "on_create ran inside create")
T:eq(display:get_title(), "Display test", "title")
T:eq(display:set_title(""), false, "empty title refused")
T:eq(display:set_title(nil), false, "nil title refused")
T:eq(display:get_title(), "Display test", "title kept")
T:eq(display:set_title("Renamed"), true, "set_title")
T:eq(display:get_title(), "Renamed", "new title")
T:eq(display:show(), true, "show on a visible window")
T:eq(display:hide(), true, "hide on a visible window")
T:eq(display:hide(), false, "hide on a hidden window")
T:eq(display:show(), false, "show on a hidden window")
T:eq(display:show(), true, "shown again")
local mode = DisplayMode()
T:eq(display:get_mode(mode), true, "get_mode after create")
T:eq(mode.width .. "x" .. mode.height .. "x" .. mode.depth .. "@" .. mode.refresh, "320x200x32@60", "mode")
T:eq(mode.windowed, false, "nil windowed means full screen")

-- modes: a new table on every read (the test plugins list none by default).
local a, b = display.modes, display.modes
T:eq(type(a), "table", "modes is a table")
T:ok(a ~= b, "each read is a new table")
display.modes = 1
T:eq(rawequal(display.modes, 1), true, "assigning modes stores a script field")

T:eq(display:destroy(), true, "destroy")
T:eq(destroyed, 1, "on_destroy ran inside destroy")
T:eq(display:destroy(), false, "destroy twice")
T:eq(destroyed, 1, "on_destroy not again")
T:eq(display:get_title(), nil, "get_title after destroy")

T:finish()
