-- An empty scene: the window's cleared, presented frame. VORN_BENCH_SECONDS long.
local seconds = tonumber(os.getenv("VORN_BENCH_SECONDS")) or 4
display:create("Vorn bench", 800, 600, 32, true)
local stop = Timer()
stop.on_tick = function() display:destroy() end
stop:start(seconds * 1000, false)
