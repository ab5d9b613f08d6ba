-- Display and DisplayMode through the script API, with the test plugins on SDL's dummy video:
-- the DisplayMode record, the argument errors of create, get_mode and set_mode, the answers
-- without a window, title and visibility, the mode a window is made with, destroy twice.
-- Runs as a main script: vorn <path>/tests/display/display.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("display")

-- DisplayMode: zeroed; number fields truncate toward zero and keep 32 bits; nil is false.
local m = DisplayMode()
T:eq(m.width + m.height + m.depth + m.refresh, 0, "zeroed")
T:eq(m.windowed, false, "not windowed")
m.width = 640.9
T:eq(m.width, 640, "640.9 truncated")
m.width = -1
T:eq(m.width, 4294967295, "-1 wraps to 32 bits")
m.height = 2 ^ 32 + 5
T:eq(m.height, 5, "2^32 + 5 keeps the low 32 bits")
m.refresh = 0 / 0
T:eq(m.refresh, 0, "NaN stores 0")
m.windowed = true
m.windowed = nil
T:eq(m.windowed, false, "nil is false")
T:raises_assignment("string", "number", "width = 'wide'", function() m.width = "wide" end)

-- Argument errors: the mode is tested before the title; windowed may be nil but not missing.
T:raises("Invalid argument #3 to create: DisplayMode expected, got nil", "create(nil, nil)",
    display.create, display, nil, nil)
T:raises("Invalid argument #2 to create: title expected, got nil", "create(nil, mode)", display.create, display, nil, m)
T:raises("Invalid argument #2 to create: title expected, got nil", "create(nil, 640, ...)",
    display.create, display, nil, 640, 480, 32, true)
T:raises_argument("create", 3, "number", "const DisplayMode", "create without windowed",
    display.create, display, "No windowed", 640, 480, 32)
T:raises("invalid 'self' in function 'create'", "Display.create(nil, ...)", display.create, nil, "x", 640, 480, 32, true)
T:raises("Invalid argument #2 to get_mode, DisplayMode expected, got nil", "get_mode(nil)", display.get_mode, display, nil)
T:raises("Invalid argument #2 to set_mode, DisplayMode expected, got nil", "set_mode(nil)", display.set_mode, display, nil)

-- Without a window.
T:eq(display:get_title(), nil, "get_title before create")
T:eq(display:set_title("x") or display:show() or display:destroy(), false, "set_title, show, destroy without a window")

-- A window: on_create runs inside create, before the window is stored.
local created, destroyed = 0, 0
display.on_create = function(d)
    created = created + 1
    T:eq(rawequal(d, display) and d:get_title(), nil, "on_create gets the display, before the title")
end
display.on_destroy = function() destroyed = destroyed + 1 end
T:eq(display:create("Display test", 320, 200, 32, nil), true, "create with an explicit nil windowed")
T:eq(created, 1, "on_create ran inside create")
T:eq(display:set_title("") or display:set_title(nil), false, "empty and nil titles refused")
T:eq(display:set_title("Renamed"), true, "set_title")
T:eq(display:get_title(), "Renamed", "new title")
local answers = {}
for i, call in ipairs({ display.hide, display.hide, display.show, display.show }) do
    answers[i] = tostring(call(display))
end
T:eq(table.concat(answers, " "), "true false false true", "hide and show answer whether it was visible")
local mode = DisplayMode()
T:eq(display:get_mode(mode), true, "get_mode after create")
T:eq(mode.width .. "x" .. mode.height .. "x" .. mode.depth .. "@" .. mode.refresh, "320x200x32@60", "mode")
T:eq(mode.windowed, false, "nil windowed means full screen")

T:eq(display:destroy(), true, "destroy")
-- Callbacks of a create made inside a coroutine run on the coroutine's thread.
display.on_create = function() created = coroutine.running() end
local co = coroutine.create(function() return display:create("Coroutine", 320, 200, 32, true) end)
T:eq(select(2, coroutine.resume(co)) and created == co, true, "create inside a coroutine")
T:eq(display:destroy(), true, "destroy")
T:eq(destroyed, 2, "on_destroy ran inside destroy")
T:eq(display:destroy(), false, "destroy twice")
T:eq(destroyed, 2, "on_destroy not again")
T:eq(display:get_title(), nil, "get_title after destroy")

T:finish()
