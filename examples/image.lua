-- Images: a PNG with a colour key, painted on canvases, shown turned and scaled.
-- Run from the game folder: ./vorn examples/image.lua

display:create("Vorn example: image", 640, 480, 32, true)

-- The badge is drawn on magenta; the key makes those pixels transparent.
local badge = Image("examples/assets/badge.png", MAGENTA)
local plain = Image()
if not plain:load("examples/assets/badge.png") then
    print("examples/assets/badge.png did not load; run from the game folder")
end
print("badge size", badge.width, badge.height)

-- paint() draws the source image with its top-left corner at the given point: centre it.
local function picture(image, x, y)
    local s = Sprite(x, y)
    s.canvas:set_source_image(image, -image.width / 2, image.height / 2)
    s.canvas:paint()
    display:add_child(s)
    return s
end

local keyed = picture(badge, -120, 60)
local unkeyed = picture(plain, 120, 60)
unkeyed:set_scale(1.5, 1.5)

-- An image painted through a clip: only the part inside the circle shows.
local cut = Sprite(0, -130)
cut.canvas:circle(24)
cut.canvas:clip()
cut.canvas:set_source_image(badge, -32, 32)
cut.canvas:paint()
cut:set_scale(2, 2)
display:add_child(cut)

local spin = Timer()
spin.on_tick = function() keyed:change_rotation(2) end
spin:start(16, true)

-- Ends by itself in headless runs (the examples' test).
dofile("examples/headless.lua")
