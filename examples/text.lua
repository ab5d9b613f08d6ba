-- Text: an installed font, writing on a canvas, measuring, centring, and a score that changes.
-- Run from the game folder: ./vorn examples/text.lua

display:create("Vorn example: text", 640, 480, 32, true)

local big, small = Font(), Font()
if not (big:load_system("sans-serif", 48) and small:load_system("sans-serif", 20)) then
    print("no installed sans-serif font; see vorn.log")
end

-- A title centred on the x axis: write from minus half its width.
local title = Sprite(0, 120)
local text = "Hello, Vorn"
title.canvas:set_font(big, GOLD)
title.canvas:move_to(-big:get_width(text) / 2, 0)  -- the baseline starts at the current point
title.canvas:write(text)
display:add_child(title)

-- Several lines: move down one line height each time (a newline is not a line break).
local notes = Sprite(-280, 20)
local lines = { "Sizes are pixel heights.", "get_width measures shaped text.", "Text stays sharp when scaled." }
notes.canvas:set_font(small, WHITE, 0.9)
for i, line in ipairs(lines) do
    notes.canvas:move_to(0, -(i - 1) * small:get_height())
    notes.canvas:write(line)
end
display:add_child(notes)

-- A score redrawn when it changes: clear, then write again.
local score = Sprite(-280, -180)
local points = 0
local function show_score()
    score.canvas:clear()
    score.canvas:set_font(small, LIGHTGREEN)
    score.canvas:move_to(0, 0)
    score.canvas:write("Score: ")
    score.canvas:set_font(small, WHITE)
    score.canvas:write(tostring(points))           -- continues where "Score: " ended
end
show_score()
display:add_child(score)

local count = Timer()
count.on_tick = function() points = points + 10 show_score() end
count:start(100, true)

-- Ends by itself in headless runs (the examples' test).
dofile("examples/headless.lua")
