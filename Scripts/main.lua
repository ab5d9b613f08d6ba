-- Starfall, the game Vorn runs when no other script is named: fly a small ship through a field of
-- falling stars, catch them for points and shoot or dodge the mines, some of which hunt you.
-- Three hits and the round is over. Escape quits at any time.
--
-- The parts live in Scripts/starfall/: assets (generated sounds, music and planet picture), art
-- (the canvases), world (the scene and its rules), hud (text and screens), controls (keyboard,
-- mouse and gamepad). This file opens the window, puts the views together and runs the rounds.

local function part(name)
    return dofile("Scripts/starfall/" .. name .. ".lua")
end

local WIDTH, HEIGHT = 800, 600

if not display then
    print("Starfall: no video device, nothing to show")
    return
end
if not display:create("Starfall", WIDTH, HEIGHT, 32, true) then
    print("Starfall: the window could not be opened")
    return
end

math.randomseed(os.time())
local assets, art, world, hud, controls = part("assets"), part("art"), part("world"), part("hud"), part("controls")
local made = assets.prepare()

local planet = made.planet and Image(made.planet)
if planet and planet.width == 0 then
    planet = nil
end
world.build(art, planet and art.image(planet))

-- The main view: the world through the camera that follows the ship, over the whole window.
local views = Layer()
views.depth = 10
local main_view = Viewport(0, 0, WIDTH, HEIGHT)
main_view.camera = world.camera
views:add_child(main_view)
display:add_child(views)

-- The minimap: the radar layer's whole world in the top-right corner, cut to a rounded card by
-- the layer's clipper.
local MAP_W, MAP_H, MARGIN = 192, 144, 12
local map_x, map_y = WIDTH / 2 - MARGIN - MAP_W / 2, HEIGHT / 2 - MARGIN - MAP_H / 2
local minimap = Layer()
minimap.depth = 5
art.rounded(minimap.clipper, map_x, map_y, MAP_W, MAP_H, 20)
minimap.clipper:fill()
local map_view = Viewport(WIDTH - MARGIN - MAP_W, MARGIN, MAP_W, MAP_H)
world.radar_camera:set_scale((world.WIDTH + 160) / MAP_W, (world.WIDTH + 160) / MAP_W)
world.radar_camera.alpha = 0.85
map_view.camera = world.radar_camera
minimap:add_child(map_view)
display:add_child(minimap)

local screens = Layer()
local map_rim = Sprite(map_x, map_y)
map_rim.canvas:set_line_style(2, STEELBLUE, 0.9)
art.rounded(map_rim.canvas, 0, 0, MAP_W, MAP_H, 20)
map_rim.canvas:stroke()
screens:add_child(map_rim)
hud.build(screens, art, planet, WIDTH, HEIGHT)
display:add_child(screens)

-- Sound effects are decoded once; the music streams from its file.
local sounds = {}
for name, path in pairs(made.effects) do
    local sound = Sound()
    if sound:load(path) then
        sounds[name] = sound
    end
end
local function play(name, pan, pitch)
    local sound = sounds[name]
    if sound then
        sound.pan = pan or 0
        sound.pitch = pitch or 1
        sound:play()
    end
end
local music = Music()
if made.music and music:load(made.music) then
    music.volume = 0.5
    music:play_loop()
end

-- The rounds.
local state, score, best, lives, chain, chain_left, over_since = "title", 0, 0, 3, 0, 0, 0

local function announce(text)
    print("Starfall: " .. text)
    io.stdout:flush()
end

local function add_score(points)
    score = score + points
    best = math.max(best, score)
    hud.show_score(score, best)
end

local function game_over()
    local record = score > 0 and score >= best
    state, over_since = "over", 0
    hud.show_final(score, best, record)
    hud.screen("over")
    music.volume = 0.25
    announce("game over, score " .. score)
end

local events = {
    caught = function(x)
        chain = chain_left > 0 and math.min(chain + 1, 8) or 0
        chain_left = 1.6
        add_score(10 + 5 * chain)
        play("blip", world.screen_pan(x), 1 + 0.07 * chain)
    end,
    destroyed = function(x, hunter)
        add_score(hunter and 25 or 15)
        play("boom", world.screen_pan(x), 1.4 + math.random() * 0.3)
    end,
    fired = function(x)
        play("zap", world.screen_pan(x), 0.95 + math.random() * 0.1)
    end,
    -- true while the ship has lives left
    hit = function()
        lives = lives - 1
        hud.show_lives(lives)
        play("boom", 0, 0.75)
        if lives > 0 then
            return true
        end
        game_over()
        return false
    end,
}

local function begin()
    state, score, lives, chain, chain_left = "play", 0, 3, 0, 0
    world.reset()
    hud.show_score(score, best)
    hud.show_lives(lives)
    hud.screen("play")
    music.volume = 0.5
    play("start")
    announce("round started")
end

local function title()
    state = "title"
    world.reset()
    hud.screen("title")
    announce("title screen")
end

-- Input: Escape quits everywhere; a start key, a click or a pad's A or Start begins a round on
-- the title screen, and on the game-over screen once it has been up for a second.
local function pressed(code)
    if code == KEY_ESCAPE then
        display:destroy()
    elseif controls.starts(code) and (state == "title" or (state == "over" and over_since > 1)) then
        begin()
    end
end
for _, device in ipairs({ keyboard, mouse, joystick }) do
    if device then
        device.on_press = pressed
    end
end

display.on_destroy = function()
    announce("window closed")
end

-- The frame: a timer with a 1 ms interval ticks once every frame; the time it has run gives the
-- step.
local last = 0
local DEMO = { turn = 0.22, thrust = 0.45, brake = false, fire = false }
frame = Timer()
frame.on_tick = function(t)
    local now = t:get_elapsed()
    local dt = math.min(0.1, (now - last) / 1000)
    last = now
    chain_left = math.max(0, chain_left - dt)
    over_since = over_since + dt
    if state == "play" then
        local ship, cam = world.ship, world.camera
        world.update(dt, controls.intent(ship.x - cam.x, ship.y - cam.y), "play", events)
    else
        world.update(dt, DEMO, state == "title" and "demo" or "still", events)
    end
end
frame:start(1, true)

-- More hunters join every four seconds of a round.
reinforcements = Timer()
reinforcements.on_tick = function()
    if state == "play" then
        world.reinforce()
    end
end
reinforcements:start(4000, true)

-- The prompt on the title screen blinks.
blink = Timer()
blink.on_tick = function()
    hud.prompt.visible = not hud.prompt.visible
end
blink:start(600, true)

title()
