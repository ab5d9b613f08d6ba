-- A window: open it, give the background a colour, react to closing it.
-- Run from the game folder: ./vorn examples/window.lua

local mode = DisplayMode()
if display:get_mode(mode) then                 -- the desktop's mode, before the window exists
    print(string.format("desktop: %d x %d", mode.width, mode.height))
end

if not display:create("Vorn example: window", 640, 480, 32, true) then
    print("the window could not be opened")
    return
end

-- The camera's colour fills the background of every frame.
local camera = Camera()
camera.color = CORNFLOWERBLUE
display.camera = camera

-- A white outline just inside the frame's edges: the display's origin is its centre, y up, one
-- unit per pixel, so a 640 x 480 window runs from (-320, -240) to (320, 240).
local edge = Sprite()
edge.canvas:set_line_style(4, WHITE)
edge.canvas:rectangle(620, 460)
edge.canvas:stroke()
display:add_child(edge)

-- Closing asks once: the first close only changes the title, the second one closes.
local asked = false
display.on_close = function(d)
    if asked then return true end
    asked = true
    d:set_title("Close again to quit")
end
display.on_destroy = function() print("window closed") end

-- Ends by itself in headless runs (the examples' test).
dofile("examples/headless.lua")
