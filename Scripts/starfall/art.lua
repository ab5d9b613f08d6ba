-- Starfall's pictures, drawn once into canvases that many sprites share: the ship and its flame,
-- stars, mines, bolts, sparks, the star fields, the planet and the world's edge, and the markers
-- of the minimap. Everything is drawn pointing up (+y), centred on (0, 0).

local art = {}

local function gradient(x1, y1, c1, a1, x2, y2, c2, a2)
    local g = LinearGradient()
    g:stop_point1(x1, y1, c1, a1)
    g:stop_point2(x2, y2, c2, a2)
    return g
end

local function polygon(c, points)
    c:move_to(points[1], points[2])
    for i = 3, #points, 2 do
        c:line_to(points[i], points[i + 1])
    end
    c:close_path()
end

local SHIP = { 0, 22, 7, 4, 15, -12, 6, -8, 0, -13, -6, -8, -15, -12, -7, 4 }

function art.ship()
    local c = Canvas()
    -- wings and hull in one outline, lit from the nose
    polygon(c, SHIP)
    c:set_fill_style(gradient(0, 22, ALICEBLUE, 1, 0, -13, STEELBLUE, 1))
    c:fill_gradient_preserve()
    c:set_line_style(1.5, LIGHTCYAN, 0.9)
    c:stroke()
    -- cockpit
    c:move_to(0, 6)
    c:ellipse(6, 11)
    c:set_fill_style(gradient(0, 11, DEEPSKYBLUE, 1, 0, 0, MIDNIGHTBLUE, 1))
    c:fill_gradient()
    -- wing tips
    for _, x in ipairs({ -13, 13 }) do
        c:move_to(x, -10)
        c:circle(2)
        c:set_fill_style(ORANGERED, 1)
        c:fill()
    end
    return c
end

function art.flame()
    local c = Canvas()
    c:move_to(-5, 0)
    c:curve_to(0, -22, -5, -10)
    c:curve_to(5, 0, 5, -10)
    c:close_path()
    c:set_fill_style(gradient(0, 0, YELLOW, 1, 0, -20, ORANGERED, 0))
    c:fill_gradient()
    return c
end

function art.shield()
    local c = Canvas()
    c:move_to(0, 0)
    c:set_line_style(2, AQUA, 0.8)
    c:circle(24)
    c:stroke()
    c:set_fill_style(AQUA, 0.12)
    c:move_to(0, 0)
    c:circle(24)
    c:fill()
    return c
end

-- A falling star to collect: a four-pointed gold sparkle in a soft halo.
function art.star()
    local c = Canvas()
    for i, r in ipairs({ 22, 15, 10 }) do
        c:move_to(0, 0)
        c:circle(r)
        c:set_fill_style(GOLD, 0.06 * i)
        c:fill()
    end
    c:move_to(0, 16)
    c:curve_to(16, 0, 2, 2)
    c:curve_to(0, -16, 2, -2)
    c:curve_to(-16, 0, -2, -2)
    c:curve_to(0, 16, -2, 2)
    c:set_fill_style(gradient(0, 14, LIGHTYELLOW, 1, 0, -14, ORANGE, 1))
    c:fill_gradient_preserve()
    c:set_line_style(1, WHITE, 0.7)
    c:stroke()
    return c
end

-- A spiked mine; hunters are drawn in other colours by the same hand.
function art.mine(body, spikes, core)
    local c = Canvas()
    local points = {}
    for i = 0, 15 do
        local r = (i % 2 == 0) and 19 or 12
        local a = math.rad(i * 22.5)
        points[#points + 1] = r * math.sin(a)
        points[#points + 1] = r * math.cos(a)
    end
    polygon(c, points)
    c:set_fill_style(spikes, 1)
    c:fill()
    c:move_to(0, 0)
    c:circle(11)
    c:set_fill_style(gradient(-6, 6, body, 1, 6, -8, BLACK, 1))
    c:fill_gradient()
    c:move_to(0, 0)
    c:circle(4)
    c:set_fill_style(core, 1)
    c:fill()
    return c
end

function art.bolt()
    local c = Canvas()
    c:move_to(0, 0)
    c:ellipse(12, 34)
    c:set_fill_style(AQUA, 0.25)
    c:fill()
    c:move_to(0, 0)
    c:ellipse(5, 24)
    c:set_fill_style(gradient(0, 12, WHITE, 1, 0, -12, AQUA, 0.3))
    c:fill_gradient()
    return c
end

-- A soft round cloud of gas, brightest in the middle; sprites tint it.
function art.cloud()
    local c = Canvas()
    for r = 300, 20, -10 do
        c:move_to(0, 0)
        c:circle(r)
        c:set_fill_style(WHITE, 0.022)
        c:fill()
    end
    return c
end

function art.spark()
    local c = Canvas()
    c:move_to(0, 0)
    c:circle(4)
    c:set_fill_style(WHITE, 0.35)
    c:fill()
    c:move_to(0, 0)
    c:circle(2)
    c:set_fill_style(WHITE, 1)
    c:fill()
    return c
end

-- A field of stars, width x height, `count` of them, up to `size` across.
function art.stars(width, height, count, size, brightness)
    local c = Canvas()
    local tints = { WHITE, LIGHTBLUE, LIGHTYELLOW, MISTYROSE }
    for _ = 1, count do
        c:move_to((math.random() - 0.5) * width, (math.random() - 0.5) * height)
        local r = 0.4 + math.random() ^ 3 * size
        c:circle(r)
        c:set_fill_style(tints[math.random(#tints)], brightness * (0.4 + 0.6 * math.random()))
        c:fill()
    end
    return c
end

function art.image(image)
    local c = Canvas()
    c:set_source_image(image, -image.width / 2, image.height / 2)
    c:paint()
    return c
end

-- One side of the world's glowing fence, `length` long.
function art.fence(length)
    local c = Canvas()
    for i, width in ipairs({ 18, 8, 3 }) do
        c:move_to(0, 0)
        c:rectangle(length, width)
        c:set_fill_style(i == 3 and LIGHTCYAN or DEEPSKYBLUE, 0.12 * i * i)
        c:fill()
    end
    return c
end

function art.dot(color, radius)
    local c = Canvas()
    c:move_to(0, 0)
    c:circle(radius)
    c:set_fill_style(color, 1)
    c:fill()
    return c
end

function art.marker()
    local c = Canvas()
    polygon(c, { 0, 70, 45, -45, 0, -20, -45, -45 })
    c:set_fill_style(WHITE, 1)
    c:fill()
    return c
end

function art.frame(width, height, line, color, alpha)
    local c = Canvas()
    c:move_to(0, 0)
    c:rectangle(width, height)
    c:set_line_style(line, color, alpha)
    c:stroke()
    return c
end

-- Adds a rectangle with rounded corners, centred on (x, y), to a canvas's or a clipper's path.
function art.rounded(path, x, y, width, height, r)
    local l, b, rt, t = x - width / 2, y - height / 2, x + width / 2, y + height / 2
    path:move_to(l + r, t)
    path:line_to(rt - r, t)
    path:curve_to(rt, t - r, rt, t)
    path:line_to(rt, b + r)
    path:curve_to(rt - r, b, rt, b)
    path:line_to(l + r, b)
    path:curve_to(l, b + r, l, b)
    path:line_to(l, t - r)
    path:curve_to(l + r, t, l, t)
    path:close_path()
end

function art.panel(width, height, radius, alpha)
    local c = Canvas()
    art.rounded(c, 0, 0, width, height, radius)
    c:set_fill_style(BLACK, alpha)
    c:fill_preserve()
    c:set_line_style(1.5, STEELBLUE, 0.8)
    c:stroke()
    return c
end

return art
