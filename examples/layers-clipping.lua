-- Layers: grouping, drawing order by depth, a layer clipped to a shape, blend modes.
-- Run from the game folder: ./vorn examples/layers-clipping.lua

display:create("Vorn example: layers and clipping", 640, 480, 32, true)

-- A sprite with a filled square of the given colour and size.
local function square(colour, side, x, y)
    local s = Sprite(x, y)
    s.canvas:set_fill_style(colour)
    s.canvas:square(side)
    s.canvas:fill()
    return s
end

-- Stripes, drawn in a layer whose clipper is a circle: only what lies inside the circle shows.
local porthole = Layer(-150, 0)
porthole.clipper:circle(110)
porthole.clipper:fill()
for i = -5, 5 do
    local stripe = Sprite(i * 24, 0)
    stripe.canvas:set_fill_style(i % 2 == 0 and TOMATO or GOLD)
    stripe.canvas:rectangle(12, 400)
    stripe.canvas:fill()
    porthole:add_child(stripe)
end
display:add_child(porthole)

-- Depth: a larger depth is farther back, whatever the order the nodes were added in.
local stack = Layer(150, 60)
local back = square(STEELBLUE, 120, -30, 30)
back.depth = 2
local front = square(LIGHTSEAGREEN, 120, 30, -30)
front.depth = 1
stack:add_child(front)
stack:add_child(back)
display:add_child(stack)

-- Blend modes: BM_ADD brightens what is below, and alpha scales what a node adds.
local glow = square(RED, 100, 150, -140)
glow.blending = BM_ADD
glow.alpha = 0.7
display:add_child(square(BLUE, 100, 190, -110))
display:add_child(glow)

-- Turn the striped layer: its children turn with it, the clip too.
local spin = Timer()
spin.on_tick = function() porthole:change_rotation(0.5) end
spin:start(16, true)

-- Ends by itself in headless runs (the examples' test).
dofile("examples/headless.lua")
