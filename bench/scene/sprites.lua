-- N rotated 32x32 alpha sprites (one shared canvas circle) bouncing around an 800x600 window,
-- every one moved and turned from Lua every frame. VORN_BENCH_N sprites, VORN_BENCH_SECONDS long.
local n = tonumber(os.getenv("VORN_BENCH_N")) or 1000
local seconds = tonumber(os.getenv("VORN_BENCH_SECONDS")) or 4
display:create("Vorn bench", 800, 600, 32, true)
local disc = Canvas()
disc:set_fill_style(Color(255, 200, 80), 1)
disc:circle(16)
disc:fill()
local layer = Layer()
display:add_child(layer)
math.randomseed(1)
local sprites, xs, ys, vxs, vys, spins = {}, {}, {}, {}, {}, {}
for i = 1, n do
    local s = Sprite()
    s.canvas = disc
    xs[i], ys[i] = math.random() * 800 - 400, math.random() * 600 - 300
    vxs[i], vys[i] = (math.random() - 0.5) * 4, (math.random() - 0.5) * 4
    spins[i] = (math.random() - 0.5) * 12
    s:set_position(xs[i], ys[i])
    s.rotation = math.random() * 360
    layer:add_child(s)
    sprites[i] = s
end
local move = Timer()
move.on_tick = function()
    for i = 1, n do
        local x, y = xs[i] + vxs[i], ys[i] + vys[i]
        if x < -400 or x > 400 then vxs[i] = -vxs[i] end
        if y < -300 or y > 300 then vys[i] = -vys[i] end
        xs[i], ys[i] = x, y
        local s = sprites[i]
        s:set_position(x, y)
        s:change_rotation(spins[i])
    end
end
move:start(1, true)
local stop = Timer()
stop.on_tick = function() display:destroy() end
stop:start(seconds * 1000, false)
