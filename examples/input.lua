-- Input: arrow keys move a ship, the mouse moves a cross-hair and its wheel zooms, a click drops a
-- marker, Escape quits, a joystick (when there is one) steers too.
-- Run from the game folder: ./vorn examples/input.lua

display:create("Vorn example: input", 640, 480, 32, true)

local ship = Sprite(0, -100)
ship.canvas:set_fill_style(GOLD)
ship.canvas:move_to(0, 24)
ship.canvas:line_to(18, -18)
ship.canvas:line_to(-18, -18)
ship.canvas:close_path()
ship.canvas:fill()
display:add_child(ship)

local cross = Sprite()
cross.canvas:set_line_style(2, WHITE)
cross.canvas:move_to(-12, 0) cross.canvas:line_to(12, 0)
cross.canvas:move_to(0, -12) cross.canvas:line_to(0, 12)
cross.canvas:stroke()
display:add_child(cross)

-- Keys: held keys are asked every frame with is_down; single presses arrive in on_press.
if keyboard then
    keyboard.on_press = function(key)
        if key == KEY_ESCAPE then display:destroy() end
    end
end

-- The mouse: its position is in display coordinates (origin at the centre, y up).
if mouse then
    mouse.on_wheelmove = function(dz) cross:change_scale(1 + dz / 1200, 1 + dz / 1200) end
    mouse.on_press = function(button)
        if button == MBUTTON_LEFT then
            local marker = Sprite(mouse.xaxis, mouse.yaxis)
            marker.canvas:set_fill_style(TOMATO)
            marker.canvas:circle(6)
            marker.canvas:fill()
            display:add_child(marker)
        end
    end
end

local step = Timer()
step.on_tick = function()
    if keyboard then
        if keyboard:is_down(KEY_LEFT) then ship:change_position(-4, 0) end
        if keyboard:is_down(KEY_RIGHT) then ship:change_position(4, 0) end
        if keyboard:is_down(KEY_UP) then ship:change_position(0, 4) end
        if keyboard:is_down(KEY_DOWN) then ship:change_position(0, -4) end
    end
    if joystick then ship:change_position(joystick.xaxis * 4, joystick.yaxis * 4) end
    if mouse then cross:set_position(mouse.xaxis, mouse.yaxis) end
end
step:start(16, true)

-- Ends by itself in headless runs (the examples' test).
dofile("examples/headless.lua")
