-- Sprites drawn on canvases: shapes, strokes, a gradient, and sprites that turn.
-- Run from the game folder: ./vorn examples/sprite-canvas.lua

display:create("Vorn example: sprites and canvases", 640, 480, 32, true)

-- A star, filled and outlined: one path, filled with fill_preserve, then stroked.
local star = Sprite(-160, 60)
local c = star.canvas
for i = 0, 5 do
    local p = Point()
    p:set_radial_angle(i * 144, 80)            -- every second point of a pentagon: a star
    if i == 0 then c:move_to(p) else c:line_to(p) end
end
c:close_path()
c:set_fill_style(GOLD)
c:fill_preserve()
c:set_line_style(4, ORANGERED)
c:stroke()
display:add_child(star)

-- A gradient bar.
local bar = Sprite(120, 60)
local g = LinearGradient()
g:stop_point1(-120, 0, DEEPSKYBLUE)
g:stop_point2(120, 0, MEDIUMVIOLETRED)
bar.canvas:set_fill_style(g)
bar.canvas:rectangle(240, 60)
bar.canvas:fill_gradient()
display:add_child(bar)

-- Many sprites share one canvas: the cheapest way to show the same picture often.
local dot = Canvas()
dot:set_fill_style(LIMEGREEN, 0.8)
dot:circle(12)
dot:fill()
local dots = {}
for i = 1, 8 do
    local s = Sprite(-280 + i * 62, -120)
    s.canvas = dot
    s:set_scale(0.5 + i * 0.15, 0.5 + i * 0.15)
    display:add_child(s)
    dots[i] = s
end

-- Turn the star and make the dots bob, once per frame.
local frame = Timer()
frame.on_tick = function(t)
    star:change_rotation(1)
    for i, s in ipairs(dots) do s.y = -120 + 30 * math.sin(t:get_elapsed() / 300 + i) end
end
frame:start(16, true)

-- Ends by itself in headless runs (the examples' test).
dofile("examples/headless.lua")
