-- The bundled game: a 640x480 window that shows that input arrives. There is no drawing yet, so
-- the last key, the mouse position and the last mouse button go into the window's title and are
-- printed. Escape or closing the window ends the game.

-- Names of the key and button codes, for showing them (KEY_A rather than 45).
local names = {}
for name, value in pairs(_G) do
    if type(value) == "number" and (name:find("^KEY_") or name:find("^MBUTTON_")) then
        names[value] = name
    end
end

local function describe(code)
    return names[code] or tostring(code)
end

local shown = { key = "-", mouse = "0, 0", button = "-" }

-- Puts what arrived last into the title and prints it.
local function show(what)
    local text = string.format("Vorn - key %s - mouse %s - button %s", shown.key, shown.mouse, shown.button)
    display:set_title(text)
    print(what .. ": " .. text)
end

if not display then
    print("Vorn: no video device, nothing to show")
    return
end

if not display:create("Vorn", 640, 480, 32, true) then
    print("Vorn: the window could not be opened")
    return
end

display.on_destroy = function()
    print("Vorn: window closed")
end

-- The input devices may be missing; each part works on its own.
if keyboard then
    keyboard.on_press = function(code)
        shown.key = describe(code)
        show("key")
        if code == (KEY_ESCAPE or 1) then
            display:destroy()
        end
    end
end

if mouse then
    mouse.on_press = function(code)
        shown.button = describe(code)
        show("button")
    end
    -- The pointer's position in display coordinates (origin at the centre, y up), looked at ten
    -- times a second: it changes when the pointer enters the window as well as when it moves.
    pointer = Timer()
    pointer.on_tick = function()
        local position = string.format("%d, %d", mouse.xaxis or 0, mouse.yaxis or 0)
        if position ~= shown.mouse then
            shown.mouse = position
            show("mouse")
        end
    end
    pointer:start(100, true)
end

show("start")
