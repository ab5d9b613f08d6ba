-- A camera that follows a moving ship, and a minimap viewport showing the whole world.
-- Run from the game folder: ./vorn examples/camera-viewport.lua

display:create("Vorn example: camera and viewport", 640, 480, 32, true)

local world = Layer()
for i = 1, 40 do                                -- scattered rocks, a world larger than the window
    local rock = Sprite(math.sin(i * 7.3) * 900, math.cos(i * 3.1) * 700)
    rock.canvas:set_fill_style(SLATEGRAY)
    rock.canvas:circle(10 + (i % 4) * 6)
    rock.canvas:fill()
    world:add_child(rock)
end
local ship = Sprite()
ship.canvas:set_fill_style(GOLD)
ship.canvas:move_to(0, 20)
ship.canvas:line_to(14, -14)
ship.canvas:line_to(-14, -14)
ship.canvas:close_path()
ship.canvas:fill()
world:add_child(ship)
display:add_child(world)

-- The main view follows the ship; its colour is the background.
local follow = Camera()
follow.color = MIDNIGHTBLUE
display.camera = follow

-- The minimap: a camera in the world layer, zoomed out, shown in a rectangle at the top right
-- (viewport rectangles are in pixels from the window's top-left corner, y down).
local overview = Camera()
overview.color = DARKSLATEGRAY
overview:set_scale(8, 8)                        -- shows 8 times as much
world:add_child(overview)
local minimap = Viewport(460, 10, 170, 130)
minimap.camera = overview
local hud = Layer()
hud:add_child(minimap)
display:add_child(hud)

-- Fly in a circle; the camera follows.
local angle = 0
local fly = Timer()
fly.on_tick = function()
    angle = angle + 1
    local p = Point()
    p:set_radial_angle(angle, 400)
    ship:set_position(p)
    ship.rotation = angle + 90                  -- along the circle, clockwise
    follow:set_position(p)
end
fly:start(16, true)

-- Ends by itself in headless runs (the examples' test).
dofile("examples/headless.lua")
