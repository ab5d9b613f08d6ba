-- Starfall's screens in display coordinates (centre origin, y up): the score panel, the title
-- screen and the game-over screen. Headings and numbers use the DejaVu Sans Mono Bold file that
-- ships with the game; the rest is written in the installed "DejaVu Sans" family.

local hud = {}

local FONT_FILE = "Scripts/fonts/DejaVuSansMono-Bold.ttf"

-- An installed family first; any sans-serif face when DejaVu Sans is not installed.
local function system_font(size)
    local font = Font()
    if not font:load_system("DejaVu Sans", size) then
        font:load_system("sans-serif", size)
    end
    return font
end

local function file_font(size)
    local font = Font()
    if not font:load_file(FONT_FILE, size) then
        print("Starfall: cannot load " .. FONT_FILE .. ", writing headings in the system font")
        return system_font(size)
    end
    return font
end

-- Writes one line into a canvas: aligned "left", "centre" or "right" of x, with a soft shadow.
local function write(canvas, font, text, color, x, y, align)
    local width = font:get_width(text)
    local left = x
    if align == "centre" then
        left = x - width / 2
    elseif align == "right" then
        left = x - width
    end
    canvas:set_font(font, BLACK, 0.6)
    canvas:move_to(left + 2, y - 2)
    canvas:write(text)
    canvas:set_font(font, color, 1)
    canvas:move_to(left, y)
    canvas:write(text)
end

-- A sprite showing lines of text; each line is { font, text, colour, x, y, align }.
local function text_sprite(lines)
    local sprite = Sprite()
    for _, line in ipairs(lines) do
        write(sprite.canvas, unpack(line))
    end
    return sprite
end

local function overlay(width, height, alpha)
    local sprite = Sprite()
    sprite.canvas:move_to(0, 0)
    sprite.canvas:rectangle(width, height)
    sprite.canvas:set_fill_style(BLACK, alpha)
    sprite.canvas:fill()
    return sprite
end

-- Builds every screen into `root` (a layer in display coordinates). `art` draws the pictures,
-- `planet` is the generated planet image (or nil).
function hud.build(root, art, planet, width, height)
    local fonts = {
        title = file_font(76),
        heading = file_font(30),
        number = file_font(26),
        big = system_font(24),
        body = system_font(17),
        small = system_font(13),
    }
    hud.fonts = fonts
    local left, top = -width / 2, height / 2

    -- the score panel, top left
    local panel = Layer(left + 110, top - 52)
    local frame = Sprite()
    frame.canvas = art.panel(200, 86, 12, 0.45)
    panel:add_child(frame)
    panel:add_child(text_sprite({ { fonts.small, "SCORE", LIGHTSTEELBLUE, -88, 22, "left" },
        { fonts.small, "BEST", LIGHTSTEELBLUE, 88, 22, "right" } }))
    hud.score = Sprite()
    hud.best = Sprite()
    panel:add_child(hud.score)
    panel:add_child(hud.best)
    hud.lives = {}
    local ship = art.ship()
    for i = 1, 3 do
        local icon = Sprite(-80 + (i - 1) * 24, -28)
        icon.canvas = ship
        icon:set_scale(0.55, 0.55)
        panel:add_child(icon)
        hud.lives[i] = icon
    end
    root:add_child(panel)
    hud.panel = panel

    -- the title screen
    local title = Layer()
    title:add_child(overlay(width, height, 0.35))
    if planet then
        local world = Sprite(0, 150)
        world.canvas = art.image(planet)
        world:set_scale(1.3, 1.3)
        title:add_child(world)
        hud.title_planet = world
    end
    title:add_child(text_sprite({
        { fonts.title, "STARFALL", GOLD, 0, 30, "centre" },
        { fonts.big, "Catch the falling stars, dodge the mines", WHITE, 0, -8, "centre" },
        { fonts.body, "Keyboard: arrows or WASD steer and thrust, Space fires", LIGHTSTEELBLUE, 0, -70, "centre" },
        { fonts.body, "Mouse: hold the left button to fly to the pointer, right button fires", LIGHTSTEELBLUE,
            0, -96, "centre" },
        { fonts.body, "Gamepad: left stick flies, A fires, Start begins", LIGHTSTEELBLUE, 0, -122, "centre" },
        { fonts.small, "Escape quits", GRAY, 0, -270, "centre" },
    }))
    hud.prompt = text_sprite({ { fonts.heading, "Press Enter or click to play", AQUA, 0, -200, "centre" } })
    title:add_child(hud.prompt)
    root:add_child(title)
    hud.title = title

    -- the game-over screen
    local over = Layer()
    over:add_child(overlay(width, height, 0.5))
    over:add_child(text_sprite({ { fonts.title, "GAME OVER", ORANGERED, 0, 40, "centre" } }))
    hud.final = Sprite()
    over:add_child(hud.final)
    over:add_child(text_sprite({ { fonts.body, "Press Enter or click to fly again, Escape quits",
        LIGHTSTEELBLUE, 0, -140, "centre" } }))
    over.visible = false
    root:add_child(over)
    hud.over = over
end

function hud.show_score(score, best)
    hud.score.canvas:clear()
    write(hud.score.canvas, hud.fonts.number, string.format("%06d", score), WHITE, -88, -6, "left")
    hud.best.canvas:clear()
    write(hud.best.canvas, hud.fonts.small, tostring(best), GOLD, 88, 2, "right")
end

function hud.show_lives(lives)
    for i, icon in ipairs(hud.lives) do
        icon.visible = i <= lives
    end
end

function hud.show_final(score, best, record)
    local c = hud.final.canvas
    c:clear()
    write(c, hud.fonts.heading, "Score " .. score, WHITE, 0, -30, "centre")
    write(c, hud.fonts.big, record and "A new best!" or ("Best " .. best), record and GOLD or LIGHTSTEELBLUE, 0,
        -72, "centre")
end

-- "title", "play" or "over": which screen shows.
function hud.screen(name)
    hud.title.visible = name == "title"
    hud.over.visible = name == "over"
    hud.panel.visible = name ~= "title"
end

return hud
