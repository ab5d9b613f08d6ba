-- A still world of VORN_BENCH_N sprites (one shared canvas circle, turned at random) spread so
-- that about 1,000 of them fall in the 800x600 window, whatever N is. Nothing changes per frame.
local n = tonumber(os.getenv("VORN_BENCH_N")) or 1000
local seconds = tonumber(os.getenv("VORN_BENCH_SECONDS")) or 4
display:create("Vorn bench", 800, 600, 32, true)
local disc = Canvas()
disc:set_fill_style(Color(255, 200, 80), 1)
disc:circle(16)
disc:fill()
local spread = math.sqrt(n / 1000)
local layer = Layer()
display:add_child(layer)
math.randomseed(2)
for i = 1, n do
    local s = Sprite((math.random() - 0.5) * 800 * spread, (math.random() - 0.5) * 600 * spread)
    s.canvas = disc
    s.rotation = math.random() * 360
    layer:add_child(s)
end
local stop = Timer()
stop.on_tick = function() display:destroy() end
stop:start(seconds * 1000, false)
