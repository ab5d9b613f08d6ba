-- Starfall's world: a 2400 x 1800 field of stars to catch and mines to dodge or shoot, the ship,
-- the camera that follows it, and the same world in small on the minimap's own layer. The game
-- steps it once a frame with the time passed and what the player wants; it reports what happened
-- through the `events` functions the game gives it (caught, destroyed, fired, hit, lost).

local world = { WIDTH = 2400, HEIGHT = 1800 }

local HALF_W, HALF_H = world.WIDTH / 2, world.HEIGHT / 2
local STARS, MAX_MINES, BOLTS, SPARKS = 20, 40, 14, 90
local sqrt, sin, cos, rad, deg, random = math.sqrt, math.sin, math.cos, math.rad, math.deg, math.random

local function clamp(v, low, high)
    return v < low and low or (v > high and high or v)
end

local function distance2(a, b)
    local dx, dy = a.x - b.x, a.y - b.y
    return dx * dx + dy * dy
end

-- A random place in the world at least `away` from (x, y).
local function place_away(x, y, away)
    for _ = 1, 20 do
        local px = (random() - 0.5) * (world.WIDTH - 160)
        local py = (random() - 0.5) * (world.HEIGHT - 160)
        if (px - x) ^ 2 + (py - y) ^ 2 >= away * away then
            return px, py
        end
    end
    return -x, -y
end

local function sprite_in(layer, canvas, depth)
    local s = Sprite()
    s.canvas = canvas
    s.depth = depth or 0
    layer:add_child(s)
    return s
end

-- Builds the scene with the art module's pictures; `planet` is the planet's canvas, or nil.
function world.build(art, planet)
    local root = Layer()
    world.layer = root

    -- far away: small stars and planets, moved with half the camera's motion for depth
    local far = Layer()
    far.depth = 30
    root:add_child(far)
    world.far = far
    local cloud = art.cloud()
    -- clouds of gas far behind everything
    local clouds = { { -700, 250, MEDIUMPURPLE }, { 300, -350, STEELBLUE }, { 800, 450, TEAL }, { -200, -650, PURPLE },
        { -950, -300, DARKSLATEBLUE }, { 100, 300, DARKCYAN } }
    for _, spot in ipairs(clouds) do
        local s = sprite_in(far, cloud, 1)
        s:set_position(spot[1], spot[2])
        s.color = spot[3]
        s.alpha = 0.8
    end
    local dust = art.stars(800, 600, 160, 0.8, 0.6)
    for i = -1, 1 do
        for j = -1, 1 do
            local tile = sprite_in(far, dust)
            tile:set_position(i * 800, j * 600)
        end
    end
    if planet then
        local planets = { { -520, 330, 1.4, WHITE }, { 640, -380, 0.8, Color(255, 190, 170) },
            { 150, 520, 0.45, Color(190, 255, 200) } }
        for _, p in ipairs(planets) do
            local s = sprite_in(far, planet, -1)
            s:set_position(p[1], p[2])
            s:set_scale(p[3], p[3])
            s.color = p[4]
        end
    end

    -- near: brighter stars and the glowing fence around the world
    local near = Layer()
    near.depth = 20
    root:add_child(near)
    local fields = { art.stars(800, 600, 70, 1.8, 0.9), art.stars(800, 600, 70, 1.8, 0.9) }
    for i = -1, 1 do
        for j = -1, 1 do
            local tile = sprite_in(near, fields[(i + j) % 2 + 1])
            tile:set_position(i * 800, j * 600)
        end
    end
    local fence_x, fence_y = art.fence(world.WIDTH + 18), art.fence(world.HEIGHT + 18)
    for _, side in ipairs({ { 0, HALF_H, 0, fence_x }, { 0, -HALF_H, 0, fence_x }, { -HALF_W, 0, 90, fence_y },
        { HALF_W, 0, 90, fence_y } }) do
        local s = sprite_in(near, side[4])
        s:set_position(side[1], side[2])
        s.rotation = side[3]
    end

    -- the things that move
    local things = Layer()
    root:add_child(things)
    local radar = Layer()
    world.radar = radar
    local outline = sprite_in(radar, art.frame(world.WIDTH, world.HEIGHT, 24, DEEPSKYBLUE, 0.9))
    outline.depth = 5
    world.view = sprite_in(radar, art.frame(800, 600, 16, WHITE, 0.45))

    local star, star_dot = art.star(), art.dot(GOLD, 36)
    world.stars = {}
    for i = 1, STARS do
        world.stars[i] = { sprite = sprite_in(things, star, 2), dot = sprite_in(radar, star_dot), x = 0, y = 0,
            phase = random() * 6 }
    end

    world.canvases = { mine = art.mine(DARKRED, CRIMSON, ORANGE), hunter = art.mine(INDIGO, MEDIUMORCHID, HOTPINK),
        mine_dot = art.dot(RED, 40), hunter_dot = art.dot(VIOLET, 44) }
    world.mines = {}
    for i = 1, MAX_MINES do
        local m = { sprite = sprite_in(things, world.canvases.mine, 1), dot = sprite_in(radar, world.canvases.mine_dot),
            x = 0, y = 0, vx = 0, vy = 0, active = false }
        m.sprite.visible, m.dot.visible = false, false
        world.mines[i] = m
    end

    local bolt = art.bolt()
    world.bolts = {}
    for i = 1, BOLTS do
        local b = { sprite = sprite_in(things, bolt, 0), life = 0 }
        b.sprite.blending, b.sprite.visible = BM_ADD, false
        world.bolts[i] = b
    end

    local spark = art.spark()
    world.sparks = {}
    for i = 1, SPARKS do
        local s = { sprite = sprite_in(things, spark, -2), life = 0 }
        s.sprite.blending, s.sprite.visible = BM_ADD, false
        world.sparks[i] = s
    end

    -- the ship: a layer that turns its hull, flame and shield together
    local ship = { layer = Layer() }
    ship.layer.depth = -1
    ship.flame = sprite_in(ship.layer, art.flame())
    ship.flame.y = -11
    ship.flame.blending = BM_ADD
    ship.hull = sprite_in(ship.layer, art.ship())
    ship.shield = sprite_in(ship.layer, art.shield())
    ship.shield.blending = BM_ADD
    things:add_child(ship.layer)
    ship.marker = sprite_in(radar, art.marker(), -5)
    world.ship = ship

    -- the cameras: the main one follows the ship; the minimap's sees the whole radar layer
    world.camera = Camera()
    world.camera.color = Color(6, 8, 22)
    root:add_child(world.camera)
    world.radar_camera = Camera()
    world.radar_camera.color = Color(12, 34, 60)
    radar:add_child(world.radar_camera)
    world.reset()
end

local function show(thing, on)
    thing.active = on
    thing.sprite.visible = on
    if thing.dot then
        thing.dot.visible = on
    end
end

local function move_star(s, x, y)
    s.x, s.y = x, y
    s.sprite:set_position(x, y)
    s.dot:set_position(x, y)
    s.born = 0
end

local function add_mine(hunter, away)
    for _, m in ipairs(world.mines) do
        if not m.active then
            m.x, m.y = place_away(world.ship.x, world.ship.y, away)
            local a, speed = random() * 360, 40 + random() * 50
            m.vx, m.vy = speed * sin(rad(a)), speed * cos(rad(a))
            m.hunter = hunter
            m.sprite.canvas = hunter and world.canvases.hunter or world.canvases.mine
            m.dot.canvas = hunter and world.canvases.hunter_dot or world.canvases.mine_dot
            m.spin = (random() - 0.5) * 200
            show(m, true)
            return m
        end
    end
end

-- A burst of `count` sparks in a colour.
local function burst(x, y, color, count, speed)
    for _, s in ipairs(world.sparks) do
        if count == 0 then
            break
        end
        if s.life <= 0 then
            local a, v = random() * 2 * math.pi, speed * (0.3 + random())
            s.x, s.y, s.vx, s.vy = x, y, v * sin(a), v * cos(a)
            s.max = 0.4 + random() * 0.5
            s.life = s.max
            s.sprite.color = color
            s.sprite.visible = true
            count = count - 1
        end
    end
end

-- A new round: the ship in the middle, stars scattered, a few mines far away.
function world.reset()
    local ship = world.ship
    ship.x, ship.y, ship.vx, ship.vy, ship.angle = 0, 0, 0, 0, 0
    ship.alive, ship.safe, ship.cooldown = true, 2, 0
    ship.layer.visible, ship.marker.visible = true, true
    world.elapsed, world.shake = 0, 0
    for _, m in ipairs(world.mines) do
        show(m, false)
    end
    for _, b in ipairs(world.bolts) do
        b.life, b.sprite.visible = 0, false
    end
    for _, s in ipairs(world.stars) do
        move_star(s, place_away(0, 0, 150))
    end
    for i = 1, 8 do
        add_mine(i <= 2, 550)
    end
    world.camera:set_position(0, 0)
end

-- Adds a hunter out of sight of the ship; the game calls it on a timer while a round runs.
function world.reinforce()
    add_mine(true, 650)
    local drifters = 0
    for _, m in ipairs(world.mines) do
        drifters = drifters + ((m.active and not m.hunter) and 1 or 0)
    end
    if drifters < 6 then
        add_mine(false, 500)
    end
end

local function fire(events)
    local ship = world.ship
    for _, b in ipairs(world.bolts) do
        if b.life <= 0 then
            local dx, dy = sin(rad(ship.angle)), cos(rad(ship.angle))
            b.x, b.y = ship.x + dx * 22, ship.y + dy * 22
            b.vx, b.vy = ship.vx + dx * 700, ship.vy + dy * 700
            b.life = 0.9
            b.sprite.rotation = ship.angle
            b.sprite.visible = true
            ship.cooldown = 0.16
            events.fired(b.x)
            return
        end
    end
end

local function steer(ship, intent, dt)
    local turn = intent.turn
    if intent.aim then
        local diff = (intent.aim - ship.angle + 180) % 360 - 180
        turn = clamp(diff / 20, -1, 1)
    end
    ship.angle = (ship.angle + turn * 280 * dt) % 360
    local thrust = intent.thrust
    if thrust > 0 then
        ship.vx = ship.vx + sin(rad(ship.angle)) * 520 * thrust * dt
        ship.vy = ship.vy + cos(rad(ship.angle)) * 520 * thrust * dt
    end
    local drag = 1 - math.min(1, (intent.brake and 3 or 0.7) * dt)
    ship.vx, ship.vy = ship.vx * drag, ship.vy * drag
    local speed = sqrt(ship.vx ^ 2 + ship.vy ^ 2)
    if speed > 460 then
        ship.vx, ship.vy = ship.vx * 460 / speed, ship.vy * 460 / speed
    end
    ship.x = clamp(ship.x + ship.vx * dt, -HALF_W + 20, HALF_W - 20)
    ship.y = clamp(ship.y + ship.vy * dt, -HALF_H + 20, HALF_H - 20)
    if math.abs(ship.x) >= HALF_W - 20 then
        ship.vx = -ship.vx * 0.5
    end
    if math.abs(ship.y) >= HALF_H - 20 then
        ship.vy = -ship.vy * 0.5
    end
    ship.flame.visible = thrust > 0
    ship.flame:set_scale(0.8 + 0.4 * thrust + random() * 0.3, 0.7 + thrust * 0.6 + random() * 0.4)
end

local function hurt(events)
    local ship = world.ship
    burst(ship.x, ship.y, LIGHTSKYBLUE, 40, 260)
    world.shake = 0.5
    for _, m in ipairs(world.mines) do
        if m.active and distance2(m, ship) < 300 * 300 then
            burst(m.x, m.y, ORANGE, 8, 150)
            show(m, false)
        end
    end
    ship.vx, ship.vy, ship.safe = 0, 0, 2.5
    if events.hit() then
        return
    end
    ship.alive = false
    ship.layer.visible, ship.marker.visible = false, false
    burst(ship.x, ship.y, GOLD, 40, 380)
end

local function move_mines(dt, playing)
    local ship = world.ship
    local chase = 90 + math.min(90, world.elapsed * 2.5)
    for _, m in ipairs(world.mines) do
        if m.active then
            if m.hunter and playing and ship.alive then
                local dx, dy = ship.x - m.x, ship.y - m.y
                local d = sqrt(dx * dx + dy * dy) + 0.001
                m.vx, m.vy = m.vx + dx / d * 160 * dt, m.vy + dy / d * 160 * dt
                local speed = sqrt(m.vx ^ 2 + m.vy ^ 2)
                if speed > chase then
                    m.vx, m.vy = m.vx * chase / speed, m.vy * chase / speed
                end
            end
            m.x, m.y = m.x + m.vx * dt, m.y + m.vy * dt
            if math.abs(m.x) > HALF_W - 20 then
                m.vx, m.x = -m.vx, clamp(m.x, -HALF_W + 20, HALF_W - 20)
            end
            if math.abs(m.y) > HALF_H - 20 then
                m.vy, m.y = -m.vy, clamp(m.y, -HALF_H + 20, HALF_H - 20)
            end
            m.sprite:set_position(m.x, m.y)
            m.sprite:change_rotation(m.spin * dt)
            m.dot:set_position(m.x, m.y)
        end
    end
end

local function move_shots(dt, events)
    for _, b in ipairs(world.bolts) do
        if b.life > 0 then
            b.life = b.life - dt
            b.x, b.y = b.x + b.vx * dt, b.y + b.vy * dt
            b.sprite:set_position(b.x, b.y)
            for _, m in ipairs(world.mines) do
                if m.active and distance2(m, b) < 22 * 22 then
                    show(m, false)
                    b.life = 0
                    burst(m.x, m.y, m.hunter and VIOLET or ORANGE, 18, 200)
                    events.destroyed(m.x, m.hunter)
                    break
                end
            end
            b.sprite.visible = b.life > 0
        end
    end
    for _, s in ipairs(world.sparks) do
        if s.life > 0 then
            s.life = s.life - dt
            s.x, s.y = s.x + s.vx * dt, s.y + s.vy * dt
            s.vx, s.vy = s.vx * (1 - 2 * dt), s.vy * (1 - 2 * dt)
            s.sprite:set_position(s.x, s.y)
            s.sprite.alpha = math.max(0, s.life / s.max)
            s.sprite.visible = s.life > 0
        end
    end
end

local function twinkle_stars(dt, playing, events)
    local ship = world.ship
    for _, s in ipairs(world.stars) do
        s.phase = s.phase + dt
        s.born = s.born + dt
        local grow = math.min(1, s.born * 3)
        local pulse = grow * (1 + 0.12 * sin(s.phase * 5))
        s.sprite:set_scale(pulse, pulse)
        s.sprite.rotation = 12 * sin(s.phase * 2)
        if playing and ship.alive and distance2(s, ship) < 34 * 34 then
            burst(s.x, s.y, GOLD, 12, 160)
            events.caught(s.x)
            move_star(s, place_away(ship.x, ship.y, 400))
        end
    end
end

-- The camera eases towards a point ahead of the ship and shakes after a hit.
local function follow(dt)
    local ship, cam = world.ship, world.camera
    local tx, ty = ship.x + ship.vx * 0.35, ship.y + ship.vy * 0.35
    local ease = math.min(1, dt * 3.5)
    local x = cam.x + (tx - cam.x) * ease
    local y = cam.y + (ty - cam.y) * ease
    world.shake = math.max(0, world.shake - dt)
    local jolt = world.shake * 24
    cam:set_position(x + (random() - 0.5) * jolt, y + (random() - 0.5) * jolt)
    world.far:set_position(cam.x * 0.5, cam.y * 0.5)
    world.view:set_position(cam.x, cam.y)
end

-- One step of `dt` seconds. `intent` is what the player wants (turn, thrust, aim, brake, fire).
-- `mode` is "play" for a round, "demo" for the ship flying itself behind the title screen (nothing
-- can hit it, it catches nothing) and "still" after the game is over.
function world.update(dt, intent, mode, events)
    local ship = world.ship
    local playing = mode == "play"
    world.elapsed = world.elapsed + dt
    if mode ~= "still" and ship.alive then
        steer(ship, intent, dt)
    end
    if playing and ship.alive then
        ship.cooldown = ship.cooldown - dt
        if intent.fire and ship.cooldown <= 0 then
            fire(events)
        end
        ship.safe = math.max(0, ship.safe - dt)
        ship.shield.visible = ship.safe > 0
        ship.shield.alpha = 0.5 + 0.5 * sin(world.elapsed * 12)
        if ship.safe <= 0 then
            for _, m in ipairs(world.mines) do
                if m.active and distance2(m, ship) < 30 * 30 then
                    hurt(events)
                    break
                end
            end
        end
    else
        ship.shield.visible = false
    end
    ship.layer:set_position(ship.x, ship.y)
    ship.layer.rotation = ship.angle
    ship.marker:set_position(ship.x, ship.y)
    ship.marker.rotation = ship.angle
    move_mines(dt, playing)
    move_shots(dt, events)
    twinkle_stars(dt, playing, events)
    follow(dt)
end

-- Where a world point shows on screen, horizontally, from -1 (left edge) to 1 (right edge).
function world.screen_pan(x)
    return clamp((x - world.camera.x) / 400, -1, 1)
end

return world
